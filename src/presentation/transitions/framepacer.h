#pragma once

// The pacing of a timed run: it holds the run to its duration by measuring
// what each frame really costs. When frames are cheap it busy-waits on the
// stopwatch so they come evenly; when they are dear it draws several steps a
// frame instead of stretching the run.

#include <functional>

class TTEChrono;

class FramePacer {
public:
    // The run of totalSteps steps lasts durationMs on the chrono.
    FramePacer(TTEChrono& chrono, double durationMs, int totalSteps);

    // Starts the run's stopwatch; the first frame draws one step.
    void start();

    // After a frame whose last step is currentStep has been drawn: waits for
    // its turn, shows it through showFrame and plans the next frame.
    void pace(int currentStep, const std::function<void()>& showFrame);

    // How many steps the next frame draws (not rounded).
    double stepsPerFrame() const { return stepsPerFrame_; }
    double framePeriod() const { return framePeriod_; }

private:
    TTEChrono& chrono_;
    double duration_;
    int total_;
    double framePeriod_;
    double stepsPerFrame_ = 1;
    double lastShowTime_ = 0;
    double frameStart_ = 0;
};
