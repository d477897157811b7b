#include "journeysimulation.h"

#include "activities/hunting.h"
#include "activities/wellbeing.h"
#include "platform/randomsource.h"
#include "shops/catalogue.h"

#include <algorithm>

namespace wellbeing {

namespace {

constexpr int LastTown = 28;

// What a party of its kind buys at the trading posts of towns 3, 9, 15 and
// 21: flour, and for the party that looks after remedies, a jar of honey
// and a pound of tea at the first two.
void shopAtPost(PartyKind kind, int town, goods::Possessions& p, int& money)
{
    if (kind == PartyKind::Nothing || town % 6 != 3 || town > 21)
        return;
    const auto buy = [&](int item, int count) {
        for (int i = 0; i < count && money >= goods::ItemPrice(item); ++i) {
            money -= goods::ItemPrice(item);
            ++p.ItemCount[static_cast<std::size_t>(item)];
        }
    };
    if (kind == PartyKind::RemediesAndFood && town <= 9) {
        buy(provisionItem("jar of honey"), 1);
        buy(provisionItem("lb of tea"), 1);
    }
    buy(goods::FirstProvision, kind == PartyKind::FoodOnly ? 10 : 6); // lb of flour
}

} // namespace

JourneyOutcome simulateJourney(PartyKind kind, std::uint32_t seed)
{
    platform::RandomSource random;
    random.seed(seed);
    GameState s;
    goods::Possessions p;
    JourneyOutcome out;
    // What is left after the flea market: a party that trades with the
    // spirits has spent more there on things to trade.
    int money = kind == PartyKind::RemediesAndFood ? 30 : 45;
    for (int town = 2; town <= LastTown; ++town) {
        // Arriving: from the fourth town on the party eats and the ailing
        // heal or the hungry weaken.
        if (town >= FirstAilingTown) {
            const Meal meal = eat(s, p);
            travel(s, meal.hungry);
        }
        // In the town: the lake, the spirit's good, the post, the woods.
        if (town == 2)
            s.FishLb += 15 + random.next() % 36; // 15 to 50 lb of fish
        if (kind == PartyKind::RemediesAndFood) {
            p.TradeDone[static_cast<std::size_t>(town - 2)] = 1;
            s.earnTradePoints();
            if (town == 2)
                s.earnCarePoints(); // the snakebite, treated with the snakeroot
        }
        if (town != 2)
            shopAtPost(kind, town, p, money);
        if (kind == PartyKind::RemediesAndFood && hunting::canHuntIn(s, p, town))
            hunting::hunt(s, town, random.next() % hunting::PlaceCount, random);
        if (town == LastTown)
            break;
        // Leaving: a traveller too weak to walk on makes the party rest
        // (a rest always lets it walk on the next day).
        int restsHere = 0;
        while (mustRest(s)) {
            restDay(s);
            if (++restsHere > 1)
                return out; // stuck: the journey never reaches its end
        }
        if (const auto ill = draw(s, town + 1, random)) {
            fallIll(s, *ill);
            ++out.ailments;
            const auto choices = remediesFor(s, p, ill->ailment);
            treat(s, p, ill->member, choices.front());
        }
        out.worstAiling = std::max(out.worstAiling, ailingCount(s));
    }
    out.reachedTheEnd = true;
    out.remedies = s.RemediesGiven;
    out.restDays = s.RestDays;
    out.hungryTowns = s.HungryTowns;
    out.goodAtEnd = goodConditionCount(s);
    out.finalScore = s.finalScore();
    return out;
}

} // namespace wellbeing
