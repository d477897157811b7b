#pragma once

// The flea market: the lane (FM02) with its shop doors, the shop inside
// (FM22), the wooden frame around the scene, the way-out sign and the
// market's buttons and panel.

#include "output.h"

#include <QImage>

namespace gen {

// The lane and the shop.
void paintFleaMarket(const Folders& folders);
// The frame pieces, the way-out sign, the eagle and inventory glyphs and the
// instruction panel.
void paintFleaArtwork(const Folders& folders);
// The panel and the inventory glyph, whose titles are in words.
void paintFleaTitled(const Folders& folders, const QString& languageMark);
// Parchment on a dark wooden border: the instruction panels of both screens.
QImage parchmentPanel(int w, int h, quint32 seed);

} // namespace gen
