#include "windowmode.h"

#include "translatedtext.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>
#include <QWidget>

namespace platform {

WindowMode& WindowMode::instance()
{
    static WindowMode mode;
    return mode;
}

void WindowMode::setFullScreen(bool fullScreen)
{
    if (fullScreen == fullScreen_)
        return;
    fullScreen_ = fullScreen;
    emit changed(fullScreen_);
}

void WindowMode::setWindowSize(const QSize& size)
{
    const QSize kept = size.expandedTo(smallestWindowSize());
    if (!size.isValid() || kept == windowSize_)
        return;
    windowSize_ = kept;
    emit windowSizeChanged(windowSize_);
}

void addFullScreenItem(QMenu* menu)
{
    auto& mode = WindowMode::instance();
    QAction* item = addItem(menu, "FullScreenItem", QT_TRANSLATE_NOOP("Menu", "&Full Screen"));
    item->setCheckable(true);
    item->setChecked(mode.fullScreen());
    item->setShortcut(QKeySequence(Qt::Key_F11));
    // The key works while the menu bar's window is active, menu closed.
    item->setShortcutContext(Qt::WindowShortcut);
    QObject::connect(item, &QAction::triggered, &mode,
                     [](bool checked) { WindowMode::instance().setFullScreen(checked); });
    QObject::connect(&mode, &WindowMode::changed, item, &QAction::setChecked);
}

void addFullScreenKey(QWidget* window)
{
    auto* key = new QShortcut(QKeySequence(Qt::Key_F11), window);
    key->setContext(Qt::WindowShortcut);
    QObject::connect(key, &QShortcut::activated, window, [] { WindowMode::instance().toggle(); });
}

} // namespace platform
