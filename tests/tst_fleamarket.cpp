// The flea market: the walk from the lane through the shop door into the
// store and out again, the instruction steps that lead it (their ticks
// called directly), the shopkeeper's voice, the eagle's hints, quitting,
// where the controls go on screens of several sizes, and the market for
// the keyboard, screen readers and larger captions.

#include "announcementspy.h"
#include "errorcapture.h"
#include "fakemedia.h"
#include "media/pictures.h"
#include "modalscript.h"
#include "platform/bevelpanel.h"
#include "platform/bitbtn.h"
#include "platform/captionsize.h"
#include "platform/picturebox.h"
#include "platform/updown.h"
#include "presentation/storytexts.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/radialtransition.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "shops/fleascenes.h"
#include "shops/inventory.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

const QString DoorText = QStringLiteral(
    "Click on Door #4 to visit one of the shops now, and be sure to buy some items.");
const QString StoreText =
    QStringLiteral("Click on the screen to bring up the STORE MENU, and select the items you "
                   "want to buy.  Then click the PURCHASE button.");
const QString NothingBoughtText =
    QStringLiteral("You haven't purchased anything from the store!  You won't be able to trade.");
const QString GoodbyeText =
    QStringLiteral("After visiting all the shops, and making your purchases, Sedora tells you "
                   "how to start a very strange journey!");

bool panelShown(const TFleaMarket& m)
{
    return !m.IPic->isHidden() && !m.ILabel->isHidden();
}

bool panelHidden(const TFleaMarket& m)
{
    return m.IPic->isHidden() && m.ILabel->isHidden() && m.IButton->isHidden();
}

// The market windows made from now on fill a screen of this size.
void setScreen(QSize screen)
{
    qputenv("KELVARIN_SCREEN",
            QByteArray::number(screen.width()) + 'x' + QByteArray::number(screen.height()));
}

// A market of its own, from its arrival to "Click on Door #4 ...".
void walkToTheDoor(TFleaMarket& window)
{
    window.FT1->Enabled = false;
    window.FormShow();
    window.IButtonClick();
    window.T1Timer();
}

} // namespace

class FleaMarketTest : public QObject {
    Q_OBJECT

    FakeMedia media;
    ErrorCapture errors;
    TGame* game = nullptr;
    TStore* store = nullptr;
    TInventory* inventory = nullptr;
    TFleaMarket* market = nullptr;

    FakeMediaPlayer* voice() const { return media.player("MPTalk"); }
    FakeMediaPlayer* theme() const { return media.player("MPmus"); }

    // The store, opened by a click on the shop, leaves this much money.
    void answerStore(ModalScript& script, int moneyAfter, int* tagSeen = nullptr)
    {
        script.then([moneyAfter, tagSeen](QWidget* window) {
            auto* s = static_cast<TStore*>(window);
            if (tagSeen)
                *tagSeen = s->Tag;
            s->setMoney(moneyAfter);
            s->close();
        });
    }

    // From the arrival to the store instruction inside the shop.
    void walkIntoTheShop()
    {
        market->IButtonClick();
        market->T1Timer(); // the door
        market->Door2Click();
        market->T1Timer(); // the store
    }

private slots:
    void initTestCase() { QDir::setCurrent(QStringLiteral(KELVARIN_DATA_DIR)); }

    void init()
    {
        qputenv("KELVARIN_SCREEN", "1024x768");
        resetGameState();
        resetApplication();
        goods::resetPossessions();
        resetInventoryPage();
        errors.messages.clear();
        Game = game = new TGame;
        Store = store = new TStore;
        Inventory = inventory = new TInventory;
        FleaMarket = market = new TFleaMarket;
        market->FT1->Enabled = false; // no clock wipe: tests do not wait for it
        market->FormShow();
    }

