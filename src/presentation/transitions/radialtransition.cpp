#include "radialtransition.h"

#include "presentation/transitions/transitiondata.h"

TRadialTransition::TRadialTransition(QObject* parent) : TMaskedTransition(parent) {}

int TRadialTransition::stepCount(const TTETransitionData& data) const
{
    return RadialGeometry(data.width, data.height).positions();
}

QPolygon TRadialTransition::shapeOfSteps(const TTETransitionData& data, int currentStep,
                                         int count) const
{
    return RadialGeometry(data.width, data.height).shape(currentStep, count);
}
