#include "languagemenu.h"

#include "keptsettings.h"
#include "language.h"
#include "platform/translatedtext.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

QMenu* addLanguageMenu(QMenu* parent)
{
    const QList<language::Language> languages = language::offered();
    if (languages.size() < 2)
        return nullptr;
    QMenu* menu = parent->addMenu(QString());
    menu->setObjectName(QStringLiteral("Language1"));
    platform::setTranslatedText(menu, "Menu", QT_TRANSLATE_NOOP("Menu", "&Language"));
    auto* group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const language::Language& language : languages) {
        // Each by its own name, which a child who reads only that language
        // can find.
        QAction* item = menu->addAction(language.name);
        item->setObjectName(QStringLiteral("Language_") + language.code);
        item->setCheckable(true);
        item->setChecked(language.code == language::chosen());
        group->addAction(item);
        const QString code = language.code;
        QObject::connect(item, &QAction::triggered, menu, [code] {
            if (language::choose(code))
                kept::keepLanguage(code);
        });
    }
    return menu;
}
