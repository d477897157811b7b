#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

namespace {

QImage withSeeThroughColour(const QImage& picture)
{
    if (picture.isNull())
        return picture;
    QImage shown = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = shown.pixel(0, shown.height() - 1);
    for (int y = 0; y < shown.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            if (line[x] == key)
                line[x] = 0;
        }
    }
    return shown;
}

} // namespace

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    shown_ = QImage();
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
    update();
}

void PictureBox::changed()
{
    shown_ = QImage();
    update();
}

void PictureBox::setTransparent(bool on)
{
    transparent_ = on;
    shown_ = QImage();
    update();
}

void PictureBox::clearPicture()
{
    picture_ = QImage();
    shown_ = QImage();
    update();
}

void PictureBox::setStretch(bool on)
{
    stretch_ = on;
    update();
}

void PictureBox::setAutoSize(bool on)
{
    autoSize_ = on;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
}

void PictureBox::paintEvent(QPaintEvent*)
{
    if (picture_.isNull())
        return;
    // The see-through copy is made once per change of the picture.
    if (transparent_ && shown_.isNull())
        shown_ = withSeeThroughColour(picture_);
    const QImage& image = transparent_ ? shown_ : picture_;
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), image);
    } else {
        painter.drawImage(QPoint(0, 0), image);
    }
}

void PictureBox::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit mousePressed(at.x(), at.y(), event->button());
    QWidget::mousePressEvent(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    emit doubleClicked();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace platform
