// The shared game state: widths, signedness and starting values that the
// screens' arithmetic and saved games rely on, and the derived values.

#include "shell/gamestate.h"

#include <QTest>

#include <type_traits>

// Widths and signedness are checked when the test is compiled.
static_assert(std::is_same_v<decltype(GameState::Town), std::uint8_t>);
static_assert(std::is_same_v<decltype(GameState::Stage), std::uint8_t>);
static_assert(std::is_same_v<decltype(GameState::Activity), std::int8_t>);
static_assert(std::is_same_v<decltype(GameState::Encounter), std::int8_t>);
static_assert(std::is_same_v<decltype(GameState::PostState), std::uint8_t>);
static_assert(std::is_same_v<decltype(GameState::InstructionShown), std::int32_t>);
static_assert(std::is_same_v<decltype(GameState::SnakeVictim), std::int32_t>);
static_assert(std::is_same_v<decltype(GameState::TradeRound), std::int8_t>);
static_assert(std::is_same_v<decltype(GameState::SpiritNo), std::int8_t>);
static_assert(std::is_same_v<decltype(GameState::SpecialOfferToggle), std::uint8_t>);
static_assert(std::is_same_v<decltype(GameState::HotspotIndex), std::int8_t>);
static_assert(std::is_same_v<decltype(GameState::Health), std::array<std::int8_t, 7>>);
static_assert(std::is_same_v<decltype(GameState::VScale), float>);
static_assert(std::is_same_v<decltype(GameState::RouteSlope), float>);
static_assert(sizeof(GameState::SceneId) == 5);

class GameStateTest : public QObject {
    Q_OBJECT

private slots:
    void init() { resetGameState(); }

    void aFreshRunStartsFromTheGamesInitialValues()
    {
        const GameState& s = gameState();
        QCOMPARE(s.Town, 0);
        QCOMPARE(s.Stage, 0);
        QCOMPARE(s.Activity, 1);
        QCOMPARE(s.Encounter, 0);
        QCOMPARE(s.sceneId(), QStringLiteral("s002"));
        QCOMPARE(s.InstructionShown, 1);
        QCOMPARE(s.SpiritNo, 1);
        QCOMPARE(s.MusicEnabled, 1);
        QCOMPARE(s.HotspotX, 300);
        QCOMPARE(s.HotspotY, 300);
        QCOMPARE(s.Score, 0);
        for (std::int8_t health : s.Health)
            QCOMPARE(health, 0);
        QVERIFY(s.RodBitmap.isNull());
        QVERIFY(s.MyPath.isEmpty());
        QCOMPARE(s.InstructionStep, 0);
        QCOMPARE(s.ClicksArmed, 0);
        QCOMPARE(s.LookStage, 0);
        QCOMPARE(s.RestartConfirmed, 0);
    }

    void resetDiscardsEveryChange()
    {
        gameState().Town = 5;
        gameState().Score = 40;
        gameState().setSceneId('x', 3, 2);
        resetGameState();
        QCOMPARE(gameState().Town, 0);
        QCOMPARE(gameState().Score, 0);
        QCOMPARE(gameState().sceneId(), QStringLiteral("s002"));
    }

    void finalScoreCountsWholeTensOfPoundsOfFish_data()
    {
        QTest::addColumn<int>("score");
        QTest::addColumn<int>("fishLb");
        QTest::addColumn<int>("expected");
        QTest::newRow("59 lb add 5") << 0 << 59 << 5;
        QTest::newRow("9 lb add nothing") << 10 << 9 << 10;
        QTest::newRow("trades and fish") << 15 << 120 << 27;
        // The most a journey can hold: the sum stays a whole, positive score.
        QTest::newRow("every good, the tea and the most fish") << 140 << 1'000'000 << 100'140;
    }

    void finalScoreCountsWholeTensOfPoundsOfFish()
    {
        QFETCH(int, score);
        QFETCH(int, fishLb);
        QFETCH(int, expected);
        gameState().Score = score;
        gameState().FishLb = fishLb;
        gameState().Health.fill(1); // nobody in good condition: the fish alone
        QCOMPARE(gameState().finalScore(), expected);
    }

    void finalScoreAddsTheRemediesAndTheTravellersInGoodCondition()
    {
        GameState& s = gameState();
        s.Score = 10;
        s.FishLb = 20;
        s.Health = {0, 1, 0, 2, 3, 0, 0};
        QCOMPARE(s.conditionPoints(), 4);
        QCOMPARE(s.finalScore(), 10 + 2 + 4);
        s.RemedyPoints = 9;
        QCOMPARE(s.finalScore(), 10 + 2 + 4 + 9);
        QCOMPARE(s.Score, 10); // the score itself keeps what it counted
    }

    void sixteenOuncesCarryIntoAPound()
    {
        std::int32_t lb = 2, oz = 9;
        addWeight(lb, oz, 1, 7);
        QCOMPARE(lb, 4);
        QCOMPARE(oz, 0);
        addWeight(lb, oz, 0, 35);
        QCOMPARE(lb, 6);
        QCOMPARE(oz, 3);
    }

    void storesOfFoodAndCountsStopAtTheirCeiling()
    {
        std::int32_t lb = GameState::AmountCeiling - 2, oz = 15;
        addWeight(lb, oz, 1, 3); // carries over the ceiling
        QCOMPARE(lb, GameState::AmountCeiling);
        QCOMPARE(oz, 0);
        addWeight(lb, oz, 2'147'483'647, 15);
        QCOMPARE(lb, GameState::AmountCeiling);
        std::int32_t count = GameState::AmountCeiling - 1;
        countOneMore(count);
        countOneMore(count);
        QCOMPARE(count, GameState::AmountCeiling);
    }

    void pointsAreRecordedAsTheyAreEarned()
    {
        GameState& s = gameState();
        s.earnTradePoints();
        s.earnTradePoints();
        s.earnCarePoints();
        s.earnCarePoints(); // one snakebite is treated once
        QCOMPARE(s.TradePoints, 10);
        QCOMPARE(s.CarePoints, 5);
        QCOMPARE(s.Score, 15);
    }

    void sceneIdsAreALetterTwoTownDigitsAndAStage_data()
    {
        QTest::addColumn<char>("letter");
        QTest::addColumn<int>("town");
        QTest::addColumn<int>("stage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("route map") << 's' << 2 << 0 << "s020";
        QTest::newRow("spirit") << 'x' << 3 << 2 << "x032";
        QTest::newRow("last town") << 's' << 28 << 2 << "s282";
    }

    void sceneIdsAreALetterTwoTownDigitsAndAStage()
    {
        QFETCH(char, letter);
        QFETCH(int, town);
        QFETCH(int, stage);
        QFETCH(QString, expected);
        gameState().setSceneId(letter, town, stage);
        QCOMPARE(gameState().sceneId(), expected);
    }
};

QTEST_GUILESS_MAIN(GameStateTest)
#include "tst_gamestate.moc"
