#pragma once

// Enter and Return press a push button that has the focus, as Space does.
// The game's buttons never become a window's default by themselves (Enter in
// an edit box must not buy or close anything), so without this a player on
// the keyboard would find Enter dead on the very button it has reached.

class QAbstractButton;

namespace platform {

void pressOnEnter(QAbstractButton* button);

} // namespace platform
