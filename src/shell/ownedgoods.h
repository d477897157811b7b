#pragma once

// What the party owns: a count for every catalogue item and a flag for every
// trade with the spirits that has been done. There is one set for the whole
// run; it changes only by a purchase, a trade or reading a saved game. The
// shops count and name the goods (shops/possessions.h).

#include "shell/gamefacts.h"

#include <array>
#include <cstdint>

namespace goods {

struct Possessions {
    std::array<std::uint8_t, ItemTotal> ItemCount{};
    std::array<std::uint8_t, TradeFlagTotal> TradeDone{};
    // Distinct owned goods found by the last FMItems or TPItems.
    std::int32_t GoodsCount = 0;
};

// The one set of the run.
Possessions& possessions();

// Nothing owned, no trade done (tests only: the game never resets).
void resetPossessions();

} // namespace goods
