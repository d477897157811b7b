#include "routetable.h"

#include <array>

namespace {

// Towns 2..28, in order.
constexpr std::array<RouteSegment, 27> RouteTable{{
    {-1.2f, 502, 325, 120, false}, {-0.12f, 534, 55, 345, false}, {-0.42f, 87, 410, 245, true},
    {0.2f, 493, 235, 262, false},  {0.2f, 410, 102, 205, false},  {1.2f, 540, 360, 362, false},
    {0.4f, 430, 214, 214, false},  {1.44f, 440, 287, 383, false}, {0.5f, 393, 245, 416, false},
    {0.6f, 377, 255, 192, false},  {0.1f, 455, 230, 167, false},  {0.5f, 552, 380, 221, false},
    {-0.8f, 400, 330, 120, false}, {0.4f, 374, 260, 146, false},  {0.2f, 449, 250, 178, false},
    {2.0f, 485, 430, 249, false},  {0.2f, 467, 300, 180, false},  {0.1f, 391, 130, 434, false},
    {-0.5f, 424, 270, 112, false}, {-0.5f, 467, 350, 102, false}, {-0.5f, 551, 410, 126, false},
    {-1.1f, 549, 430, 194, false}, {-1.1f, 472, 360, 108, false}, {-1.1f, 200, 80, 145, false},
    {-1.1f, 254, 180, 184, false}, {-2.0f, 517, 460, 149, false}, {0.1f, 470, 210, 143, false},
}};

} // namespace

std::optional<RouteSegment> routeSegment(int town)
{
    if (town < 2 || town > TownCount)
        return std::nullopt;
    return RouteTable[static_cast<std::size_t>(town - 2)];
}

RouteTick advanceRoute(float slope, bool eastward, int endX, int& x, int& y)
{
    auto step = [&] {
        if (eastward) {
            y = static_cast<int>(static_cast<float>(y) + 10 * slope);
            x += 10;
        } else {
            y = static_cast<int>(static_cast<float>(y) - 10 * slope);
            x -= 10;
        }
    };
    RouteTick tick;
    tick.dashFrom = QPoint(x, y);
    step();
    tick.dashTo = QPoint(x, y);
    step();
    tick.complete = eastward ? x >= endX : x <= endX;
    return tick;
}

const int MapPathX[MapPathLength] = {560, 505, 536, 483, 453, 435, 408, 405, 387, 377,
                                     360, 326, 314, 309, 280, 274, 259, 213, 175, 145,
                                     125, 114, 105, 101, 93,  85,  75,  0,   0};
const int MapPathY[MapPathLength] = {255, 259, 234, 221, 213, 193, 168, 149, 132, 119,
                                     116, 111, 118, 112, 102, 87,  79,  75,  90,  116,
                                     129, 132, 166, 181, 190, 189, 188, 0,   0};
