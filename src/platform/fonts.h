#pragma once

// The game was drawn with "MS Sans Serif", "Arial" and "Times New Roman",
// which this platform does not have. These give close fonts at the same pixel
// sizes.

#include <QFont>

namespace platform {

QFont sansFont(int pixelSize, bool bold = false);
QFont serifFont(int pixelSize, bool bold = false, bool italic = false);

} // namespace platform
