#include "gamestate.h"

#include <algorithm>
#include <cstdint>
#include <limits>

void GameState::setSceneId(char letter, int town, int stage)
{
    SceneId = {letter, static_cast<char>('0' + town / 10 % 10), static_cast<char>('0' + town % 10),
               static_cast<char>('0' + stage % 10), '\0'};
}

GameState& gameState()
{
    static GameState state;
    return state;
}

void resetGameState()
{
    gameState() = GameState{};
}

void GameState::earnTradePoints()
{
    TradePoints += PointsPerGood;
    Score = TradePoints + CarePoints;
}

void GameState::earnCarePoints()
{
    CarePoints = PointsForCare; // one snakebite, treated once
    Score = TradePoints + CarePoints;
}

std::int32_t GameState::finalScore() const
{
    // Each part is bounded (a journey's check holds them to their ranges);
    // the sum is taken wide all the same.
    const std::int64_t points =
        std::int64_t(Score) + fishPoints() + RemedyPoints + conditionPoints();
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(points, 0, std::numeric_limits<std::int32_t>::max()));
}

std::int32_t GameState::conditionPoints() const
{
    return static_cast<std::int32_t>(std::count(Health.begin(), Health.end(), 0));
}

void addWeight(std::int32_t& pounds, std::int32_t& ounces, std::int32_t addPounds,
               std::int32_t addOunces)
{
    const std::int64_t totalOunces = std::int64_t(ounces) + addOunces;
    const std::int64_t total = std::int64_t(pounds) + addPounds + totalOunces / 16;
    if (total >= GameState::AmountCeiling) {
        pounds = GameState::AmountCeiling;
        ounces = 0;
        return;
    }
    pounds = static_cast<std::int32_t>(std::max<std::int64_t>(0, total));
    ounces = static_cast<std::int32_t>(totalOunces % 16);
}

void countOneMore(std::int32_t& count)
{
    if (count < GameState::AmountCeiling)
        count += 1;
}
