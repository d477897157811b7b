#pragma once

// A high-resolution stopwatch in milliseconds (floating point). The time
// source can be injected so that timed loops are tested without waiting.

#include <functional>

namespace platform {

class Stopwatch {
public:
    // Milliseconds since an arbitrary fixed origin.
    using TimeSource = std::function<double()>;

    explicit Stopwatch(TimeSource source = {});

    void start();
    void stop();
    // Time since start(); frozen at the value of stop() once stopped.
    double elapsedMs() const;
    bool running() const { return running_; }
    double now() const { return source_(); }

private:
    TimeSource source_;
    double startedAt_ = 0;
    double stoppedAt_ = 0;
    bool running_ = false;
};

// The monotonic high-resolution clock of the platform, in milliseconds.
double monotonicMs();

} // namespace platform
