#pragma once

// The flea market's scenes and the hints of its eagle button. One-digit
// scene numbers are market lanes, two-digit ones the shops behind their
// doors (lane x 10 + door). The party starts in lane 2 and can walk into the
// shop behind its door 2, scene 22.

#include <QString>
#include <optional>

struct FleaScene {
    int GridPos;
    const char* picture;
    bool southShown; // the way-out arrow of a shop
};

// The scene of this number; nothing for a number the market does not have.
std::optional<FleaScene> fleaScene(int gridPos);
// Whether the market can show the scene: it exists and its picture is part
// of the game.
bool canShowFleaScene(int gridPos);

// The hint line under the scene after the eagle button brought its tag to
// 0..5, in the given scene.
QString eagleHint(int tag, int gridPos);
