#pragma once

// The size of the game's captions, chosen by the player from a Help menu and
// kept for the rest of the run: normal, large or larger. Labels that follow
// it grow their font, re-wrap and stay inside their window; screens whose
// captions sit in panels lay the panels out again on its changed signal.

#include <QObject>

class QLabel;
class QMenu;
class QWidget;

namespace platform {

class CaptionSize : public QObject {
    Q_OBJECT

public:
    enum Size { Normal, Large, Larger };

    static CaptionSize& instance();

    Size size() const { return size_; }
    void setSize(Size size);
    // How much larger than normal the captions are drawn.
    double factor() const { return factorOf(size_); }
    static double factorOf(Size size);
    // A caption drawn `normal` pixels high at the normal size.
    int pixelSize(int normal) const;
    // One size up or down, staying at the ends.
    void larger();
    void smaller();

signals:
    void changed(platform::CaptionSize::Size size);

private:
    CaptionSize() = default;
    Size size_ = Normal;
};

// Adds the three sizes to the menu as a checked choice that stays in step
// with the setting however it is changed.
void addCaptionSizeItems(QMenu* menu);

// The usual zoom keys change the caption size while the window is active:
// Ctrl and + (or =) one size up, Ctrl and - one down, Ctrl and 0 back to
// normal. Windows without a menu, such as the intro, are reached this way.
void addCaptionSizeKeys(QWidget* window);

// How a following label takes a new size.
enum class CaptionFit {
    // Its font changes; a word-wrapped label keeps its width and takes the
    // height of its whole text, a single line widens to its text; then it is
    // moved back inside its window where it would reach past an edge.
    GrowInWindow,
    // Only its font changes: its owner lays it out.
    FontOnly,
};

// The label follows the caption size from now on; its present font is its
// normal one.
void followCaptionSize(QLabel* label, CaptionFit fit = CaptionFit::GrowInWindow);
// Fits a following label again, after its text changed.
void fitCaption(QLabel* label);

} // namespace platform
