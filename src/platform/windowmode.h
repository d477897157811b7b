#pragma once

// Whether the game's main screens (the intro, the market, the trail) take the
// whole screen or sit in a window the player can size. One choice holds for
// every screen of the run: F11 or "Full Screen" in a screen's menu switches
// it, and the screen in view follows at once. Each screen lays its picture
// out in the largest 4:3 area of its window, with black around it.

#include <QObject>
#include <QSize>

class QMenu;
class QWidget;

namespace platform {

class WindowMode : public QObject {
    Q_OBJECT

public:
    static WindowMode& instance();

    bool fullScreen() const { return fullScreen_; }
    void setFullScreen(bool fullScreen);
    void toggle() { setFullScreen(!fullScreen_); }

    // The size of the window when the game is not full screen: the last size
    // the player gave it, 1024 x 768 at first.
    QSize windowSize() const { return windowSize_; }
    void setWindowSize(const QSize& size);
    static QSize defaultWindowSize() { return {1024, 768}; }
    // Below this the screens' texts no longer fit.
    static QSize smallestWindowSize() { return {640, 480}; }

signals:
    void changed(bool fullScreen);
    void windowSizeChanged(const QSize& size);

private:
    WindowMode() = default;
    bool fullScreen_ = true;
    QSize windowSize_ = defaultWindowSize();
};

// Adds "Full Screen" to the menu, checked while the game is full screen and
// in step with the choice however it is made, with F11 as its key.
void addFullScreenItem(QMenu* menu);
// F11 switches while the window is active: for windows without a menu, such
// as the intro.
void addFullScreenKey(QWidget* window);

} // namespace platform
