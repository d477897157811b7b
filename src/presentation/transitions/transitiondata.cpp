#include "transitiondata.h"

#include <QPainter>
#include <cstring>

namespace {

QImage inPixelFormat(const QImage& picture)
{
    return picture.format() == TransitionPixelFormat
               ? picture
               : picture.convertToFormat(TransitionPixelFormat);
}

} // namespace

TTETransitionData::TTETransitionData(const QImage& oldPic, const QImage& newPic,
                                     TransitionOutput* target)
    : newPicture(inPixelFormat(newPic)), width(newPicture.width()), height(newPicture.height()),
      output(target)
{
    if (oldPic.size() == newPicture.size()) {
        oldPicture = inPixelFormat(oldPic);
    } else {
        oldPicture = QImage(newPicture.size(), TransitionPixelFormat);
        oldPicture.fill(Qt::black);
        QPainter painter(&oldPicture);
        painter.drawImage(0, 0, oldPic);
    }
    // Made here, with the pictures, rather than when the run starts: the
    // first touch of a fresh bitmap of several megabytes is not free.
    work = oldPicture.copy();
}

void copyImageArea(QImage& target, const QImage& source, const QRect& area)
{
    const QRect rect = area & target.rect() & source.rect();
    if (rect.isEmpty())
        return;
    const auto bytes = static_cast<size_t>(rect.width()) * sizeof(QRgb);
    const int sourceStride = static_cast<int>(source.bytesPerLine());
    const int targetStride = static_cast<int>(target.bytesPerLine());
    const uchar* from = source.constBits() + rect.top() * sourceStride + rect.left() * 4;
    uchar* to = target.bits() + rect.top() * targetStride + rect.left() * 4;
    for (int y = 0; y < rect.height(); ++y, from += sourceStride, to += targetStride)
        std::memcpy(to, from, bytes);
}

ImageOutput::ImageOutput(const QSize& size) : canvas(size, TransitionPixelFormat)
{
    canvas.fill(Qt::black);
}

void ImageOutput::showFrame(const QImage& picture, const QRect& area)
{
    copyImageArea(canvas, picture, area);
    lastArea = area;
    ++frames;
}
