#pragma once

// A journey with every known field set to something other than its starting
// value, different for each generation, so that a test can tell which of
// several saves it reads back. What belongs to the town (its lake, its
// spirit's trifles, the snakebite's chapter) is the town's.

#include "shell/journeystate.h"
#include "trail/towncontent.h"

#include <QStringList>

// Puts the party in the town, just arrived: what belongs to the town (its
// lake, its spirit's trifles, the snakebite's chapter) is the town's, and no
// spirit has spoken yet.
inline void moveToTown(journey::JourneyState& state, int town)
{
    using namespace journey;
    const TownContent content = townContent(town);
    state.setNumber(field::Town, town);
    state.setNumber(field::Encounter, town >= 4 ? 3 : town == 3 ? 2 : 0);
    state.setNumber(field::SpiritNo, content.spiritNo);
    state.setNumber(field::FishingMode, content.fishing ? 1 : 0);
    state.remove(field::SpiritsHeard);
}

inline journey::JourneyState sampleJourney(int generation, int catchLines = 40)
{
    using namespace journey;
    JourneyState state;
    const int town = 1 + generation % 28;
    state.setNumber(field::Stage, 's');
    state.setNumber(field::Activity, 3);
    state.setText(field::SceneId,
                  QStringLiteral("x%1").arg(1 + generation % 28, 2, 10, QLatin1Char('0')) +
                      QLatin1Char('2'));
    state.setNumber(field::PostState, 3);
    state.setNumber(field::InstructionShown, 0);
    state.setNumber(field::GirlSuppliesTold, 1);
    state.setNumber(field::TrapperSuppliesTold, 1);
    state.setNumber(field::SnakeVictim, 99);
    state.setNumber(field::HasSnakeroot, 1);
    state.setNumber(field::HasTalisman, 1);
    state.setNumber(field::TradeRound, 2);
    state.setNumber(field::TradeItem, 201);
    state.setNumber(field::TradeOffer, 41);
    state.setNumber(field::SpecialOfferToggle, 1);
    state.setNumber(field::FishCount, 17);
    state.setNumber(field::FishLb, 123456);
    state.setNumber(field::FishOz, 15);
    state.setNumber(field::MeatLb, 48);
    state.setNumber(field::Score, generation);
    state.setNumbers(field::Health, {0, 1, 2, 3, 0, 1, 2});
    state.setNumber(field::HotspotIndex, 6);
    state.setNumber(field::FishHintsOff, 1);
    state.setNumber(field::InstructionStep, 15);
    state.setNumber(field::ClicksArmed, 1);
    state.setNumber(field::LookStage, 2);
    state.setNumber(field::PartyConfirmed, 1);
    QList<qint64> counts(336);
    for (int item = 0; item < counts.size(); ++item)
        counts[item] = (item * 7 + generation) % 256;
    state.setNumbers(field::ItemCount, counts);
    QList<qint64> flags(54);
    for (int trade = 0; trade < flags.size(); ++trade)
        flags[trade] = (trade + generation) % 3 == 0 ? 1 : 0;
    state.setNumbers(field::TradeDone, flags);
    state.setNumber(field::Money, 1'000'000'000 - generation);
    QStringList catchList;
    for (int fish = 0; fish < catchLines; ++fish)
        catchList << QStringLiteral("%1 lb %2 oz smallmouth bass, caught in town %3 of journey %4")
                         .arg(fish % 9 + 1)
                         .arg(fish % 16)
                         .arg(fish % 28 + 1)
                         .arg(generation);
    state.setCatchList(catchList);
    moveToTown(state, town);
    state.setPartyNames({QStringLiteral("Mara"), QStringLiteral("José"), QStringLiteral("Ngozi"),
                         QStringLiteral("Þórunn Ásta"), QStringLiteral("小林 まどか"),
                         QStringLiteral("Bartholomew Thackery"), QString()});
    return state;
}
