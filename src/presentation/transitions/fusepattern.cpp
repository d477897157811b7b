#include "fusepattern.h"

#include <algorithm>
#include <cstring>

// An ordered dither: the positions switched early are spread evenly, so the
// new picture shows through a fine, even veil that thickens step by step.
const std::array<std::array<int, 8>, 8> FuseStepTable = {{
    {2, 34, 10, 42, 3, 35, 11, 43},
    {54, 30, 62, 22, 55, 31, 63, 23},
    {14, 46, 6, 38, 15, 47, 7, 39},
    {58, 18, 50, 26, 59, 19, 51, 27},
    {4, 36, 12, 44, 1, 33, 9, 41},
    {56, 32, 64, 24, 53, 29, 61, 21},
    {16, 48, 8, 40, 13, 45, 5, 37},
    {60, 20, 52, 28, 57, 17, 49, 25},
}};

namespace {

const std::array<QPoint, FuseSteps + 1> PositionOfStep = [] {
    std::array<QPoint, FuseSteps + 1> positions{};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            positions[FuseStepTable[y][x]] = QPoint(x, y);
    return positions;
}();

// Copies the columns of one row whose column number modulo 8 is in the set.
void copyColumns(QRgb* to, const QRgb* from, int width, const int* columns, int count)
{
    int x = 0;
    for (; x + 8 <= width; x += 8)
        for (int i = 0; i < count; ++i)
            to[x + columns[i]] = from[x + columns[i]];
    for (int i = 0; i < count; ++i)
        if (x + columns[i] < width)
            to[x + columns[i]] = from[x + columns[i]];
}

} // namespace

QPoint fusePositionOfStep(int step)
{
    return PositionOfStep.at(static_cast<size_t>(std::clamp(step, 1, FuseSteps)));
}

void FusePattern::switchStep(int step)
{
    const QPoint at = fusePositionOfStep(step);
    rows[at.y()] |= static_cast<std::uint8_t>(1u << at.x());
}

void FusePattern::switchSteps(int first, int last)
{
    for (int step = std::max(first, 1); step <= std::min(last, FuseSteps); ++step)
        switchStep(step);
}

bool FusePattern::empty() const
{
    return std::all_of(rows.begin(), rows.end(), [](std::uint8_t row) { return row == 0; });
}

QRect drawFusePattern(QImage& work, const QImage& newPicture, const FusePattern& pattern)
{
    const int width = std::min(work.width(), newPicture.width());
    const int height = std::min(work.height(), newPicture.height());
    if (pattern.empty() || width <= 0 || height <= 0)
        return {};

    // Only the rows of the cell that hold a position of the pattern are
    // touched, and in them only those columns: a frame that switches one
    // position costs one pixel in 64.
    uchar* workBits = work.bits();
    const uchar* newBits = newPicture.constBits();
    const auto workStride = work.bytesPerLine();
    const auto newStride = newPicture.bytesPerLine();
    for (int cellRow = 0; cellRow < 8; ++cellRow) {
        const unsigned bits = pattern.rows[cellRow];
        if (bits == 0)
            continue;
        int columns[8];
        int count = 0;
        for (int x = 0; x < 8; ++x)
            if ((bits >> x) & 1)
                columns[count++] = x;
        for (int y = cellRow; y < height; y += 8) {
            auto* to = reinterpret_cast<QRgb*>(workBits + y * workStride);
            const auto* from = reinterpret_cast<const QRgb*>(newBits + y * newStride);
            if (bits == 0xFF)
                std::memcpy(to, from, static_cast<size_t>(width) * sizeof(QRgb));
            else
                copyColumns(to, from, width, columns, count);
        }
    }
    return {0, 0, width, height};
}
