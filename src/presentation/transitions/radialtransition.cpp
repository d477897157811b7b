#include "radialtransition.h"

#include "presentation/transitions/transitiondata.h"

QRect drawRadialSteps(TransitionMask& mask, const RadialGeometry& geometry, int currentStep,
                      int count)
{
    const QPolygon shape = geometry.shape(currentStep, count);
    mask.draw(shape);
    return geometry.changedRect(shape);
}

TRadialTransition::TRadialTransition(QObject* parent) : TMaskedTransition(parent) {}

int TRadialTransition::stepCount(const TTETransitionData& data) const
{
    return RadialGeometry(data.width, data.height).positions();
}

QRect TRadialTransition::drawMaskSteps(TransitionMask& mask, const TTETransitionData& data,
                                       int currentStep, int count)
{
    return drawRadialSteps(mask, RadialGeometry(data.width, data.height), currentStep, count);
}
