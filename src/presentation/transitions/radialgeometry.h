#pragma once

// The clock wipe's geometry: a ray from the centre of the area whose end runs
// clockwise along a frame one pixel outside the area. The positions of the
// frame are numbered 1..P from the top-left corner (-1, -1): along the top to
// the right, down the right edge, along the bottom to the left and up the
// left edge, with P = 2 x (width + height + 2). Integer arithmetic
// throughout, halves truncated.

#include <QPoint>
#include <QPolygon>
#include <QRect>

class RadialGeometry {
public:
    RadialGeometry(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    // P: the number of frame positions, which is also the number of steps.
    int positions() const { return 2 * (width_ + height_ + 2); }
    QPoint centre() const { return {width_ / 2, height_ / 2}; }

    // The frame position numbered p (1..P).
    QPoint position(int p) const;
    // The frame positions of the four corners, clockwise from the top-left.
    int cornerNumber(int corner) const;

    // The frame position of a step: step 1 is straight above the centre, so
    // the ray starts at 12 o'clock and turns clockwise.
    int positionOfStep(int step) const;

    // The shape that uncovers the steps from step - count + 1 to step: for
    // one step the ray itself (two points: the centre and the position), for
    // more a polygon of the centre, the first position, every corner passed
    // on the way clockwise and the last position.
    QPolygon shape(int step, int count) const;

private:
    int wrap(int p) const;

    int width_;
    int height_;
};
