#include "pumpscript.h"

#include "platform/messagepump.h"

PumpScript::PumpScript(Step whenRunOut) : whenRunOut_(std::move(whenRunOut))
{
    platform::setRoundHook([this] { round(); });
}

PumpScript::~PumpScript()
{
    platform::setRoundHook({});
}

void PumpScript::then(Step step)
{
    steps_.push_back(std::move(step));
}

void PumpScript::idle(long rounds)
{
    for (long i = 0; i < rounds; ++i)
        steps_.push_back({});
}

void PumpScript::round()
{
    ++rounds_;
    if (steps_.empty()) {
        ranOut_ = true;
        if (whenRunOut_)
            whenRunOut_();
        return;
    }
    Step step = std::move(steps_.front());
    steps_.pop_front();
    if (step)
        step();
}
