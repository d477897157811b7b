#pragma once

// The show transition of a window: whenever the window goes from hidden to
// visible, the picture the game showed there turns into the window through
// the effect, played inside the window as it reaches the screen. The effect may belong to another window (the flea market
// borrows the trail screen's clock wipe).

#include "presentation/transitions/transitioneffect.h"

#include <QObject>
#include <QPointer>

namespace platform {
class Form;
}

class TFormTransitions : public QObject {
    Q_OBJECT

public:
    explicit TFormTransitions(platform::Form* form);
    ~TFormTransitions() override;

    QPointer<TTransitionEffect> ShowTransition;
    // The show transition is destroyed with this component; the game's
    // windows set it false, their effects belong to a TTransitionList.
    bool DestroyTransitions = true;
    bool Enabled = true;

private:
    void FormAboutToAppear();
    void FormAppeared();

    platform::Form* form_;
    // Prepared as the window was about to appear, run once it has.
    QPointer<TTransitionEffect> pending_;
    TTEPassSetting savedPass_ = teOnePass;
};
