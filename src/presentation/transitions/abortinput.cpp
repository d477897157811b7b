#include "abortinput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

AbortInputWatch::AbortInputWatch(QWidget* renderWindow) : renderWindow_(renderWindow)
{
    QCoreApplication::instance()->installEventFilter(this);
}

AbortInputWatch::~AbortInputWatch()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool AbortInputWatch::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        // The press reaches the window system's window first, then the widget.
        if (renderWindow_ &&
            (watched == renderWindow_.data() || watched == renderWindow_->windowHandle()) &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            leftClick = true;
        return true;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
            escape = true;
        return true;
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
        return true;
    default:
        return false;
    }
}
