#include "maskedtransition.h"

#include "presentation/transitions/transitiondata.h"

TMaskedTransition::TMaskedTransition(QObject* parent) : TTimedTransitionEffect(parent) {}

TMaskedTransition::~TMaskedTransition() = default;

void TMaskedTransition::setStyle(quint16 style)
{
    style_ = style;
    subStyle_ = style == 0 ? 0 : 1;
}

int TMaskedTransition::initialize(TTETransitionData& data)
{
    mask_ = std::make_unique<TransitionMask>(data.width, data.height);
    copyImageArea(data.work, data.oldPicture, data.area());
    return stepCount(data);
}

void TMaskedTransition::drawSteps(TTETransitionData& data, int currentStep, int, int, int count)
{
    const QPolygon shape = shapeOfSteps(data, currentStep, count);
    data.changed |= mask_->uncover(shape, data.work, data.oldPicture, data.newPicture);
}

void TMaskedTransition::finish(TTETransitionData&)
{
    mask_.reset();
}
