#pragma once

// The language the game speaks: English, as the game was written, or a
// language it has been translated into. A language is offered to the player
// only once its translation is complete, so that no child meets a game half
// in one language and half in another. The choice puts the game's own
// translation and Qt's (its standard dialogs) in place; every window then
// hears of the change and shows its texts anew.

#include <QList>
#include <QLocale>
#include <QString>

namespace language {

struct Language {
    QString code; // "en", "es", "fr"
    QString name; // in the language itself: "English", "Español"
    bool complete = false;
};

// Every language the game knows of, English first.
const QList<Language>& known();
// The languages the player may choose: English and every complete one.
QList<Language> offered();
bool isOffered(const QString& code);

// The offered language closest to the locale; English when none is.
QString forLocale(const QLocale& locale);

// The language in view.
QString chosen();
// Puts an offered language in place; false (and nothing changes) for one
// that is not offered.
bool choose(const QString& code);
// Puts any known language in place, complete or not: for tests and for the
// translators looking at their work.
bool install(const QString& code);

} // namespace language
