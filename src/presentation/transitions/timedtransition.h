#pragma once

// An effect drawn in steps by a timed frame loop. The effect supplies three
// steps: initialize (the number of steps, and the old picture into the work
// bitmap), drawSteps (the steps of one frame into the work bitmap, recording
// the changed rectangle) and finish. The loop ends every run on the complete
// new picture, also when it is aborted.

#include "presentation/transitions/transitioneffect.h"

class TTimedTransitionEffect : public TTransitionEffect {
    Q_OBJECT

public:
    using TTransitionEffect::TTransitionEffect;

    void setTimeSource(TTEChrono::TimeSource source) override;

protected:
    // Returns the number of steps N and puts the old picture into the work
    // bitmap.
    virtual int initialize(TTETransitionData& data) = 0;
    // Draws the steps previousStep + 1 .. currentStep (count of them) of N.
    virtual void drawSteps(TTETransitionData& data, int currentStep, int previousStep,
                           int totalSteps, int count) = 0;
    // Frees what initialize made.
    virtual void finish(TTETransitionData& data);

    void run(TTETransitionData& data) final;

private:
    void runAsFastAsPossible(TTETransitionData& data, int totalSteps);
    void runTimed(TTETransitionData& data, int totalSteps);
    bool drawFrame(TTETransitionData& data, int currentStep, int previousStep, int totalSteps);

    TTEChrono chrono_;
};
