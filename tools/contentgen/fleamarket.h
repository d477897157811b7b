#pragma once

// The flea market: the lane (FM02) with its shop doors, the shop inside
// (FM22), the wooden frame around the scene, the way-out sign and the
// market's buttons and panel.

#include "output.h"

namespace gen {

void paintFleaMarket(const Folders& folders);

} // namespace gen
