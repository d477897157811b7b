#pragma once

// The game seeds its draws with the calendar second. Tests that need a
// particular draw set the generator's clock to a second whose seeded draw is
// the one they want.

#include <cstdint>
#include <functional>

std::int64_t secondWhere(const std::function<bool(int draw)>& wanted);
