#pragma once

// The arrows on the Back and Forward buttons of the store and the inventory.

#include <QPixmap>

namespace goods {

enum class PageDirection { Back, Forward };

// A 40 x 30 arrow pointing left (Back) or right (Forward), transparent around
// its shape; the button greys it while disabled.
QPixmap pageArrowGlyph(PageDirection direction);

} // namespace goods
