// The teacher's pause: P stops the clips, the music and the screen's timers
// where they stand, darkens the screen and takes every click and key but P;
// P again goes on from there, to what the game would have done anyway.
// Timers are ticked by hand (a timer event, as the clock would send).

#include "activities/fishingouting.h"
#include "announcementspy.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "platform/randomsource.h"
#include "presentation/transitions/fusetransition.h"
#include "shell/gamepause.h"
#include "shell/gamestate.h"
#include "trail/game.h"
#include "trailfixture.h"

#include <QAction>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

class PauseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }
    GamePause& pause() { return GamePause::instance(); }

    // One tick of a running timer, as the clock sends it.
    static void tick(QTimer* timer)
    {
        QVERIFY(timer->isActive());
        QTimerEvent event(timer->timerId());
        QCoreApplication::sendEvent(timer, &event);
    }

    QAction* pauseItem() { return game->findChild<QAction*>(QStringLiteral("PauseItem")); }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        platform::setPauseHook([](int) {});
        game->show();
    }

    void cleanup()
    {
        pause().resume();
        QVERIFY2(trail->errors.messages.isEmpty(), qPrintable(trail->errors.messages.join('\n')));
        platform::setPauseHook({});
        trail.reset();
    }

    void aClipHoldsItsPlaceAndGoesOnFromThere()
    {
        trail->startTheTrail();
        game->ContinueClick();
        trail->drawRoute();
        game->LookClick();
        FakeMediaPlayer* ghost = trail->fake(game->MPghost);
        QVERIFY(ghost->isPlaying());
        ghost->position = 1234;
        AnnouncementSpy heard(game);

        QVERIFY(pauseItem());
        QCOMPARE(pauseItem()->shortcuts(),
                 (QList<QKeySequence>{QKeySequence(Qt::Key_P), QKeySequence(Qt::Key_Pause)}));
        pauseItem()->trigger();
        QVERIFY(pause().paused());
        QVERIFY(ghost->held);
        // Held, not ended: the story's handlers see a clip still playing.
        QVERIFY(ghost->isPlaying());
        QCOMPARE(ghost->calls.last(), QStringLiteral("Hold"));
        QVERIFY(heard.texts.contains(QStringLiteral("Paused")));
        QWidget* shade = pause().shade();
        QVERIFY(shade && shade->isVisible());
        QCOMPARE(shade->geometry(), game->rect());
        QCOMPARE(shade->accessibleName(), QStringLiteral("Paused \u2014 press P to go on"));
        QCoreApplication::processEvents();
        QVERIFY(!trail->fake(game->MPchar)->isPlaying()); // the story waits

        QTest::keyClick(game, Qt::Key_P);
        QVERIFY(!pause().paused());
        QVERIFY(!pause().shade());
        QVERIFY(!ghost->held);
        QCOMPARE(ghost->calls.last(), QStringLiteral("Resume"));
        QCOMPARE(ghost->position, 1234);
        // And the story goes on as it would have.
        ghost->finishPlay();
        QCoreApplication::processEvents();
        QVERIFY(trail->fake(game->MPchar)->isPlaying());
    }

    void theRouteDrawingStopsWithItsTimeLeftAndEndsAsWithoutAPause()
    {
        const auto drawn = [this](bool paused) {
            trail->startTheTrail();
            game->ContinueClick();
            tick(game->Go);
            tick(game->Go);
            const int interval = game->Go->interval();
            if (paused) {
                pause().pause(game);
                [&] {
                    QVERIFY(!game->Go->isActive());
                    pause().resume();
                    QVERIFY(game->Go->isActive());
                    QVERIFY(game->Go->interval() <= interval);
                    tick(game->Go);
                    // After the first tick the route keeps its own pace again.
                    QCOMPARE(game->Go->interval(), interval);
                }();
            }
            trail->drawRoute();
            return QList<int>{s().Town,
                              s().RouteX,
                              s().RouteY,
                              game->Go->isActive(),
                              game->Look->isEnabled(),
                              game->Visit->isEnabled()};
        };
        const QList<int> withPause = drawn(true);
        trail.reset();
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        game->show();
        QCOMPARE(withPause, drawn(false));
    }

    void aPauseAskedDuringTheOpeningTransitionTakesHoldAsItEnds()
    {
        // A trail screen shown afresh, through its opening transition.
        trail.reset();
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        bool asked = false;
        game->Transition1->OnStartTransition = [this, &asked](TTransitionEffect*) {
            // P pressed as the picture turns waits in the queue: the frames
            // take no input.
            asked = true;
            QMetaObject::invokeMethod(pauseItem(), &QAction::trigger, Qt::QueuedConnection);
        };
        game->show();
        QVERIFY(asked);
        QVERIFY(!pause().paused());
        // The transition's end started the wait for the first instruction.
        QVERIFY(game->IP->isActive());
        const int step = s().InstructionStep;

        QCoreApplication::processEvents();
        QVERIFY(pause().paused());
        QVERIFY(!game->IP->isActive());
        pause().resume();
        QVERIFY(game->IP->isActive());
        tick(game->IP);
        QCOMPARE(int(s().InstructionStep), step + 1);
    }

    void whilePausedNothingThePlayerDoesReachesTheGame()
    {
        trail->startTheTrail();
        QVERIFY(game->Continue->isEnabled());
        const int town = s().Town;
        pause().pause(game);
        QTest::mouseClick(game->Continue, Qt::LeftButton);
        QTest::keyClick(game, Qt::Key_J, Qt::ControlModifier); // the journal's key
        QTest::keyClick(game, Qt::Key_Space);
        QVERIFY(!game->Go->isActive());
        QCOMPARE(int(s().Town), town);
        // Nor may the window close under the teacher's pause.
        QVERIFY(!game->close());
        QVERIFY(game->isVisible());
        QVERIFY(pause().paused());
        // The Pause key goes on as P does.
        QTest::keyClick(game, Qt::Key_Pause);
        QVERIFY(!pause().paused());
        QTest::mouseClick(game->Continue, Qt::LeftButton);
        QVERIFY(game->Go->isActive());
    }

    void fishingWaitsForTheBiteAndLandsTheSameFish()
    {
        game->ContinueClick();
        s().ClicksArmed = 1;
        game->VisitClick();
        game->fishing->hotspotMouseDown(10, 10); // a cast on the good spot
        QTimer* bite = game->fishing->TimeCatchFish;
        QVERIFY(bite->isActive());
        const int fishBefore = s().FishCount;

        pause().pause(game);
        QVERIFY(!bite->isActive());
        QVERIFY(!game->fishing->TimeFishShow->isActive());
        // The keys that fish are the pause's while it lasts.
        QTest::keyClick(game, Qt::Key_Space);
        QCOMPARE(s().FishCount, fishBefore);

        QTest::keyClick(game, Qt::Key_P);
        QVERIFY(bite->isActive());
        QVERIFY(bite->interval() <= 2000);
        tick(bite); // the bite
        QCOMPARE(bite->interval(), 2000);
        game->fishing->RodClick();
        QCOMPARE(s().FishCount, fishBefore + 1);
    }
};

QTEST_MAIN(PauseTest)
#include "tst_pause.moc"
