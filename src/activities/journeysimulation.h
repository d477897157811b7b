#pragma once

// A whole trail walked on the wellbeing rules alone, without a screen: the
// party fishes at the lake, trades with the spirits, buys at the trading
// posts and hunts as its kind of party would, and meets the ailments, the
// meals and the rest days the trail screen would show. The probe of many
// journeys and the tests use it to see that the rules play as meant.

#include <cstdint>

namespace wellbeing {

enum class PartyKind {
    RemediesAndFood, // trades for every spirit's good, buys food, hunts
    FoodOnly,        // buys food at the trading posts, trades for nothing
    Nothing,         // only fishes at the lake
};

struct JourneyOutcome {
    int ailments = 0;      // travellers who fell ill
    int remedies = 0;      // remedies given
    int restDays = 0;      // days the party rested in a town
    int hungryTowns = 0;   // arrivals with too little to eat
    int goodAtEnd = 0;     // travellers in good condition at the end
    int finalScore = 0;
    bool reachedTheEnd = false; // the party arrived in the last town
    int worstAiling = 0;        // the most travellers ailing at once
};

JourneyOutcome simulateJourney(PartyKind kind, std::uint32_t seed);

} // namespace wellbeing
