#pragma once

// The things the spirits can give in a trade, one per line. A line number is
// what an offer gives (lines 0-27 the towns' useful goods, a town's good at
// line Town - 2; lines 28-36 and 38-46 the trifles of the two sets of general
// offers) and the index of the trade's done flag. Lines 48-53 are sayings of
// advice that no offer gives; the last three lines are blank.

#include <QStringList>

// The 57 lines, in order. The trail screen keeps them in its TradeList.
QStringList tradeListLines();

// A line of the list as the player reads it, in the language in view; the
// list itself stays in English, the words the journal keeps.
QString shownTradeLine(const QString& line);

// Lines of the trade list the game looks at by number.
constexpr int SnakerootLine = 0;    // "some snakeroot", town 2's good
constexpr int TalismanLine = 4;     // "little deer's horn talisman"
constexpr int FirstTrifleLine = 28; // lines below are the towns' useful goods
