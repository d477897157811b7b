#include "picturebox.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::setPicture(const QImage& picture)
{
    picture_ = picture;
    if (autoSize_ && !picture_.isNull())
        resize(picture_.size());
    update();
}

void PictureBox::clearPicture()
{
    picture_ = QImage();
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
    QPainter painter(this);
    if (stretch_) {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), picture_);
    } else {
        painter.drawImage(QPoint(0, 0), picture_);
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
