#include "bitbtn.h"

#include "platform/enterpress.h"
#include "platform/focusmark.h"

#include <QFocusEvent>
#include <QIcon>
#include <QPainter>

namespace platform {

BitBtn::BitBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    // Enter in an edit box of the window must not press a button; Enter on
    // the button itself does.
    setAutoDefault(false);
    pressOnEnter(this);
}

void BitBtn::setGlyph(const QPixmap& glyph, GlyphSide side)
{
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
    // A right-to-left button lays its icon out after the caption.
    setLayoutDirection(side == GlyphSide::Right ? Qt::RightToLeft : Qt::LeftToRight);
}

void BitBtn::paintEvent(QPaintEvent* event)
{
    QPushButton::paintEvent(event);
    if (hasFocus() && focusMarked_) {
        QPainter painter(this);
        drawFocusMark(painter, rect());
    }
}

void BitBtn::focusInEvent(QFocusEvent* event)
{
    focusMarked_ = focusMarkWanted(event->reason(), focusMarked_);
    QPushButton::focusInEvent(event);
}

} // namespace platform
