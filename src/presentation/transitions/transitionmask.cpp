#include "transitionmask.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr std::uint8_t Set = 0xFF;

} // namespace

TransitionMask::TransitionMask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), rowWidth_((width_ + 31) / 32 * 32),
      bits_(size_t(rowWidth_) * size_t(height_), 0)
{
}

bool TransitionMask::isSet(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    return bits_[size_t(y) * size_t(rowWidth_) + size_t(x)] != 0;
}

void TransitionMask::Spans::add(int y, int left, int right)
{
    const auto row = size_t(y - rect.top());
    from[row] = std::min(from[row], left);
    to[row] = std::max(to[row], right);
}

QRect TransitionMask::uncover(const QPolygon& shape, QImage& work, const QImage& oldPicture,
                              const QImage& newPicture)
{
    const QRect rect = shape.boundingRect() & QRect(0, 0, width_, height_) & work.rect() &
                       oldPicture.rect() & newPicture.rect();
    if (rect.isEmpty() || shape.size() < 2)
        return {};
    Spans spans{rect, std::vector<int>(size_t(rect.height()), INT_MAX),
                std::vector<int>(size_t(rect.height()), INT_MIN)};
    if (shape.size() > 2)
        fillPolygon(shape, spans);
    // The outline is set too, so the edges of neighbouring frames meet
    // without a gap.
    const int edges = shape.size() == 2 ? 1 : int(shape.size());
    for (int i = 0; i < edges; ++i)
        drawLine(shape[i], shape[(i + 1) % shape.size()], spans);
    combine(spans, work, oldPicture, newPicture);
    return rect;
}

void TransitionMask::fillPolygon(const QPolygon& shape, Spans& spans)
{
    const QRect& rect = spans.rect;
    const int corners = int(shape.size());
    double crossings[16];
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        // Where the edges cross this row; each edge counts from its upper
        // end up to, not including, its lower end.
        int count = 0;
        for (int i = 0; i < corners && count < 16; ++i) {
            const QPoint a = shape[i];
            const QPoint b = shape[(i + 1) % corners];
            if ((a.y() <= y && y < b.y()) || (b.y() <= y && y < a.y()))
                crossings[count++] =
                    a.x() + double(b.x() - a.x()) * (y - a.y()) / double(b.y() - a.y());
        }
        std::sort(crossings, crossings + count);
        std::uint8_t* row = bits_.data() + size_t(y) * size_t(rowWidth_);
        for (int i = 0; i + 1 < count; i += 2) {
            const int left = std::max(int(std::ceil(crossings[i])), rect.left());
            const int right = std::min(int(std::floor(crossings[i + 1])), rect.right());
            if (left > right)
                continue;
            std::memset(row + left, Set, size_t(right - left + 1));
            spans.add(y, left, right);
        }
    }
}

void TransitionMask::drawLine(QPoint a, QPoint b, Spans& spans)
{
    // Bresenham's line, both ends included.
    const QRect& rect = spans.rect;
    int x = a.x();
    int y = a.y();
    const int dx = std::abs(b.x() - x);
    const int dy = -std::abs(b.y() - y);
    const int stepX = x < b.x() ? 1 : -1;
    const int stepY = y < b.y() ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        if (rect.contains(x, y)) {
            bits_[size_t(y) * size_t(rowWidth_) + size_t(x)] = Set;
            spans.add(y, x, x);
        }
        if (x == b.x() && y == b.y())
            break;
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y += stepY;
        }
    }
}

void TransitionMask::combine(const Spans& spans, QImage& work, const QImage& oldPicture,
                             const QImage& newPicture) const
{
    uchar* workBits = work.bits();
    const auto workStride = work.bytesPerLine();
    for (int y = spans.rect.top(); y <= spans.rect.bottom(); ++y) {
        const auto row = size_t(y - spans.rect.top());
        const int left = spans.from[row];
        const int right = spans.to[row];
        if (left > right)
            continue;
        const std::uint8_t* set = bits_.data() + size_t(y) * size_t(rowWidth_);
        auto* target = reinterpret_cast<QRgb*>(workBits + y * workStride);
        const auto* after = reinterpret_cast<const QRgb*>(newPicture.constScanLine(y));
        const auto* before = reinterpret_cast<const QRgb*>(oldPicture.constScanLine(y));
        for (int x = left; x <= right; ++x)
            target[x] = set[x] ? after[x] : before[x];
    }
}
