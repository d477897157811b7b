#pragma once

// Who stands in each town's scene: the spirit's figure as a transparent
// 600 x 450 layer in the scene's coordinates, and the names of the town's
// look picture (before the spirit appears) and spirit picture (after).

#include "figures.h"

#include <QImage>
#include <QString>

namespace gen {

QImage spiritLayer(int town, const Pose& pose);

QString lookPictureName(int town);   // "S042"
QString spiritPictureName(int town); // "X042"
QString routeMapName(int town);      // "S040"

} // namespace gen
