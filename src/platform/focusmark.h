#pragma once

// The mark around the control that has the keyboard focus: a thick outline of
// black dashes on white, which reads on the light and the dark parts of the
// game's pictures alike. Drawn just inside the control, so that a neighbour
// or the edge of the window cannot hide it.

class QPainter;
class QRect;

namespace platform {

// Width of the outline in pixels.
constexpr int FocusMarkWidth = 3;

void drawFocusMark(QPainter& painter, const QRect& control);

} // namespace platform
