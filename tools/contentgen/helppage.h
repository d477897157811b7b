#pragma once

// The help page for teachers that lists the towns, their spirits and goods
// and the history each story draws on. It is written from the town table,
// so it always names the towns and spirits the game shows.

#include "output.h"

namespace gen {

void writeTownsHelp(const Folders& folders);

} // namespace gen
