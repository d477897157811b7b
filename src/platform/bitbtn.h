#pragma once

// A push button with a picture (its glyph) beside the caption, greyed while
// the button is disabled, and the small integer Tag the game keeps on some
// of its buttons. It is a keyboard button (keyboardbutton.h): Enter presses
// it and it wears the game's focus mark, which reads on its glyph.

#include <QPushButton>

namespace platform {

class BitBtn : public QPushButton {
    Q_OBJECT

public:
    enum class GlyphSide { Left, Right };

    explicit BitBtn(const QString& caption, QWidget* parent = nullptr);

    void setGlyph(const QPixmap& glyph, GlyphSide side = GlyphSide::Left);

    int Tag = 0;
};

} // namespace platform
