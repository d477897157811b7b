#pragma once

// The effects of a window, in order. The list owns them: destroying it
// destroys them, and an effect destroyed elsewhere leaves the list.

#include "presentation/transitions/transitioneffect.h"

#include <QList>
#include <QObject>

class TTransitionList : public QObject {
    Q_OBJECT

public:
    explicit TTransitionList(QObject* owner = nullptr);
    ~TTransitionList() override;

    // A new effect of the given kind, owned by the list, at its end.
    template <class Effect> Effect* add()
    {
        auto* effect = new Effect(this);
        adopt(effect);
        return effect;
    }
    // Takes an effect into the list (and out of any other).
    void adopt(TTransitionEffect* effect);
    void remove(TTransitionEffect* effect);

    int count() const { return static_cast<int>(effects_.size()); }
    TTransitionEffect* at(int index) const { return effects_.at(index); }
    int indexOf(const TTransitionEffect* effect) const;

private:
    QList<TTransitionEffect*> effects_;
};
