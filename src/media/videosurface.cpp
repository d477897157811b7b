#include "videosurface.h"

#include "media/yuvconversion.h"

#include <QPainter>
#include <QVideoFrame>

namespace media {

VideoSurface::VideoSurface(QWidget* window) : QWidget(window)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAccessibleName(QStringLiteral("Animation"));
    hide();
}

void VideoSurface::showFrame(const QVideoFrame& frame)
{
    if (!frame.isValid())
        return;
    frame_ = frameToImage(frame);
    update();
}

void VideoSurface::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (frame_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rect(), frame_);
}

} // namespace media
