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

    constexpr QSize Panel(318, 260);
    l.IPicBesideDoor =
        fleaPanelPlace(l, FleaPanelPlace::BesideDoor, Panel, QRect(0, 0, windowWidth, windowHeight))
            .topLeft();

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

QRect fleaPanelPlace(const FleaLayout& layout, FleaPanelPlace place, QSize panel, QRect room)
{
    // Beside door #4, a little apart from it, and never off the scene.
    QPoint corner =
        place == FleaPanelPlace::BesideDoor
            ? QPoint(std::max(layout.SceneLeft, layout.Door2.left() - panel.width() - 40),
                     layout.InfoTop)
            : layout.IPic;
    corner.setX(std::clamp(corner.x(), room.left(),
                           std::max(room.left(), room.right() + 1 - panel.width())));
    corner.setY(std::clamp(corner.y(), room.top(),
                           std::max(room.top(), room.bottom() + 1 - panel.height())));
    return {corner, panel};
}

FleaBar fitFleaBar(const FleaLayout& layout, int clientHeight, int hintHeight)
{
    // A little room above and below the hint line.
    constexpr int Margin = 4;
    const int normalTop = clientHeight - layout.BottomPanelHeight;
    const int barHeight =
        std::max(FleaLayout::BarHeight, std::max(FleaLayout::HintHeight, hintHeight) + 2 * Margin);
    const int barBottom = normalTop + layout.Panel1.y() + FleaLayout::BarHeight;
    const int barTop = barBottom - barHeight;
    const int panelTop = std::min(normalTop, barTop - Margin);
    return {panelTop, QRect(layout.Panel1.x(), barTop - panelTop, FleaLayout::BarWidth, barHeight)};
}
