#include "accessiblefactory.h"

#include "platform/announce.h"
#include "platform/gameaccessibles.h"
#include "platform/picturebox.h"
#include "platform/updown.h"

#include <QAccessible>

namespace platform {

namespace {

// Asked once for each class of an object, from its own class up; the first
// interface returned is the object's.
QAccessibleInterface* gameInterface(const QString& className, QObject* object)
{
    if (className == QLatin1String(PictureBox::staticMetaObject.className()))
        return new PictureBoxAccessible(static_cast<PictureBox*>(object));
    if (className == QLatin1String(UpDown::staticMetaObject.className()))
        return new UpDownAccessible(static_cast<UpDown*>(object));
    if (className == QLatin1String(Announcer::staticMetaObject.className()))
        return new AnnouncerAccessible(static_cast<Announcer*>(object));
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(gameInterface);
}

} // namespace platform
