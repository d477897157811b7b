// The trail screen as a window on screens of several sizes: where its
// controls end up, that nothing covers the buttons of the bottom bar, the
// length of its opening transition, and what it loads when shown.

#include "errorcapture.h"
#include "fakemedia.h"
#include "platform/bevelpanel.h"
#include "platform/picturebox.h"
#include "presentation/transitions/fusetransition.h"
#include "presentation/transitions/radialtransition.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "trail/game.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>

class TrailScreenTest : public QObject {
    Q_OBJECT

    FakeMedia media;

private slots:
    void init()
    {
        resetGameState();
        resetApplication();
    }

    void cleanup() { qputenv("KELVARIN_SCREEN", "1024x768"); }

    void controlsArePlacedForTheScreen_data()
    {
        QTest::addColumn<QByteArray>("screen");
        QTest::addColumn<QRect>("picture");
        QTest::addColumn<int>("barHeight");
        QTest::addColumn<QPoint>("instructions");
        QTest::newRow("1024x768") << QByteArray("1024x768") << QRect(212, 90, 600, 450) << 138
                                  << QPoint(350, 249);
        QTest::newRow("800x600") << QByteArray("800x600") << QRect(100, 24, 600, 450) << 100
                                 << QPoint(273, 194);
        QTest::newRow("1280x1024") << QByteArray("1280x1024") << QRect(265, 120, 750, 600) << 184
                                   << QPoint(437, 332);
        // A wide screen: the game uses its centred 4:3 area, 1440 x 1080.
        QTest::newRow("1920x1080") << QByteArray("1920x1080") << QRect(298, 127, 843, 632) << 194
                                   << QPoint(492, 350);
    }

    void controlsArePlacedForTheScreen()
    {
        QFETCH(QByteArray, screen);
        QFETCH(QRect, picture);
        QFETCH(int, barHeight);
        QFETCH(QPoint, instructions);
        qputenv("KELVARIN_SCREEN", screen);
        TGame game;
        QCOMPARE(game.Image1->geometry(), picture);
        QCOMPARE(game.BPanel->height(), barHeight);
        QCOMPARE(game.BPanel->geometry().bottom(), game.Client->height() - 1);
        QCOMPARE(game.IPic->pos(), instructions);
        QCOMPARE(gameState().PicLeft, picture.left());
        QCOMPARE(gameState().PicTop, picture.top());
        QVERIFY(!gameState().MyPath.isEmpty());
    }

    void nothingCoversTheButtonsOfTheBottomBar_data()
    {
        QTest::addColumn<QByteArray>("screen");
        QTest::newRow("1024x768") << QByteArray("1024x768");
        QTest::newRow("800x600") << QByteArray("800x600");
        QTest::newRow("1280x1024") << QByteArray("1280x1024");
    }

    void nothingCoversTheButtonsOfTheBottomBar()
    {
        QFETCH(QByteArray, screen);
        qputenv("KELVARIN_SCREEN", screen);
        TGame game;
        game.FishCaught->show();
        game.show();
        const QList<QWidget*> buttons{game.Visit,  game.Look,     game.Continue, game.Exit1,
                                      game.BtnMap, game.BtnParty, game.BtnInv};
        for (QWidget* button : buttons) {
            for (QPoint corner : {QPoint(3, 3), QPoint(button->width() - 4, button->height() - 4)}) {
                const QPoint at = button->mapTo(game.Client, corner);
                QWidget* hit = game.Client->childAt(at);
                QVERIFY2(hit == button || button->isAncestorOf(hit),
                         qPrintable(button->objectName() + " is covered by " +
                                    (hit ? hit->objectName() : QStringLiteral("nothing"))));
            }
        }
    }

    void openPanelsStayAboveTheInstructionsAndTheScene()
    {
        TGame game;
        game.show();
        game.BtnMapClick();
        game.BtnPartyClick();
        game.Shows(1); // an instruction arriving while the panels are open
        game.Caption->show();
        const QPoint overMap = game.Map->geometry().center();
        QWidget* hit = game.Client->childAt(overMap);
        QVERIFY2(hit == game.Map || game.Map->isAncestorOf(hit),
                 qPrintable(hit ? hit->objectName() : QStringLiteral("nothing")));
        QVERIFY(game.IPic->geometry().intersects(game.Map->geometry()));
        const QPoint overParty = game.PartyPanel->geometry().topLeft() + QPoint(5, 100);
        hit = game.Client->childAt(overParty);
        QVERIFY(hit == game.PartyPanel || game.PartyPanel->isAncestorOf(hit));
    }

    void aSlowMachineGetsLongerTransitions_data()
    {
        QTest::addColumn<int>("startCode");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("even") << 0 << 500;
        QTest::newRow("odd") << 1 << 1400;
    }

    void aSlowMachineGetsLongerTransitions()
    {
        QFETCH(int, startCode);
        QFETCH(int, milliseconds);
        App().StartCode = startCode;
        TGame game;
        QCOMPARE(game.Transition1->Milliseconds, milliseconds);
        QCOMPARE(game.Transition2->Milliseconds, milliseconds);
    }

    void showingTheScreenLoadsItsPicturesAndSetsUpTownOne()
    {
        ErrorCapture errors;
        TGame game;
        game.FormShow();
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
        QCOMPARE(gameState().Town, 1);
        QCOMPARE(game.Image2->picture().size(), QSize(403, 395));
        QCOMPARE(game.totmap->picture().size(), QSize(620, 345));
        QCOMPARE(gameState().RodBitmap.size(), QSize(75, 265));
        QCOMPARE(gameState().FishIcon2.size(), QSize(30, 75));
        QVERIFY(static_cast<FakeMediaPlayer*>(game.MPmus)->isPlaying());

        game.FormActivate();
        QCOMPARE(gameState().LookStage, 2);
        QCOMPARE(gameState().Stage, 2);
    }

    void theOpeningTransitionStartsTheInstructionsOnce()
    {
        TGame game;
        bool abort = false;
        game.Transition1AbortQuery(game.Transition1, game.Transition1, abort);
        QVERIFY(game.IP->isActive());
        QVERIFY(!abort);
        // A timer started again gets a new id: the same id means the count
        // from the first call goes on.
        const int running = game.IP->timerId();
        game.Transition1EndTransition(game.Transition1);
        QVERIFY(game.IP->isActive());
        QCOMPARE(game.IP->timerId(), running);
        QCOMPARE(game.IP->interval(), 4000);
    }
};

QTEST_MAIN(TrailScreenTest)
#include "tst_trailscreen.moc"
