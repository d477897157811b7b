// The inventory view: its five lists, paging fifteen lines a page, the page
// kept between openings, and what a trade with a spirit changes in it; the
// texts of the food reserves and the trade list it reads from; the view for
// the keyboard and screen readers.

#include "activities/reserves.h"
#include "activities/tradelist.h"
#include "announcementspy.h"
#include "errorcapture.h"
#include "fakemedia.h"
#include "media/pictures.h"
#include "modalscript.h"
#include "platform/bevelpanel.h"
#include "platform/bitbtn.h"
#include "platform/picturebox.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/inventory.h"
#include "shops/plural.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <memory>

using goods::possessions;

namespace {

void own(int item, int count)
{
    possessions().ItemCount.at(static_cast<std::size_t>(item)) = static_cast<std::uint8_t>(count);
}

// The player picks a list in the selector.
void choose(TInventory& inventory, int kind)
{
    inventory.Select->setCurrentIndex(kind);
    emit inventory.Select->activated(kind);
}

QStringList shownLines(const TInventory& inventory)
{
    QStringList lines;
    for (const QLabel* line : inventory.L)
        lines << line->text();
    return lines;
}

// What a page of `list` shows from line `start`: fifteen lines, blank after
// the end.
QStringList expectedPage(const QStringList& list, int start)
{
    QStringList page;
    for (int k = 0; k < TInventory::Lines; ++k)
        page << list.value(start + k);
    return page;
}

} // namespace

class InventoryTest : public QObject {
    Q_OBJECT

    FakeMedia media;

    std::unique_ptr<TGame> game;
    std::unique_ptr<TStore> store;
    std::unique_ptr<TInventory> inventory;

    // A list of `lines` entries of the chosen kind, made so.
    QStringList makeList(int kind, int lines)
    {
        QStringList list;
        for (int k = 0; k < lines; ++k) {
            switch (kind) {
            case TInventory::FleaMarketItems:
                own(k * 3, k + 2);
                list << goods::GetItemName(k * 3);
                break;
            case TInventory::TradingPostItems:
                own(goods::FirstProvision + k, 2);
                list << goods::GetItemName(goods::FirstProvision + k);
                break;
            case TInventory::FishCaught:
                list << QStringLiteral("%1 lb 3 oz bluegill").arg(k + 1);
                break;
            default:
                break;
            }
        }
        if (kind == TInventory::FishCaught)
            game->FishList = list;
        return list;
    }

private slots:
    void init()
    {
        goods::resetPossessions();
        resetInventoryPage();
        resetGameState();
        ErrorCapture missingPictures;
        game = std::make_unique<TGame>();
        game->TradeList = tradeListLines();
        store = std::make_unique<TStore>();
        inventory = std::make_unique<TInventory>();
        Game = game.get();
        Store = store.get();
        Inventory = inventory.get();
    }

    void cleanup()
    {
        Game = nullptr;
        Store = nullptr;
        Inventory = nullptr;
        inventory.reset();
        store.reset();
        game.reset();
    }

    void theBackgroundIsLoaded()
    {
        ErrorCapture errors;
        TInventory view;
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
        QCOMPARE(view.Image1->picture().size(), QSize(350, 400));
    }

    void theFleaMarketOffersOneListAndTheTrailFive()
    {
        QCOMPARE(inventory->Select->count(), 1);
        QCOMPARE(inventory->Select->itemText(0), QStringLiteral("Flea Market Items"));
        inventory->ShowList();
        inventory->ShowList();
        QStringList entries;
        for (int k = 0; k < inventory->Select->count(); ++k)
            entries << inventory->Select->itemText(k);
        QCOMPARE(entries, (QStringList{"Flea Market Items", "Trading Post Items", "Traded Items",
                                       "Game Reserves", "Fish Caught"}));
        QCOMPARE(inventory->Select->currentIndex(), 0);
    }

