#include "framepacer.h"

#include "presentation/transitions/chrono.h"

#include <algorithm>

FramePacer::FramePacer(TTEChrono& chrono, double durationMs, int totalSteps)
    : chrono_(chrono), duration_(durationMs), total_(std::max(totalSteps, 1)),
      framePeriod_(durationMs / total_)
{
}

void FramePacer::start()
{
    stepsPerFrame_ = 1;
    lastShowTime_ = 0;
    chrono_.start();
    frameStart_ = chrono_.milliseconds();
}

void FramePacer::pace(int currentStep, const std::function<void()>& showFrame)
{
    // Showing a frame is expected to take as long as it did last time, so
    // the wait ends that much early and the frame appears on time.
    const double wait = framePeriod_ - lastShowTime_ - (chrono_.milliseconds() - frameStart_);
    double waited = 0;
    if (wait > 0)
        waited = chrono_.spinUntil(chrono_.milliseconds() + wait);

    const double showStart = chrono_.milliseconds();
    showFrame();
    const double now = chrono_.milliseconds();
    lastShowTime_ = now - showStart;

    const double cost = now - frameStart_ - waited;
    frameStart_ = now;

    const double timeLeft = duration_ - now;
    const int stepsLeft = std::max(total_ - currentStep, 1);
    if (timeLeft > 0)
        stepsPerFrame_ = std::clamp(stepsLeft * cost / timeLeft, 1.0, double(stepsLeft));
    else
        stepsPerFrame_ = stepsLeft; // late: finish in one frame
    framePeriod_ = timeLeft / (stepsLeft / stepsPerFrame_);
}
