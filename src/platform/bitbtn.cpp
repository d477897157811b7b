#include "bitbtn.h"

#include "platform/keyboardbutton.h"

#include <QIcon>

namespace platform {

BitBtn::BitBtn(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
    // Enter in an edit box of the window must not press a button; Enter on
    // the button itself does.
    setAutoDefault(false);
    keyboardButton(this);
}

void BitBtn::setGlyph(const QPixmap& glyph, GlyphSide side)
{
    setIcon(QIcon(glyph));
    setIconSize(glyph.size());
    // A right-to-left button lays its icon out after the caption.
    setLayoutDirection(side == GlyphSide::Right ? Qt::RightToLeft : Qt::LeftToRight);
}

} // namespace platform
