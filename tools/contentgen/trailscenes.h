#pragma once

// The trail's scene pictures: the look-around scenes of towns 2 to 28 with
// and without their spirits, the trading post outside and in, and the
// snakebite. The clips are made from the same layers, so a clip's last frame
// is what the picture after it shows.

#include "output.h"

#include <QImage>
#include <QRect>

namespace gen {

// The trading post keepers' clip rectangle in the 600 x 450 picture.
inline constexpr QRect KeepersRect{244, 206, 150, 133};

// Where a spirit may stand: the trade panel covers the scene's left half and
// the instruction panel moves to its left third while a spirit is there.
inline constexpr int SpiritAreaLeft = 330;
inline constexpr int SpiritAreaRight = 590;
// How far a spirit's glow reaches beyond its figure.
inline constexpr int GlowReach = 18;

QImage townScene(int town);
// Where the spirit's figure (without its glow) lies in the scene.
QRect spiritBounds(int town); // the look picture: before the spirit appears
QImage postInterior(double keepers,
                    double nod = 0); // X03 at 0, Z03 at 1: keepers behind the counter

void paintTrailScenes(const Folders& folders);

} // namespace gen
