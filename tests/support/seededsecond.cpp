#include "seededsecond.h"

#include "platform/randomsource.h"

std::int64_t secondWhere(const std::function<bool(int draw)>& wanted)
{
    for (std::int64_t second = 1;; ++second) {
        platform::RandomSource source;
        source.seedWithSecond(second);
        if (wanted(source.next()))
            return second;
    }
}