    void longListsArePagedFifteenLinesAPage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("lines");
        for (int lines : {15, 16, 20, 30}) {
            QTest::addRow("%d fish", lines) << int(TInventory::FishCaught) << lines;
            QTest::addRow("%d market goods", lines) << int(TInventory::FleaMarketItems) << lines;
        }
        QTest::newRow("20 provisions") << int(TInventory::TradingPostItems) << 20;
        QTest::newRow("no fish") << int(TInventory::FishCaught) << 0;
    }

    void longListsArePagedFifteenLinesAPage()
    {
        QFETCH(int, kind);
        QFETCH(int, lines);
        const QStringList list = makeList(kind, lines);
        TInventory& view = *inventory;
        view.ShowList();
        choose(view, kind);
        QCOMPARE(view.Tag, kind);
        QCOMPARE(shownLines(view), expectedPage(list, 0));

        const bool paged = lines > 15;
        QCOMPARE(view.Forward->isVisibleTo(&view), paged);
        QCOMPARE(view.Back->isVisibleTo(&view), paged);
        if (!paged)
            return;
        QVERIFY(view.Forward->isEnabled());
        QVERIFY(!view.Back->isEnabled());

        view.Forward->click();
        QCOMPARE(shownLines(view), expectedPage(list, 15));
        QVERIFY(view.Back->isEnabled());
        QCOMPARE(view.Forward->isEnabled(), lines > 30);
        view.ForwardClick(); // past the end: nothing happens
        QCOMPARE(inventoryPage().InvStart, 15);

        view.Back->click();
        QCOMPARE(shownLines(view), expectedPage(list, 0));
        QVERIFY(!view.Back->isEnabled());
        QVERIFY(view.Forward->isEnabled());
        view.BackClick();
        QCOMPARE(inventoryPage().InvStart, 0);
    }

    void theGameReservesShowFishAndMeatWithALineBetween()
    {
        makeList(TInventory::FishCaught, 20);
        gameState().FishLb = 12;
        gameState().FishOz = 7;
        gameState().PoundsEaten = 24;
        goods::possessions().ItemCount[goods::FirstProvision] = 5; // flour
        goods::possessions().ItemCount[goods::FirstProvision + 13] = 9; // salt is no meal
        TInventory& view = *inventory;
        view.ShowList();
        choose(view, TInventory::FishCaught);
        view.Forward->click();
        choose(view, TInventory::GameReserves);
        QStringList expected(15);
        expected[0] = QStringLiteral("fish in storage: 12 lb 7 oz");
        expected[2] = QStringLiteral("meat in storage: 0 lb");
        expected[4] = QStringLiteral("other food in storage: 5 lb");
        expected[6] = QStringLiteral("eaten on the trail so far: 24 lb");
        QCOMPARE(shownLines(view), expected);
        QVERIFY(!view.Forward->isVisibleTo(&view));
        QVERIFY(!view.Back->isVisibleTo(&view));
    }

    void aTradeRemovesTheWholeStockAndListsTheThingReceived()
    {
        own(180, 1); // pair of slippers
        own(183, 2); // toy rabbit
        TInventory& view = *inventory;
        view.ShowList();
        view.ReadData();
        QCOMPARE(shownLines(view).mid(0, 3),
                 (QStringList{goods::GetItemName(180), "2 toy rabbits", ""}));

        store->Trades(1, 183);  // bear oil for the toy rabbits
        store->Trades(30, 180); // some beads
        view.ReadData();
        QCOMPARE(shownLines(view).mid(0, 1), QStringList{""});
        QCOMPARE(goods::FMItems(), 0);

        choose(view, TInventory::TradedItems);
        QCOMPARE(shownLines(view).mid(0, 3), (QStringList{"bear oil", "some beads", ""}));
        QCOMPARE(view.TList->count(), 2);

        // The trapper's bear oil given to an ailing traveller is gone.
        GameState::addToTownSet(gameState().RemediesUsed, 3);
        view.ReadData();
        QCOMPARE(shownLines(view).mid(0, 2),
                 (QStringList{"bear oil (given as a remedy)", "some beads"}));
    }

    void thePageIsKeptBetweenOpenings()
    {
        makeList(TInventory::FishCaught, 20);
        TInventory& view = *inventory;
        view.ShowList();
        choose(view, TInventory::FishCaught);
        view.Forward->click();
        QString firstLine;
        bool backEnabled = false, forwardShown = false;
        ModalScript script;
        script.then([&](QWidget*) {
            firstLine = view.L[0]->text();
            backEnabled = view.Back->isEnabled();
            forwardShown = view.Forward->isVisible();
            view.Close1->click();
        });
        view.ReadData(); // the trail screen refreshes before it shows the view
        view.ShowModal();
        QVERIFY(script.allAnswered());
        QCOMPARE(firstLine, QStringLiteral("16 lb 3 oz bluegill"));
        QVERIFY(backEnabled);
        QVERIFY(forwardShown);
        QCOMPARE(view.Tag, int(TInventory::FishCaught));
    }

    void aListThatShrankShowsItsLastPage()
    {
        makeList(TInventory::FleaMarketItems, 20);
        TInventory& view = *inventory;
        view.ReadData();
        view.Hands();
        view.Forward->click();
        QCOMPARE(inventoryPage().InvStart, 15);
        for (int k = 0; k < 8; ++k)
            store->Trades(28 + k, k * 3);
        view.ReadData();
        view.Hands();
        QCOMPARE(inventoryPage().InvStart, 0);
        QCOMPARE(view.L[0]->text(), goods::GetItemName(24));
        QCOMPARE(view.L[11]->text(), goods::GetItemName(57));
        QVERIFY(view.L[12]->text().isEmpty());
        QVERIFY(!view.Back->isEnabled());
        QVERIFY(!view.Forward->isVisibleTo(&view));
    }

    void openingRecountsWhetherToPage()
    {
        TInventory& view = *inventory;
        view.FormActivate();
        QVERIFY(!view.Forward->isVisibleTo(&view));
        makeList(TInventory::FleaMarketItems, 16);
        view.ReadData();
        view.FormActivate();
        QVERIFY(view.Forward->isVisibleTo(&view));
        QVERIFY(view.Forward->isEnabled());
    }

    void theViewReadsNoListsWithoutTheTrailScreen()
    {
        Game = nullptr;
        TInventory& view = *inventory;
        view.ShowList();
        choose(view, TInventory::FishCaught);
        QCOMPARE(shownLines(view), QStringList(15));
        store->Trades(2, 0);
        choose(view, TInventory::TradedItems);
        QCOMPARE(shownLines(view).first(), QString());
        QCOMPARE(view.TList->count(), 1);
    }

    void theReservesAreWrittenInPoundsAndOunces_data()
    {
        QTest::addColumn<int>("pounds");
        QTest::addColumn<int>("ounces");
        QTest::addColumn<QString>("fish");
        QTest::newRow("at the start") << 0 << 0 << "fish in storage: 0 lb 0 oz";
        QTest::newRow("a big catch") << 1234 << 15 << "fish in storage: 1234 lb 15 oz";
    }

    void theReservesAreWrittenInPoundsAndOunces()
    {
        QFETCH(int, pounds);
        QFETCH(int, ounces);
        QFETCH(QString, fish);
        gameState().FishLb = pounds;
        gameState().FishOz = ounces;
        QCOMPARE(GameWeight(false), fish);
        QCOMPARE(GameWeight(true), QStringLiteral("meat in storage: 0 lb"));
    }

    void twoSmallFishMakeAPoundAndThreeOunces()
    {
        addWeight(gameState().FishLb, gameState().FishOz, 0, 10);
        addWeight(gameState().FishLb, gameState().FishOz, 0, 9);
        QCOMPARE(GameWeight(false), QStringLiteral("fish in storage: 1 lb 3 oz"));
    }

    void theTradeListHasFiftySevenLines()
    {
        const QStringList lines = tradeListLines();
        QCOMPARE(lines.size(), 57);
        QCOMPARE(lines[0], QStringLiteral("some snakeroot"));
        QCOMPARE(lines[1], QStringLiteral("bear oil"));
        QCOMPARE(lines[4], QStringLiteral("little deer's horn talisman"));
        QCOMPARE(lines[27], QStringLiteral("some firewood"));
        QCOMPARE(lines[28], QStringLiteral("some colored rocks"));
        QCOMPARE(lines[36], QStringLiteral("some fish oil"));
        QCOMPARE(lines[37], QStringLiteral("some advice"));
        QCOMPARE(lines[38], QStringLiteral("some pebbles"));
        QCOMPARE(lines[41], QStringLiteral("some advice"));
        QCOMPARE(lines[46], QStringLiteral("some good wishes"));
        QCOMPARE(lines[47], QStringLiteral("nothing"));
        for (int k = 48; k <= 53; ++k) {
            QVERIFY2(lines[k].endsWith(QLatin1Char('.')) && lines[k].size() < 80,
                     qPrintable(lines[k]));
            QVERIFY(lines[k].at(0).isUpper());
        }
        QCOMPARE(lines[54], QString());
        QCOMPARE(lines[55], QStringLiteral(" "));
        QCOMPARE(lines[56], QStringLiteral(" "));
    }

    void theKeyboardChoosesTheListAndTurnsItsPages()
    {
        const QStringList fish = makeList(TInventory::FishCaught, 20);
        TInventory& view = *inventory;
        view.ShowList();
        view.show();
        QCOMPARE(view.focusWidget(), view.Select);
        AnnouncementSpy spy(&view);
        // Down arrows on the selector walk its lists to the fish.
        for (int list = 0; list < TInventory::FishCaught; ++list)
            QTest::keyClick(view.Select, Qt::Key_Down);
        QCOMPARE(view.Tag, int(TInventory::FishCaught));
        QVERIFY(view.Forward->isVisible());

        QTest::keyClick(view.Forward, Qt::Key_Return);
        QCOMPARE(shownLines(view), expectedPage(fish, 15));
        QTest::keyClick(view.Back, Qt::Key_Space);
        QCOMPARE(shownLines(view), expectedPage(fish, 0));
        QCOMPARE(spy.texts, (QStringList{"Lines 16 to 20 of 20: " + fish.at(15),
                                         "Lines 1 to 15 of 20: " + fish.at(0)}));
        QTest::keyClick(view.Close1, Qt::Key_Return);
        QVERIFY(!view.isVisible());
    }
};

QTEST_MAIN(InventoryTest)
#include "tst_inventory.moc"
