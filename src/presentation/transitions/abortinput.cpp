#include "abortinput.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

AbortInputWatch::AbortInputWatch(QWidget* renderLayer) : renderLayer_(renderLayer)
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
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            onLayer(watched, *static_cast<QMouseEvent*>(event)))
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

bool AbortInputWatch::onLayer(QObject* watched, const QMouseEvent& press) const
{
    const QWidget* layer = renderLayer_.data();
    if (!layer)
        return false;
    if (watched == layer)
        return true;
    // The press reaches the window system's window first (where it stops):
    // it counts where the layer covers the window.
    const QWidget* window = layer->window();
    return window && watched == window->windowHandle() &&
           layer->geometry().contains(press.position().toPoint());
}
