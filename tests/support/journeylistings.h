#pragma once

// Journeys on this computer as the teachers' overview lists them, made by
// hand: a class's parties at several towns and moments of the trail.

#include "journal/journeylist.h"

#include <QDateTime>
#include <QList>

inline QDateTime savedAt(int day, int hour, int minute = 0)
{
    return QDateTime(QDate(2026, 11, day), QTime(hour, minute));
}

inline journey::Listing listing(const QString& party, int town, const QString& townName,
                                int chapter, int score, const QDateTime& saved)
{
    journey::Listing made;
    made.file = QStringLiteral("/home/class/.local/share/Kelvarin/journeys/%1.kvj").arg(town);
    made.party = party;
    made.town = town;
    made.townName = townName;
    made.chapter = chapter;
    made.score = score;
    made.storiesHeard = town - 1;
    made.answersWritten = 2 * (chapter - 1);
    made.saved = saved;
    return made;
}

inline journey::Listing damagedListing(const QString& party, const QString& problem)
{
    journey::Listing made;
    made.file = QStringLiteral("/home/class/.local/share/Kelvarin/journeys/damaged.kvj");
    made.party = party;
    made.damaged = true;
    made.problem = problem;
    return made;
}

// Five parties in the order the computer lists them: a damaged journey among
// them, one without a name, one at the end of the trail; not in the order of
// their saving.
inline QList<journey::Listing> aClassOfJourneys()
{
    journey::Listing ended = listing(QStringLiteral("Table 10"), 28, QStringLiteral("Hopewater"), 4,
                                     164, savedAt(20, 10));
    ended.ended = true;
    ended.answersWritten = 9;
    return {listing(QStringLiteral("Room 12, table \"3\""), 23, QStringLiteral("Brennock Forge"), 4,
                    52, savedAt(24, 14, 5)),
            damagedListing(QStringLiteral("Zoë's group"),
                           QStringLiteral("the file ends before the journey does")),
            listing(QString(), 3, QStringLiteral("Cedar Spring"), 1, 6, savedAt(18, 9, 30)), ended,
            listing(QStringLiteral("José and Ana"), 9, QStringLiteral("Orrin Birches"), 2, 31,
                    savedAt(24, 15, 40))};
}
