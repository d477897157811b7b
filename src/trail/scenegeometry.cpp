#include "scenegeometry.h"

#include "shell/gamestate.h"

QRect pictureRectOnScreen(const QRect& rect)
{
    const GameState& s = gameState();
    QRect placed = rect;
    if (s.VScale > 1) {
        placed = QRect(static_cast<int>(rect.x() * s.HScale), static_cast<int>(rect.y() * s.VScale),
                       static_cast<int>(rect.width() * s.HScale),
                       static_cast<int>(rect.height() * s.VScale));
    }
    return placed.translated(s.PicLeft, s.PicTop);
}

QPoint picturePointOnScreen(const QPoint& point)
{
    return pictureRectOnScreen(QRect(point, QSize(1, 1))).topLeft();
}
