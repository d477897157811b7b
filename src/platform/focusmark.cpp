#include "focusmark.h"

#include <QPainter>
#include <QPen>

namespace platform {

bool focusMarkWanted(Qt::FocusReason reason, bool before)
{
    switch (reason) {
    case Qt::MouseFocusReason:
        return false;
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
        return before;
    default:
        return true;
    }
}

void drawFocusMark(QPainter& painter, const QRect& control)
{
    // Kept clear of the outermost pixels, which a frame may overlap.
    constexpr int Inset = 2;
    const qreal half = FocusMarkWidth / 2.0;
    const QRectF outline =
        QRectF(control).adjusted(Inset + half, Inset + half, -Inset - half, -Inset - half);
    if (outline.width() <= 0 || outline.height() <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    QPen pen(Qt::white, FocusMarkWidth, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(outline);
    pen.setColor(Qt::black);
    pen.setDashPattern({2, 2}); // in pen widths: 6 pixels black, 6 white
    painter.setPen(pen);
    painter.drawRect(outline);
    painter.restore();
}

} // namespace platform
