#pragma once

#include "output.h"

namespace gen {

// Every picture and bitmap of the game, and the eagle glyph beside it.
void paintPictures(const Folders& folders);

} // namespace gen
