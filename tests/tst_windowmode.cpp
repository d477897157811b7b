// Full screen or a window: the main screens follow the player's choice at
// once, lay their picture out in the window's 4:3 stage, keep what stands on
// the scene in its place when the window changes size, and remember the size
// the player gave the window.

#include "errorcapture.h"
#include "fakemedia.h"
#include "marketscreens.h"
#include "media/mediaplayer.h"
#include "platform/errorreport.h"
#include "platform/picturebox.h"
#include "platform/screenarea.h"
#include "platform/windowmode.h"
#include "presentation/intro.h"
#include "presentation/transitions/formtransitions.h"
#include "shell/application.h"
#include "shell/gamepause.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "shops/inventory.h"
#include "shops/store.h"
#include "trail/game.h"
#include "trail/scenegeometry.h"
#include "trail/traillayout.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QTest>
#include <QTimer>

using platform::WindowMode;

class WindowModeTest : public QObject {
    Q_OBJECT

    FakeMedia media;
    ErrorCapture errors;

    static QAction* fullScreenItem(QWidget& screen)
    {
        return screen.findChild<QAction*>(QStringLiteral("FullScreenItem"));
    }

private slots:
    void initTestCase() { QDir::setCurrent(QStringLiteral(KELVARIN_DATA_DIR)); }

    void init()
    {
        resetGameState();
        resetApplication();
        errors.messages.clear();
        WindowMode::instance().setFullScreen(true);
        WindowMode::instance().setWindowSize(WindowMode::defaultWindowSize());
    }

    void cleanup()
    {
        qputenv("KELVARIN_SCREEN", "1024x768");
        WindowMode::instance().setFullScreen(true);
        WindowMode::instance().setWindowSize(WindowMode::defaultWindowSize());
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
    }

    void aWideScreenKeepsTheTrailToItsCentredStage()
    {
        qputenv("KELVARIN_SCREEN", "1600x900");
        TGame game;
        QCOMPARE(game.size(), QSize(1600, 900));
        // The menu runs across; the scene and its bars keep to 1200 x 900.
        QCOMPARE(game.MainMenu->width(), 1600);
        const int menu = game.MainMenu->height();
        QCOMPARE(game.Client->geometry(), QRect(200, menu, 1200, 900 - menu));
        const TrailLayout expected = computeTrailLayout(1200, 900);
        QCOMPARE(game.Image1->geometry(), expected.picture());
        QCOMPARE(game.BPanel->width(), 1200);
    }

    void theChoiceIsFollowedAtOnceOnTheScreenInView()
    {
        qputenv("KELVARIN_SCREEN", "1280x1024");
        TGame game;
        game.show();
        QAction* item = fullScreenItem(game);
        QVERIFY(item);
        QCOMPARE(item->shortcut(), QKeySequence(Qt::Key_F11));
        QVERIFY(item->isChecked());
        QCOMPARE(game.size(), QSize(1280, 1024));

        item->trigger();
        QVERIFY(!WindowMode::instance().fullScreen());
        QCOMPARE(game.size(), QSize(1024, 768));
        QCOMPARE(game.Client->width(), 1024);
        QCOMPARE(game.Image1->geometry(), computeTrailLayout(1024, 768).picture());
        QCOMPARE(gameState().PicLeft, 212);

        item->trigger();
        QVERIFY(WindowMode::instance().fullScreen());
        QVERIFY(item->isChecked());
        QCOMPARE(game.size(), QSize(1280, 1024));
        QCOMPARE(game.Image1->geometry(), computeTrailLayout(1280, 1024).picture());
    }

