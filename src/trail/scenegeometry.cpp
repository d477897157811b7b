#include "scenegeometry.h"

#include "shell/gamestate.h"

#include <cmath>

namespace {

QRect placedInFrame(const QRect& rect, const SceneFrame& frame)
{
    QRect placed = rect;
    if (frame.VScale > 1) {
        placed = QRect(static_cast<int>(rect.x() * frame.HScale),
                       static_cast<int>(rect.y() * frame.VScale),
                       static_cast<int>(rect.width() * frame.HScale),
                       static_cast<int>(rect.height() * frame.VScale));
    }
    return placed.translated(frame.PicLeft, frame.PicTop);
}

} // namespace

SceneFrame currentSceneFrame()
{
    const GameState& s = gameState();
    return {s.HScale, s.VScale, s.PicLeft, s.PicTop};
}

QRect pictureRectOnScreen(const QRect& rect)
{
    return placedInFrame(rect, currentSceneFrame());
}

QRect movedWithScene(const QRect& rect, const SceneFrame& from, const SceneFrame& to)
{
    QRect onScene = rect.translated(-from.PicLeft, -from.PicTop);
    if (from.VScale > 1) {
        // Back to the 600 x 450 picture, rounding to the nearest pixel.
        const auto back = [](int value, float scale) {
            return static_cast<int>(std::lround(value / scale));
        };
        onScene = QRect(back(onScene.x(), from.HScale), back(onScene.y(), from.VScale),
                        back(onScene.width(), from.HScale), back(onScene.height(), from.VScale));
    }
    return placedInFrame(onScene, to);
}

QPoint movedWithScene(const QPoint& point, const SceneFrame& from, const SceneFrame& to)
{
    return movedWithScene(QRect(point, QSize(1, 1)), from, to).topLeft();
}

QPoint picturePointOnScreen(const QPoint& point)
{
    return pictureRectOnScreen(QRect(point, QSize(1, 1))).topLeft();
}
