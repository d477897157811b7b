#pragma once

// A push button made for the keyboard as well as the mouse: Enter and Return
// press it while it has the focus, as Space does, and it wears the game's
// focus mark, which reads where the style's thin frame does not. The game's
// buttons never become a window's default by themselves (Enter in an edit
// box must not buy or close anything), so without this a player on the
// keyboard would find Enter dead on the very button it has reached.

class QAbstractButton;

namespace platform {

void keyboardButton(QAbstractButton* button);

} // namespace platform
