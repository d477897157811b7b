#pragma once

// The intro's campfire picture (I0) and its fire, which the fire clip
// animates in a loop over the same picture.

#include "output.h"

#include <QImage>
#include <QRect>

namespace gen {

// Where the fire clip plays on the 1024 x 768 picture.
inline constexpr QRect FireRect{422, 367, 214, 387};
// Where the speaking face plays (on the black form, without the picture).
inline constexpr QRect FaceRect{180, 105, 300, 330};

QImage campfireWithoutFire();
// The fire at a phase of its loop, 0..1 (1 looks exactly like 0).
void paintFire(QImage& scene, double phase);

void paintIntro(const Folders& folders);

} // namespace gen
