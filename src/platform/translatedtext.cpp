#include "translatedtext.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

namespace platform {

namespace {

constexpr const char* ContextProperty = "kelvarinTextContext";
constexpr const char* SourceProperty = "kelvarinTextSource";

void putText(QObject* object, const QString& text)
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

void retranslate(QObject* object)
{
    const QByteArray context = object->property(ContextProperty).toByteArray();
    if (context.isEmpty())
        return;
    const QByteArray source = object->property(SourceProperty).toByteArray();
    putText(object, QCoreApplication::translate(context.constData(), source.constData()));
}

} // namespace

void setTranslatedText(QObject* object, const char* context, const char* source)
{
    object->setProperty(ContextProperty, QByteArray(context));
    object->setProperty(SourceProperty, QByteArray(source));
    retranslate(object);
}

void retranslateTexts(QObject* root)
{
    retranslate(root);
    for (QObject* object : root->findChildren<QObject*>())
        retranslate(object);
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
