#include "timedtransition.h"

#include "presentation/transitions/framepacer.h"
#include "presentation/transitions/transitiondata.h"

#include <cmath>

void TTimedTransitionEffect::setTimeSource(TTEChrono::TimeSource source)
{
    chrono_.setTimeSource(source);
    TTransitionEffect::setTimeSource(std::move(source));
}

void TTimedTransitionEffect::finish(TTETransitionData&) {}

void TTimedTransitionEffect::run(TTETransitionData& data)
{
    const int totalSteps = initialize(data);
    struct Finish {
        TTimedTransitionEffect* effect;
        TTETransitionData& data;
        ~Finish() { effect->finish(data); }
    } finishing{this, data};
    if (totalSteps < 1)
        return;

    if (Milliseconds <= 0)
        runAsFastAsPossible(data, totalSteps);
    else
        runTimed(data, totalSteps);

    // However the loop ended, the last frame is the complete new picture.
    data.changed = QRect();
    if (data.output)
        data.output->showFrame(data.newPicture, data.area());
    chrono_.stop();
}

bool TTimedTransitionEffect::drawFrame(TTETransitionData& data, int currentStep, int previousStep,
                                       int totalSteps)
{
    if (abortQuery())
        return false;
    drawSteps(data, currentStep, previousStep, totalSteps, currentStep - previousStep);
    return true;
}

void TTimedTransitionEffect::runAsFastAsPossible(TTETransitionData& data, int totalSteps)
{
    for (int step = 1; step < totalSteps; ++step) {
        if (!drawFrame(data, step, step - 1, totalSteps))
            return;
        update(data);
    }
}

void TTimedTransitionEffect::runTimed(TTETransitionData& data, int totalSteps)
{
    FramePacer pacer(chrono_, Milliseconds, totalSteps);
    pacer.start();
    int previous = 0;
    int current = 1;
    while (current < totalSteps) {
        if (!drawFrame(data, current, previous, totalSteps))
            return;
        previous = current;
        pacer.pace(current, [&] { update(data); });
        current = static_cast<int>(std::lround(current + pacer.stepsPerFrame()));
    }
}
