#pragma once

// Effects that uncover the new picture through a growing mask. Each frame
// adds the shape of its steps to the mask; only what that shape touched is
// recombined from the old and new pictures, and its rectangle shown.

#include "presentation/transitions/timedtransition.h"
#include "presentation/transitions/transitionmask.h"

#include <QtGlobal>
#include <memory>

class TMaskedTransition : public TTimedTransitionEffect {
    Q_OBJECT

public:
    explicit TMaskedTransition(QObject* parent = nullptr);
    ~TMaskedTransition() override;

    // Setting the style starts its sub-styles over: sub-style 1, or 0 with
    // the random style 0. Every style runs as style 1, sub-style 1, the one
    // the game uses.
    quint16 Style() const { return style_; }
    void setStyle(quint16 style);
    quint16 SubStyle() const { return subStyle_; }
    void setSubStyle(quint16 subStyle) { subStyle_ = subStyle; }

protected:
    // The number of steps of a run over the data's area.
    virtual int stepCount(const TTETransitionData& data) const = 0;
    // The shape the steps currentStep - count + 1 .. currentStep add to the
    // mask: two points for a line, more for a filled polygon.
    virtual QPolygon shapeOfSteps(const TTETransitionData& data, int currentStep,
                                  int count) const = 0;

    int initialize(TTETransitionData& data) override;
    void drawSteps(TTETransitionData& data, int currentStep, int previousStep, int totalSteps,
                   int count) override;
    void finish(TTETransitionData& data) override;

private:
    quint16 style_ = 1;
    quint16 subStyle_ = 1;
    std::unique_ptr<TransitionMask> mask_;
};
