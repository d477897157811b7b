#include "announce.h"

#include "platform/accessiblefactory.h"

namespace platform {

Announcer::Announcer(QWidget* window) : QWidget(window)
{
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("Announcer"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(0, 0, 1, 1);
    lower();
    hide();
}

void Announcer::say(const QString& text)
{
    hide();
    setAccessibleName(text);
    // Showing again is what screen readers listen for.
    show();
    lower();
    emit said(text);
}

Announcer* Announcer::of(QWidget* window)
{
    auto* announcer = window->findChild<Announcer*>(QString(), Qt::FindDirectChildrenOnly);
    return announcer ? announcer : new Announcer(window);
}

void announce(QWidget* where, const QString& text)
{
    // A window not on the screen has nobody to tell; its announcer would
    // speak stale words as it appears.
    if (!where || !where->window()->isVisible() || text.trimmed().isEmpty())
        return;
    Announcer::of(where->window())->say(text);
}

} // namespace platform
