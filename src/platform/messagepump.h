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
// of rounds it took. Between rounds it sleeps until an event comes, and with
// wakeEveryMs at the latest after that long, for conditions that change
// without an event of their own (a playing position).
long pumpUntil(const std::function<bool()>& done, int wakeEveryMs = 0);

// Pumps without ever sleeping until done() holds, the application is ending
// or maxRounds rounds have been made; returns the rounds made. How many rounds
// pass before an awaited event shows how fast the machine handles events.
long spinUntil(const std::function<bool()>& done, long maxRounds);

// Tests play the part of passing time: while a round hook is installed, every
// round of pumpUntil and spinUntil runs the hook first and then the pending
// events, without sleeping.
using RoundHook = std::function<void()>;
RoundHook setRoundHook(RoundHook hook);

} // namespace platform
