#pragma once

// The mark around the control that has the keyboard focus: a thick outline of
// black dashes on white, which reads on the light and the dark parts of the
// game's pictures alike. Drawn just inside the control, so that a neighbour
// or the edge of the window cannot hide it.

#include <Qt>

class QPainter;
class QRect;

namespace platform {

// Whether a control that has just taken the focus for this reason wears the
// mark, given whether it wore it before: yes when the keyboard or the game
// moved the focus there, no when a click did, as before when the window only
// became active again (the first control of a window that appears takes the
// focus so, and a player using the mouse has not asked to see it).
bool focusMarkWanted(Qt::FocusReason reason, bool before);

// Width of the outline in pixels.
constexpr int FocusMarkWidth = 3;

void drawFocusMark(QPainter& painter, const QRect& control);

} // namespace platform
