#pragma once

// The game's random numbers.
//
// The activities draw a non-negative integer X and reduce it themselves
// (X mod n). When they re-seed, they seed with the calendar time in whole
// seconds, so two seeded draws within the same second repeat; that is part of
// how the game plays, and the injectable clock lets tests rely on it.

#include <cstdint>
#include <functional>

namespace platform {

class RandomSource {
public:
    // Calendar time in whole seconds.
    using Clock = std::function<std::int64_t()>;

    static constexpr int Max = 32767;

    explicit RandomSource(Clock clock = {});

    void seed(std::uint32_t value) { state_ = value; }
    // Seeds with a second of the calendar. The second is mixed first: the
    // generator's first value follows its seed almost linearly, so seeding
    // with consecutive seconds as they are would make the first draws climb
    // with the clock instead of looking like chance.
    void seedWithSecond(std::int64_t second);
    // Seeds with the clock's current second.
    void seedFromClock();
    // The next draw, 0..Max.
    int next();
    // Seeds with this second, then draws: seeded draws within one second
    // repeat.
    int seededDraw()
    {
        seedFromClock();
        return next();
    }
    // next() mod n, for n > 0.
    int below(int n);

    void setClock(Clock clock);

private:
    Clock clock_;
    std::uint32_t state_ = 1;
};

// The calendar time of the system clock, in whole seconds.
std::int64_t calendarSeconds();

// The one generator the game draws from.
RandomSource& gameRandom();

} // namespace platform
