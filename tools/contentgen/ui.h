#pragma once

// The artwork around the scenes: the trail's instruction panel and bottom
// bar, the picture buttons' glyphs, the store's and the inventory's
// backgrounds and arrows, the party panel and the game's icon.

#include "output.h"

#include <QImage>

namespace gen {

void paintInterface(const Folders& folders);
// The stores' backgrounds, whose titles are in words.
void paintInterfaceTitled(const Folders& folders, const QString& languageMark);

} // namespace gen
