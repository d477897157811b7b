// Leaving a scene leaves nothing of it behind: when the party moves on, looks
// around or reaches the journey's end, the trade offer, the keepers' clip and
// everything of the lake are closed, stopped or reset, and a late event of
// what was left (a clip's end, a timer tick, a click taken while the game
// pumped messages) does nothing.

#include "platform/bevelpanel.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "presentation/transitions/fusetransition.h"
#include "shell/gamestate.h"
#include "activities/fishingouting.h"
#include "trail/game.h"
#include "trail/routetable.h"
#include "trailfixture.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class LeavingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }
    static FakeMediaPlayer* fake(QObject* player) { return TrailFixture::fake(player); }

    static void deliverPostedEvents() { QCoreApplication::processEvents(); }

    void drawRoute()
    {
        for (int ticks = 0; game->Go->isActive() && ticks < 100; ++ticks)
            game->GoTimer();
    }

    void arriveInTown2()
    {
        game->FormShow();
        game->FormActivate();
        game->Transition1EndTransition(game->Transition1);
        game->IPTimer();
        game->ContinueClick();
        drawRoute();
        game->IPTimer();
    }

    // The last town of the trail: "Go To Next Town" there ends the journey.
    void arriveInTheLastTown()
    {
        arriveInTown2();
        game->ContinueClick(); // past the girl to town 3
        drawRoute();
        s().Town = TownCount - 1; // on past the trapper's chapter
        s().Encounter = 3;
        game->ContinueClick();
        drawRoute();
        game->IPTimer();
        QCOMPARE(s().Town, TownCount);
    }

    // Looks around and lets the appearance (and the first time the story) end.
    void lookAround()
    {
        game->LookClick();
        fake(game->MPghost)->finishPlay();
        deliverPostedEvents();
        if (game->MPchar->isPlaying()) {
            fake(game->MPchar)->finishPlay();
            deliverPostedEvents();
        }
    }

    // The spirit has spoken and stands in the scene again: the way on is open.
    void meetTheSpirit()
    {
        lookAround();
        lookAround();
        QVERIFY(game->Continue->isEnabled());
    }

    void openTheTradePanel()
    {
        game->ClickScreen(300, 200);
        QVERIFY(game->TradePanel->isVisibleTo(game));
    }

    void goFishing()
    {
        QVERIFY(game->Visit->isEnabled());
        game->VisitClick();
        QCOMPARE(s().FishingActive, 1);
    }

    void catchAFish()
    {
        game->fishing->hotspotMouseDown(10, 10);
        game->fishing->TimeCatchFishTimer();
        game->fishing->RodClick();
        QVERIFY(game->FishPanel->isVisibleTo(game));
    }

    // A click taken while the game waits inside the cast: it runs when the
    // cast lets pending events through.
    void duringTheCast(std::function<void()> click)
    {
        platform::setPauseHook([click](int) { QTimer::singleShot(0, click); });
    }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        platform::setPauseHook([](int) {});
    }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        platform::setPauseHook({});
        trail.reset();
    }

    void theTradeOfferClosesWhenTheSnakebiteComes()
    {
        arriveInTown2();
        meetTheSpirit();
        openTheTradePanel();
        game->ContinueClick();
        QVERIFY(game->Dchoice->isVisibleTo(game)); // the snakebite
        QVERIFY(!game->TradePanel->isVisibleTo(game));
    }

    void theTradeOfferClosesWhenThePartyTravels()
    {
        arriveInTown2();
        game->ContinueClick(); // past the girl to town 3
        drawRoute();
        game->IPTimer();
        meetTheSpirit();
        openTheTradePanel();
        game->ContinueClick();
        QCOMPARE(s().Town, 4);
        QVERIFY(!game->TradePanel->isVisibleTo(game));
    }

    void theTradeOfferClosesAtTheJourneysEnd()
    {
        arriveInTheLastTown();
        meetTheSpirit();
        openTheTradePanel();
        game->ContinueClick();
        QVERIFY(game->Yes1->isVisibleTo(game)); // the journey's end
        QVERIFY(!game->TradePanel->isVisibleTo(game));
    }

    void theKeepersClipEndsWithTheVisitAndItsEndDoesNothingAfterwards()
    {
        arriveInTheLastTown();
        meetTheSpirit();
        game->VisitClick();
        game->IPTimer();
        game->ClickScreen(300, 200); // in through the door
        game->ClickScreen(300, 200); // the keepers stir
        QVERIFY(game->MPskel->isPlaying());

        game->ContinueClick(); // the journey's end
        QVERIFY(game->Yes1->isVisibleTo(game)); // the journey's end
        QVERIFY(!game->MPskel->isPlaying());
        deliverPostedEvents(); // the stopped clip reports its end
        QVERIFY(!game->Look->isEnabled());
        QVERIFY(!game->IP->isActive());
        game->IPTimer();
        QVERIFY(!game->IPic->isVisibleTo(game));
        QVERIFY(!game->IL1->isVisibleTo(game));
    }

    void theCatchPanelClosesWithTheLake()
    {
        arriveInTown2();
        meetTheSpirit();
        goFishing();
        catchAFish();
        game->ContinueClick(); // the snakebite
        QVERIFY(!game->FishPanel->isVisibleTo(game));
    }

    void lookingAroundDuringTheCastEndsTheOutingForGood()
    {
        arriveInTown2();
        meetTheSpirit();
        goFishing();
        duringTheCast([this] { game->LookClick(); });
        game->fishing->hotspotMouseDown(10, 10);
        QCOMPARE(s().FishingActive, 0);
        QVERIFY(!game->fishing->TimeCatchFish->isActive());
        QVERIFY(!game->Bobber->isVisibleTo(game));
        // A tick that was due anyway finds no outing and shows nothing.
        game->fishing->TimeCatchFishTimer();
        QVERIFY(!game->Hints->isVisibleTo(game));
        QVERIFY(!game->Bobber->isVisibleTo(game));
    }

    void aBiteCutShortByLeavingDoesNotCarryIntoTheNextOuting()
    {
        arriveInTown2();
        meetTheSpirit();
        goFishing();
        game->fishing->hotspotMouseDown(10, 10);
        game->fishing->TimeCatchFishTimer(); // the float goes under
        lookAround();
        goFishing();
        game->fishing->RodClick(); // no cast: nothing can be on the line
        QCOMPARE(s().FishCount, 0);
        QVERIFY(game->FishList.isEmpty());

        game->fishing->hotspotMouseDown(10, 10);
        game->fishing->TimeCatchFishTimer(); // a fresh cast brings a bite, not a miss
        QCOMPARE(game->Hints->text(), QStringLiteral("Now quickly click on the rod to reel in the fish!"));
        QVERIFY(!game->Bobber->isVisibleTo(game));
    }

    void theLakeClipsEndingAfterTheLakeIsLeftShowNoHint_data()
    {
        QTest::addColumn<int>("clip");
        QTest::newRow("the first lake clip") << 1;
        QTest::newRow("the second lake clip") << 2;
        QTest::newRow("the reel") << 3;
    }

    void theLakeClipsEndingAfterTheLakeIsLeftShowNoHint()
    {
        QFETCH(int, clip);
        arriveInTown2();
        meetTheSpirit();
        goFishing();
        if (clip == 3) {
            game->fishing->RodClick();
            QVERIFY(game->MPreel->isPlaying());
        } else {
            game->fishing->TimeFish1Timer();
            if (clip == 2)
                game->fishing->TimeFish1Timer();
            QVERIFY((clip == 1 ? game->MPfish : game->MPfish2)->isPlaying());
        }
        game->ContinueClick(); // the snakebite
        deliverPostedEvents();  // the stopped clip reports its end
        QVERIFY(!game->Hints->isVisibleTo(game));
    }
};

QTEST_MAIN(LeavingTest)
#include "tst_leaving.moc"
