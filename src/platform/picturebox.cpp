#include "picturebox.h"

#include "platform/accessiblefactory.h"
#include "platform/focusmark.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    installAccessibleInterfaces();
    setFocusPolicy(Qt::NoFocus);
}

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

bool PictureBox::isButton() const
{
    return buttonChosen_.value_or(clicksConnected_);
}

void PictureBox::setButton(bool on)
{
    buttonChosen_ = on;
    updateFocusPolicy();
}

void PictureBox::updateFocusPolicy()
{
    // Tab only: a mouse click does not leave a focus mark behind.
    setFocusPolicy(isButton() ? Qt::TabFocus : Qt::NoFocus);
    if (!isButton() && hasFocus())
        clearFocus();
}

void PictureBox::connectNotify(const QMetaMethod& signal)
{
    QWidget::connectNotify(signal);
    if (signal == QMetaMethod::fromSignal(&PictureBox::clicked) ||
        signal == QMetaMethod::fromSignal(&PictureBox::doubleClicked) ||
        signal == QMetaMethod::fromSignal(&PictureBox::mousePressed)) {
        clicksConnected_ = true;
        updateFocusPolicy();
    }
}

QPoint PictureBox::pressPoint() const
{
    return pressPoint_.value_or(rect().center());
}

void PictureBox::setPressPoint(QPoint at)
{
    pressPoint_ = at;
}

void PictureBox::press()
{
    if (!isEnabled())
        return;
    const QPoint at = pressPoint();
    emit mousePressed(at.x(), at.y(), Qt::LeftButton);
    emit clicked();
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (!picture_.isNull()) {
        // The see-through copy is made once per change of the picture.
        if (transparent_ && shown_.isNull())
            shown_ = withSeeThroughColour(picture_);
        const QImage& image = transparent_ ? shown_ : picture_;
        if (stretch_) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(rect(), image);
        } else {
            painter.drawImage(QPoint(0, 0), image);
        }
    }
    if (hasFocus() && focusMarked_)
        drawFocusMark(painter, rect());
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

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!isButton() || !pressKey || modifiers != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A key held down presses once.
    if (!event->isAutoRepeat())
        press();
    event->accept();
}

void PictureBox::focusInEvent(QFocusEvent* event)
{
    focusMarked_ = focusMarkWanted(event->reason(), focusMarked_);
    QWidget::focusInEvent(event);
    update();
}

void PictureBox::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    update();
}

} // namespace platform
