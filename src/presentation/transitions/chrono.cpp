#include "chrono.h"

namespace {

// The platform's clock moves between two reads; this many equal readings in
// a row mean a clock that only moves when something else moves it.
constexpr int MaxStillReadings = 100'000;

} // namespace

TTEChrono::TTEChrono(TimeSource source) : watch_(std::move(source)) {}

void TTEChrono::setTimeSource(TimeSource source)
{
    watch_ = platform::Stopwatch(std::move(source));
}

double TTEChrono::spinUntil(double reading)
{
    const double from = milliseconds();
    double now = from;
    double last = from;
    int still = 0;
    while (now < reading) {
        now = milliseconds();
        if (now != last) {
            last = now;
            still = 0;
        } else if (++still > MaxStillReadings) {
            break;
        }
    }
    return now - from;
}
