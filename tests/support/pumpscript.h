#pragma once

// Plays the passing of time in the waits of the code under test: every round
// of a wait (platform::pumpUntil, spinUntil) runs the next queued step, and
// the waits never sleep. When the steps have run out the fallback runs in
// every further round; a test closes its window there, so that a wait the
// test did not foresee ends instead of hanging.

#include <QStringList>
#include <deque>
#include <functional>

class PumpScript {
public:
    using Step = std::function<void()>;

    explicit PumpScript(Step whenRunOut);
    ~PumpScript();
    PumpScript(const PumpScript&) = delete;
    PumpScript& operator=(const PumpScript&) = delete;

    // The step of the next round not yet given one.
    void then(Step step);
    // Rounds in which nothing happens.
    void idle(long rounds);

    long rounds() const { return rounds_; }
    bool ranOut() const { return ranOut_; }
    bool allRun() const { return steps_.empty(); }

private:
    void round();

    std::deque<Step> steps_;
    Step whenRunOut_;
    long rounds_ = 0;
    bool ranOut_ = false;
};
