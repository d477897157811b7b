#include "transitionmask.h"

#include <algorithm>

TransitionMask::TransitionMask(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)),
      image_((width_ + 31) / 32 * 32, height_, QImage::Format_Alpha8)
{
    image_.fill(0);
    if (image_.isNull())
        return;
    painter_.begin(&image_);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setPen(QPen(QColor(0, 0, 0, 255), 0));
    painter_.setBrush(QColor(0, 0, 0, 255));
}

TransitionMask::~TransitionMask()
{
    if (painter_.isActive())
        painter_.end();
}

bool TransitionMask::isSet(int x, int y) const
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return false;
    // The painter draws straight into the image's pixels, so they are read
    // as they are now.
    return image_.constScanLine(y)[x] != 0;
}

void TransitionMask::draw(const QPolygon& shape)
{
    if (!painter_.isActive() || shape.size() < 2)
        return;
    if (shape.size() == 2)
        painter_.drawLine(shape[0], shape[1]);
    else
        painter_.drawPolygon(shape, Qt::WindingFill);
}

void TransitionMask::combine(QImage& work, const QImage& oldPicture, const QImage& newPicture,
                             const QRect& area) const
{
    const QRect rect =
        area & QRect(0, 0, width_, height_) & work.rect() & oldPicture.rect() & newPicture.rect();
    if (rect.isEmpty())
        return;
    const int left = rect.left();
    const int right = rect.right() + 1;
    uchar* workBits = work.bits();
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const uchar* set = image_.constScanLine(y);
        auto* to = reinterpret_cast<QRgb*>(workBits + y * work.bytesPerLine());
        const auto* from = reinterpret_cast<const QRgb*>(newPicture.constScanLine(y));
        const auto* before = reinterpret_cast<const QRgb*>(oldPicture.constScanLine(y));
        for (int x = left; x < right; ++x)
            to[x] = set[x] ? from[x] : before[x];
    }
}
