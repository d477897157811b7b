#pragma once

// The frames of every clip, written as numbered PNGs under WORK/frames for
// ffmpeg to encode. Each clip starts or ends on exactly what the picture
// around it shows, so nothing jumps when a clip begins or ends.

#include "output.h"

#include <QVector>

namespace gen {

inline constexpr int ClipFps = 12;

void makeFrames(const Folders& folders);

// Each clip's frames folder (under WORK/frames), the file it is encoded
// into, and its sound track (empty for a silent clip).
struct ClipToEncode {
    QString frames;
    QString file;
    QString audio;
};
QVector<ClipToEncode> clipsToEncode(const Folders& folders);

} // namespace gen
