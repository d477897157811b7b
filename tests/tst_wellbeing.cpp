// How the travellers fare on the trail: the ailments and their remedies, the
// draws over many seeds, the meals, hunger and rest days, hunting, and whole
// journeys walked on the rules alone.

#include "activities/hunting.h"
#include "activities/journeysimulation.h"
#include "activities/wellbeing.h"
#include "platform/randomsource.h"
#include "shops/catalogue.h"
#include "trail/towncontent.h"

#include <QFile>
#include <QTest>

#include <map>
#include <set>

using namespace wellbeing;

namespace {

constexpr int Spear = 8;

platform::RandomSource seeded(std::uint32_t seed)
{
    platform::RandomSource random;
    random.seed(seed);
    return random;
}

void give(goods::Possessions& p, int town)
{
    p.TradeDone[static_cast<std::size_t>(town - 2)] = 1;
}

} // namespace

class WellbeingTest : public QObject {
    Q_OBJECT

private slots:
    void everyAilmentHasWordsAndARemedyOfTheTrail()
    {
        for (Ailment a : allAilments()) {
            const AilmentInfo& i = info(a);
            QCOMPARE(i.ailment, a);
            QVERIFY2(QString(i.caught).endsWith('.') || QString(i.caught).endsWith('!'), i.name);
            QVERIFY2(QString(i.state).endsWith('.'), i.name);
            QVERIFY2(i.firstGrade == 1 || i.firstGrade == 2, i.name);
            QVERIFY2(!i.goodTowns.empty(), i.name);
            for (int town : i.goodTowns) {
                QVERIFY2(town >= 2 && town <= 28, i.name);
                QVERIFY2(!remedyOfTown(town).isEmpty(), i.name);
            }
            if (i.provision)
                QVERIFY2(provisionItem(i.provision) >= goods::FirstProvision, i.provision);
        }
        // Every ailment but the snakebite comes somewhere on the trail, after
        // the first town whose good treats it, so that a remedy can be at hand.
        for (Ailment a : allAilments()) {
            if (a == Ailment::Snakebite)
                continue;
            const int firstGood = *std::min_element(info(a).goodTowns.begin(),
                                                    info(a).goodTowns.end());
            int comes = 0;
            for (int town = std::max(FirstAilingTown, firstGood + 1); town <= 28; ++town) {
                platform::RandomSource random = seeded(1);
                GameState s;
                for (int i = 0; i < 400 && comes == 0; ++i)
                    if (const auto ill = draw(s, town, random); ill && ill->ailment == a)
                        ++comes;
            }
            QVERIFY2(comes > 0, info(a).name);
        }
    }

    void everyGoodButTheSpearTreatsAnAilment()
    {
        for (int town = 2; town <= 28; ++town) {
            const TownContent content = townContent(town);
            const QString remedy = remedyOfTown(town);
            if (town == Spear) {
                QVERIFY(treatedByGoodOf(town).empty());
                QVERIFY(remedy.isEmpty());
                continue;
            }
            QVERIFY2(!treatedByGoodOf(town).empty(), qPrintable(content.goodInCapitals));
            // The way it is given names the good the spirit gave.
            bool named = false;
            for (const QString& word :
                 content.goodInCapitals.toLower().split(' ', Qt::SkipEmptyParts))
                named = named || (word.size() >= 4 && remedy.contains(word));
            QVERIFY2(named, qPrintable(content.goodInCapitals + " / " + remedy));
        }
    }

