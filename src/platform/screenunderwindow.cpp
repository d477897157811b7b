#include "screenunderwindow.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace platform {

ScreenUnderWindow::ScreenUnderWindow(QWidget* window, QWidget* screen)
    : QObject(window), window_(window), screen_(screen)
{
    qApp->installEventFilter(this);
}

ScreenUnderWindow::~ScreenUnderWindow()
{
    qApp->removeEventFilter(this);
}

bool ScreenUnderWindow::eventFilter(QObject* watched, QEvent* event)
{
    // Whose the object is: the small window's, or the screen's (its menus
    // are windows of their own, so the parents are followed, not the
    // widgets' windows).
    bool inWindow = false;
    bool inScreen = false;
    for (QObject* owner = watched; owner; owner = owner->parent()) {
        if (owner == window_) {
            inWindow = true;
            break;
        }
        if (owner == screen_.data())
            inScreen = true;
    }
    if (inWindow || !inScreen)
        return false;
    switch (event->type()) {
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        return true;
    case QEvent::FocusIn:
        if (watched->isWidgetType() && window_->isVisible())
            QTimer::singleShot(0, window_, [window = window_] { focusFirstControl(window); });
        return false;
    default:
        return false;
    }
}

void focusFirstControl(QWidget* window)
{
    // Back to the control that had the focus in the window, if there was one.
    QWidget* last = window->focusWidget();
    if (last && window->isAncestorOf(last) && last->isVisible() && last->isEnabled()) {
        last->setFocus(Qt::OtherFocusReason);
        return;
    }
    for (QWidget* next = window->nextInFocusChain(); next && next != window;
         next = next->nextInFocusChain()) {
        if (window->isAncestorOf(next) && next->isVisible() && next->isEnabled() &&
            (next->focusPolicy() & Qt::TabFocus)) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

} // namespace platform
