#pragma once

// The look-around scenes of towns 4 to 28: the land as the party walks
// west, from the hill forests of late autumn through the snow and ice of
// deep winter to bare fields and the first green of spring. Each town's
// scene is composed from its own description; the spirit stands in the
// free ground on the right.

#include <QImage>

namespace gen {

QImage landscapeScene(int town);

} // namespace gen
