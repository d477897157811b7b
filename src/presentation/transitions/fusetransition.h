#pragma once

// The dissolve: the new picture shows through an 8 x 8 pattern that fills up
// one position a step, 64 steps in all.

#include "presentation/transitions/fusepattern.h"
#include "presentation/transitions/timedtransition.h"

#include <QtGlobal>

class TFuseTransition : public TTimedTransitionEffect {
    Q_OBJECT

public:
    explicit TFuseTransition(QObject* parent = nullptr);

    // The pattern's style; every style runs as style 1, the one the game
    // uses (0 would pick one at random).
    quint16 Style() const { return style_; }
    void setStyle(quint16 style) { style_ = style; }

protected:
    int initialize(TTETransitionData& data) override;
    void drawSteps(TTETransitionData& data, int currentStep, int previousStep, int totalSteps,
                   int count) override;

private:
    quint16 style_ = 1;
};
