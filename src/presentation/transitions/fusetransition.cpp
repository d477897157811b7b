#include "fusetransition.h"

#include "presentation/transitions/transitiondata.h"

TFuseTransition::TFuseTransition(QObject* parent) : TTimedTransitionEffect(parent) {}

int TFuseTransition::initialize(TTETransitionData& data)
{
    copyImageArea(data.work, data.oldPicture, data.area());
    return FuseSteps;
}

void TFuseTransition::drawSteps(TTETransitionData& data, int currentStep, int previousStep, int,
                                int)
{
    // Only the positions switched in this frame are drawn: the work bitmap
    // already shows the new picture at the earlier ones.
    FusePattern added;
    added.switchSteps(previousStep + 1, currentStep);
    data.changed |= drawFusePattern(data.work, data.newPicture, added);
}
