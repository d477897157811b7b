#include "fleamarketlayout.h"

#include <algorithm>

namespace {

// float -> int the way the layout always did it: toward zero.
int trunc(float value)
{
    return static_cast<int>(value);
}

} // namespace

FleaLayout computeFleaLayout(int windowWidth, int windowHeight)
{
    FleaLayout l;
    float sy = static_cast<float>(windowHeight) / 768.0f;
    float sx = static_cast<float>(windowWidth) / 1024.0f;
    const int half = windowWidth / 2;

    l.Panel1.setX(half - 320);
    l.InfoLeft = half - 110;
    l.InfoTop = trunc(140 * sy);
    l.IPic = {l.InfoLeft, l.InfoTop};
    l.ILabel = {l.InfoLeft + 20, l.InfoTop + 110};
    l.IButton = {l.InfoLeft + 110, l.InfoTop + 230};

    if (windowHeight > 768) {
        l.SceneLeft = trunc(115 * sx);
        l.Image1 = {l.SceneLeft, 0, trunc(800 * sx), trunc(600 * sy)};
        l.SidePanelWidth = trunc(115 * sx);
        l.BottomPanelHeight = trunc(167 * sy) - 18;
        l.Panel1.setY(trunc(40 * sy));
        l.Door2 = {trunc(648 * sx), l.Door2.y(), trunc(81 * sx), trunc(193 * sy)};
        l.Door1 = {trunc(224 * sx), l.Door1.y(), trunc(81 * sx), trunc(193 * sy)};
    }
    if (windowHeight < 768) {
        l.SidePanelsShown = false;
        l.SceneLeft = 0;
        l.Image1.moveLeft(0);
        l.Panel1.setY(4);
        l.BottomPanelHeight = 75;
        l.Door2.moveLeft(538);
        l.Door1.moveLeft(114);
        sx = 1;
        sy = 1;
    }

    // Beside door #4, a little apart from it, and never off the scene.
    constexpr int PanelWidth = 318;
    l.IPicBesideDoor = {std::max(l.SceneLeft, l.Door2.left() - PanelWidth - 40), l.InfoTop};

    const int southTop = windowHeight < 768 ? windowHeight - 185 : trunc(502 * sy);
    l.South = {l.SceneLeft + trunc(380 * sx), southTop, trunc(55 * sx), trunc(96 * sy)};
    l.West = {l.SceneLeft, trunc(135 * sy), trunc(105 * sx), trunc(60 * sy)};
    l.East = {l.SceneLeft + trunc(700 * sx), trunc(135 * sy), l.West.width(), l.West.height()};
    l.FleaVScale = sy;
    l.FleaHScale = sx;
    return l;
}

QPoint fleaScenePosition(int gridPos, int windowHeight, QPoint current)
{
    if (windowHeight >= 600)
        return current;
    return gridPos == 22 ? QPoint(-140, -15) : QPoint(0, 0);
}
