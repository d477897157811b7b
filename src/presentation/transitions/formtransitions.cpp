#include "formtransitions.h"

#include "platform/errorreport.h"
#include "platform/form.h"

TFormTransitions::TFormTransitions(platform::Form* form) : QObject(form), form_(form)
{
    connect(form, &platform::Form::aboutToAppear, this, &TFormTransitions::FormAboutToAppear);
}

TFormTransitions::~TFormTransitions()
{
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
    platform::guarded([this, effect] { showThrough(*effect); });
}

void TFormTransitions::showThrough(TTransitionEffect& effect)
{
    // A show transition always runs in one pass.
    struct OnePass {
        TTransitionEffect& effect;
        TTEPassSetting saved;
        ~OnePass() { effect.PassSetting = saved; }
    } onePass{effect, effect.PassSetting};
    effect.PassSetting = teOnePass;
    if (effect.prepare(form_, form_->rect()))
        effect.execute();
}