    void whatStandsOnTheSceneKeepsItsPlaceWhenTheWindowResizes()
    {
        // On the large screen the picture is scaled: the places are too.
        qputenv("KELVARIN_SCREEN", "1280x1024");
        TGame game;
        game.show();
        const QRect spirit(300, 120, 150, 240);
        const QPoint bobber(420, 300);
        game.MPchar->setDisplayRect(pictureRectOnScreen(spirit));
        game.Bobber->move(picturePointOnScreen(bobber));
        gameState().HotspotX = picturePointOnScreen(bobber).x();
        gameState().HotspotY = picturePointOnScreen(bobber).y();

        WindowMode::instance().setFullScreen(false);
        QCOMPARE(game.size(), QSize(1024, 768));
        QCOMPARE(game.MPchar->DisplayRect(), pictureRectOnScreen(spirit));
        QCOMPARE(game.Bobber->pos(), picturePointOnScreen(bobber));
        QCOMPARE(QPoint(gameState().HotspotX, gameState().HotspotY), picturePointOnScreen(bobber));

        WindowMode::instance().setFullScreen(true);
        QCOMPARE(game.MPchar->DisplayRect(), pictureRectOnScreen(spirit));
        QCOMPARE(game.MPchar->DisplayRect().topLeft(),
                 QPoint(gameState().PicLeft + int(300 * gameState().HScale),
                        gameState().PicTop + int(120 * gameState().VScale)));
    }

    void theSizeThePlayerGivesTheWindowIsTheNextWindowsSize()
    {
        qputenv("KELVARIN_SCREEN", "1280x1024");
        WindowMode::instance().setFullScreen(false);
        {
            TGame game;
            game.show();
            QCOMPARE(game.size(), QSize(1024, 768));
            game.resize(1100, 820);
            QCOMPARE(WindowMode::instance().windowSize(), QSize(1100, 820));
            // Laid out again for the new size.
            QCOMPARE(game.Client->width(), 1093);
            QCOMPARE(game.Image1->geometry(), computeTrailLayout(1093, 820).picture());
            // Too small for the game's texts: it stops at the smallest size.
            game.resize(300, 200);
            QCOMPARE(game.size(), WindowMode::smallestWindowSize());
        }
        WindowMode::instance().setWindowSize(QSize(1100, 820));
        TGame next;
        QCOMPARE(next.size(), QSize(1100, 820));
    }

    void theMarketFollowsTheWindowWithItsPanelsInside()
    {
        qputenv("KELVARIN_SCREEN", "1600x900");
        MarketScreens screens;
        TFleaMarket* market = screens.market;
        market->show();
        QCOMPARE(market->Client->geometry().left(), 200);
        QCOMPARE(market->Client->width(), 1200);
        market->IButtonClick(); // on to the door
        market->T1Timer();

        fullScreenItem(*market)->trigger();
        QCOMPARE(market->size(), QSize(1024, 768));
        QCOMPARE(market->Client->geometry().left(), 0);
        QCOMPARE(market->MainMenu1->width(), 1024);
        for (QWidget* part : {static_cast<QWidget*>(market->IPic), market->Panel2,
                              static_cast<QWidget*>(market->Door2)}) {
            QVERIFY2(market->Client->rect().contains(part->geometry()),
                     qPrintable(part->objectName()));
        }
        QVERIFY(!market->IPic->isHidden());
        QCOMPARE(market->Image1->geometry(), market->layout.Image1);

    }

    void aSmallWindowAppearsOverTheGamesWindowWhereverItStands()
    {
        qputenv("KELVARIN_SCREEN", "1280x1024");
        WindowMode::instance().setFullScreen(false);
        TGame game;
        game.show();
        game.move(30, 40); // the player moved the game's window
        TInventory inventory;
        inventory.show();
        // (Within the few pixels of a window frame.)
        QVERIFY((inventory.geometry().center() - game.geometry().center()).manhattanLength() <= 4);
        inventory.hide();
        // Full screen, it stands in the middle of the game's area again.
        WindowMode::instance().setFullScreen(true);
        inventory.show();
        QVERIFY((inventory.geometry().center() - platform::gameScreenRect().center())
                    .manhattanLength() <= 4);
        inventory.hide();
    }

