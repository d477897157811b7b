// Trading with the spirits: general and special offers, what a trade gives
// and takes, and the prompts that follow. The clock that seeds the offers is
// set by the test, so each case knows which offer comes.

#include "activities/fishingouting.h"
#include "platform/bevelpanel.h"
#include "platform/messagepump.h"
#include "platform/randomsource.h"
#include "seededsecond.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/language.h"
#include "shell/screens.h"
#include "shops/inventory.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"
#include "trailfixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

constexpr int ToyRaccoon = 181;
constexpr int ToyRabbit = 183;
constexpr int Onions = 17; // "bag of onions"

bool specialDraw(int x)
{
    return x % 1000 >= 800;
}

bool generalDraw(int x)
{
    return x % 1000 < 800;
}

} // namespace

class TradingTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TrailFixture> trail;
    TGame* game = nullptr;
    std::int64_t now = 0;

    GameState& s() { return gameState(); }

    // The spirit of `town` stands in the scene and may be traded with.
    void meetSpirit(int town)
    {
        s().Town = static_cast<std::uint8_t>(town);
        s().Stage = 2;
        s().Encounter = town == 2 ? 1 : 3;
        s().SpiritNo = town == 2 ? 2 : 1;
        s().TradeRound = 1;
        s().ClicksArmed = 1;
    }

