#pragma once

// The journeys on this computer: one automatic save for every party name,
// and the one slot of the journeys saved before parties had names. The
// market offers them to go on with; the teachers' overview lists them all.

#include <QDateTime>
#include <QList>
#include <QString>

namespace journey {

struct Listing {
    QString file;         // where the journey is
    QString party;        // the party's name; empty for a journey without one
    bool damaged = false; // it cannot be opened: `problem` says why
    QString problem;
    int town = 0;     // 1..28
    QString townName; // "Brennock Forge"
    int chapter = 0;  // 1..4
    int score = 0;
    int storiesHeard = 0; // spirits who told their story
    int answersWritten = 0;
    bool ended = false; // the party came to the end of the trail
    QDateTime saved;    // when the file was last written
};

// Every journey on this computer, the last saved first. A damaged one is
// listed as damaged, with its file and why, and nothing else of it is read.
QList<Listing> journeysOnThisComputer();

// How a party without a name is shown: "A journey without a name".
QString partyShown(const Listing& listing);
// "Room 12, table 3 — Brennock Forge, town 23 — Tuesday"; a damaged journey
// says so instead of its town. `now` decides "today", a weekday within the
// week, or the date.
QString listingLine(const Listing& listing, const QDateTime& now = QDateTime::currentDateTime());

} // namespace journey
