#pragma once

// Where the flea market's controls go on a screen of a given size. The
// market was drawn for 1024 x 768: taller screens enlarge the scene and the
// wooden frame, shorter ones drop the side frames and move the scene to the
// left edge, and a screen exactly 768 high keeps the scene at its drawn
// place. Floats are 32-bit and every scaling truncates toward zero, as the
// layout has always been computed.

#include <QPoint>
#include <QRect>
#include <QSize>

struct FleaLayout {
    // The instruction text's box on its panel, and the bottom bar with its
    // hint line, at the normal caption size.
    static constexpr QSize ILabelSize{281, 130};
    static constexpr int BarWidth = 640;
    static constexpr int BarHeight = 72;
    static constexpr int HintHeight = 64;

    // The scale factors after the layout (both 1 on screens under 768 high).
    float FleaVScale = 1;
    float FleaHScale = 1;
    int SceneLeft = 115;
    QRect Image1{115, 0, 800, 600};
    // The wooden frame: the side panels (shown or not, their width) and the
    // height of the bottom panel that holds the bar.
    bool SidePanelsShown = true;
    int SidePanelWidth = 115;
    int BottomPanelHeight = 150;
    QPoint Panel1{112, 40};
    // The instruction panel: IPic at (InfoLeft, InfoTop), the text and the
    // button placed on it.
    int InfoLeft = 0;
    int InfoTop = 0;
    QPoint IPic;
    QPoint ILabel;
    QPoint IButton;
    // While the panel asks the player to click door #4 it stands beside the
    // door instead, so that the door stays in sight.
    QPoint IPicBesideDoor;
    QRect Door2{648, 72, 81, 193};
    QRect Door1{224, 56, 81, 193}; // door #3, a shop closed today
    QRect South;
    QRect West;
    QRect East;
};

// The layout for a market window of this width and height (the screen's).
FleaLayout computeFleaLayout(int windowWidth, int windowHeight);

// Small windows show part of the scene: the shop is shifted so that its
// keeper stays in view. Where Image1 goes for a scene on a window this high.
QPoint fleaScenePosition(int gridPos, int windowHeight, QPoint current);

// Where the instruction panel stands: in the middle of the scene, or beside
// door #4 while it asks the player to go through it.
enum class FleaPanelPlace { Middle, BesideDoor };

// The instruction panel of this size (larger with larger captions) at its
// place, moved back inside the room where it would reach past an edge.
QRect fleaPanelPlace(const FleaLayout& layout, FleaPanelPlace place, QSize panel, QRect room);

// The bottom bar, grown for a hint line of this height: the bar grows upwards
// from where it stands, inside the bottom panel while there is room and then
// with the bottom panel over the foot of the scene. In the coordinates of
// the window's area below the menu (the panel's top) and of the panel (the
// bar).
struct FleaBar {
    int BottomPanelTop = 0;
    QRect Panel1;
};
FleaBar fitFleaBar(const FleaLayout& layout, int clientHeight, int hintHeight);
