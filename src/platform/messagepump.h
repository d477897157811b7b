#pragma once

// Letting pending events run in the middle of a handler, as the screens do
// after loading a picture or while waiting for a clip.

#include <functional>

namespace platform {

// Runs the events that are pending now, once.
void pumpMessages();

// Blocks the game for a moment (the cast of a fishing line shows for 200 ms).
// Tests replace the pause so that they never wait.
void pauseGame(int ms);
using PauseHook = std::function<void(int ms)>;
PauseHook setPauseHook(PauseHook hook);

// Pumps until done() holds or the application is ending; returns the number
// of rounds it took.
long pumpUntil(const std::function<bool()>& done);

} // namespace platform
