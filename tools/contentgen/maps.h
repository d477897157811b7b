#pragma once

// The route maps of towns 1 to 28 and the journey map: painted parchment
// maps whose roads lie exactly where the game draws its red route.

#include "media/artworknames.h"
#include "output.h"

#include <QColor>

namespace gen {

// The colours the game's route and map path are drawn over; tests sample them.
inline const QColor RoadCore = artwork::RouteRoadColour;
inline const QColor TrailCore = artwork::MapTrailColour;

void paintMaps(const Folders& folders);
// The journey map, whose title is in words.
void paintMapTitled(const Folders& folders, const QString& languageMark);

} // namespace gen
