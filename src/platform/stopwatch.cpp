#include "stopwatch.h"

#include <chrono>

namespace platform {

Stopwatch::Stopwatch(TimeSource source) : source_(source ? std::move(source) : TimeSource(&monotonicMs)) {}

void Stopwatch::start()
{
    startedAt_ = source_();
    running_ = true;
}

void Stopwatch::stop()
{
    if (running_)
        stoppedAt_ = source_();
    running_ = false;
}

double Stopwatch::elapsedMs() const
{
    return (running_ ? source_() : stoppedAt_) - startedAt_;
}

double monotonicMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

} // namespace platform
