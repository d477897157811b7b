#pragma once

// A box or dialog of Qt's own (a question, a message, the file and print
// dialogs), shown where the game's small windows stand: where the desktop
// lets no program place its windows (Wayland), inside the main screen in
// view, centred over it and framed, with the screen under it taking no
// input; elsewhere as a window of its own over the window it belongs to.
// Made before the dialog's exec() and ended after it (before the dialog).

#include <QPointer>

class QDialog;
class QFrame;
class QWidget;

namespace platform {

class DialogInsideScreen {
public:
    explicit DialogInsideScreen(QDialog& dialog);
    ~DialogInsideScreen();
    DialogInsideScreen(const DialogInsideScreen&) = delete;
    DialogInsideScreen& operator=(const DialogInsideScreen&) = delete;

    bool inside() const { return inside_; }

private:
    class Centring;

    QPointer<QDialog> dialog_;
    QPointer<QWidget> ownParent_;
    Qt::WindowFlags ownFlags_;
    bool inside_ = false;
    bool namedByTitle_ = false;
};

} // namespace platform
