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
    QPolygon shapeOfSteps(const TTETransitionData& data, int currentStep, int count) const override;
};
