#pragma once

// Small media files that tests write for themselves: a PCM WAV tone and an
// MJPEG AVI of coloured frames.

#include <QString>

// A mono 16-bit PCM tone of the given length.
bool writeToneWav(const QString& path, int durationMs, int frequency = 440);

// An MJPEG AVI of `frames` frames at `fps`, each frame a different colour.
bool writeColourAvi(const QString& path, int width, int height, int fps, int frames);
