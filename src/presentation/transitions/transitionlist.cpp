#include "transitionlist.h"

TTransitionList::TTransitionList(QObject* owner) : QObject(owner) {}

TTransitionList::~TTransitionList()
{
    // Effects go first, while the list they leave still exists.
    while (!effects_.isEmpty())
        delete effects_.takeLast();
}

void TTransitionList::adopt(TTransitionEffect* effect)
{
    if (!effect || effect->list_ == this)
        return;
    if (effect->list_)
        effect->list_->remove(effect);
    effect->list_ = this;
    effect->setParent(this);
    effects_.append(effect);
}

void TTransitionList::remove(TTransitionEffect* effect)
{
    if (effects_.removeOne(effect))
        effect->list_ = nullptr;
}

int TTransitionList::indexOf(const TTransitionEffect* effect) const
{
    return static_cast<int>(effects_.indexOf(const_cast<TTransitionEffect*>(effect)));
}
