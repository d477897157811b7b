#pragma once

// The rows of the teachers' overview of the journeys on this computer, as the
// window, the printed list and the spreadsheet file show them: one row for
// each party's journey, with its town, its part of the trail, its score, the
// stories heard and the answers written, and when it was saved. A damaged
// journey's row says only that it is damaged, and why.

#include "journal/journeylist.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace journey {

// "Party", "Town", "Part", "Score", "Stories heard", "Answers written",
// "Saved": the overview's columns, in order.
QStringList overviewHeadings();

// The journeys in the overview's order: the last saved first (a journey
// saved at the same moment as another by its party's name), the damaged
// ones after the rest, by name.
QList<Listing> overviewOrder(QList<Listing> listings);

// "Brennock Forge, town 23"
QString townShown(const Listing& listing);
// The part of the trail, "1" to "4", or "ended" at the journey's end.
QString partShown(const Listing& listing);
// "14:05" or "2:05 PM", as the player's language tells the time.
QString timeShown(const QTime& time);
// "9 Dec 2026, 14:05" in the player's language; empty for no time.
QString savedShown(const QDateTime& saved);
// "damaged: the file ends before the journey does"
QString damagedShown(const Listing& listing);

// What a row shows in each of the overview's columns, for a journey that is
// not damaged.
QStringList overviewCells(const Listing& listing);

} // namespace journey
