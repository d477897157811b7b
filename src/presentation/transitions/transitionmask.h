#pragma once

// The growing mask of the masked effects: one byte per pixel holding set or
// clear, its rows rounded up to a multiple of 32 pixels. Where the mask is
// set the new picture shows. It is never cleared during a run, so whatever
// has been uncovered stays uncovered.

#include <QImage>
#include <QPolygon>
#include <QRect>
#include <cstdint>
#include <vector>

class TransitionMask {
public:
    TransitionMask(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // The width of the mask's rows: the area's width rounded up to 32.
    int rowWidth() const { return rowWidth_; }
    bool isSet(int x, int y) const;

    // Sets the pixels of the shape, its outline included (a line for two
    // points, a filled polygon for more), and brings the work bitmap up to
    // date: the new picture's pixel where the mask is set, the old picture's
    // elsewhere. Returns the changed rectangle: the shape's bounding box,
    // clipped to the area.
    QRect uncover(const QPolygon& shape, QImage& work, const QImage& oldPicture,
                  const QImage& newPicture);

private:
    // The pixels one shape sets, row by row within its rectangle: only they
    // are recombined, so a thin ray across a wide rectangle costs a few
    // pixels a row.
    struct Spans {
        QRect rect;
        std::vector<int> from;
        std::vector<int> to;
        void add(int y, int left, int right);
    };

    void fillPolygon(const QPolygon& shape, Spans& spans);
    void drawLine(QPoint a, QPoint b, Spans& spans);
    void combine(const Spans& spans, QImage& work, const QImage& oldPicture,
                 const QImage& newPicture) const;

    int width_;
    int height_;
    int rowWidth_;
    std::vector<std::uint8_t> bits_;
};
