#include "introlayout.h"

namespace {

constexpr int DesignWidth = 1024;
constexpr int DesignHeight = 768;

constexpr QRect FaceRect(180, 105, 300, 330);
constexpr QRect FireRect(422, 367, 214, 387);

// Caption 3 stands on black beside the face and wraps before the screen's
// edge.
constexpr int Label2DesignWidth = 420;

// A design length times screen / design, truncated. Whole numbers keep the
// products exact: 105 x 1024 / 768 is 140, not 139.99999.
int scaled(int design, int screen, int designScreen)
{
    return static_cast<int>(static_cast<long long>(design) * screen / designScreen);
}

} // namespace

IntroLayout computeIntroLayout(int screenWidth, int screenHeight)
{
    const auto byWidth = [&](int v) { return scaled(v, screenWidth, DesignWidth); };
    const auto byHeight = [&](int v) { return scaled(v, screenHeight, DesignHeight); };
    const auto scaledRect = [&](const QRect& r) {
        return QRect(byWidth(r.left()), byHeight(r.top()), byWidth(r.width()),
                     byHeight(r.height()));
    };

    IntroLayout l;
    l.face = scaledRect(FaceRect);
    l.fire = scaledRect(FireRect);
    l.image = QSize(DesignWidth, DesignHeight);
    l.label1 = QPoint(312, 200);
    l.label1Width = byWidth(460);
    l.label2 = QPoint(500, 220);
    l.label2Width = byWidth(Label2DesignWidth);

    // Only the height decides whether the picture and the captions move.
    if (screenHeight != DesignHeight) {
        l.image = QSize(byWidth(l.image.width()), byHeight(l.image.height()));
        l.label1 = QPoint(byWidth(l.label1.x()), byHeight(l.label1.y()));
        l.label2 = QPoint(byWidth(l.label2.x()), byHeight(l.label2.y()));
    }
    // On a small screen the captions start further left, where their
    // unscaled letters have room.
    if (screenHeight < 600)
        l.label1.setX(110);
    return l;
}