    void theCarePageNamesEveryAilmentWithItsRemedies()
    {
        QFile file(QStringLiteral(KELVARIN_DATA_DIR "/help/care.html"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString page = QString::fromUtf8(file.readAll());
        for (Ailment a : allAilments()) {
            const QString name = QString::fromUtf8(info(a).name);
            const qsizetype row = page.indexOf("<tr><td>" + name + "</td>");
            QVERIFY2(row >= 0, qPrintable(name));
            const QString line = page.mid(row, page.indexOf("</tr>", row) - row);
            for (int town : info(a).goodTowns)
                QVERIFY2(line.contains(remedyOfTown(town)), qPrintable(name + ": " + remedyOfTown(town)));
            if (info(a).provision)
                QVERIFY2(line.contains(QString::fromUtf8(info(a).provision).split(' ').last()),
                         qPrintable(name));
        }
        QVERIFY(page.contains("never try them yourself"));
    }

    void theDrawsComeAsTheSeasonsAndPlacesSay()
    {
        // Over many seeds: about one town in three for a fed party, one in
        // two for a hungry one; nothing before the fourth town, nothing
        // while two travellers are ailing.
        std::map<Season, std::map<Ailment, int>> seen;
        int fedDraws = 0, fedIll = 0, hungryDraws = 0, hungryIll = 0;
        for (std::uint32_t seed = 1; seed <= 300; ++seed) {
            platform::RandomSource random = seeded(seed);
            for (int town = 1; town <= 28; ++town) {
                GameState s;
                const auto ill = draw(s, town, random);
                if (town < FirstAilingTown) {
                    QVERIFY(!ill);
                    continue;
                }
                ++fedDraws;
                if (ill) {
                    ++fedIll;
                    QVERIFY(ill->member >= 1 && ill->member <= 7);
                    seen[trailTown(town).season][ill->ailment]++;
                    const TrailTown place = trailTown(town);
                    if (ill->ailment == Ailment::Burns)
                        QVERIFY2(place.camp, qPrintable(QString::number(town)));
                    if (ill->ailment == Ailment::BadWater)
                        QVERIFY2(place.river, qPrintable(QString::number(town)));
                    QVERIFY(ill->ailment != Ailment::Snakebite);
                }
                s.Hungry = 1;
                ++hungryDraws;
                hungryIll += draw(s, town, random).has_value();
            }
        }
        const double fedShare = double(fedIll) / fedDraws;
        const double hungryShare = double(hungryIll) / hungryDraws;
        QVERIFY2(fedShare > 0.28 && fedShare < 0.39, qPrintable(QString::number(fedShare)));
        QVERIFY2(hungryShare > 0.44 && hungryShare < 0.56, qPrintable(QString::number(hungryShare)));
        QCOMPARE(seen[Season::Autumn][Ailment::Frostbite], 0);
        QCOMPARE(seen[Season::Spring][Ailment::Frostbite], 0);
        QVERIFY(seen[Season::DeepWinter][Ailment::Frostbite] > 0);
        QVERIFY(seen[Season::DeepWinter][Ailment::Chill] > seen[Season::Autumn][Ailment::Chill]);
        QVERIFY(seen[Season::Thaw][Ailment::Cold] > 0);

        GameState two;
        two.Ailments[0] = static_cast<std::int8_t>(Ailment::Cold);
        two.Ailments[4] = static_cast<std::int8_t>(Ailment::Chill);
        GameState one;
        one.Ailments[2] = static_cast<std::int8_t>(Ailment::Cold);
        platform::RandomSource random = seeded(7);
        for (int i = 0; i < 300; ++i) {
            QVERIFY(!draw(two, 12, random));
            if (const auto ill = draw(one, 12, random))
                QVERIFY(ill->member != 3); // one ailment at a time
        }
    }

    void aRemedyHealsAtOnceAndIsUsedUp()
    {
        GameState s;
        goods::Possessions p;
        const NewAilment fever{3, Ailment::Fever};
        fallIll(s, fever);
        QCOMPARE(int(s.Health[2]), 2);
        QCOMPARE(ailmentOf(s, 3), Ailment::Fever);

        // Nothing owned: resting is the one choice, and always there.
        auto choices = remediesFor(s, p, Ailment::Fever);
        QCOMPARE(choices.size(), std::size_t(1));
        QCOMPARE(choices.front().kind, Remedy::Kind::Rest);
        QCOMPARE(choiceText(choices.front(), "Avrel"), QString("Let Avrel rest by the fire."));

        // Three goods treat a fever: the two latest are offered, then rest.
        give(p, 9);
        give(p, 10);
        give(p, 24);
        choices = remediesFor(s, p, Ailment::Fever);
        QCOMPARE(choices.size(), std::size_t(3));
        QCOMPARE(choices[0].town, 24);
        QCOMPARE(choices[1].town, 10);
        QCOMPARE(choiceText(choices[0], "Avrel"), QString("Give Avrel dogwood bark tea."));
        QCOMPARE(choices.back().kind, Remedy::Kind::Rest);

        treat(s, p, 3, choices[0]);
        QCOMPARE(int(s.Health[2]), 0);
        QCOMPARE(ailmentOf(s, 3), Ailment::None);
        QCOMPARE(s.RemedyPoints, PointsPerRemedy);
        QCOMPARE(s.RemediesGiven, 1);
        // Given once, gone: the next fever is offered the other two.
        fallIll(s, {5, Ailment::Fever});
        choices = remediesFor(s, p, Ailment::Fever);
        QCOMPARE(choices[0].town, 10);
        QCOMPARE(choices[1].town, 9);
        // A good given already cannot be given again.
        treat(s, p, 5, {Remedy::Kind::Good, 24, -1, "dogwood bark tea"});
        QCOMPARE(ailmentOf(s, 5), Ailment::Fever);
        QCOMPARE(s.RemedyPoints, PointsPerRemedy);
    }

    void aProvisionFitsWhereTheGoodsAreFewAndIsCountedOff()
    {
        GameState s;
        goods::Possessions p;
        const int honey = provisionItem("jar of honey");
        const int tea = provisionItem("lb of tea");
        QVERIFY(honey > 0 && tea > 0);
        p.ItemCount[std::size_t(honey)] = 2;
        fallIll(s, {1, Ailment::SoreThroat});
        auto choices = remediesFor(s, p, Ailment::SoreThroat);
        QCOMPARE(choices.size(), std::size_t(2));
        QCOMPARE(choiceText(choices[0], "Mira"), QString("Give Mira a jar of honey."));
        treat(s, p, 1, choices[0]);
        QCOMPARE(int(p.ItemCount[std::size_t(honey)]), 1);
        QCOMPARE(ailmentOf(s, 1), Ailment::None);

        p.ItemCount[std::size_t(tea)] = 1;
        fallIll(s, {2, Ailment::Chill});
        choices = remediesFor(s, p, Ailment::Chill);
        QCOMPARE(choiceText(choices[0], "Tom"), QString("Give Tom hot tea."));
        // Two goods leave no room for the provision.
        give(p, 5);
        give(p, 20);
        choices = remediesFor(s, p, Ailment::Chill);
        QCOMPARE(choices.size(), std::size_t(3));
        QCOMPARE(choices[0].kind, Remedy::Kind::Good);
        QCOMPARE(choices[1].kind, Remedy::Kind::Good);
    }

    void restingHealsAGradeATownWhileFedAndHungerWeakensEveryone()
    {
        GameState s;
        goods::Possessions p;
        fallIll(s, {4, Ailment::Cough}); // poor
        treat(s, p, 4, {Remedy::Kind::Rest, 0, -1, {}});
        QCOMPARE(int(s.Health[3]), 2);
        auto passage = travel(s, false);
        QCOMPARE(int(s.Health[3]), 1);
        QVERIFY(passage.recovered.empty());
        passage = travel(s, false);
        QCOMPARE(int(s.Health[3]), 0);
        QCOMPARE(passage.recovered, std::vector<int>{4});
        QCOMPARE(ailmentOf(s, 4), Ailment::None);

        // Hungry: everyone a grade weaker a town, never beyond critical; a
        // critical traveller makes the party rest, and a day of rest always
        // brings him or her back to poor.
        for (int town = 0; town < 5; ++town)
            travel(s, true);
        for (auto h : s.Health)
            QCOMPARE(int(h), Critical);
        QVERIFY(mustRest(s));
        QCOMPARE(weakestMember(s), 1);
        restDay(s);
        QVERIFY(!mustRest(s));
        for (auto h : s.Health)
            QCOMPARE(int(h), Critical - 1);
        QCOMPARE(s.RestDays, 1);
        // Fed again, they are well again a grade at a time.
        travel(s, false);
        travel(s, false);
        QCOMPARE(s.conditionPoints(), 7);
    }

    void theMealTakesFishAndMeatFirstThenTheFoodGoods()
    {
        GameState s;
        goods::Possessions p;
        s.FishLb = 1;
        s.FishOz = 8;
        s.MeatLb = 2;
        const int salt = provisionItem("lb of salt");
        p.ItemCount[std::size_t(salt)] = 9;                  // salt is not a meal
        p.ItemCount[std::size_t(goods::FirstProvision)] = 4; // flour
        p.ItemCount[17] = 1;                                 // a bag of onions
        QCOMPARE(foodPounds(s, p), 1 + 2 + 4 + 1);
        Meal meal = eat(s, p);
        QCOMPARE(meal.fishPounds, 1);
        QCOMPARE(meal.meatPounds, 1);
        QVERIFY(!meal.hungry);
        QCOMPARE(meal.summary(), QString("1 lb of fish and 1 lb of meat"));
        QCOMPARE(s.FishLb, 0);
        meal = eat(s, p);
        QCOMPARE(meal.goodsPounds, 1);
        QCOMPARE(meal.summary(), QString("1 lb of meat and 1 bag of onions"));
        meal = eat(s, p);
        QCOMPARE(meal.summary(), QString("2 lb of flour"));
        p.ItemCount[std::size_t(goods::FirstProvision)] = 1;
        meal = eat(s, p);
        QVERIFY(meal.hungry);
        QCOMPARE(meal.summary(), QString("1 lb of flour, the last of the food"));
        QCOMPARE(s.HungryTowns, 1);
        QCOMPARE(int(p.ItemCount[std::size_t(salt)]), 9);
        meal = eat(s, p);
        QCOMPARE(meal.summary(), QString("nothing: the food has run out"));
        QCOMPARE(s.HungryTowns, 2);
        QCOMPARE(int(s.Hungry), 1);
    }

    void huntingNeedsTheSpearAndWoodsAndFillsTheStoreToWhatItCarries()
    {
        GameState s;
        goods::Possessions p;
        QVERIFY(!hunting::canHuntIn(s, p, 9)); // no spear
        give(p, Spear);
        QVERIFY(hunting::canHuntIn(s, p, 9));
        QVERIFY(!hunting::canHuntIn(s, p, 10)); // no woods there
        QVERIFY(!hunting::canHuntIn(s, p, 4));  // before the spear's town
        platform::RandomSource random = seeded(3);
        int deer = 0, nothing = 0;
        for (int town : {9, 11, 13, 16, 20, 26, 28}) {
            s.MeatLb = 0;
            QVERIFY(hunting::canHuntIn(s, p, town));
            const hunting::Hunt h = hunting::hunt(s, town, 1, random);
            QVERIFY(!hunting::canHuntIn(s, p, town)); // once a town
            QCOMPARE(s.MeatLb, h.pounds);
            deer += h.found == "a deer";
            nothing += h.found.isEmpty();
            QVERIFY(hunting::huntTold(h).contains(h.found.isEmpty() ? "tracks" : "give thanks"));
        }
        QVERIFY(deer + nothing < 7);
        // At most what the party can carry, and said so.
        GameState full;
        full.MeatLb = MostMeatPounds - 3;
        std::uint32_t seed = 1;
        hunting::Hunt h;
        do {
            full.HuntedIn = 0;
            full.MeatLb = MostMeatPounds - 3;
            platform::RandomSource r = seeded(seed++);
            h = hunting::hunt(full, 9, 0, r);
        } while (h.found.isEmpty());
        QCOMPARE(full.MeatLb, MostMeatPounds);
        QCOMPARE(h.pounds, 3);
        QVERIFY(h.storeFull);
        QVERIFY(hunting::huntTold(h).contains("all the meat it can carry"));
        QVERIFY(!hunting::canHuntIn(full, p, 11));
    }

    void wholeJourneysOfThreeKindsOfPartyDifferAndNoneIsStuck()
    {
        struct Sum {
            double ailments = 0, remedies = 0, rests = 0, hungry = 0, good = 0, score = 0;
        };
        std::map<PartyKind, Sum> sums;
        const int journeys = 300;
        for (PartyKind kind : {PartyKind::RemediesAndFood, PartyKind::FoodOnly, PartyKind::Nothing}) {
            Sum& sum = sums[kind];
            for (int seed = 1; seed <= journeys; ++seed) {
                const JourneyOutcome o = simulateJourney(kind, std::uint32_t(seed));
                QVERIFY(o.reachedTheEnd);
                QVERIFY(o.worstAiling <= MostAiling);
                sum.ailments += o.ailments;
                sum.remedies += o.remedies;
                sum.rests += o.restDays;
                sum.hungry += o.hungryTowns;
                sum.good += o.goodAtEnd;
                sum.score += o.finalScore;
            }
        }
        const Sum& well = sums[PartyKind::RemediesAndFood];
        const Sum& fed = sums[PartyKind::FoodOnly];
        const Sum& none = sums[PartyKind::Nothing];
        QCOMPARE(well.hungry, 0.0);
        QCOMPARE(fed.hungry, 0.0);
        QVERIFY(none.hungry / journeys > 4);
        QVERIFY(none.rests / journeys > 1);
        QCOMPARE(well.rests, 0.0);
        QVERIFY(well.remedies / journeys > 4);
        QCOMPARE(fed.remedies / journeys < 1.5, true);
        QVERIFY(well.good / journeys > fed.good / journeys);
        QVERIFY(fed.good / journeys > none.good / journeys);
        QVERIFY(well.score > fed.score && fed.score > none.score);
    }
};

QTEST_APPLESS_MAIN(WellbeingTest)
#include "tst_wellbeing.moc"
