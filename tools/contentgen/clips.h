#pragma once

// The frames of every clip, written as numbered PNGs under WORK/frames for
// ffmpeg to encode. Each clip starts or ends on exactly what the picture
// around it shows, so nothing jumps when a clip begins or ends.

#include "output.h"

namespace gen {

inline constexpr int ClipFps = 12;

void makeFrames(const Folders& folders);

} // namespace gen
