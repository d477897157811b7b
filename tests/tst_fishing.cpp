// Fishing at the lake, with the bite timer and the lake clips' timers ticked
// directly and the clock that seeds the catch set by the test.

#include "activities/fishingtables.h"
#include "platform/bevelpanel.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "platform/randomsource.h"
#include "shell/gamestate.h"
#include "activities/fishingouting.h"
#include "trail/game.h"
#include "seededsecond.h"
#include "trailfixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class FishingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;
    std::int64_t now = 1000;

    GameState& s() { return gameState(); }

    // Town 2, the party at the lake.
    void goFishing(int fishCaughtInTown = 0)
    {
        game->FormShow();
        game->ContinueClick();
        s().ClicksArmed = 1;
        s().FishCount = fishCaughtInTown;
        game->VisitClick();
    }

    // A cast on the good spot, the bite, and the rod clicked in time.
    void catchAFish()
    {
        game->fishing->hotspotMouseDown(10, 10);
        game->fishing->TimeCatchFishTimer();
        game->fishing->RodClick();
    }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        platform::setPauseHook([](int) {});
        platform::gameRandom().setClock([this] { return now; });
    }

    void cleanup()
    {
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        platform::gameRandom().setClock({});
        platform::setPauseHook({});
        trail.reset();
    }

    void anOutingSetsUpTheLake()
    {
        goFishing();
        QCOMPARE(s().Stage, 4);
        QCOMPARE(s().FishingActive, 1);
        QVERIFY(game->Look->isEnabled());
        QVERIFY(!game->Visit->isEnabled());
        QVERIFY(!game->Rod->isHidden());
        QCOMPARE(game->Image1->picture().size(), QSize(600, 450));
        QCOMPARE(game->LakePic->picture().size(), QSize(600, 450));
        QCOMPARE(game->Hints->text(), QStringLiteral("Click on the water to cast.  When the cursor "
                                                     "changes, you are on a good spot."));
        QCOMPARE(trail->fake(game->MPmus2)->calls.last(), QStringLiteral("Play 18800-22500"));
        QCOMPARE(game->MPfish->FileName, QStringLiteral("fish/f02-1.avi"));
        QCOMPARE(game->MPfish2->FileName, QStringLiteral("fish/f02-2.avi"));
        QCOMPARE(game->MPfish->DisplayRect(), QRect(212 + 4, 90 + 346, 156, 101));
        QCOMPARE(game->MPfish2->DisplayRect(), QRect(212 + 2, 90 + 1, 231, 88));
        QVERIFY(game->fishing->TimeFish1->interval() >= 14000 && game->fishing->TimeFish1->interval() < 20000);
        QVERIFY(game->fishing->TimeFish2->interval() >= 20000 && game->fishing->TimeFish2->interval() < 23000);
        // The first outing of the run starts at the second spot of the table.
        QCOMPARE(s().HotspotIndex, 1);
        QCOMPARE(game->hotspot->pos(), QPoint(212 + 510, 90 + 201));
        QVERIFY(game->fishing->TimeFishShow->isActive());
    }

    void aCastOnTheGoodSpotBringsABiteAndTheRodLandsTheFish()
    {
        goFishing();
        game->fishing->hotspotMouseDown(30, 20);
        QCOMPARE(trail->media.sounds.last(), QStringLiteral("fish/cast.wav"));
        QCOMPARE(game->Bobber->pos(), QPoint(s().HotspotX + 30, s().HotspotY + 20));
        QVERIFY(!game->Bobber->isHidden());
        QVERIFY(game->fishing->TimeCatchFish->isActive());
        QCOMPARE(game->fishing->TimeCatchFish->interval(), 2000);

        game->fishing->TimeCatchFishTimer(); // the bite
        QVERIFY(game->Bobber->isHidden());
        QCOMPARE(game->fishing->BitePending, 1);
        QCOMPARE(game->fishing->TimeCatchFish->interval(), 1000);
        QCOMPARE(game->Hints->text(), QStringLiteral("Now quickly click on the rod to reel in the fish!"));

        game->fishing->RodClick();
        QCOMPARE(s().FishCount, 1);
        QCOMPARE(game->FishList.size(), 1);
        QVERIFY(!game->FishPanel->isHidden());
        QCOMPARE(game->fishing->BitePending, 0);
        QVERIFY(!game->fishing->TimeCatchFish->isActive());
        QVERIFY(game->FishList.first().contains(" lb "));
        QCOMPARE(s().HotspotIndex, 2); // the good spot moves on
        QCOMPARE(game->hotspot->pos(), QPoint(212 + 220, 90 + 346));
        QVERIFY(trail->fake(game->MPreel)->plays >= 1);
    }

    void tooSlowAndTheFishIsGone()
    {
        goFishing();
        game->fishing->hotspotMouseDown(5, 5);
        game->fishing->TimeCatchFishTimer();
        game->fishing->TimeCatchFishTimer(); // a second passes without a click
        QCOMPARE(game->fishing->BitePending, 0);
        QVERIFY(!game->Bobber->isHidden());
        QVERIFY(!game->fishing->TimeCatchFish->isActive());
        QCOMPARE(game->Hints->text(),
                 QStringLiteral("You missed it that time!  The fish took your bait -- cast again."));
        game->fishing->RodClick(); // reeling in with nothing on the line
        QCOMPARE(s().FishCount, 0);
        QVERIFY(game->FishList.isEmpty());
    }

    void theCatchIsWeighedAndStored_data()
    {
        QTest::addColumn<int>("pounds");  // X mod 400 div 100
        QTest::addColumn<int>("ounces");  // X mod 1100 div 100
        QTest::addColumn<int>("talisman");
        QTest::addColumn<QString>("weight");
        QTest::newRow("an empty hook is the fish of the trip") << 0 << 0 << 0 << "10 lb 0 oz";
        QTest::newRow("with the talisman") << 0 << 0 << 1 << "11 lb 0 oz";
        QTest::newRow("the talisman adds a pound") << 0 << 4 << 1 << "1 lb 4 oz";
        QTest::newRow("an ordinary fish") << 2 << 10 << 0 << "2 lb 10 oz";
    }

    void theCatchIsWeighedAndStored()
    {
        QFETCH(int, pounds);
        QFETCH(int, ounces);
        QFETCH(int, talisman);
        QFETCH(QString, weight);
        goFishing();
        s().HasTalisman = static_cast<std::uint8_t>(talisman);
        s().FishOz = 15;
        now = secondWhere([&](int x) { return x % 400 / 100 == pounds && x % 1100 / 100 == ounces; });
        catchAFish();
        QCOMPARE(game->wtLabel->text(), weight);
        QVERIFY(game->FishList.first().startsWith(weight + " "));
        QCOMPARE(trail->media.sounds.contains("fish/yeehaw.wav"), pounds + ounces == 0);
        // 15 oz in storage plus the catch: the ounces carry into a pound.
        const int lb = (pounds + ounces == 0 ? 10 : pounds) + talisman;
        QCOMPARE(s().FishLb * 16 + s().FishOz, lb * 16 + ounces + 15);
        QVERIFY(s().FishOz < 16);
    }

    void everyKindOfFishCanBeCaught()
    {
        goFishing();
        QSet<QString> kinds;
        for (int kind = 0; kind < 9; ++kind) {
            now = secondWhere([&](int x) { return x % 9 == kind && x % 1100 >= 100; });
            catchAFish();
            kinds.insert(game->FishList.last().section(" oz ", 1));
            QCOMPARE(game->FishPic->picture().size(), QSize(450, 300));
        }
        QCOMPARE(kinds.size(), 9);
        QVERIFY(kinds.contains("brown bullhead"));
    }

    void aCastElsewhereOnlyReachesTheWater()
    {
        goFishing();
        game->fishing->hotspotMouseDown(5, 5);
        QVERIFY(game->fishing->TimeCatchFish->isActive());
        const int before = trail->media.sounds.size();
        game->ClickScreen(560, 420); // the shore in the lower right
        QVERIFY(!game->fishing->TimeCatchFish->isActive()); // any click ends the wait for a bite
        QCOMPARE(trail->media.sounds.size(), before);
        game->ClickScreen(300, 250); // open water
        QCOMPARE(trail->media.sounds.size(), before + 1);
        QCOMPARE(game->Bobber->pos(), QPoint(212 + 300, 90 + 250));
        QVERIFY(!game->fishing->TimeCatchFish->isActive()); // no fish bites there
    }

    void theLakeClipsTakeTurnsAndRipplesComeAndGo()
    {
        goFishing();
        game->fishing->TimeFish1Timer();
        QVERIFY(game->MPfish->isPlaying());
        game->fishing->TimeFish1Timer();
        QVERIFY(game->MPfish2->isPlaying());
        game->fishing->TimeFish2Timer();
        QCOMPARE(trail->fake(game->MPmus2)->calls.last(), QStringLiteral("Play 22600-26100"));
        QVERIFY(!game->hotspot->picture().isNull());
        game->fishing->TimeFishShowTimer();
        QVERIFY(game->hotspot->picture().isNull());
        QVERIFY(!game->fishing->TimeFishShow->isActive());
    }

    void afterFiveFishTheHintsStop()
    {
        goFishing(6);
        QCOMPARE(s().FishHintsOff, 1);
        QVERIFY(!game->Hints->isHidden()); // shown one last time
        game->HintsClick();
        game->fishing->hotspotMouseDown(1, 1);
        game->fishing->TimeCatchFishTimer();
        QVERIFY(game->Hints->isHidden());
    }

    void theKeysFishToo()
    {
        goFishing();
        QCOMPARE(game->focusWidget(), static_cast<QWidget*>(game->Image1));
        // The aim starts in the middle of the lake; the good spot of the
        // first outing is at (510, 201) of the picture.
        auto press = [this](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
            QTest::keyClick(game->Image1, key, modifiers);
        };
        for (int step = 0; step < 5; ++step)
            press(Qt::Key_Right, Qt::ShiftModifier); // 200 px to the right
        press(Qt::Key_Right);
        press(Qt::Key_Right);                        // x 520
        press(Qt::Key_Up, Qt::ShiftModifier);        // y 210
        auto* aim = game->findChild<QWidget*>(QStringLiteral("FishingAim"));
        QVERIFY(aim && aim->isVisibleTo(game));
        press(Qt::Key_Space); // a cast on the good spot
        QCOMPARE(trail->media.sounds.last(), QStringLiteral("fish/cast.wav"));
        QVERIFY(game->fishing->TimeCatchFish->isActive());
        game->fishing->TimeCatchFishTimer(); // the bite
        press(Qt::Key_Space);                // pulls in the rod
        QCOMPARE(s().FishCount, 1);
        QVERIFY(game->FishPanel->isVisibleTo(game));

        // A cast on land goes nowhere; R pulls the rod with nothing on it.
        for (int step = 0; step < 6; ++step)
            press(Qt::Key_Down, Qt::ShiftModifier);
        const int casts = trail->media.sounds.size();
        press(Qt::Key_Return);
        QCOMPARE(trail->media.sounds.size(), casts);
        press(Qt::Key_R);
        QCOMPARE(s().FishCount, 1);
        game->LookClick();
        QVERIFY(!aim->isVisibleTo(game)); // the aim goes with the lake
    }

    void leavingTheLakeStopsEverything()
    {
        goFishing();
        game->fishing->TimeFish1Timer(); // a lake clip plays
        catchAFish();                    // the reel plays, the catch is shown
        QVERIFY(game->MPfish->isPlaying());
        QVERIFY(game->MPreel->isPlaying());
        game->LookClick();
        QCoreApplication::processEvents(); // the stopped clips report their end
        QCOMPARE(s().FishingActive, 0);
        QVERIFY(!game->MPfish->isPlaying());
        QVERIFY(!game->MPreel->isPlaying());
        // The cast or the cheer of a record fish still sounding is cut off.
        QVERIFY(!trail->media.sounds.isEmpty());
        QCOMPARE(trail->media.sounds.last(), QString());
        for (QWidget* control : std::initializer_list<QWidget*>{
                 game->Rod, game->hotspot, game->Bobber, game->Hints, game->FishPanel})
            QVERIFY2(control->isHidden(), qPrintable(control->objectName()));
        for (QTimer* timer : {game->fishing->TimeFish1, game->fishing->TimeFish2,
                              game->fishing->TimeCatchFish, game->fishing->TimeFishShow})
            QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        QCOMPARE(game->FishCaught->picture().size(), QSize(75, 450)); // the black strip
    }
};

QTEST_MAIN(FishingTest)
#include "tst_fishing.moc"
