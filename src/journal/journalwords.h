#pragma once

// The journal keeps its record in English: the words of a saved journey
// stay the same whatever language the party played in, and journeys saved
// before the game spoke other languages read as they always did. These turn
// a record back into the language in view when the pages are written. A
// record they do not know (a note of a later game, say) is shown as it was
// kept.
//
// The notes of the road are written from the sentences below, so that each
// can be found again and said in another language.

#include <QString>

namespace journalwords {

// The notes of the road, with what fills them in.
namespace note {
// The traveller, the town.
extern const char* const TooWeak;
// The traveller, what came over them on the road (an ailment's words).
extern const char* const Caught;
// Where the hunters went.
extern const char* const HuntFoundNothing;
// Where the hunters went, what they brought back.
extern const char* const HuntFound;
// The traveller.
extern const char* const Rested;
// The traveller, the remedy given (RemedyOfTown or a remedy's words).
extern const char* const Remedied;
// A town's good and the spirit who gave it.
extern const char* const RemedyOfTown;
// What the party ate (a meal's summary).
extern const char* const Ate;
// The travellers well again (names joined with NamesAnd).
extern const char* const WellAgainOne;
extern const char* const WellAgainMany;
extern const char* const Hungry;
} // namespace note

// "Avrel, Bina and Tey", in English: the journal's record.
QString joinedNames(const QStringList& names);
// The same in the language in view: "Avrel, Bina y Tey".
QString joinedShown(const QStringList& parts);

// A note of the road in the language in view.
QString shownNote(const QString& english);
// What was given in a trade ("3 bags of onions") and what was received
// ("some snakeroot").
QString shownGiven(const QString& english);
QString shownReceived(const QString& english);
// The snakebite's treatment as its choice read.
QString shownTreatment(const QString& english);
// "2 lb 5 oz bluegill"
QString shownCatch(const QString& english);

} // namespace journalwords
