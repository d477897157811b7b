#pragma once

// Every duration and interval of the game, in milliseconds.

namespace Durations {

// Trail screen timers.
constexpr int RouteTick = 200;         // Go: one dash of the route
constexpr int FirstInstruction = 4000; // IP after the opening transition
constexpr int InstructionStep = 1500;  // IP between instruction steps
constexpr int AfterGoodTrade = 3000;   // IP after a completed trade
constexpr int AfterFirstRemedy = 7000; // the same, with the word on remedies to read
constexpr int EndTime = 100;           // EndTime: restart or automatic continuation
constexpr int AfterRemedy = 2500;      // EndTime: the remedy's outcome, read before travelling
constexpr int TownName = 4000;         // how long a town's name shows on arrival

// Scene transitions.
constexpr int Transition = 500;
constexpr int SlowTransition = 1400; // when the intro judged the machine slow
constexpr int IntroDissolve = 400;

// Flea market step timer.
constexpr int FleaStep = 1500;
constexpr int FleaSetOut = 4000;

// Intro timers.
constexpr int IntroStep = 500;
constexpr int IntroEnds = 1000;
// Without its narration the intro follows the step timer: the interval set
// at the first tick and with each of the captions 2 to 5.
constexpr int IntroSilentStart = 5000;
constexpr int IntroSilentCaption2 = 8000;
constexpr int IntroSilentCaption3 = 6500;
constexpr int IntroSilentCaption4 = 10500;
constexpr int IntroSilentCaption5 = 10000;
// How often the intro looks at the narration's position while it waits.
constexpr int IntroNarrationPoll = 50;

} // namespace Durations
