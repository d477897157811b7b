// The town-by-town journey.

#include "game.h"

void TGame::Continues()
{
}
