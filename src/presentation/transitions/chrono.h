#pragma once

// The transitions' stopwatch: milliseconds as floating point from the
// platform's high-resolution clock. Tests hand in a clock of their own, so a
// timed run is checked without waiting.

#include "platform/stopwatch.h"

class TTEChrono {
public:
    using TimeSource = platform::Stopwatch::TimeSource;

    explicit TTEChrono(TimeSource source = {});

    // An empty source stands for the platform's clock.
    void setTimeSource(TimeSource source);

    // Starts from zero (again).
    void start() { watch_.start(); }
    void stop() { watch_.stop(); }
    bool running() const { return watch_.running(); }
    // Time since start(); frozen once stopped.
    double milliseconds() const { return watch_.elapsedMs(); }

    // Busy-waits until milliseconds() reaches the given reading and returns
    // the time spent. A clock that stops moving ends the wait instead of
    // hanging the program.
    double spinUntil(double reading);

private:
    platform::Stopwatch watch_;
};