    void cleanup()
    {
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Normal);
        delete market;
        delete inventory;
        delete store;
        delete game;
        FleaMarket = nullptr;
        Inventory = nullptr;
        Store = nullptr;
        Game = nullptr;
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
    }

    void theMarketOpensInTheLaneWithTheGreeting()
    {
        QCOMPARE(market->GridPos, 2);
        QCOMPARE(market->Image1->picture(), media::jpegPicture("fm02"));
        QVERIFY(!market->Image1->isEnabled());
        QVERIFY(panelShown(*market));
        QVERIFY(!market->IButton->isHidden());
        QVERIFY(market->ILabel->text().startsWith("The next day at the flea market, you meet "
                                                  "Sedora again"));
        QVERIFY(market->Door2->isHidden());
        QVERIFY(market->South->isHidden());
        QCOMPARE(market->South->picture().size(), QSize(55, 96));
        QVERIFY(!market->eag->icon().isNull());
        QVERIFY(!market->LFTimage->picture().isNull());
        QCOMPARE(store->ym1->text(), QStringLiteral("50"));
        QCOMPARE(store->Image1->picture(), media::jpegPicture("storelist"));
        QVERIFY(!market->T1->isActive());
        QCOMPARE(market->T1->interval(), 1500);
        // The market appears through the trail screen's clock wipe.
        QCOMPARE(market->FT1->ShowTransition.data(), game->Transition2);
        QVERIFY(!market->FT1->DestroyTransitions);
    }

    void theWalkLeadsThroughTheShopAndOnToTheTrail()
    {
        market->show();
        App().StartCode = StartCodes::Quit; // the walk's end puts it back

        market->IButtonClick(); // step 1: the panel goes away
        QCOMPARE(market->T1Tag, 1);
        QVERIFY(panelHidden(*market));
        QVERIFY(market->T1->isActive());

        market->T1Timer(); // step 2: the door
        QCOMPARE(market->ILabel->text(), DoorText);
        QVERIFY(panelShown(*market) && market->IButton->isHidden());
        QVERIFY(!market->Door2->isHidden());
        QVERIFY(!market->T1->isActive());

        market->Door2Click(); // into the shop
        QCOMPARE(market->GridPos, 22);
        QCOMPARE(market->Image1->picture(), media::jpegPicture("fm22"));
        QVERIFY(!market->South->isHidden());
        QVERIFY(market->Door2->isHidden());
        QVERIFY(panelHidden(*market));
        QVERIFY(market->T1->isActive());

        market->SouthClick(); // ignored: the next instruction has not been read
        QCOMPARE(market->GridPos, 22);

        market->T1Timer(); // step 3: the store
        QCOMPARE(market->ILabel->text(), StoreText);
        QVERIFY(market->Image1->isEnabled());
        QVERIFY(market->ScreenArmed);
        QVERIFY(!market->T1->isActive());

        ModalScript script;
        int storeTag = 0;
        answerStore(script, 41, &storeTag);
        market->ScreenClick();
        QCOMPARE(storeTag, 22);
        QVERIFY(panelHidden(*market));
        QCOMPARE(voice()->calls.mid(voice()->calls.size() - 2),
                 (QStringList{"Play 100-2800", "Play 2900-4400"}));

        market->SouthClick(); // out, having bought something
        QCOMPARE(market->GridPos, 2);
        QCOMPARE(market->Image1->picture(), media::jpegPicture("fm02"));
        QVERIFY(market->South->isHidden());
        QVERIFY(market->T1->isActive());

        market->T1Timer(); // step 5: goodbye
        QCOMPARE(market->ILabel->text(), GoodbyeText);
        QVERIFY(!market->IButton->isHidden());

        market->IButtonClick(); // step 6
        QVERIFY(panelHidden(*market));
        QVERIFY(market->T1->isActive());

        market->T1Timer(); // step 7: the last words, four seconds long
        QCOMPARE(market->ILabel->text(), story::fleaMarketFarewell());
        QVERIFY(panelShown(*market));
        QVERIFY(market->T1->isActive());
        QCOMPARE(market->T1->interval(), 4000);

        market->T1Timer(); // step 8: on to the trail
        QCOMPARE(App().StartCode, StartCodes::GoOn);
        QVERIFY(!market->isVisible());
        QVERIFY(!market->T1->isActive());
        QCOMPARE(script.unexpected(), 0);
    }

    void whatCountsAsAPurchaseWhenLeavingTheShop_data()
    {
        QTest::addColumn<int>("spent"); // -1: the store is cancelled
        QTest::addColumn<QString>("message");
        QTest::newRow("store cancelled") << -1 << NothingBoughtText;
        QTest::newRow("a purchase of $0") << 0 << NothingBoughtText;
        QTest::newRow("one painting") << 9 << GoodbyeText;
    }

    void whatCountsAsAPurchaseWhenLeavingTheShop()
    {
        QFETCH(int, spent);
        QFETCH(QString, message);
        walkIntoTheShop();
        ModalScript script;
        script.then([spent](QWidget* window) {
            auto* s = static_cast<TStore*>(window);
            if (spent < 0) {
                s->Cancel->click();
                return;
            }
            if (spent > 0) { // the wolf painting, $9
                s->u[0]->setPosition(1);
                s->uClick(0);
            }
            s->Purchase->click();
        });
        market->ScreenClick();
        QCOMPARE(store->money(), 50 - std::max(spent, 0));
        market->SouthClick();
        market->T1Timer();
        QCOMPARE(market->ILabel->text(), message);
        QVERIFY(!market->IButton->isHidden());
    }

    void leavingWithoutBuyingLeadsBackToTheDoor()
    {
        walkIntoTheShop();
        ModalScript script;
        answerStore(script, 50);
        market->ScreenClick();
        market->SouthClick();
        market->T1Timer();
        QCOMPARE(market->ILabel->text(), NothingBoughtText);
        QVERIFY(!market->T1->isActive());

        market->IButtonClick(); // Okay: the door instruction again
        QCOMPARE(market->ILabel->text(), DoorText);
        QVERIFY(!market->Door2->isHidden());
        market->Door2Click();
        QCOMPARE(market->GridPos, 22);
        QCOMPARE(market->Image1->picture(), media::jpegPicture("fm22"));
    }

    void theKeeperGreetsEveryVisitAndThanksOnlyForMoneySpent()
    {
        walkIntoTheShop();
        ModalScript script;
        answerStore(script, 50);
        answerStore(script, 45);
        answerStore(script, 45);
        market->ScreenClick();
        QCOMPARE(voice()->calls.last(), QStringLiteral("Play 100-2800"));
        market->ScreenClick();
        QCOMPARE(voice()->calls.last(), QStringLiteral("Play 2900-4400"));
        market->ScreenClick();
        QCOMPARE(voice()->calls.last(), QStringLiteral("Play 100-2800"));
        QCOMPARE(voice()->plays, 4);
        QCOMPARE(script.answered(), 3);
        QVERIFY(!theme()->isPlaying()); // hushed while the keeper speaks

        market->SouthClick();
        QVERIFY(theme()->isPlaying());
    }

    void clicksOnTheSceneOpenNothingUntilTheStoreIsOffered()
    {
        ModalScript script;
        market->ScreenClick(); // arrival
        market->IButtonClick();
        market->T1Timer();
        market->ScreenClick(); // the door instruction
        market->Door2Click();
        market->ScreenClick(); // inside, before the store instruction
        QCoreApplication::processEvents();
        QVERIFY(script.seen.isEmpty());
        QCOMPARE(voice()->plays, 0);
    }

    void sixEagleClicksShowEveryHintAndStartAgain_data()
    {
        QTest::addColumn<bool>("inTheShop");
        QTest::addColumn<QString>("secondHint");
        QTest::addColumn<QString>("place");
        QTest::newRow("lane") << false
                              << "Click on doors to enter shops.  Or click on the items you wish "
                                 "to buy, and select them from the list."
                              << "right or left side";
        QTest::newRow("shop") << true
                              << "The shopkeeper may speak to you.  Place cursor over face of "
                                 "shopkeeper, and click the mouse button."
                              << "bottom";
    }

    void sixEagleClicksShowEveryHintAndStartAgain()
    {
        QFETCH(bool, inTheShop);
        QFETCH(QString, secondHint);
        QFETCH(QString, place);
        if (inTheShop)
            walkIntoTheShop();
        const QStringList expected{
            story::eagleLore(1),
            secondHint,
            story::eagleLore(2),
            "You may purchase items shown in this scene.  Click on the items you wish to buy, and "
            "select them from the list.",
            story::eagleLore(3),
            "Click on the THIS WAY sign at the " + place + " of the screen to change scenes.",
            story::eagleLore(1)};
        QStringList shown;
        for (int click = 0; click < expected.size(); ++click) {
            market->eag->click();
            shown << market->eagLabel->text();
        }
        QCOMPARE(shown, expected);
        market->eagLabelClick();
        QVERIFY(market->eagLabel->text().isEmpty());
    }

    void theInventoryIsRefreshedOnlyAfterAPurchase()
    {
        const int firstPainting = goods::Converts(22) * ListLength;
        goods::possessions().ItemCount[static_cast<std::size_t>(firstPainting)] = 2;
        ModalScript script;
        script.thenClick("Close1");
        market->InvFMClick();
        QVERIFY(inventory->L[0]->text().isEmpty()); // nothing bought here yet

        store->Purchase->Tag = 1;
        script.thenClick("Close1");
        market->InvFMClick();
        QCOMPARE(inventory->L[0]->text(), goods::GetItemName(firstPainting));
        QCOMPARE(store->Purchase->Tag, 0);
        QCOMPARE(script.answered(), 2);
    }

    void exitProgramAsksFirst_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("quits");
        QTest::newRow("yes") << "Okay1" << true;
        QTest::newRow("no") << "No1" << false;
    }

    void exitProgramAsksFirst()
    {
        QFETCH(QString, answer);
        QFETCH(bool, quits);
        market->show();
        ModalScript script;
        QString question;
        script.then([&](QWidget* box) {
            question = box->findChild<QLabel*>("Label1")->text();
            box->findChild<QPushButton*>(answer)->click();
        });
        market->Exit->trigger();
        QCOMPARE(question, QStringLiteral("Are you sure you want to Quit?"));
        QCOMPARE(market->isVisible(), !quits);
        QCOMPARE(App().StartCode, StartCodes::Quit);
        QCOMPARE(market->ExitTag, 0);
        if (!quits) {
            // The market goes on; its own end closes it without asking.
            market->T1Tag = 7;
            market->T1Timer();
            QCOMPARE(App().StartCode, StartCodes::GoOn);
            QVERIFY(!market->isVisible());
            QCOMPARE(script.answered(), 1);
        }
    }

    void theSoundMenuFollowsTheTrailScreens()
    {
        game->Sound->setEnabled(false);
        TFleaMarket later;
        QVERIFY(!later.Sound1->isEnabled());
        later.FormActivate();
        QVERIFY(!later.Sound1->isEnabled());
        game->Sound->setEnabled(true);
        later.FormActivate();
        QVERIFY(later.Sound1->isEnabled());
    }

    void layoutFollowsTheScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QRect>("image");
        QTest::addColumn<int>("sidePanels"); // width, 0 when hidden
        QTest::addColumn<int>("bottomPanel");
        QTest::addColumn<QPoint>("bar");
        QTest::addColumn<QPoint>("instructions");
        QTest::addColumn<QRect>("door");
        QTest::addColumn<QRect>("south");
        QTest::addColumn<QRect>("west");
        QTest::addColumn<QRect>("east");
        QTest::newRow("1024x768") << QSize(1024, 768) << QRect(115, 0, 800, 600) << 115 << 150
                                  << QPoint(192, 40) << QPoint(402, 140) << QRect(648, 72, 81, 193)
                                  << QRect(495, 502, 55, 96) << QRect(115, 135, 105, 60)
                                  << QRect(815, 135, 105, 60);
        // Exactly 768 high: the scene keeps its place, the width still scales
        // the signs and the way out.
        QTest::newRow("960x768") << QSize(960, 768) << QRect(115, 0, 800, 600) << 115 << 150
                                 << QPoint(160, 40) << QPoint(370, 140) << QRect(648, 72, 81, 193)
                                 << QRect(471, 502, 51, 96) << QRect(115, 135, 98, 60)
                                 << QRect(771, 135, 98, 60);
        QTest::newRow("1280x1024")
            << QSize(1280, 1024) << QRect(143, 0, 1000, 800) << 143 << 204 << QPoint(320, 53)
            << QPoint(530, 186) << QRect(810, 72, 101, 257) << QRect(618, 669, 68, 128)
            << QRect(143, 180, 131, 80) << QRect(1018, 180, 131, 80);
        QTest::newRow("800x600") << QSize(800, 600) << QRect(0, 0, 800, 600) << 0 << 75
                                 << QPoint(80, 4) << QPoint(290, 109) << QRect(538, 72, 81, 193)
                                 << QRect(380, 415, 55, 96) << QRect(0, 135, 105, 60)
                                 << QRect(700, 135, 105, 60);
        QTest::newRow("640x480") << QSize(640, 480) << QRect(0, 0, 800, 600) << 0 << 75
                                 << QPoint(0, 4) << QPoint(210, 87) << QRect(538, 72, 81, 193)
                                 << QRect(380, 295, 55, 96) << QRect(0, 135, 105, 60)
                                 << QRect(700, 135, 105, 60);
    }

    void layoutFollowsTheScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QRect, image);
        QFETCH(int, sidePanels);
        QFETCH(int, bottomPanel);
        QFETCH(QPoint, bar);
        QFETCH(QPoint, instructions);
        QFETCH(QRect, door);
        QFETCH(QRect, south);
        QFETCH(QRect, west);
        QFETCH(QRect, east);

        const FleaLayout l = computeFleaLayout(screen.width(), screen.height());
        QCOMPARE(l.Image1, image);
        QCOMPARE(l.SceneLeft, image.left());
        QCOMPARE(l.SidePanelsShown ? l.SidePanelWidth : 0, sidePanels);
        QCOMPARE(l.BottomPanelHeight, bottomPanel);
        QCOMPARE(l.Panel1, bar);
        QCOMPARE(l.IPic, instructions);
        QCOMPARE(l.ILabel, instructions + QPoint(20, 110));
        QCOMPARE(l.IButton, instructions + QPoint(110, 230));
        QCOMPARE(l.Door2, door);
        QCOMPARE(l.South, south);
        QCOMPARE(l.West, west);
        QCOMPARE(l.East, east);

        // The window places its controls so, below its menu.
        setScreen(screen);
        TFleaMarket window;
        QCOMPARE(window.size(), screen);
        QCOMPARE(window.Image1->geometry(), image);
        QCOMPARE(window.LeftPanel->isVisibleTo(&window), sidePanels > 0);
        QCOMPARE(window.RightPanel->isVisibleTo(&window), sidePanels > 0);
        if (sidePanels > 0) {
            QCOMPARE(window.RightPanel->geometry().right(), window.Client->width() - 1);
            QCOMPARE(window.LeftPanel->geometry().bottom() + 1, window.Panel2->y());
        }
        QCOMPARE(window.Panel2->geometry(), QRect(0, window.Client->height() - bottomPanel,
                                                  window.Client->width(), bottomPanel));
        QCOMPARE(window.Panel1->pos(), bar);
        QCOMPARE(window.IPic->pos(), instructions);
        QCOMPARE(window.IButton->pos(), instructions + QPoint(110, 230));
        QCOMPARE(window.Door2->geometry(), door);
        QCOMPARE(window.South->geometry(), south);
    }

    void theDoorStaysInSightWhileThePanelPointsAtIt_data()
    {
        QTest::addColumn<QSize>("screen");
        for (QSize size : {QSize(1024, 768), QSize(960, 768), QSize(1280, 1024), QSize(800, 600),
                           QSize(640, 480)})
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height())))
                << size;
    }

    void theDoorStaysInSightWhileThePanelPointsAtIt()
    {
        QFETCH(QSize, screen);
        setScreen(screen);
        TFleaMarket window;
        walkToTheDoor(window);
        QVERIFY(window.ILabel->text().startsWith("Click on Door #4"));
        const QRect panel = window.IPic->geometry();
        QVERIFY2(!panel.intersects(window.Door2->geometry()),
                 qPrintable(QStringLiteral("panel %1,%2 %3x%4")
                                .arg(panel.x())
                                .arg(panel.y())
                                .arg(panel.width())
                                .arg(panel.height())));
        QVERIFY(window.Client->rect().contains(panel));
        for (QWidget* onPanel : std::initializer_list<QWidget*>{window.ILabel, window.IButton})
            QVERIFY(panel.contains(onPanel->geometry().topLeft()));
        // In the shop the panel is back in its place.
        window.Door2Click();
        window.T1Timer();
        QCOMPARE(window.IPic->pos(), window.layout.IPic);
        QCOMPARE(window.ILabel->pos(), window.layout.ILabel);
    }

    void doorThreeIsClosedAndSaysSo()
    {
        QVERIFY(!market->Door1->isHidden());
        QVERIFY(market->Door1->isEnabled());
        QTest::mouseClick(market->Door1, Qt::LeftButton);
        QCOMPARE(market->eagLabel->text(),
                 QStringLiteral("This shop is closed today.  Door #4 is open."));
        QCOMPARE(market->GridPos, 2); // nobody goes in
        walkIntoTheShop();
        QVERIFY(market->Door1->isHidden()); // no door #3 inside the shop
    }

    void aSmallWindowShiftsTheShopSoItsKeeperStaysInView()
    {
        qputenv("KELVARIN_SCREEN", "640x480");
        TFleaMarket small;
        small.Door2Click();
        QCOMPARE(small.Image1->pos(), QPoint(-140, -15));
        small.InfoShown = false;
        small.SouthClick();
        QCOMPARE(small.Image1->pos(), QPoint(0, 0));
        // From 600 pixels up the scene stays where the layout put it.
        QCOMPARE(fleaScenePosition(22, 600, QPoint(0, 0)), QPoint(0, 0));
    }

    void anEagleGlyphThatIsMissingIsReportedAndTheMarketStillAppears()
    {
        QDir::setCurrent(QDir::tempPath());
        market->Image1->clearPicture();
        market->FormShow();
        QDir::setCurrent(QStringLiteral(KELVARIN_DATA_DIR));
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().contains("fleamart/eaghd1.bmp"));
        errors.messages.clear();
        QCOMPARE(market->Image1->picture(), media::jpegPicture("fm02"));
    }

    void theKeyboardAloneWalksTheMarketOnToTheTrail()
    {
        // Keys go to whatever has the focus; the steps' ticks are called.
        const auto press = [this](Qt::Key key) {
            QWidget* focused = market->focusWidget();
            QVERIFY(focused);
            QTest::keyClick(focused, key);
        };
        market->show();
        QCOMPARE(market->focusWidget(), market->IButton);
        press(Qt::Key_Return); // the arrival's Okay
        QCOMPARE(market->T1Tag, 1);

        market->T1Timer(); // "Click on Door #4 ..."
        QCOMPARE(market->focusWidget(), market->Door2);
        press(Qt::Key_Return);
        QCOMPARE(market->GridPos, 22);

        market->T1Timer(); // "Click on the screen ..."
        QCOMPARE(market->focusWidget(), market->Image1);
        ModalScript script;
        answerStore(script, 41);
        press(Qt::Key_Space);
        QCOMPARE(script.answered(), 1);

        press(Qt::Key_Tab);
        QCOMPARE(market->focusWidget(), market->South);
        press(Qt::Key_Return);
        QCOMPARE(market->GridPos, 2);

        market->T1Timer(); // the goodbye
        QCOMPARE(market->focusWidget(), market->IButton);
        press(Qt::Key_Return);
        market->T1Timer();
        market->T1Timer();
        QCOMPARE(App().StartCode, StartCodes::GoOn);
        QVERIFY(!market->isVisible());
    }

    void tabVisitsThePlacesThatCanBePressedNow_data()
    {
        QTest::addColumn<bool>("inTheShop");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("the lane, asked to go through door #4")
            << false << QStringList{"Door2", "Door1", "InvFM", "eag"};
        QTest::newRow("the shop, asked to open the store")
            << true << QStringList{"Image1", "South", "InvFM", "eag"};
    }

    void tabVisitsThePlacesThatCanBePressedNow()
    {
        QFETCH(bool, inTheShop);
        QFETCH(QStringList, order);
        market->show();
        market->IButtonClick();
        market->T1Timer();
        if (inTheShop) {
            market->Door2Click();
            market->T1Timer();
        }
        QStringList visited;
        for (int tab = 0; tab <= order.size(); ++tab) {
            visited << market->focusWidget()->objectName();
            QTest::keyClick(market->focusWidget(), Qt::Key_Tab);
        }
        // Round and back to the start.
        QCOMPARE(visited, order + QStringList{order.first()});
        // What is not a place to press never takes the focus.
        for (QWidget* picture :
             std::initializer_list<QWidget*>{market->IPic, market->LFTimage, market->BOTimage})
            QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
    }

    void theSceneSaysWhatItShowsAndWhatPressingItDoes()
    {
        const auto described = [this] {
            QAccessibleInterface* scene = QAccessible::queryAccessibleInterface(market->Image1);
            return scene->text(QAccessible::Description);
        };
        QCOMPARE(described(), QStringLiteral("The flea market lane."));
        walkIntoTheShop();
        QCOMPARE(described(), QStringLiteral("Inside the shop.  Press to open the store."));
        QCOMPARE(QAccessible::queryAccessibleInterface(market->Image1)->role(),
                 QAccessible::Button);
        market->InfoShown = false;
        market->SouthClick();
        QCOMPARE(described(), QStringLiteral("The flea market lane."));
        market->T1Timer(); // the panel: the scene is not armed
        market->IButtonClick();
        market->T1Timer();
        market->Door2Click();
        QCOMPARE(described(), QStringLiteral("Inside the shop."));
    }

    void newInstructionsAndLinesAreAnnounced()
    {
        market->show();
        AnnouncementSpy spy(market);
        QCoreApplication::processEvents();
        market->FormActivate();
        QVERIFY(spy.texts.value(0).startsWith("The next day at the flea market"));
        QVERIFY(spy.texts.value(0).endsWith("You have $50 to spend. "));
        market->IButtonClick();
        market->T1Timer();
        market->Door1Click();
        market->eag->click();
        market->Door2Click();
        market->T1Timer();
        QCOMPARE(spy.texts.mid(1),
                 (QStringList{DoorText, "This shop is closed today.  Door #4 is open.",
                              story::eagleLore(1), StoreText}));
        // Activated again (after the store), nothing is said twice.
        market->FormActivate();
        QCOMPARE(spy.texts.size(), 5);
    }

    void theShopkeepersWordsStandInTheBottomLine_data()
    {
        QTest::addColumn<int>("moneyAfter");
        QTest::addColumn<QString>("afterwards");
        QTest::newRow("something bought") << 41 << "Thank you kindly!";
        QTest::newRow("nothing bought") << 50 << "";
    }

    void theShopkeepersWordsStandInTheBottomLine()
    {
        QFETCH(int, moneyAfter);
        QFETCH(QString, afterwards);
        walkIntoTheShop();
        ModalScript script;
        QString whileInTheStore;
        script.then([&](QWidget* window) {
            whileInTheStore = market->eagLabel->text();
            static_cast<TStore*>(window)->setMoney(moneyAfter);
            window->close();
        });
        market->ScreenClick();
        QCOMPARE(whileInTheStore, QStringLiteral("Hello there!  May I help you?"));
        QCOMPARE(market->eagLabel->text(), afterwards);
    }

    void theHelpMenuOffersTheCaptionSizes()
    {
        for (const char* name : {"NormalCaptions", "LargeCaptions", "LargerCaptions"})
            QVERIFY2(market->Help1->findChild<QAction*>(name), name);
        market->Help1->findChild<QAction*>("LargeCaptions")->trigger();
        QCOMPARE(market->ILabel->font().pixelSize(), 20);
        QCOMPARE(market->eagLabel->font().pixelSize(), 20);
    }

    void largerCaptionsGrowThePanelAndTheBarInsideTheWindow_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("size");
        for (QSize screen : {QSize(1024, 768), QSize(1280, 1024), QSize(800, 600)}) {
            for (int size : {int(platform::CaptionSize::Large), int(platform::CaptionSize::Larger)})
                QTest::addRow("%dx%d, %s", screen.width(), screen.height(),
                              size == platform::CaptionSize::Large ? "large" : "larger")
                    << screen << size;
        }
    }

    void largerCaptionsGrowThePanelAndTheBarInsideTheWindow()
    {
        QFETCH(QSize, screen);
        QFETCH(int, size);
        setScreen(screen);
        TFleaMarket window;
        walkToTheDoor(window); // the panel beside door #4
        platform::CaptionSize::instance().setSize(static_cast<platform::CaptionSize::Size>(size));
        // The longest of the eagle's hints.
        QString longest;
        for (int tag = 0; tag <= 5; ++tag) {
            if (eagleHint(tag, 2).size() > longest.size())
                longest = eagleHint(tag, 2);
        }
        window.setBottomLine([longest] { return longest; });

        const double factor = platform::CaptionSize::instance().factor();
        QCOMPARE(window.ILabel->font().pixelSize(), qRound(16 * factor));
        const QRect panel = window.IPic->geometry();
        QCOMPARE(panel.size(), QSize(qRound(318 * factor), qRound(260 * factor)));
        QVERIFY(window.Client->rect().contains(panel));
        QVERIFY(!panel.intersects(window.Door2->geometry()));
        // The whole instruction fits on the panel, and so does its Okay.
        QVERIFY(panel.contains(window.ILabel->geometry()));
        QVERIFY(window.ILabel->heightForWidth(window.ILabel->width()) <= window.ILabel->height());
        QVERIFY(panel.contains(window.IButton->geometry()));

        // The whole hint shows in the bar, and the bar in the window.
        QVERIFY(window.eagLabel->heightForWidth(window.eagLabel->width()) <=
                window.eagLabel->height());
        QVERIFY(window.Panel1->rect().contains(window.eagLabel->geometry()));
        const QRect hintOnPanel(window.eagLabel->mapTo(window.Panel2, QPoint(0, 0)),
                                window.eagLabel->size());
        QVERIFY(window.Panel2->rect().contains(hintOnPanel));
        QVERIFY(window.Client->rect().contains(window.Panel2->geometry()));
        // The buttons keep to the bar's foot.
        QCOMPARE(window.eag->geometry().bottom(), window.Panel1->rect().bottom());
        QCOMPARE(window.InvFM->geometry().bottom(), window.Panel1->rect().bottom());

        // Back to normal, everything is where the layout puts it.
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Normal);
        window.clearBottomLine();
        QCOMPARE(window.Panel1->pos(), window.layout.Panel1);
        QCOMPARE(window.Panel1->size(), QSize(640, 72));
        QCOMPARE(window.IPic->pos(), window.layout.IPicBesideDoor);
    }

    void captionsKeptLargerFromLastTimeFitTheArrivalsPanel()
    {
        // The player left the captions larger: the market comes up so.
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Larger);
        TFleaMarket window;
        window.FT1->Enabled = false;
        window.FormShow();
        const double factor = platform::CaptionSize::instance().factor();
        const QRect panel = window.IPic->geometry();
        QCOMPARE(panel.size(), QSize(qRound(318 * factor), qRound(260 * factor)));
        QVERIFY(window.Client->rect().contains(panel));
        QVERIFY(panel.contains(window.ILabel->geometry()));
        QVERIFY(window.ILabel->heightForWidth(window.ILabel->width()) <= window.ILabel->height());
        QVERIFY(panel.contains(window.IButton->geometry()));
        // Its words end above the Okay.
        QVERIFY(window.ILabel->y() + window.ILabel->heightForWidth(window.ILabel->width()) <=
                window.IButton->y());
        platform::CaptionSize::instance().setSize(platform::CaptionSize::Normal);
    }

    void theBarGrowsUpwardsForALongHint_data()
    {
        QTest::addColumn<int>("hintHeight");
        QTest::addColumn<int>("panelTop");
        QTest::addColumn<QRect>("bar");
        // At 1024 x 768 the area below the menu is 748 high, the bottom
        // panel 150 and the bar stands 40 into it.
        QTest::newRow("two lines: as drawn") << 38 << 598 << QRect(192, 40, 640, 72);
        QTest::newRow("three lines: as drawn") << 64 << 598 << QRect(192, 40, 640, 72);
        QTest::newRow("four lines: upwards inside the panel")
            << 90 << 598 << QRect(192, 14, 640, 98);
        QTest::newRow("six lines: the panel grows over the scene")
            << 140 << 558 << QRect(192, 4, 640, 148);
    }

    void theBarGrowsUpwardsForALongHint()
    {
        QFETCH(int, hintHeight);
        QFETCH(int, panelTop);
        QFETCH(QRect, bar);
        const FleaBar fitted = fitFleaBar(computeFleaLayout(1024, 768), 748, hintHeight);
        QCOMPARE(fitted.BottomPanelTop, panelTop);
        QCOMPARE(fitted.Panel1, bar);
    }
};

QTEST_MAIN(FleaMarketTest)
#include "tst_fleamarket.moc"
