#pragma once

// Fishing: the lake (F02) and its mask (B02), the nine fish, the rod, the
// fish icons, the ripple and the float.

#include "output.h"

#include <QImage>
#include <QPainterPath>

namespace gen {

QImage lakeScene();            // F02
QPainterPath lakeWater();      // where F02 shows water: B02 is black exactly there
QImage rodBitmap(double cast); // FP at 0; FPCAST at 1; the reel clip turns its handle
void paintReel(QImage& rod, double turn);
// The trail screen's colour behind the rod and the reel clip.
inline const QColor ScreenColour(3, 2, 10);

void paintFishing(const Folders& folders);

} // namespace gen
