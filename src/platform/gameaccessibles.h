#pragma once

// What screen readers are told about the game's own controls. Actions that a
// screen reader asks for run once the request has been answered: a press may
// open a modal window, and the reader must not wait for it to close.

#include <QAccessibleWidget>

namespace platform {

class Announcer;
class PictureBox;
class UpDown;

// A picture: a graphic, or a button with a "Press" action when the game
// listens to its clicks.
class PictureBoxAccessible : public QAccessibleWidget {
public:
    explicit PictureBoxAccessible(PictureBox* box);

    QAccessible::Role role() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    PictureBox* box() const;
};

// An up-down: a spin button whose value is its position, stepped by the
// increase and decrease actions or set outright.
class UpDownAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit UpDownAccessible(UpDown* upDown);

    void* interface_cast(QAccessible::InterfaceType type) override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    UpDown* upDown() const;
};

// A window's announcer: a notification whose name is the text said.
class AnnouncerAccessible : public QAccessibleWidget {
public:
    explicit AnnouncerAccessible(Announcer* announcer);

    QString text(QAccessible::Text t) const override;
};

} // namespace platform
