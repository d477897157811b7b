#pragma once

// While a small window stands inside its screen, the rest of the screen is
// as a screen under a modal window: it takes no input, and its keys (the
// menu's, the pause's) wait. Focus that lands on the screen goes back into
// the window. (A filter of its own, on the whole application: the windows'
// own event filters need not pass events on.)

#include <QObject>
#include <QPointer>

class QWidget;

namespace platform {

class ScreenUnderWindow : public QObject {
public:
    // Made a child of the window: it ends with it.
    ScreenUnderWindow(QWidget* window, QWidget* screen);
    ~ScreenUnderWindow() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QPointer<QWidget> screen_;
};

// Gives the focus back to the window's control that had it last, or to its
// first control that takes it.
void focusFirstControl(QWidget* window);

} // namespace platform
