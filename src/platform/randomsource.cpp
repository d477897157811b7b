#include "randomsource.h"

#include <ctime>

namespace platform {

RandomSource::RandomSource(Clock clock)
{
    setClock(std::move(clock));
}

void RandomSource::setClock(Clock clock)
{
    clock_ = clock ? std::move(clock) : Clock(&calendarSeconds);
}

void RandomSource::seedFromClock()
{
    seed(static_cast<std::uint32_t>(clock_()));
}

int RandomSource::next()
{
    // A linear congruential generator with a 15-bit output: the same sequence
    // on every platform and every build, so a seeded game replays exactly.
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7fffu);
}

int RandomSource::below(int n)
{
    return n > 0 ? next() % n : 0;
}

std::int64_t calendarSeconds()
{
    return static_cast<std::int64_t>(std::time(nullptr));
}

RandomSource& gameRandom()
{
    static RandomSource source;
    return source;
}

} // namespace platform
