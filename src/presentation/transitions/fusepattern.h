#pragma once

// The dissolve's pattern: an 8 x 8 cell, tiled over the whole area from its
// top-left corner, whose positions switch one by one from the old picture to
// the new one. Plain functions on images, so they are reached without windows.

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>

// The step (1..64) at which each position of the cell shows the new
// picture, indexed [y][x].
extern const std::array<std::array<int, 8>, 8> FuseStepTable;

inline constexpr int FuseSteps = 64;

// The position of the cell switched at the step (1..64).
QPoint fusePositionOfStep(int step);

// A set of positions of the cell: one byte per row, one bit per column.
struct FusePattern {
    std::array<std::uint8_t, 8> rows{};

    void switchStep(int step);
    // Every step from first to last, both included.
    void switchSteps(int first, int last);
    bool empty() const;
};

// Takes the new picture's pixel at every position of the pattern; the other
// pixels of the work bitmap stay as they are. Returns the changed rectangle:
// the whole area, or nothing for an empty pattern.
QRect drawFusePattern(QImage& work, const QImage& newPicture, const FusePattern& pattern);
