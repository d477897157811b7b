#pragma once

// Screen readers see the game's own controls through interfaces of ours: a
// picture that acts as a button is a button with a "Press" action, an up-down
// is a spin button with a value, a window's announcer is a notification.

namespace platform {

// Installs the interfaces once for the run; the controls call it as they are
// made, so nothing else has to.
void installAccessibleInterfaces();

} // namespace platform