    void whereTheDesktopPlacesNoWindowTheStoreStandsInsideTheMarket()
    {
        platform::Form::setSmallWindowsInsideScreen(true);
        const auto restore =
            qScopeGuard([] { platform::Form::setSmallWindowsInsideScreen(std::nullopt); });
        MarketScreens screens;
        TFleaMarket* market = screens.market;
        market->show();
        market->IButtonClick(); // to the door, into the shop, to the store
        market->T1Timer();
        market->Door2Click();
        market->T1Timer();
        TStore* store = Store;
        QVERIFY(store);
        QPointer<TStore> alive = store;

        bool looked = false;
        QTimer::singleShot(0, store, [&, store] {
            // Closed whatever the checks find, so that the test goes on.
            const auto closeAfter = qScopeGuard([store] { store->close(); });
            QVERIFY(store->isVisible());
            QVERIFY(store->insideScreen());
            QCOMPARE(store->parentWidget(), market);
            QVERIFY((store->geometry().center() - market->rect().center()).manhattanLength() <= 2);
            QCOMPARE(store->accessibleName(), store->windowTitle());
            // The market under it takes no click and no key meanwhile.
            const QString hint = market->eagLabel->text();
            QTest::mouseClick(market->Door1, Qt::LeftButton);
            QCOMPARE(market->eagLabel->text(), hint);
            QTest::keyClick(market, Qt::Key_P);
            QVERIFY(!GamePause::instance().paused());
            looked = true;
        });
        market->ScreenClick(); // the store, until it closes
        QVERIFY(looked);
        QVERIFY(!store->insideScreen());
        QVERIFY(store->isWindow());
        QVERIFY(!store->parentWidget());
        // The market takes clicks again.
        QTest::mouseClick(market->Door1, Qt::LeftButton);
        QCOMPARE(market->eagLabel->text(),
                 QStringLiteral("This shop is closed today.  Door #4 is open."));

        // The store never goes with the screen it stood in.
        delete market;
        FleaMarket = screens.market = nullptr;
        QVERIFY(alive);
    }

    void whereTheDesktopPlacesNoWindowAMessageStandsInsideTheScreenToo()
    {
        platform::Form::setSmallWindowsInsideScreen(true);
        const auto restore =
            qScopeGuard([] { platform::Form::setSmallWindowsInsideScreen(std::nullopt); });
        TGame game;
        game.Trans1->Enabled = false;
        game.show();
        // The message goes to the player, not to the test's record.
        const platform::ErrorSink recorded = platform::setErrorSink({});
        const auto restoreSink = qScopeGuard([&] { platform::setErrorSink(recorded); });

        bool looked = false;
        QTimer::singleShot(0, &game, [&] {
            auto* box = game.findChild<QMessageBox*>();
            QVERIFY(box);
            const auto closeAfter = qScopeGuard([box] { box->done(QMessageBox::Ok); });
            QVERIFY(box->isVisible());
            QVERIFY(!box->isWindow());
            QCOMPARE(box->parentWidget(), &game);
            QVERIFY((box->geometry().center() - game.rect().center()).manhattanLength() <= 2);
            QCOMPARE(box->accessibleName(), box->windowTitle());
            // The screen under it takes no key meanwhile, nor keeps the focus.
            QTest::keyClick(&game, Qt::Key_P);
            QVERIFY(!GamePause::instance().paused());
            QApplication::setActiveWindow(&game);
            box->button(QMessageBox::Ok)->setFocus();
            game.Continue->setFocus();
            QCoreApplication::processEvents();
            QCOMPARE(QApplication::focusWidget(), box->button(QMessageBox::Ok));
            // Its own button answers.
            QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
            QVERIFY(!box->isVisible());
            looked = true;
        });
        platform::reportError(QStringLiteral("The picture cannot be shown."));
        QVERIFY(looked);
        QVERIFY(!game.findChild<QMessageBox*>());
        QTest::keyClick(&game, Qt::Key_P);
        QVERIFY(GamePause::instance().paused());
        GamePause::instance().resume();
    }

    void theIntroSwitchesWithF11()
    {
        // The intro has no menu: its key is its own.
        qputenv("KELVARIN_SCREEN", "1280x1024");
        TIntro intro;
        QCOMPARE(intro.size(), QSize(1280, 1024));
        QShortcut* f11 = nullptr;
        for (QShortcut* key : intro.findChildren<QShortcut*>()) {
            if (key->key() == QKeySequence(Qt::Key_F11))
                f11 = key;
        }
        QVERIFY(f11);
        emit f11->activated();
        QVERIFY(!WindowMode::instance().fullScreen());
        QCOMPARE(intro.size(), QSize(1024, 768));
        emit f11->activated();
        QCOMPARE(intro.size(), QSize(1280, 1024));
    }
};

QTEST_MAIN(WindowModeTest)
#include "tst_windowmode.moc"
