#include "bevelpanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace platform {

namespace {

void drawBevel(QPainter& painter, QRect& rect, BevelPanel::Bevel bevel, int width,
               const QColor& face)
{
    if (bevel == BevelPanel::Bevel::None)
        return;
    const QColor light = face.lighter(150);
    const QColor dark = face.darker(170);
    for (int i = 0; i < width; ++i) {
        if (bevel != BevelPanel::Bevel::Space) {
            const bool raised = bevel == BevelPanel::Bevel::Raised;
            painter.setPen(raised ? light : dark);
            painter.drawLine(rect.topLeft(), rect.topRight());
            painter.drawLine(rect.topLeft(), rect.bottomLeft());
            painter.setPen(raised ? dark : light);
            painter.drawLine(rect.bottomLeft(), rect.bottomRight());
            painter.drawLine(rect.topRight(), rect.bottomRight());
        }
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace

BevelPanel::BevelPanel(QWidget* parent) : QWidget(parent) {}

void BevelPanel::setBevels(Bevel outer, Bevel inner, int bevelWidth, int borderWidth)
{
    outer_ = outer;
    inner_ = inner;
    bevelWidth_ = bevelWidth;
    borderWidth_ = borderWidth;
    update();
}

void BevelPanel::setSingleBorderLine(bool on)
{
    borderLine_ = on;
    update();
}

void BevelPanel::setColor(const QColor& color)
{
    color_ = color;
    update();
}

void BevelPanel::setCaption(const QString& caption)
{
    caption_ = caption;
    setAccessibleName(caption);
    update();
}

void BevelPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), color_);
    QRect frame = rect();
    if (borderLine_) {
        painter.setPen(Qt::black);
        painter.drawRect(frame.adjusted(0, 0, -1, -1));
        frame.adjust(1, 1, -1, -1);
    }
    drawBevel(painter, frame, outer_, bevelWidth_, color_);
    frame.adjust(borderWidth_, borderWidth_, -borderWidth_, -borderWidth_);
    drawBevel(painter, frame, inner_, bevelWidth_, color_);
    if (!caption_.isEmpty()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.setFont(font());
        painter.drawText(rect(), Qt::AlignCenter, caption_);
    }
}

void BevelPanel::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace platform
