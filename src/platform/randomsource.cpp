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

void RandomSource::seedWithSecond(std::int64_t second)
{
    // The finaliser of SplitMix64: every bit of the second moves every bit
    // of the seed.
    auto z = static_cast<std::uint64_t>(second) + 0x9E3779B97F4A7C15ull;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    z ^= z >> 31;
    seed(static_cast<std::uint32_t>(z >> 32));
}

void RandomSource::seedFromClock()
{
    seedWithSecond(clock_());
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
