#pragma once

// Every duration and interval of the game, in milliseconds.

namespace Durations {

// Trail screen timers.
constexpr int RouteTick = 200;        // Go: one dash of the route
constexpr int FirstInstruction = 4000; // IP after the opening transition
constexpr int InstructionStep = 1500;  // IP between instruction steps
constexpr int AfterGoodTrade = 3000;   // IP after a completed trade
constexpr int EndTime = 100;           // EndTime: restart or automatic continuation

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

} // namespace Durations
