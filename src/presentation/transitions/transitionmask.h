#pragma once

// The growing mask of the masked effects: one byte per pixel holding set or
// clear, its rows rounded up to a multiple of 32 pixels. Where the mask is
// set the new picture shows. It is never cleared during a run, so whatever
// has been uncovered stays uncovered.

#include <QImage>
#include <QPainter>
#include <QPolygon>
#include <QRect>

class TransitionMask {
public:
    TransitionMask(int width, int height);
    ~TransitionMask();
    TransitionMask(const TransitionMask&) = delete;
    TransitionMask& operator=(const TransitionMask&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    // The width of the mask's rows: the area's width rounded up to 32.
    int rowWidth() const { return image_.width(); }
    bool isSet(int x, int y) const;

    // Sets the pixels of the shape, its outline included: a line for two
    // points, a filled polygon for more.
    void draw(const QPolygon& shape);

    // Within the area, the work bitmap takes the new picture's pixel where
    // the mask is set and the old picture's pixel elsewhere.
    void combine(QImage& work, const QImage& oldPicture, const QImage& newPicture,
                 const QRect& area) const;

private:
    int width_;
    int height_;
    QImage image_;
    QPainter painter_;
};
