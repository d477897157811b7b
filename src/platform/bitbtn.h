#pragma once

// A push button with a picture (its glyph) beside the caption, greyed while
// the button is disabled, and the small integer Tag the game keeps on some
// of its buttons.

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
