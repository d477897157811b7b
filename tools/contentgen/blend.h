#pragma once

// Making a clip belong to the picture it plays on. The game shows a clip's
// frames over a committed JPEG, so a frame is built from that JPEG as the
// game decodes it, and only what changes (a spirit, a moving mouth) is
// added on top; within a few pixels of the frame's edge nothing is added at
// all, so the rectangle never shows.

#include <QImage>
#include <QString>

namespace gen {

// A committed picture decoded with libjpeg's defaults, as the game's own
// decoder reads it (RGB32).
QImage decodedPicture(const QString& path);

// A weight per pixel, 0 in a band of `clear` pixels along every edge and
// rising smoothly to 1 over the next `ramp` pixels (Grayscale8, 0..255).
QImage edgeMask(const QSize& size, int clear, int ramp);

// base + (after - before) * mask, channel by channel; all of one size.
QImage addDifference(const QImage& base, const QImage& after, const QImage& before,
                     const QImage& mask);

// Darkens an image to black toward its edges, as light fades in the dark:
// black outside the ellipse that fits `clear` pixels inside the edges, full
// brightness inside `inner` (0..1) of that ellipse's size.
void fadeEdgesToBlack(QImage& image, int clear, double inner);

} // namespace gen
