#include "language.h"

#include "media/pictures.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace language {

namespace {

struct InPlace {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

InPlace& inPlace()
{
    static InPlace current;
    return current;
}

void removeTranslators()
{
    InPlace& current = inPlace();
    for (auto* translator : {current.game.get(), current.qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    current.game.reset();
    current.qt.reset();
}

} // namespace

const QList<Language>& known()
{
    // A language is marked complete when every text of the game, its help
    // and its journal has been translated and read back.
    static const QList<Language> languages{
        {QStringLiteral("en"), QStringLiteral("English"), true},
        {QStringLiteral("es"), QStringLiteral("Espa\u00f1ol"), true},
        {QStringLiteral("fr"), QStringLiteral("Fran\u00e7ais"), true},
    };
    return languages;
}

QList<Language> offered()
{
    QList<Language> languages;
    for (const Language& language : known())
        if (language.complete)
            languages << language;
    return languages;
}

bool isOffered(const QString& code)
{
    const QList<Language> languages = offered();
    return std::any_of(languages.begin(), languages.end(),
                       [&](const Language& language) { return language.code == code; });
}

QString forLocale(const QLocale& locale)
{
    // The first of the locale's languages the game speaks: a Quebec French
    // or a Mexican Spanish system gets French or Spanish.
    for (const QString& name : locale.uiLanguages()) {
        const QString code = name.section(QLatin1Char('-'), 0, 0).toLower();
        if (isOffered(code))
            return code;
    }
    return QStringLiteral("en");
}

QString chosen()
{
    return inPlace().code;
}

QLocale locale()
{
    // The system's (unless the game was told another) where it speaks the
    // language in view, or where the game speaks English, as the game does
    // for a language it was not translated into.
    const QLocale current;
    if (chosen() == QLatin1String("en") ||
        current.name().section(QLatin1Char('_'), 0, 0) == chosen())
        return current;
    return QLocale(chosen());
}

QString counted(const char* context, const char* source, int n)
{
    if (chosen() == QLatin1String("en"))
        return {};
    const QString shown = QCoreApplication::translate(context, source, nullptr, n);
    const QString untranslated =
        QString::fromUtf8(source).replace(QLatin1String("%n"), QString::number(n));
    return shown == untranslated ? QString() : shown;
}

bool choose(const QString& code)
{
    return isOffered(code) && install(code);
}

bool install(const QString& code)
{
    const QList<Language>& languages = known();
    if (std::none_of(languages.begin(), languages.end(),
                     [&](const Language& language) { return language.code == code; }))
        return false;
    if (code == chosen())
        return true;
    removeTranslators();
    InPlace& current = inPlace();
    current.code = code;
    media::setPictureLanguage(code);
    if (code != QLatin1String("en")) {
        // The game's texts are compiled into it; Qt's own come with Qt.
        current.game = std::make_unique<QTranslator>();
        if (current.game->load(QStringLiteral(":/i18n/kelvarin_%1.qm").arg(code)))
            QCoreApplication::installTranslator(current.game.get());
        current.qt = std::make_unique<QTranslator>();
        if (current.qt->load(QStringLiteral("qtbase_%1").arg(code),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(current.qt.get());
    }
    // Putting a translator in place or taking it away tells every window,
    // which shows its texts anew.
    return true;
}

} // namespace language
