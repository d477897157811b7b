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
// How dates, times and numbers are written: the system's own way while
// English is in view or where the system speaks the language in view (a
// British clock stays British), else the language's.
QLocale locale();
// A text of a count ("%n points") in the language in view, in that
// language's own forms for the number; empty while English is in view or
// the text has no translation yet, where the caller's English words hold.
QString counted(const char* context, const char* source, int n);

// Puts an offered language in place; false (and nothing changes) for one
// that is not offered.
bool choose(const QString& code);
// Puts any known language in place, complete or not: for tests and for the
// translators looking at their work.
bool install(const QString& code);

} // namespace language
