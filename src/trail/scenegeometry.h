#pragma once

// Places on the 600 x 450 scene picture, put on the screen: scaled with a
// picture that grew on a tall screen, then moved to the picture's corner.
// Every scaling truncates toward zero.

#include <QPoint>
#include <QRect>

QRect pictureRectOnScreen(const QRect& rect);
QPoint picturePointOnScreen(const QPoint& point);

// How the scene picture stands on the screen: its corner and, on a tall
// screen, its scale.
struct SceneFrame {
    float HScale = 1;
    float VScale = 1;
    int PicLeft = 0;
    int PicTop = 0;
    bool operator==(const SceneFrame&) const = default;
};
// The frame the game's state gives now.
SceneFrame currentSceneFrame();
// A place on the screen in one frame, at the same place of the scene in the
// other: what stands on the picture keeps its place when the window resizes.
QRect movedWithScene(const QRect& rect, const SceneFrame& from, const SceneFrame& to);
QPoint movedWithScene(const QPoint& point, const SceneFrame& from, const SceneFrame& to);
