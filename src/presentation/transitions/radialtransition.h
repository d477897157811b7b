#pragma once

// The clock wipe: a ray from the centre sweeps once round clockwise from
// 12 o'clock and uncovers the new picture behind it, one frame position a
// step.

#include "presentation/transitions/maskedtransition.h"
#include "presentation/transitions/radialgeometry.h"

class TRadialTransition : public TMaskedTransition {
    Q_OBJECT

public:
    explicit TRadialTransition(QObject* parent = nullptr);

protected:
    int stepCount(const TTETransitionData& data) const override;
    QRect drawMaskSteps(TransitionMask& mask, const TTETransitionData& data, int currentStep,
                        int count) override;
};

// One frame of the clock wipe into a mask: the steps currentStep - count + 1
// .. currentStep. Returns the rectangle of the area they touched.
QRect drawRadialSteps(TransitionMask& mask, const RadialGeometry& geometry, int currentStep,
                      int count);
