#pragma once

// The route of each town: one straight segment drawn on the town's route map
// (a 600 x 450 picture), and the trail's points on the journey map. Town 1 is
// where the journey starts and has no segment.

#include "shell/gamefacts.h"

#include <QPoint>

#include <optional>

struct RouteSegment {
    float slope;   // dy per unit of dx
    int startX;
    int endX;
    int startY;
    bool eastward; // x grows along the route
};

// The segment drawn on arrival in town 2..28; nothing for other towns.
std::optional<RouteSegment> routeSegment(int town);

// One tick of the route animation from (x, y): a 10-pixel dash is drawn and
// then the same distance is travelled without drawing, so a tick covers 20
// pixels of x. y follows the slope and is truncated toward zero at every
// 10-pixel step, as the route has always been drawn.
struct RouteTick {
    QPoint dashFrom;
    QPoint dashTo;
    bool complete; // the end x has been reached or passed: the red dot goes at (x, y)
};
RouteTick advanceRoute(float slope, bool eastward, int endX, int& x, int& y);

// The journey map: the point of town 1, then MapPathX/MapPathY entry k is the
// point of town k + 2 (entries 27 and 28 are never reached).
constexpr QPoint MapStart{600, 226};
constexpr int MapPathLength = 29;
extern const int MapPathX[MapPathLength];
extern const int MapPathY[MapPathLength];
