// Fishing at the lake.

#include "game.h"

#include "shell/gamestate.h"

void TGame::Fish()
{
}

void TGame::leaveFishing()
{
    gameState().FishingActive = 0;
}

void TGame::castElsewhere(int, int)
{
}
