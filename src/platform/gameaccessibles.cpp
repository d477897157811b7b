#include "gameaccessibles.h"

#include "platform/announce.h"
#include "platform/picturebox.h"
#include "platform/updown.h"

#include <QMetaObject>

namespace platform {

PictureBoxAccessible::PictureBoxAccessible(PictureBox* box)
    : QAccessibleWidget(box, QAccessible::Graphic)
{
}

PictureBox* PictureBoxAccessible::box() const
{
    return static_cast<PictureBox*>(widget());
}

QAccessible::Role PictureBoxAccessible::role() const
{
    return box()->isButton() ? QAccessible::Button : QAccessible::Graphic;
}

QStringList PictureBoxAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (box()->isButton() && box()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void PictureBoxAccessible::doAction(const QString& actionName)
{
    if (actionName != pressAction()) {
        QAccessibleWidget::doAction(actionName);
        return;
    }
    if (box()->isButton())
        QMetaObject::invokeMethod(box(), &PictureBox::press, Qt::QueuedConnection);
}

QStringList PictureBoxAccessible::keyBindingsForAction(const QString& actionName) const
{
    if (actionName == pressAction() && box()->isButton())
        return {QStringLiteral("Return"), QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

UpDownAccessible::UpDownAccessible(UpDown* upDown) : QAccessibleWidget(upDown, QAccessible::SpinBox)
{
}

UpDown* UpDownAccessible::upDown() const
{
    return static_cast<UpDown*>(widget());
}

void* UpDownAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QStringList UpDownAccessible::actionNames() const
{
    QStringList names = QAccessibleWidget::actionNames();
    if (upDown()->isEnabled())
        names = QStringList{increaseAction(), decreaseAction()} + names;
    return names;
}

void UpDownAccessible::doAction(const QString& actionName)
{
    if (actionName == increaseAction())
        QMetaObject::invokeMethod(upDown(), &UpDown::stepUp, Qt::QueuedConnection);
    else if (actionName == decreaseAction())
        QMetaObject::invokeMethod(upDown(), &UpDown::stepDown, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}

QVariant UpDownAccessible::currentValue() const
{
    return upDown()->position();
}

void UpDownAccessible::setCurrentValue(const QVariant& value)
{
    bool isNumber = false;
    const int position = value.toInt(&isNumber);
    if (!isNumber || !upDown()->isEnabled())
        return;
    QMetaObject::invokeMethod(
        upDown(), [upDown = upDown(), position] { upDown->moveTo(position); },
        Qt::QueuedConnection);
}

QVariant UpDownAccessible::maximumValue() const
{
    return upDown()->maximum();
}

QVariant UpDownAccessible::minimumValue() const
{
    return upDown()->minimum();
}

QVariant UpDownAccessible::minimumStepSize() const
{
    return 1;
}

AnnouncerAccessible::AnnouncerAccessible(Announcer* announcer)
    : QAccessibleWidget(announcer, QAccessible::Notification)
{
}

QString AnnouncerAccessible::text(QAccessible::Text t) const
{
    // Only the text said: no tooltip or help of the window behind it.
    if (t == QAccessible::Name)
        return widget()->accessibleName();
    return {};
}

} // namespace platform
