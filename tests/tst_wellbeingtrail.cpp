// The travellers' fare on the trail screen: an ailment on the road with its
// choice panel and the remedies the party has, a day of rest, the word that
// the food has run out, the hunt, the party panel's words and mark, and what
// a saved journey keeps of it all.

#include "activities/wellbeing.h"
#include "platform/picturebox.h"
#include "platform/randomsource.h"
#include "presentation/storytexts.h"
#include "shell/gamestate.h"
#include "shell/journeyfields.h"
#include "shell/journeystate.h"
#include "shops/possessions.h"
#include "trail/game.h"
#include "trail/towncontent.h"
#include "trailfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using wellbeing::Ailment;

class WellbeingTrailTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }
    goods::Possessions& p() { return goods::possessions(); }

    // In town `town` with its route drawn, the travellers' fare played.
    void arriveIn(int town)
    {
        trail->startTheTrail();
        game->ContinueClick();
        trail->drawRoute();
        s().Town = static_cast<std::uint8_t>(town - 1);
        s().Encounter = 3;
        game->ContinueClick();
        trail->drawRoute();
        if (game->IP->isActive())
            game->IPTimer();
        QCOMPARE(int(s().Town), town);
        game->travellersFare = true;
        s().FishLb = 40; // fed, unless a test says otherwise
    }

    // Seeds the game's draws so that the road to `town` brings this ailment.
    void seedForAilment(int town, Ailment wanted)
    {
        for (std::uint32_t seed = 1; seed < 100000; ++seed) {
            platform::RandomSource probe;
            probe.seed(seed);
            if (const auto ill = wellbeing::draw(s(), town, probe); ill && ill->ailment == wanted) {
                platform::gameRandom().seed(seed);
                return;
            }
        }
        QFAIL("no seed brings the ailment");
    }

    void seedForNoAilment(int town)
    {
        for (std::uint32_t seed = 1; seed < 1000; ++seed) {
            platform::RandomSource probe;
            probe.seed(seed);
            if (!wellbeing::draw(s(), town, probe)) {
                platform::gameRandom().seed(seed);
                return;
            }
        }
    }

    int ill() const
    {
        for (int member = 1; member <= 7; ++member)
            if (wellbeing::ailmentOf(gameState(), member) != Ailment::None)
                return member;
        return 0;
    }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
    }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        trail.reset();
    }

    void anAilmentOnTheRoadOffersTheRemediesTheParyHasAndRest()
    {
        arriveIn(11);
        p().TradeDone[9 - 2] = 1;  // Selaqua's willow bark
        p().TradeDone[10 - 2] = 1; // the doctor's boneset
        seedForAilment(12, Ailment::Fever);
        game->ContinueClick();
        QCOMPARE(int(s().Town), 11); // on the road, not yet arrived
        const int member = ill();
        QVERIFY(member > 0);
        const QString name = game->Name(member);
        QVERIFY(game->Dchoice->isVisibleTo(game));
        QCOMPARE(game->Dlabel->text(), name + " has a fever and aches all over.");
        QCOMPARE(game->DC1->text(), "Give " + name + " boneset tea.");
        QCOMPARE(game->DC2->text(), "Give " + name + " willow bark tea.");
        QCOMPARE(game->DC3->text(), "Let " + name + " rest by the fire.");
        QVERIFY(game->DC1->hasFocus() || game->focusWidget() == game->DC1);
        QVERIFY(!game->DOK1->isEnabled());
        QVERIFY(!game->Continue->isEnabled());
        QVERIFY(!game->whyJourneyCannotBeSavedNow().isEmpty());
        // The first ailment brings the word on remedies of long ago.
        QVERIFY(game->IL1->isVisibleTo(game));
        QCOMPARE(game->IL1->text(), story::remediesOfLongAgo());
        QVERIFY(!game->PartyMark->isHidden()); // on the button, under the panel for now
        QVERIFY(game->BtnParty->accessibleName().contains("one traveller is ailing"));

        // A choice left checked from an earlier panel, clicked again, opens OK.
        game->DC1->setChecked(true);
        game->DOK1->setEnabled(false);
        game->DC1->click();
        QVERIFY(game->DOK1->isEnabled());
        game->DOK1->setEnabled(false);
        // A screen reader toggles a choice rather than clicking it: OK opens all the same.
        game->DC2->toggle();
        QVERIFY(game->DC2->isChecked());
        QVERIFY(game->DOK1->isEnabled());
        game->DOK1->click();
        QCOMPARE(wellbeing::ailmentOf(s(), member), Ailment::None);
        QCOMPARE(int(s().Health[std::size_t(member - 1)]), 0);
        QVERIFY(GameState::inTownSet(s().RemediesUsed, 9));
        QCOMPARE(s().RemedyPoints, wellbeing::PointsPerRemedy);
        QCOMPARE(game->Dlabel->text(), name + " feels better already.");
        QVERIFY(game->EndTime->isActive());
        game->EndTimeTimer();
        QCOMPARE(int(s().Town), 12);
        QVERIFY(!game->Dlabel->isVisibleTo(game));
        QVERIFY(game->PartyMark->isHidden());
        QCOMPARE(game->BtnParty->accessibleName(), QString("Your Party"));
        const QString journal = game->journal.toLines().join('\n');
        QVERIFY2(journal.contains("the willow bark tea that Selaqua gave"), qPrintable(journal));
        QVERIFY(journal.contains("Your party ate 2 lb of fish."));
    }

    void restingByTheFireHealsAGradeATown()
    {
        arriveIn(14);
        seedForAilment(15, Ailment::Cough);
        game->ContinueClick();
        const int member = ill();
        QVERIFY(member > 0);
        QVERIFY(game->DC1->text().endsWith("rest by the fire."));
        QVERIFY(game->DC2->isHidden()); // nothing else to give
        game->DC1->click();
        game->DOK1->click();
        game->EndTimeTimer();
        QCOMPARE(int(s().Town), 15);
        // Fed on arrival: a grade better; the party panel says how it is.
        QCOMPARE(int(s().Health[std::size_t(member - 1)]), 1);
        game->PartyHealth();
        QCOMPARE(game->P[member - 1]->text(), game->Name(member) + " has a bad cough.  " +
                                                  game->Name(member) + "'s condition is fair.");
    }

    void aTravellerTooWeakToWalkOnMakesThePartyRestADay()
    {
        arriveIn(16);
        s().Health[2] = 3;
        game->ContinueClick();
        QCOMPARE(int(s().Town), 16);
        QCOMPARE(game->IL1->text(), game->Name(3) + " is too weak to walk on today.  Your party "
                                                    "rests a day in " +
                                        townContent(16).townName + " and cares for " +
                                        game->Name(3) + ".");
        QCOMPARE(s().RestDays, 1);
        QCOMPARE(int(s().Health[2]), 2);
        QVERIFY(game->Continue->isEnabled());
        QVERIFY(game->journal.toLines().join('\n').contains("rested a day"));
        seedForNoAilment(17);
        game->ContinueClick();
        QCOMPARE(int(s().Town), 17);
    }

    void theFoodRunningOutIsToldOnceAndTheHungryWeaken()
    {
        arriveIn(5);
        s().FishLb = 0;
        game->ContinueClick();
        QCOMPARE(int(s().Town), 5);
        QCOMPARE(game->IL1->text(), "Your party has nothing left to eat.  Buy provisions at the "
                                    "trading post.");
        seedForNoAilment(6);
        game->ContinueClick();
        QCOMPARE(int(s().Town), 6);
        QCOMPARE(s().HungryTowns, 1);
        for (auto h : s().Health)
            QCOMPARE(int(h), 1);
        // Told once: the next town is left without it.
        trail->drawRoute();
        seedForNoAilment(7);
        game->ContinueClick();
        QCOMPARE(int(s().Town), 7);
    }

    void theHuntersGoOutOnceInWoodsWithTheSpear()
    {
        arriveIn(9);
        p().TradeDone[8 - 2] = 1; // the old man's spear
        game->setSceneClickable(true);
        game->ContinueClick();
        QCOMPARE(int(s().Town), 9);
        QVERIFY(game->Dchoice->isVisibleTo(game));
        QVERIFY(!game->Image1->isEnabled()); // no trade behind the question
        QCOMPARE(game->Dlabel->text(), QString("There are tracks of game in these woods."));
        QCOMPARE(game->DC1->text(), QString("Go hunting along the creek."));
        QCOMPARE(game->DC3->text(), QString("Walk on without hunting."));
        game->DC1->click();
        game->DOK1->click();
        QVERIFY(!game->Dchoice->isVisibleTo(game));
        QVERIFY(game->IL1->text().startsWith("The hunters"));
        QVERIFY(GameState::inTownSet(s().HuntedIn, 9));
        QVERIFY(game->Continue->isEnabled());
        QVERIFY(game->Image1->isEnabled()); // the town as it was
        seedForNoAilment(10);
        game->ContinueClick(); // no second hunt here: on to the next town
        QCOMPARE(int(s().Town), 10);
    }

    void aSavedJourneyKeepsTheFareAndAnOlderOneOpensWithEveryoneWell()
    {
        arriveIn(12);
        s().Ailments[1] = static_cast<std::int8_t>(Ailment::Chill);
        s().Health[1] = 1;
        s().RemedyPoints = 6;
        s().RemediesGiven = 2;
        s().RestDays = 1;
        GameState::addToTownSet(s().RemediesUsed, 9);
        journey::JourneyState saved = game->captureJourney();
        QVERIFY2(saved.check().isEmpty(), qPrintable(saved.check()));
        QCOMPARE(saved.numbers(journey::field::Ailments).at(1), qint64(Ailment::Chill));
        GameState copy;
        goods::Possessions owned;
        QVERIFY(saved.applyToGame(copy, owned) >= 0);
        QCOMPARE(copy.Ailments, s().Ailments);
        QCOMPARE(copy.RemedyPoints, 6);
        QCOMPARE(copy.RemediesUsed, s().RemediesUsed);

        // An ailing traveller in good condition is no journey the game made.
        saved.setNumbers(journey::field::Health, {0, 0, 0, 0, 0, 0, 0});
        QVERIFY(saved.check().contains("ailing in good condition"));

        // A journey saved before the fare was kept: everyone is well.
        journey::JourneyState older = game->captureJourney();
        for (const char* field : {"Ailments", "RemediesUsed", "RemedyPoints", "RemediesGiven",
                                  "RestDays", "HungryTowns", "Hungry", "HungerTold", "HuntedIn",
                                  "AilmentsMet", "PoundsEaten"})
            older.remove(QString::fromLatin1(field));
        older.setNumbers(journey::field::Health, {0, 0, 0, 0, 0, 0, 0});
        QVERIFY2(older.check().isEmpty(), qPrintable(older.check()));
        GameState fresh;
        fresh.Ailments.fill(5);
        QVERIFY(older.applyToGame(fresh, owned) >= 0);
        QCOMPARE(wellbeing::ailingCount(fresh), 0);
        QCOMPARE(fresh.RemedyPoints, 0);
    }
};

QTEST_MAIN(WellbeingTrailTest)
#include "tst_wellbeingtrail.moc"
