#include "formtransitions.h"

#include "platform/errorreport.h"
#include "platform/form.h"

TFormTransitions::TFormTransitions(platform::Form* form) : QObject(form), form_(form)
{
    connect(form, &platform::Form::aboutToAppear, this, &TFormTransitions::FormAboutToAppear);
    connect(form, &platform::Form::appeared, this, &TFormTransitions::FormAppeared);
}

TFormTransitions::~TFormTransitions()
{
    if (pending_)
        pending_->release();
    TTransitionEffect* effect = ShowTransition;
    if (DestroyTransitions && effect && !effect->prepared())
        delete effect;
}

void TFormTransitions::FormAboutToAppear()
{
    TTransitionEffect* effect = ShowTransition;
    if (!Enabled || !effect || !effect->Enabled || transitionInProgress())
        return;
    // A failed transition is reported; the window appears all the same.
    platform::guarded([this, effect] {
        // A show transition always runs in one pass (restored after it).
        savedPass_ = effect->PassSetting;
        effect->PassSetting = teOnePass;
        if (effect->prepare(form_, form_->rect()))
            pending_ = effect;
        else
            effect->PassSetting = savedPass_;
    });
}

void TFormTransitions::FormAppeared()
{
    TTransitionEffect* effect = pending_;
    pending_.clear();
    if (!effect)
        return;
    struct RestorePass {
        TTransitionEffect& effect;
        TTEPassSetting saved;
        ~RestorePass() { effect.PassSetting = saved; }
    } restore{*effect, savedPass_};
    // Hidden again by its own show: nothing to turn into.
    if (!form_->isVisible()) {
        effect->release();
        return;
    }
    platform::guarded([effect] { effect->execute(); });
}
