#pragma once

// How well text stands out from what is behind it, measured the way the web's
// accessibility guidelines do: the ratio of the two colours' relative
// luminances, from 1:1 (the same) to 21:1 (black on white). Text that
// children must read needs at least ReadableContrast.

#include <QColor>

namespace platform {

constexpr double ReadableContrast = 4.5;

// The colour's relative luminance, 0 (black) to 1 (white), from its sRGB
// channels.
double relativeLuminance(const QColor& color);

// The contrast ratio of two colours, whichever is the lighter.
double contrastRatio(const QColor& first, const QColor& second);

// The teal of the story captions on black. The teal the captions were first
// drawn in (0, 128, 128) falls just short of ReadableContrast on black.
QColor storyCaptionTeal();

} // namespace platform
