#include "gamestate.h"

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

void addWeight(std::int32_t& pounds, std::int32_t& ounces, std::int32_t addPounds,
               std::int32_t addOunces)
{
    const std::int32_t totalOunces = ounces + addOunces;
    pounds += addPounds + totalOunces / 16;
    ounces = totalOunces % 16;
}
