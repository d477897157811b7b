#include "translatedtext.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QVariant>

namespace platform {

namespace {

constexpr int RoleCount = 4;

// The context and the source of each role's text, kept on the object.
QByteArray contextProperty(TextRole role)
{
    return "kelvarinTextContext" + QByteArray::number(static_cast<int>(role));
}

QByteArray sourceProperty(TextRole role)
{
    return "kelvarinTextSource" + QByteArray::number(static_cast<int>(role));
}

void putShownText(QObject* object, const QString& text)
{
    if (auto* menu = qobject_cast<QMenu*>(object))
        menu->setTitle(text);
    else if (auto* action = qobject_cast<QAction*>(object))
        action->setText(text);
    else if (auto* button = qobject_cast<QAbstractButton*>(object))
        button->setText(text);
    else if (auto* label = qobject_cast<QLabel*>(object))
        label->setText(text);
    else if (auto* widget = qobject_cast<QWidget*>(object))
        widget->setWindowTitle(text);
}

void putText(QObject* object, TextRole role, const QString& text)
{
    auto* widget = qobject_cast<QWidget*>(object);
    switch (role) {
    case TextRole::Shown:
        putShownText(object, text);
        break;
    case TextRole::AccessibleName:
        if (widget)
            widget->setAccessibleName(text);
        break;
    case TextRole::AccessibleDescription:
        if (widget)
            widget->setAccessibleDescription(text);
        break;
    case TextRole::ToolTip:
        if (widget)
            widget->setToolTip(text);
        else if (auto* action = qobject_cast<QAction*>(object))
            action->setToolTip(text);
        break;
    }
}

void retranslate(QObject* object, TextRole role)
{
    const QByteArray context = object->property(contextProperty(role).constData()).toByteArray();
    if (context.isEmpty())
        return;
    const QByteArray source = object->property(sourceProperty(role).constData()).toByteArray();
    putText(object, role, QCoreApplication::translate(context.constData(), source.constData()));
}

void retranslate(QObject* object)
{
    for (int role = 0; role < RoleCount; ++role)
        retranslate(object, static_cast<TextRole>(role));
}

// The maker of a label's live text, a child of the label.
class LiveText : public QObject {
public:
    LiveText(QObject* target, std::function<QString()> make)
        : QObject(target), target_(target), make_(std::move(make)), shown_(make_())
    {
        putShownText(target_, shown_);
    }

    // Made again, unless the control has been given other words since.
    void remake()
    {
        if (shownText(target_) != shown_) {
            deleteLater();
            return;
        }
        shown_ = make_();
        putShownText(target_, shown_);
    }

private:
    static QString shownText(const QObject* target)
    {
        if (const auto* label = qobject_cast<const QLabel*>(target))
            return label->text();
        if (const auto* button = qobject_cast<const QAbstractButton*>(target))
            return button->text();
        return {};
    }

    QObject* target_;
    std::function<QString()> make_;
    QString shown_;
};

void forgetLiveText(QObject* object)
{
    const QObjectList children = object->children();
    for (QObject* child : children) {
        if (dynamic_cast<LiveText*>(child))
            delete child;
    }
}

} // namespace

void setLiveText(QLabel* label, std::function<QString()> make)
{
    forgetLiveText(label);
    forgetTranslatedText(label);
    new LiveText(label, std::move(make));
}

void setLiveText(QAbstractButton* button, std::function<QString()> make)
{
    forgetLiveText(button);
    forgetTranslatedText(button);
    new LiveText(button, std::move(make));
}

void setTranslatedText(QObject* object, const char* context, const char* source, TextRole role)
{
    if (role == TextRole::Shown)
        forgetLiveText(object);
    object->setProperty(contextProperty(role).constData(), QByteArray(context));
    object->setProperty(sourceProperty(role).constData(), QByteArray(source));
    retranslate(object, role);
}

QString englishText(const QObject* object, TextRole role)
{
    return QString::fromUtf8(object->property(sourceProperty(role).constData()).toByteArray());
}

void forgetTranslatedText(QObject* object, TextRole role)
{
    object->setProperty(contextProperty(role).constData(), QVariant());
    object->setProperty(sourceProperty(role).constData(), QVariant());
}

void retranslateTexts(QObject* root)
{
    retranslate(root);
    for (QObject* object : root->findChildren<QObject*>()) {
        if (auto* live = dynamic_cast<LiveText*>(object))
            live->remake();
        else
            retranslate(object);
    }
}

QMenu* addMenu(QMenuBar* bar, const char* name, const char* title)
{
    QMenu* menu = bar->addMenu(QString());
    menu->setObjectName(QString::fromLatin1(name));
    setTranslatedText(menu, "Menu", title);
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const char* caption)
{
    QAction* action = menu->addAction(QString());
    action->setObjectName(QString::fromLatin1(name));
    setTranslatedText(action, "Menu", caption);
    return action;
}

} // namespace platform
