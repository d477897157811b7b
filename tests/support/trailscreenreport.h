#pragma once

// What the trail screen shows, in one line a failing test can print: the
// panels on the screen, the controls a player could press, the timers that
// will tick, the clips that play and the game state's scene flow.

#include <QString>

class TGame;

QString describeTrailScreen(const TGame& game);
