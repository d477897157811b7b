#pragma once

// Hunting in the woods with the old man's bear-hunting spear, the gift of the
// young soldier's town: where the hunters look, what they bring back, and
// how much meat the party can carry. No widget lives here.

#include "shell/gamestate.h"
#include "shops/possessions.h"

#include <QString>

namespace platform {
class RandomSource;
}

namespace hunting {

// The town whose spirit gives the spear.
constexpr int SpearTown = 8;
// The two places the hunters may look; the choice panel names them.
constexpr int PlaceCount = 2;
QString placeName(int place); // "along the creek", "in the pines"

// Whether the party may go hunting in this town: it has the spear, the town
// has woods, the party has not hunted here yet and has room for meat.
bool hasSpear(const goods::Possessions& p);
bool canHuntIn(const GameState& s, const goods::Possessions& p, int town);
bool meatStoreFull(const GameState& s);

struct Hunt {
    QString found;  // "a wild turkey", empty when the hunters found only tracks
    int pounds = 0; // what the party keeps (no more than it can carry)
    bool storeFull = false; // the store is full now
};
// The hunters look in this place (0 or 1); one place of the two, drawn, is
// where the deer are. The meat goes into storage and the town is marked.
Hunt hunt(GameState& s, int town, int place, platform::RandomSource& random);
// "The hunters come back with a wild turkey: 12 lb of meat.  They give
// thanks for it, as the Verunai hunters always did."
QString huntTold(const Hunt& h);

} // namespace hunting
