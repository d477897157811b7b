#pragma once

// A fresh run's trail screen with its store and inventory, on fake media,
// with the error messages collected: what the journey's tests start from.

#include "errorcapture.h"
#include "fakemedia.h"

#include <functional>
#include <memory>

class TGame;

class TrailFixture {
public:
    // Resets the game state, the start-up code and the possessions, and
    // creates the screens as the entry sequence would.
    // `beforeScreens` runs on the fresh state, before the screens are made
    // (as the program reads the player's kept choices).
    explicit TrailFixture(const std::function<void()>& beforeScreens = {});
    ~TrailFixture();
    TrailFixture(const TrailFixture&) = delete;
    TrailFixture& operator=(const TrailFixture&) = delete;

    FakeMedia media;
    ErrorCapture errors;
    TGame* game = nullptr;

    static FakeMediaPlayer* fake(QObject* player) { return static_cast<FakeMediaPlayer*>(player); }

    // What the player meets, played on the fake media with the timers ticked
    // by hand: the trail shown and its welcome; the route drawn to its end;
    // a look around (true when the spirit told its story, which then ends).
    void startTheTrail();
    void drawRoute();
    bool lookAround();
};
