#include "radialgeometry.h"

#include <algorithm>

RadialGeometry::RadialGeometry(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0))
{
}

int RadialGeometry::wrap(int p) const
{
    const int count = positions();
    p %= count;
    return p <= 0 ? p + count : p;
}

QPoint RadialGeometry::position(int p) const
{
    const int w = width_;
    const int h = height_;
    p = wrap(p);
    if (p <= w + 1)
        return {p - 2, -1}; // along the top, to the right
    if (p <= w + h + 2)
        return {w, p - w - 3}; // down the right edge
    if (p <= 2 * w + h + 3)
        return {2 * w + h + 3 - p, h};  // along the bottom, to the left
    return {-1, 2 * w + 2 * h + 4 - p}; // up the left edge
}

int RadialGeometry::cornerNumber(int corner) const
{
    switch (corner & 3) {
    case 0:
        return 1;
    case 1:
        return width_ + 2;
    case 2:
        return width_ + height_ + 3;
    default:
        return 2 * width_ + height_ + 4;
    }
}

int RadialGeometry::positionOfStep(int step) const
{
    return wrap(step + width_ / 2 + 1);
}

QPolygon RadialGeometry::shape(int step, int count) const
{
    const int last = positionOfStep(step);
    QPolygon points;
    points << centre();
    if (count <= 1) {
        points << position(last);
        return points;
    }
    const int first = positionOfStep(step - count + 1);
    points << position(first);
    // Corners strictly between the first and the last position, in the
    // order the ray passes them.
    const int span = wrap(last - first + 1) - 1;
    // Starting from the corner after the first position keeps them in order.
    int next = 0;
    while (next < 4 && cornerNumber(next) <= first)
        ++next;
    for (int i = 0; i < 4; ++i) {
        const int corner = cornerNumber(next + i);
        const int distance = wrap(corner - first + 1) - 1;
        if (distance > 0 && distance < span)
            points << position(corner);
    }
    points << position(last);
    return points;
}
