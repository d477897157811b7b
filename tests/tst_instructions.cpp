// The instruction panel on the trail: the steps it shows, the pace the IP
// timer sets, and how the panel is taken away. Timer ticks are called
// directly.

#include "errorcapture.h"
#include "fakemedia.h"
#include "platform/picturebox.h"
#include "shell/application.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"
#include "presentation/transitions/fusetransition.h"
#include "trail/game.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class InstructionsTest : public QObject {
    Q_OBJECT

    FakeMedia* media = nullptr;
    TGame* game = nullptr;

    GameState& s() { return gameState(); }
    bool panelUp() const { return game->IPic->isVisibleTo(game) && game->IL1->isVisibleTo(game); }

    // One tick of the IP timer, as the timer would deliver it.
    void tick()
    {
        QVERIFY2(game->IP->isActive(), "the IP timer was not running");
        game->IPTimer();
    }

private slots:
    void init()
    {
        resetGameState();
        resetApplication();
        goods::resetPossessions();
        media = new FakeMedia;
        game = new TGame;
    }

    void cleanup()
    {
        delete game;
        delete media;
    }

    void theFirstTickAfterTheOpeningWelcomesTheParty()
    {
        game->Transition1EndTransition(game->Transition1);
        QVERIFY(game->IP->isActive());
        QCOMPARE(game->IP->interval(), 4000);
        QVERIFY(!panelUp());

        tick();
        QCOMPARE(s().InstructionStep, 1);
        QCOMPARE(s().ClicksArmed, 1);
        QVERIFY(panelUp());
        QVERIFY(game->IL2->isVisibleTo(game));
        QVERIFY(game->IL1->text().startsWith(
            "You and your friends find yourselves in a covered wagon on the Trail."));
        QCOMPARE(game->IL2->text(), QStringLiteral("Click the \"Go to next Town\" button to see "
                                                   "how you can travel to the next town."));
        QVERIFY(game->Continue->isEnabled());
        QCOMPARE(s().ScreenClickable, 0);
        QVERIFY(!game->Image1->isEnabled());
        QVERIFY(!game->IP->isActive()); // one tick, one step
        QCOMPARE(game->IP->interval(), 1500);
    }

    void arrivalPromptsToLookAroundForTheTownsSpirit_data()
    {
        QTest::addColumn<int>("town");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::newRow("the girl") << 2
            << "Now click the \"Look Around\" button to see a Verunai girl who walked this Trail "
               "nearly two hundred years ago."
            << "Then click on the screen, and the Verunai girl will speak to you.";
        QTest::newRow("the trapper") << 3
            << "Now click the \"Look Around\" button to see a young trapper who lived in this "
               "area long ago."
            << "Then click on the screen, and the trapper will speak to you.";
        QTest::newRow("a later town's own spirit") << 9
            << "Now click the \"Look Around\" button to see a Verunai mother who cared for her "
               "baby in the camp."
            << "Then click on the screen, and the mother will speak to you.";
    }

    void arrivalPromptsToLookAroundForTheTownsSpirit()
    {
        QFETCH(int, town);
        QFETCH(QString, first);
        QFETCH(QString, second);
        s().Town = static_cast<std::uint8_t>(town);
        // The end of a westward route sets step 1 and starts the timer.
        s().InstructionStep = 1;
        game->IP->start();
        tick();
        QCOMPARE(game->IL1->text(), first);
        QCOMPARE(game->IL2->text(), second);
        QVERIFY(!game->IL2->isVisibleTo(game)); // its text changes, it stays hidden
        QVERIFY(game->Look->isEnabled());
        QCOMPARE(s().InstructionStep, 3);
    }

    void aGoodTradeIsPraisedThenTheSuppliesHintFollowsOnce()
    {
        s().Town = 2;
        s().FishingMode = 1;
        s().TradeOffer = 0; // some snakeroot
        game->Shows(4);
        QCOMPARE(s().HasSnakeroot, 1);
        QVERIFY(game->IL1->text().startsWith("Snakeroot will be very useful"));
        QVERIFY(game->IP->isActive());
        QCOMPARE(game->IP->interval(), 3000);

        tick(); // step 5 takes the panel away (which makes the step 6)...
        QVERIFY(!panelUp());
        QCOMPARE(s().InstructionStep, 6);
        QVERIFY(game->IP->isActive()); // ...and one more tick follows
        QCOMPARE(game->IP->interval(), 1500);

        tick(); // step 7: the supplies hint, and how to travel on
        QCOMPARE(s().InstructionStep, 7);
        QVERIFY(panelUp());
        QVERIFY(game->IL1->text().contains("click the \"Go Fishing\" button"));
        QVERIFY(game->IL2->isVisibleTo(game));
        QCOMPARE(game->IL2->text(), QStringLiteral("To travel on, go fishing, then click \"Look "
                                                   "Around\" once more: \"Go To Next Town\" will "
                                                   "be ready."));
        QCOMPARE(s().GirlSuppliesTold, 1);
        QVERIFY(!game->IP->isActive());

        // "No deals." later sets step 4 again: neither is told twice.
        game->IOff();
        s().InstructionStep = 4;
        game->IP->start();
        tick();
        tick();
        QCOMPARE(s().InstructionStep, 7);
        QVERIFY(!panelUp());
    }

    void theWayOnStandsBelowTheSuppliesHintOnThePanel()
    {
        // The supplies hint wraps to four lines; the way on follows it
        // without a line of either written over the other.
        for (const int fishing : {1, 0}) {
            s().Town = fishing ? 2 : 5;
            s().FishingMode = static_cast<std::uint8_t>(fishing);
            s().SuppliesTold = s().TravelOnTold = 0;
            game->Shows(7);
            QVERIFY(game->IL2->isVisibleTo(game));
            const int firstEnds =
                game->IL1->y() + game->IL1->heightForWidth(game->IL1->width());
            QVERIFY2(game->IL2->y() >= firstEnds,
                     qPrintable(QStringLiteral("the way on starts at %1, the hint ends at %2")
                                    .arg(game->IL2->y())
                                    .arg(firstEnds)));
            const int secondEnds =
                game->IL2->y() + game->IL2->heightForWidth(game->IL2->width());
            QVERIFY(secondEnds <= game->IPic->geometry().bottom());
            game->IOff();
        }
    }

    void theWayOnIsToldOnceWhenTheSuppliesHintWasGivenBefore()
    {
        s().Town = 5;
        GameState::addToTownSet(s().SuppliesTold, 5);
        s().InstructionStep = 6;
        game->IP->start();
        tick();
        QVERIFY(panelUp());
        QCOMPARE(game->IL1->text(), QStringLiteral("To travel on, visit the trading post, then "
                                                   "click \"Look Around\" once more: \"Go To Next "
                                                   "Town\" will be ready."));
        game->IOff();
        s().InstructionStep = 6;
        game->IP->start();
        tick();
        QVERIFY(!panelUp());
    }

    void onceASpiritsGoodIsTradedItsTradePromptStaysSilent()
    {
        s().Town = 2;
        goods::possessions().TradeDone[0] = 1; // the girl's snakeroot
        game->Shows(3);
        QVERIFY(!panelUp());
        // Another spirit still offers its own good.
        s().Town = 3;
        game->Shows(3);
        QVERIFY(panelUp());
        QVERIFY(game->IL1->text().endsWith("he will offer to give you some BEAR OIL."));
    }

    void theTrappersTradeTextsAndHint()
    {
        s().Town = 3;
        game->Shows(3);
        QVERIFY(game->IL1->text().endsWith("he will offer to give you some BEAR OIL."));
        s().TradeOffer = 1; // bear oil
        game->Shows(4);
        QVERIFY(game->IL1->text().startsWith("You'll need the bear oil as an ointment"));
        QCOMPARE(s().HasSnakeroot, 0);
        s().InstructionStep = 6;
        game->IP->start();
        tick();
        QVERIFY(game->IL1->text().contains("\"Visit the Trading Post\""));
        QCOMPARE(s().TrapperSuppliesTold, 1);
    }

    void aLaterSpiritSpeaksOfItsOwnGood()
    {
        s().Town = 6; // the carver, who gives the deer's horn talisman
        game->Shows(3);
        QCOMPARE(game->IL1->text(), QStringLiteral("Click on the screen again to try to trade with "
                                                   "the carver.  If you purchased the right items "
                                                   "at the flea market, he will offer to give you "
                                                   "a DEER'S HORN TALISMAN."));
        s().TradeOffer = 4;
        game->Shows(4);
        QVERIFY(game->IL1->text().startsWith("The deer's horn talisman will give your party"));
    }

    void theTradingPostSteps()
    {
        s().ClicksArmed = 1;
        s().Stage = 2;
        s().InstructionStep = 7; // "Visit the Trading Post" while PostState is 0
        game->IP->start();
        tick();
        QCOMPARE(game->IL1->text(), QStringLiteral("Now click on the screen to enter the trading post."));
        QVERIFY(game->IL2->isVisibleTo(game));
        QCOMPARE(s().ScreenClickable, 1);

        game->IP->start();
        game->ClickScreen(10, 10); // a click above step 6 stops the timer
        QCOMPARE(s().InstructionStep, 9);
        QVERIFY(!game->IP->isActive());
        QVERIFY(!panelUp());

        s().InstructionStep = 8; // the keepers' clip has ended
        game->IP->start();
        tick();
        QCOMPARE(game->IL1->text(), QStringLiteral("It looks like they're ready to help you.  "
                                                   "Click on the screen to purchase your supplies."));
        game->ClickScreen(10, 10);
        QCOMPARE(s().InstructionStep, 10);
        QVERIFY(!game->IP->isActive());
    }

    void aClickAtAnEarlyStepLeavesTheTimerAlone()
    {
        s().ClicksArmed = 1;
        s().Stage = 2;
        game->Shows(3);
        game->IP->start();
        game->ClickScreen(100, 100);
        QCOMPARE(s().InstructionStep, 4);
        QVERIFY(game->IP->isActive());
        QCOMPARE(s().ScreenClickable, 1);
    }

    void clicksBeforeTheFirstTickAreIgnored()
    {
        game->Shows(1);
        game->ClickScreen(100, 100);
        QVERIFY(panelUp());
        QCOMPARE(s().InstructionStep, 1);
    }

    void aTickWhileASpiritIsOnShowsNothingAndStopsTheTimer()
    {
        game->MPghost->FileName = "anim/mox222.avi";
        game->MPghost->Open();
        game->MPghost->Play();
        s().InstructionStep = 1;
        game->IP->start();
        tick();
        QCOMPARE(s().InstructionStep, 1);
        QVERIFY(!panelUp());
        QVERIFY(!game->IP->isActive());
        QCOMPARE(s().ClicksArmed, 1);
    }

    void aClickOnThePanelIsAClickOnTheSceneOnlyWhenTheSceneTakesClicks()
    {
        s().ClicksArmed = 1;
        s().Stage = 2;
        game->Shows(3);
        game->IPicClick(); // the scene is not clickable while the prompt is up
        QCOMPARE(s().InstructionStep, 3);
        game->setSceneClickable(true);
        game->IPicClick();
        QCOMPARE(s().InstructionStep, 4);
        QVERIFY(!panelUp());
    }
};

QTEST_MAIN(InstructionsTest)
#include "tst_instructions.moc"
