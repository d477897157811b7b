#include "gamefacts.h"

#include <array>

namespace {

// Whose trifles apply in each town, from town 1 (above 2: the second set).
constexpr std::array<std::int8_t, TownCount> TrifleSets{
    1, 2, 1, 3, 3, 1, 3, 3, 1, 3, 1, 3, 1, 3,
    1, 3, 1, 1, 1, 3, 1, 1, 3, 3, 1, 3, 1, 1};

} // namespace

TownFacts townFacts(int town)
{
    TownFacts facts;
    if (town < 1 || town > TownCount)
        return facts;
    facts.spirit = town >= FirstSpiritTown;
    facts.lake = town == FirstSpiritTown;
    facts.trifleSet = TrifleSets[static_cast<std::size_t>(town - 1)];
    return facts;
}
