#pragma once

// The few facts of the game that everything agrees on: how long the trail
// is, how many goods the catalogue holds, and which towns have a spirit, a
// lake or the second set of trifles. The screens build on them, and the
// saved games and journeys check what they read against them.

#include <cstdint>

// Towns 1..28, from the old homeland to the new.
constexpr int TownCount = 28;

// The catalogue: 14 lists of 24 goods.
constexpr int ItemTotal = 336;
constexpr int ListLength = 24;

// One flag per line of the things the spirits give that can be traded for.
constexpr int TradeFlagTotal = 54;

// The towns of the first two spirits, the Verunai girl and the trapper:
// leaving the girl's town after her story brings the snakebite.
constexpr int FirstSpiritTown = 2;
constexpr int SecondSpiritTown = 3;

// The kinds of ailment a traveller can have, counting none; and never more
// than this many travellers ail at once.
constexpr int AilmentKinds = 16;
constexpr int MostAiling = 2;

// What a town is, as far as a saved journey must agree with it.
struct TownFacts {
    bool spirit = false; // a spirit appears and speaks
    bool lake = false;   // "Go Fishing" instead of "Visit the Trading Post"
    int trifleSet = 1;   // whose trifles apply: above 2 the second set
};

// The facts of town 1..28; a town without anything for any other number.
TownFacts townFacts(int town);
