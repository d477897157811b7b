#pragma once

// The trail's scene pictures: the look-around scenes of towns 2 and 3 with
// and without their spirits, the trading post outside and in, and the
// snakebite. The clips are made from the same layers, so a clip's last frame
// is what the picture after it shows.

#include "output.h"

#include <QImage>
#include <QRect>

namespace gen {

// The clips' rectangles in the 600 x 450 pictures (left, top, width, height).
inline constexpr QRect GirlAppearRect{283, 171, 148, 271};
inline constexpr QRect GirlSpeakRect{324, 169, 60, 60};
inline constexpr QRect TrapperAppearRect{319, 211, 187, 221};
inline constexpr QRect TrapperSpeakRect{383, 196, 65, 65};
inline constexpr QRect KeepersRect{244, 206, 150, 133};

QImage townScene(int town); // S022, S032: before the spirit appears
QImage postInterior(double keepers,
                    double nod = 0); // X03 at 0, Z03 at 1: keepers behind the counter

void paintTrailScenes(const Folders& folders);

} // namespace gen