private slots:
    void init()
    {
        trail = std::make_unique<TrailFixture>();
        game = trail->game;
        platform::gameRandom().setClock([this] { return now; });
    }

    void cleanup()
    {
        platform::gameRandom().setClock({});
        trail.reset();
    }

    void aPartyWithNothingToTradeIsToldSo()
    {
        meetSpirit(2);
        now = secondWhere(generalDraw);
        game->ClickScreen(100, 100);
        QVERIFY(game->TradePanel->isVisibleTo(game));
        QCOMPARE(game->Label5->text(), QStringLiteral("You have nothing to trade."));
        QVERIFY(game->TradeLabel->isHidden());
        QVERIFY(game->Button1->isHidden());
        QVERIFY(game->Button2->isHidden());
        QVERIFY(!game->Button3->isHidden());
    }

    void aGeneralOfferAsksForAnOwnedGoodForATrifle_data()
    {
        QTest::addColumn<int>("town");
        QTest::addColumn<QString>("opening");
        QTest::newRow("the girl") << 2 << "Will you give her 3 bags of onions in exchange for ";
        QTest::newRow("the trapper") << 3 << "Will you give him 3 bags of onions in exchange for ";
    }

    void aGeneralOfferAsksForAnOwnedGoodForATrifle()
    {
        QFETCH(int, town);
        QFETCH(QString, opening);
        goods::possessions().ItemCount[Onions] = 3;
        meetSpirit(town);
        now = secondWhere(generalDraw);
        game->MakeTrade();
        QVERIFY(game->Label5->text().startsWith(opening));
        QCOMPARE(s().TradeItem, Onions);
        QVERIFY(s().TradeOffer >= 28 && s().TradeOffer <= 36);
        QVERIFY(game->Label5->text().endsWith(game->TradeList.at(s().TradeOffer) + "?"));
    }

    void moreOffersWithinOneSecondRepeatTheGeneralOffer()
    {
        goods::possessions().ItemCount[Onions] = 3;
        goods::possessions().ItemCount[ToyRaccoon] = 1;
        goods::possessions().ItemCount[200] = 4;
        meetSpirit(3);
        now = secondWhere(generalDraw);
        game->MakeTrade();
        const QString first = game->Label5->text();
        game->Button2->click();
        QCOMPARE(game->Label5->text(), first);
    }

    void theTrappersSpecialOfferGivesBearOilForAllTheToyRabbits()
    {
        goods::possessions().ItemCount[ToyRabbit] = 2;
        meetSpirit(3);
        now = secondWhere(specialDraw);
        game->MakeTrade(); // the first special offer of the run is offer two
        QCOMPARE(game->Label5->text(),
                 QStringLiteral("Will you give him 2 toy rabbits in exchange for bear oil?"));
        QCOMPARE(s().TradeRound, 2);

        game->Button1->click();
        QCOMPARE(goods::possessions().ItemCount[ToyRabbit], 0);
        QCOMPARE(s().Score, 5);
        QCOMPARE(s().SnakeVictim, GameState::TradeCompleted);
        QVERIFY(game->TradePanel->isHidden());
        QCOMPARE(Inventory->TList->count(), 1);
        QCOMPARE(Inventory->TList->item(0)->text(), QStringLiteral("bear oil"));
        QVERIFY(game->IL1->text().startsWith("You'll need the bear oil"));
        QVERIFY(game->IP->isActive());
    }

    void aTradeMadeInAnotherLanguageIsRecordedInEnglish()
    {
        // The journal is the saved record: whatever the language the party
        // plays in, it keeps the same English words.
        QVERIFY(language::install(QStringLiteral("es")));
        goods::possessions().ItemCount[ToyRabbit] = 2;
        meetSpirit(3);
        now = secondWhere(specialDraw);
        game->MakeTrade();
        QVERIFY(game->Label5->text().contains(QStringLiteral("conejos")));
        game->Button1->click();
        QVERIFY(language::install(QStringLiteral("en")));
        QVERIFY2(game->journal.toLines().contains(
                     QStringLiteral("trade\t3\tuseful\t2 toy rabbits\tbear oil")),
                 qPrintable(game->journal.toLines().join(QLatin1Char('\n'))));
    }

    void theFirstRemedyComesWithTheWordThatNobodyShouldTryIt_data()
    {
        QTest::addColumn<bool>("snakerootBefore");
        QTest::newRow("the party's first remedy") << false;
        QTest::newRow("after the girl's snakeroot") << true;
    }

    void theFirstRemedyComesWithTheWordThatNobodyShouldTryIt()
    {
        QFETCH(bool, snakerootBefore);
        goods::possessions().TradeDone[0] = snakerootBefore ? 1 : 0;
        goods::possessions().ItemCount[ToyRabbit] = 2;
        game->IL2->hide();
        meetSpirit(3);
        now = secondWhere(specialDraw);
        game->MakeTrade();
        game->Button1->click();
        QVERIFY(game->IL1->text().startsWith("You'll need the bear oil"));
        QCOMPARE(game->IL2->isVisibleTo(game), !snakerootBefore);
        if (!snakerootBefore) {
            QVERIFY(game->IL2->text().contains("long ago"));
            QVERIFY(game->IL2->text().contains("never try them"));
            QVERIFY(game->IP->interval() > 3000); // time to read both lines
        }
    }

    void aSpecialOfferThatCannotBeMadeFallsBackToAGeneralOne()
    {
        goods::possessions().ItemCount[Onions] = 1;
        meetSpirit(2); // the girl wants a copper deer decoration the party lacks
        now = secondWhere(specialDraw);
        game->MakeTrade();
        QCOMPARE(s().TradeRound, 1);
        QVERIFY(
            game->Label5->text().startsWith("Will you give her 1 bag of onions in exchange for "));
        QCOMPARE(s().TradeItem, Onions);
    }

    void theGirlsSnakerootEnablesTheTeaLater()
    {
        goods::possessions().ItemCount[184] = 1; // wolf wall hanging, her offer one
        meetSpirit(2);
        s().SpecialOfferToggle = 1; // so that the next special offer is offer one
        now = secondWhere(specialDraw);
        game->MakeTrade();
        QCOMPARE(game->Label5->text(),
                 QStringLiteral(
                     "Will you give her 1 wolf wall hanging in exchange for some snakeroot?"));
        game->Button1->click();
        QCOMPARE(s().HasSnakeroot, 1);
        QCOMPARE(s().Score, 5);
    }

    void aTrifleKeepsThePanelOpenAndGivesNoPoints()
    {
        goods::possessions().ItemCount[Onions] = 3;
        goods::possessions().ItemCount[200] = 2;
        meetSpirit(2);
        now = secondWhere(generalDraw);
        game->MakeTrade();
        const int asked = s().TradeItem;
        const QString trifle = game->TradeList.at(s().TradeOffer);
        game->Button1->click();
        QCOMPARE(goods::possessions().ItemCount[asked], 0);
        QCOMPARE(s().Score, 0);
        QVERIFY(!game->TradePanel->isHidden());
        QCOMPARE(Inventory->TList->item(0)->text(), trifle);
    }

    void theTalismanMakesEveryLaterFishHeavier()
    {
        goods::possessions().ItemCount[Onions] = 1;
        meetSpirit(2);
        s().TradeOffer = 4;
        s().TradeItem = Onions;
        game->Button1Click();
        QCOMPARE(s().HasTalisman, 1);

        // A fish drawn as 2 lb 3 oz comes out of the lake a pound heavier.
        platform::setPauseHook([](int) {});
        game->Button3->click();
        s().FishingMode = 1; // town 2 has its lake
        game->VisitClick();
        QCOMPARE(s().FishingActive, 1);
        now = secondWhere([](int x) { return x % 400 / 100 == 2 && x % 1100 / 100 == 3; });
        game->fishing->hotspotMouseDown(5, 5);
        game->fishing->TimeCatchFishTimer();
        game->fishing->RodClick();
        platform::setPauseHook({});
        QCOMPARE(game->wtLabel->text(), QStringLiteral("3 lb 3 oz"));
        QCOMPARE(s().FishLb, 3);
        QCOMPARE(s().FishOz, 3);
    }

    void noDealsClosesThePanelAndTheInstructionsGoOn()
    {
        goods::possessions().ItemCount[Onions] = 1;
        meetSpirit(2);
        game->MakeTrade();
        game->Button3->click();
        QVERIFY(game->TradePanel->isHidden());
        QCOMPARE(s().InstructionStep, 4);
        QVERIFY(game->IP->isActive());
    }

    void withoutASpiritAClickOnlyHidesThePanel()
    {
        goods::possessions().ItemCount[Onions] = 1;
        meetSpirit(2);
        game->MakeTrade();
        s().TradeRound = 0;
        game->ClickScreen(10, 10);
        QVERIFY(game->TradePanel->isHidden());
    }
};

QTEST_MAIN(TradingTest)
#include "tst_trading.moc"
