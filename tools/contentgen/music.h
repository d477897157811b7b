#pragma once

// The game's music: the theme of the trail, the five jingles of the jingle
// file, and the bed under the intro's narration.

#include "synth.h"

namespace gen {

// One jingle of the jingle file: where its stretch starts and ends (ms).
struct JingleStretch {
    int startMs;
    int endMs;
};
inline constexpr JingleStretch JingleStretches[5] = {
    {3500, 18500}, {18800, 22500}, {22600, 26100}, {26400, 46000}, {46800, 51000}};
inline constexpr double JingleFileSeconds = 52.0;
// The silence kept inside each stretch at both ends (seeking is not exact).
inline constexpr int JingleMarginMs = 110;

Mix theme();
Mix jingles();
Mix introBed(double seconds);

} // namespace gen
