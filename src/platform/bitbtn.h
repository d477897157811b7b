#pragma once

// A push button with a picture (its glyph) beside the caption, greyed while
// the button is disabled, and the small integer Tag the game keeps on some
// of its buttons. With the focus it wears the game's focus mark, which reads
// on its glyph where the style's thin frame would not.

#include <QPushButton>

namespace platform {

class BitBtn : public QPushButton {
    Q_OBJECT

public:
    enum class GlyphSide { Left, Right };

    explicit BitBtn(const QString& caption, QWidget* parent = nullptr);

    void setGlyph(const QPixmap& glyph, GlyphSide side = GlyphSide::Left);

    int Tag = 0;

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    // A click gives the button the focus too; the mark is for the keyboard.
    bool focusMarked_ = false;
};

} // namespace platform
