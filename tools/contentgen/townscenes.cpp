#include "townscenes.h"

#include "landscape.h"
#include "paint.h"
#include "sceneparts.h"
#include "scenerecipe.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen {

namespace {

bool snowy(Season s)
{
    return s == Season::DeepWinter || s == Season::EarlyWinter;
}

// The ground's near and far colours in each season.
std::pair<QColor, QColor> groundColours(Season s)
{
    switch (s) {
    case Season::LateAutumn:
        return {QColor(132, 100, 58), QColor(56, 42, 28)};
    case Season::EarlyWinter:
        return {QColor(196, 196, 200), QColor(112, 104, 96)};
    case Season::DeepWinter:
        return {QColor(226, 232, 242), QColor(150, 160, 180)};
    case Season::BareWinter:
        return {QColor(138, 120, 92), QColor(72, 62, 50)};
    case Season::Thaw:
        return {QColor(120, 106, 80), QColor(62, 52, 40)};
    case Season::Spring:
        return {QColor(128, 152, 84), QColor(56, 78, 40)};
    }
    return {};
}

void paintSky(QPainter& p, const SceneRecipe& s)
{
    const Sky sky = s.sky;
    const double horizon = s.horizon;
    const quint32 seed = s.seed;
    const QRectF r(0, 0, 600, horizon + 40);
    if (s.storm) { // a dark, low sky full of snow
        verticalGradient(
            p, r,
            {{0, QColor(54, 58, 72)}, {0.6, QColor(104, 108, 122)}, {1, QColor(160, 162, 170)}});
        return;
    }
    if (s.misty) { // a pale morning, the sun a soft glow through the mist
        verticalGradient(
            p, r,
            {{0, QColor(150, 166, 180)}, {0.7, QColor(206, 212, 212)}, {1, QColor(226, 224, 214)}});
        radialGlow(p, QPointF(170, 70), 120, QColor(255, 248, 226, 150));
        return;
    }
    switch (sky) {
    case Sky::Dusk:
        duskSky(p, r, seed, 140);
        return;
    case Sky::Grey:
    case Sky::Snowing:
        verticalGradient(
            p, r,
            {{0, QColor(96, 100, 112)}, {0.6, QColor(150, 152, 160)}, {1, QColor(190, 188, 186)}});
        break;
    case Sky::ClearCold:
        verticalGradient(
            p, r,
            {{0, QColor(58, 96, 150)}, {0.7, QColor(150, 186, 214)}, {1, QColor(214, 226, 232)}});
        break;
    case Sky::Dawn:
        verticalGradient(p, r,
                         {{0, QColor(70, 80, 120)},
                          {0.5, QColor(170, 150, 170)},
                          {0.85, QColor(236, 190, 160)},
                          {1, QColor(250, 220, 180)}});
        radialGlow(p, QPointF(90, horizon), 220, QColor(255, 220, 170, 140));
        break;
    case Sky::Morning:
        verticalGradient(
            p, r,
            {{0, QColor(96, 140, 190)}, {0.7, QColor(180, 206, 224)}, {1, QColor(232, 230, 214)}});
        radialGlow(p, QPointF(160, 60), 140, QColor(255, 250, 220, 120));
        break;
    case Sky::Evening:
        verticalGradient(
            p, r,
            {{0, QColor(30, 36, 70)}, {0.6, QColor(80, 80, 120)}, {1, QColor(170, 130, 130)}});
        stars(p, QRectF(0, 0, 600, horizon * 0.5), 40, seed + 3);
        break;
    }
    // Soft clouds.
    Rng rng(seed);
    QImage clouds = canvas(600, static_cast<int>(r.height()));
    {
        QPainter c(&clouds);
        c.setRenderHint(QPainter::Antialiasing);
        c.setPen(Qt::NoPen);
        const bool heavy = sky == Sky::Grey || sky == Sky::Snowing;
        const QColor tone = heavy ? QColor(120, 122, 132, 150) : QColor(255, 255, 255, 90);
        for (int i = 0; i < (heavy ? 22 : 9); ++i) {
            c.setBrush(tone);
            c.drawEllipse(QRectF(rng.range(-80, 600), r.height() * rng.range(0.05, 0.7),
                                 rng.range(90, 240), rng.range(10, 28)));
        }
    }
    blur(clouds, 6);
    p.drawImage(0, 0, clouds);
}

// Where the river's near bank is: past the water's lower edge.
double nearBank(const SceneRecipe& s)
{
    return s.horizon + 66;
}

// The red clay bank: a steep face across the left of the scene, highest at
// the left and sinking into the ground on the right, where the trail climbs
// onto it and runs along its top. The camp is below it, near the viewer.
double bankLip(double x, const SceneRecipe& s)
{
    return s.horizon + 30 + x * 0.05 + 3 * std::sin(x * 0.11 + s.seed);
}

double bankFoot(double x, const SceneRecipe& s)
{
    return s.horizon + 124 - x * 0.18;
}

QPainterPath bankFace(const SceneRecipe& s)
{
    QPainterPath face;
    face.moveTo(-10, bankLip(-10, s));
    for (double x = 0; x <= 380; x += 10)
        face.lineTo(x, bankLip(x, s));
    for (double x = 380; x >= -10; x -= 10)
        face.lineTo(x, bankFoot(x, s));
    face.closeSubpath();
    return face;
}

void redClayBank(QPainter& p, const SceneRecipe& s)
{
    // Bare trees on the bank's top.
    bareTree(p, QPointF(70, bankLip(70, s) + 4), 170, QColor(50, 40, 36), s.seed + 61);
    bareTree(p, QPointF(236, bankLip(236, s) + 4), 130, QColor(56, 46, 40), s.seed + 63);
    // The face, lit at its lip and darker toward its foot, cut by gullies
    // where the rain runs down.
    const QPainterPath face = bankFace(s);
    QLinearGradient g(0, s.horizon + 30, 0, s.horizon + 124);
    g.setColorAt(0, QColor(198, 100, 60));
    g.setColorAt(1, QColor(122, 54, 36));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(face);
    p.save();
    p.setClipPath(face);
    Rng rng(s.seed + 62);
    for (int i = 0; i < 34; ++i) {
        const double x = rng.range(-10, 370);
        const double top = bankLip(x, s), foot = bankFoot(x, s);
        p.setPen(
            QPen(i % 3 ? QColor(96, 40, 26, 120) : QColor(220, 140, 96, 110), rng.range(1, 2.6)));
        p.drawLine(QPointF(x, top + rng.range(0, 8)), QPointF(x - rng.range(0, 5), foot));
    }
    p.setPen(QPen(QColor(214, 128, 84, 90), 1.2)); // a paler layer of clay
    for (double x = -10; x < 340; x += 6)
        p.drawLine(QPointF(x, bankLip(x, s) + 12 + x * 0.02),
                   QPointF(x + 6, bankLip(x + 6, s) + 12 + x * 0.02));
    p.restore();
    for (int i = 0; i < 40; ++i) { // grass and roots hanging over the lip
        const double x = rng.range(-10, 380);
        const QPointF lip(x, bankLip(x, s));
        p.setPen(QPen(i % 3 ? QColor(156, 128, 76) : QColor(70, 50, 36), 1.3));
        p.drawLine(lip, lip + QPointF(rng.range(-5, 5), rng.range(3, 10)));
    }
    // The camp below: tents and campfires at the foot of the bank.
    p.setPen(Qt::NoPen);
    const QColor canvasColour(196, 182, 156);
    const double tentX[] = {40, 104, 170, 236};
    for (int i = 0; i < 4; ++i)
        tent(p, QPointF(tentX[i], bankFoot(tentX[i], s) + 16 + (i % 2) * 10), 22 + (i % 2) * 4,
             canvasColour);
    campfire(p, QPointF(76, bankFoot(76, s) + 56), 13);
    campfire(p, QPointF(206, bankFoot(206, s) + 52), 11);
}

// The trunks of a winter wood all around, near and far.
void woodTrunks(QPainter& p, const SceneRecipe& s)
{
    Rng rng(s.seed + 85);
    for (int i = 0; i < 20; ++i) {
        const double depth = rng.uniform();
        double x = rng.range(-10, 610);
        if (depth > 0.5 && x > 340 && x < 560)
            x = rng.uniform() < 0.5 ? rng.range(-10, 300) : rng.range(560, 610);
        const double foot = s.horizon + 10 + depth * 120, height = 140 + depth * 260;
        const QColor bark = mix(QColor(130, 128, 136), QColor(54, 50, 52), depth);
        bareTree(p, QPointF(x, foot), height, bark, s.seed + 86 + static_cast<quint32>(i));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(234, 238, 244, 90)); // snow heaped at the foot of the trunk
        p.drawEllipse(QPointF(x, foot), 8 + depth * 14, 2 + depth * 3);
    }
}

void landmarks(QImage& img, const SceneRecipe& s)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const bool snow = snowy(s.season);
    const double g = s.horizon + 30; // the near edge of the far ground
    if (s.redBank)
        redClayBank(p, s);
    if (s.ferry) {
        // The flatboat at the landing, its rope across the river.
        p.setPen(QPen(QColor(60, 50, 40), 1.4));
        p.drawLine(QPointF(0, s.horizon + 4), QPointF(600, s.horizon + 20));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 80, 52));
        p.drawRect(QRectF(70, s.horizon + 40, 170, 16));
        p.setBrush(QColor(84, 60, 40));
        p.drawRect(QRectF(70, s.horizon + 30, 6, 12));
        p.drawRect(QRectF(234, s.horizon + 30, 6, 12));
        p.setPen(QPen(QColor(110, 84, 56), 3));
        p.drawLine(QPointF(76, s.horizon + 34), QPointF(234, s.horizon + 34));
        p.setPen(Qt::NoPen);
        // The landing: a plank pier from the bank out to the boat.
        p.setBrush(QColor(92, 68, 46));
        for (double x : {212.0, 252.0})
            p.drawRect(QRectF(x, s.horizon + 50, 5, 24));
        p.setBrush(QColor(128, 98, 66));
        p.drawRect(QRectF(206, s.horizon + 54, 54, 14));
        p.setPen(QPen(QColor(84, 62, 42), 1));
        for (double x = 212; x < 260; x += 8)
            p.drawLine(QPointF(x, s.horizon + 54), QPointF(x, s.horizon + 68));
        p.setPen(Qt::NoPen);
        logHouse(p, QRectF(40, s.horizon + 90, 80, 50), QColor(100, 76, 54), false, false);
    }
    if (s.mill) {
        logHouse(p, QRectF(70, s.horizon + 40, 120, 70), QColor(120, 110, 100), false, false);
        const QPointF hub(205, s.horizon + 90);
        p.setPen(QPen(QColor(70, 52, 38), 4));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(hub, 34, 34);
        for (int i = 0; i < 8; ++i) {
            const double a = i * M_PI / 4;
            p.drawLine(hub, hub + QPointF(std::cos(a), std::sin(a)) * 34);
        }
    }
    if (s.cabin)
        logHouse(p, QRectF(60, s.horizon + 30, 130, 70), QColor(96, 70, 48), true, snow);
    if (s.farm) {
        logHouse(p, QRectF(90, s.horizon + 24, 110, 60), QColor(104, 80, 58), true, snow);
        smoke(p, QPointF(170, s.horizon - 20), s.seed + 40);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 60, 44));
        p.drawRect(QRectF(230, s.horizon + 40, 70, 44)); // a barn
        QPainterPath roof;
        roof.moveTo(224, s.horizon + 42);
        roof.lineTo(265, s.horizon + 14);
        roof.lineTo(306, s.horizon + 42);
        p.setBrush(snow ? QColor(226, 230, 238) : QColor(80, 50, 40));
        p.drawPath(roof);
    }
    if (s.meetingHouse) {
        const QRectF front(60, s.horizon - 10, 150, 90);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(170, 160, 150));
        p.drawRect(front);
        QPainterPath roof;
        roof.moveTo(front.left() - 10, front.top());
        roof.lineTo(front.center().x(), front.top() - 44);
        roof.lineTo(front.right() + 10, front.top());
        p.setBrush(QColor(230, 234, 242));
        p.drawPath(roof);
        p.setBrush(QColor(150, 140, 130));
        p.drawRect(QRectF(front.center().x() - 10, front.top() - 74, 20, 40)); // a small belfry
        p.setBrush(QColor(230, 234, 242));
        p.drawRect(QRectF(front.center().x() - 13, front.top() - 78, 26, 6));
        for (double x : {80.0, 120.0, 160.0}) {
            p.setBrush(QColor(250, 206, 120));
            p.drawRect(QRectF(x, front.top() + 24, 16, 26));
            radialGlow(p, QPointF(x + 8, front.top() + 36), 30, QColor(255, 200, 110, 80));
        }
    }
    if (s.school) {
        logHouse(p, QRectF(70, s.horizon + 20, 140, 72), QColor(130, 100, 70), true, false);
        p.setPen(QPen(QColor(80, 60, 40), 2));
        p.drawLine(QPointF(140, s.horizon - 20), QPointF(140, s.horizon - 48));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(90, 80, 70));
        p.drawEllipse(QPointF(140, s.horizon - 46), 5, 5); // the school bell
    }
    if (s.forge) {
        logHouse(p, QRectF(50, s.horizon + 20, 170, 80), QColor(90, 70, 56), false, false);
        radialGlow(p, QPointF(150, s.horizon + 76), 70, QColor(255, 140, 50, 160));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 170, 80));
        p.drawRect(QRectF(134, s.horizon + 62, 32, 26));
        smoke(p, QPointF(190, s.horizon - 40), s.seed + 41);
    }
    if (s.newCabin)
        logHouse(p, QRectF(80, s.horizon + 30, 150, 80), QColor(170, 130, 86), false, false, true);
    if (s.homes) {
        for (int i = 0; i < 4; ++i) {
            const double x = 40 + i * 70, y = s.horizon + 14 + (i % 2) * 14;
            logHouse(p, QRectF(x, y, 46, 28), QColor(110, 84, 60), i % 2 == 0, false);
            smoke(p, QPointF(x + 34, y - 24), s.seed + 50 + static_cast<quint32>(i));
        }
    }
    if (s.tents && !s.redBank) {
        const QColor c = snow ? QColor(200, 196, 186) : QColor(186, 172, 146);
        // Beside water the camp stands on the near bank, clear of the river.
        const double from = s.water ? nearBank(s) + 14 : g + 18;
        const int rows = s.storm ? 3 : 1;
        for (int row = 0; row < rows; ++row)
            for (int i = 0; i < 6; ++i)
                tent(p,
                     QPointF(30 + i * 48 + ((i + row) % 2) * 12 + row * 10,
                             from + (i % 3) * 12 + row * 40),
                     22 + (i % 3) * 4 + row * 5, c);
    }
    if (s.soldiersTents) {
        for (int row = 0; row < 2; ++row)
            for (int i = 0; i < 6; ++i)
                tent(p, QPointF(30 + i * 46 + row * 20, g - 10 + row * 34), 16 + row * 4,
                     QColor(226, 224, 216));
        p.setPen(QPen(QColor(70, 60, 50), 2));
        p.drawLine(QPointF(300, g - 40), QPointF(300, g - 110)); // a flagpole, no flag
    }
    if (s.wagons) {
        const double y = s.water ? nearBank(s) + 44 : g + 40;
        wagon(p, QPointF(110, y + 20), 46, snow);
        wagon(p, QPointF(230, y), 34, snow);
    }
    if (s.campfire && !s.redBank) {
        campfire(p, QPointF(200, g + 90 + (s.water ? 40 : 0)), 16);
        if (s.storm)
            campfire(p, QPointF(90, g + 150), 18);
    }
    if (s.markers) {
        // Simple wooden markers beside the road, under a bare tree: a quiet
        // place, remembered.
        bareTree(p, QPointF(150, g + 80), 200, QColor(60, 52, 50), s.seed + 60);
        for (int i = 0; i < 4; ++i) {
            const QPointF m(100 + i * 34, g + 86 + (i % 2) * 8);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(120, 96, 70));
            p.drawRect(QRectF(m.x() - 2, m.y() - 26, 4, 26));
            p.drawRect(QRectF(m.x() - 9, m.y() - 20, 18, 4));
            p.setBrush(QColor(190, 196, 200, 160));
            p.drawEllipse(m, 10, 3);
        }
    }
    if (s.spring) {
        p.setPen(Qt::NoPen);
        Rng rng(s.seed + 70);
        for (int i = 0; i < 12; ++i) {
            p.setBrush(mix(QColor(140, 140, 150), QColor(90, 90, 100), rng.uniform()));
            p.drawEllipse(QPointF(60 + i * 20, g + 70 + rng.range(-12, 12)), rng.range(14, 22),
                          rng.range(9, 14));
        }
        p.setBrush(QColor(210, 226, 236));
        p.drawEllipse(QPointF(170, g + 92), 90, 16);
        p.setBrush(QColor(236, 244, 250, 200));
        for (int i = 0; i < 9; ++i) { // icicles on the rocks
            QPainterPath ice;
            const double x = 70 + i * 22;
            ice.moveTo(x, g + 72);
            ice.lineTo(x + 4, g + 72);
            ice.lineTo(x + 2, g + 90);
            p.drawPath(ice);
        }
    }
}

void paintTrees(QImage& img, const SceneRecipe& s)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(s.seed + 80);
    const bool snow = snowy(s.season);
    // A far wood along the horizon, then a few trees close by at the edges.
    const int far = s.trees == Trees::Sparse ? 8 : 22;
    for (int i = 0; i < far; ++i) {
        const QPointF base(rng.range(0, 600), s.horizon + rng.range(4, 16));
        const double h = rng.range(30, 70);
        switch (s.trees) {
        case Trees::Pines:
            pineTree(p, base, h * 1.3, snow ? QColor(70, 84, 90) : QColor(50, 60, 56), s.seed + i);
            break;
        case Trees::Autumn:
            broadTree(p, base, h * 1.2,
                      mix(QColor(176, 90, 40), QColor(200, 150, 60), rng.uniform()), s.seed + i);
            break;
        case Trees::Mixed:
            if (i % 2)
                pineTree(p, base, h * 1.2, QColor(60, 70, 62), s.seed + i);
            else
                broadTree(p, base, h,
                          s.season == Season::Spring ? QColor(120, 160, 80) : QColor(160, 100, 50),
                          s.seed + i);
            break;
        default:
            bareTree(p, base, h * 1.1, QColor(80, 74, 80, 200), s.seed + i);
            break;
        }
    }
    // Near trees at the left edge frame the landmark; one at the right edge
    // stands behind where the spirit will be.
    const double foot = 450;
    if (s.closeWood)
        woodTrunks(p, s);
    for (int i = 0; i < (s.redBank ? 0 : 3); ++i) {
        const QPointF base(-10 + i * 26, foot - i * 14);
        const double h = 300 - i * 40;
        const quint32 seed = s.seed + 100 + static_cast<quint32>(i);
        switch (s.trees) {
        case Trees::Pines:
            pineTree(p, base, h, QColor(28, 36, 34), seed);
            break;
        case Trees::Birches:
            birch(p, base, h, s.season == Season::Spring, seed);
            break;
        case Trees::Autumn:
            // One leafy tree, its whole crown inside the picture.
            if (i == 1) {
                bareTree(p, base + QPointF(64, 0), h * 0.9, QColor(50, 36, 28), seed);
                leafCrown(p, base + QPointF(64, -h * 0.62), h * 0.22, QColor(196, 104, 44),
                          seed + 5);
            }
            break;
        case Trees::Sparse:
            if (i == 0)
                bareTree(p, base, h * 0.8, QColor(50, 44, 44), seed);
            break;
        default:
            if (s.season == Season::Spring) { // young leaves, the crown inside the picture
                if (i == 1) {
                    bareTree(p, base + QPointF(34, 0), h * 0.9, QColor(54, 44, 38), seed);
                    leafCrown(p, base + QPointF(34, -h * 0.6), h * 0.24, QColor(134, 178, 86),
                              seed + 5);
                }
            } else {
                bareTree(p, base, h * 0.9, QColor(44, 38, 36), seed);
            }
            break;
        }
    }
    if (s.trees == Trees::Pines || s.trees == Trees::Birches || s.trees == Trees::Bare)
        s.trees == Trees::Pines
            ? pineTree(p, QPointF(606, 420), 260, QColor(30, 38, 36), s.seed + 120)
        : s.trees == Trees::Birches
            ? birch(p, QPointF(596, 440), 280, false, s.seed + 120)
            : bareTree(p, QPointF(596, 440), 240, QColor(48, 42, 40), s.seed + 120);
}

void paintWater(QImage& img, const SceneRecipe& s)
{
    const double top = s.horizon + 10, bottom = s.horizon + 10 + 40;
    QPainterPath river;
    river.moveTo(0, top);
    river.cubicTo(200, top - 6, 400, top + 8, 600, top - 2);
    river.lineTo(600, bottom + 6);
    river.cubicTo(400, bottom + 14, 200, bottom - 4, 0, bottom + 10);
    river.closeSubpath();
    if (!s.frozen) {
        reflectInto(img, river, top, QColor(110, 130, 150), s.seed + 90);
    } else {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, top, 0, bottom);
        g.setColorAt(0, QColor(206, 220, 232));
        g.setColorAt(1, QColor(170, 190, 210));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(river);
        p.setClipPath(river);
        p.setPen(QPen(QColor(120, 140, 160, 160), 1));
        Rng rng(s.seed + 91);
        for (int i = 0; i < 30; ++i) {
            const QPointF a(rng.range(0, 600), rng.range(top, bottom + 10));
            p.drawLine(a, a + QPointF(rng.range(-30, 30), rng.range(-3, 3)));
        }
    }
    if (s.breakingIce) {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(river);
        if (s.frozen) { // dark open water where the ice has broken
            Rng leads(s.seed + 93);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(70, 88, 108));
            for (int i = 0; i < 5; ++i) {
                const QPointF c(leads.range(20, 580), leads.range(top + 8, bottom));
                p.drawEllipse(c, leads.range(30, 70), leads.range(3, 6));
            }
        }
        Rng rng(s.seed + 92);
        p.setPen(QPen(QColor(150, 170, 190), 1));
        for (int i = 0; i < 26; ++i) {
            const QPointF c(rng.range(0, 600), rng.range(top, bottom + 8));
            QPolygonF floe;
            for (int k = 0; k < 5; ++k) {
                const double a = k * 2 * M_PI / 5 + rng.range(-0.3, 0.3);
                floe << c + QPointF(std::cos(a) * rng.range(8, 22), std::sin(a) * rng.range(2, 6));
            }
            p.setBrush(QColor(226, 234, 240));
            p.drawPolygon(floe);
        }
    }
}

QImage paintScene(const SceneRecipe& s)
{
    QImage img = canvas(600, 450, Qt::black);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        paintSky(p, s);
        const bool snow = snowy(s.season);
        if (s.hills) {
            const QColor far = snow                         ? QColor(170, 176, 196)
                               : s.season == Season::Spring ? QColor(110, 130, 120)
                                                            : QColor(110, 96, 116);
            hillLayer(p, 600, s.horizon - 20, 30, 200, far, far.darker(115), s.seed + 1,
                      s.horizon + 20);
            hillLayer(p, 600, s.horizon, 18, 130, far.darker(120), far.darker(135), s.seed + 2,
                      s.horizon + 20);
        }
        const auto [nearColour, farColour] = groundColours(s.season);
        QPainterPath ground = ridge(600, s.horizon + 8, 4, 300, s.seed + 3, 450);
        QLinearGradient g(0, s.horizon, 0, 450);
        g.setColorAt(0, farColour.lighter(snow ? 100 : 125));
        g.setColorAt(1, nearColour.darker(snow ? 110 : 160));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(ground);
    }
    if (s.water)
        paintWater(img, s);
    paintTrees(img, s);
    landmarks(img, s);
    {
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        // The trail comes toward the viewer and passes where the spirit stands.
        const QColor path = snowy(s.season)            ? QColor(180, 180, 190, 170)
                            : s.season == Season::Thaw ? QColor(100, 76, 54, 210)
                                                       : QColor(150, 124, 88, 180);
        QPainterPath trail;
        trail.moveTo(330, 470);
        if (s.redBank) { // up onto the bank where it sinks low, then along its top
            trail.cubicTo(352, 400, 352, 330, 372, bankLip(372, s) + 2);
            taperedPath(p, trail, 80, 22, path);
            trail.clear();
            trail.moveTo(372, bankLip(372, s) + 2);
            trail.cubicTo(330, bankLip(330, s) - 7, 160, bankLip(160, s) - 9, -20,
                          bankLip(-20, s) - 9);
            taperedPath(p, trail, 22, 8, path);
        } else if (s.water) { // the trail comes down to the river and ends on its bank
            const double bank = nearBank(s);
            const double endX = s.ferry ? 258 : 380;
            trail.cubicTo(360, 400, 300, 360, 330, bank + 26);
            trail.cubicTo(340, bank + 10, endX + (s.ferry ? 40 : -30), bank + 4, endX, bank);
        } else {
            trail.cubicTo(360, 400, 300, 350, 330, s.horizon + 60);
            trail.cubicTo(350, s.horizon + 40, 420, s.horizon + 36, 470, s.horizon + 30);
        }
        if (!s.redBank)
            taperedPath(p, trail, 80, 6, path);
        const auto [nearColour, farColour] = groundColours(s.season);
        switch (s.season) {
        case Season::DeepWinter:
        case Season::EarlyWinter:
            snowOnGround(p, QRectF(0, s.horizon + 40, 600, 410 - s.horizon), s.seed + 4);
            grass(p, QRectF(0, 360, 600, 90), 220, QColor(90, 80, 70), QColor(150, 130, 100),
                  s.seed + 5);
            break;
        case Season::Thaw:
            snowOnGround(p, QRectF(0, s.horizon + 60, 600, 390 - s.horizon), s.seed + 4);
            grass(p, QRectF(0, 330, 600, 120), 700, QColor(70, 60, 40), QColor(150, 130, 80),
                  s.seed + 5);
            break;
        case Season::Spring:
            grass(p, QRectF(0, 320, 600, 130), 1300, QColor(50, 90, 40), QColor(150, 200, 90),
                  s.seed + 5);
            break;
        default: {
            p.save();
            if (s.redBank) {
                QPainterPath outside;
                outside.addRect(QRectF(0, 0, 600, 450));
                p.setClipPath(outside.subtracted(bankFace(s)));
            }
            const int blades = s.season == Season::BareWinter && s.fields ? 500 : 1100;
            grass(p, QRectF(0, 320, 600, 130), blades, farColour, QColor(180, 146, 84), s.seed + 5);
            p.restore();
            break;
        }
        }
        if (s.snowPatches)
            snowPatches(p, QRectF(0, s.water ? nearBank(s) : s.horizon + 30, 600, 400 - s.horizon),
                        26, s.seed + 10);
        if (s.flowers) {
            Rng rng(s.seed + 6);
            p.setPen(Qt::NoPen);
            for (int i = 0; i < 120; ++i) {
                const QPointF c(rng.range(0, 600), rng.range(s.horizon + 50, 445));
                const double r = 1 + 2.5 * (c.y() - s.horizon) / (450 - s.horizon);
                p.setBrush(i % 3 == 0   ? QColor(240, 220, 90)
                           : i % 3 == 1 ? QColor(230, 230, 240)
                                        : QColor(190, 140, 210));
                p.drawEllipse(c, r, r);
            }
        }
        if (s.fields)
            furrows(p, QRectF(0, s.water ? nearBank(s) : s.horizon + 40, 300, 100),
                    s.season == Season::Spring ? QColor(96, 70, 50)
                    : s.season == Season::BareWinter
                        ? QColor(170, 166, 160, 90) // frost on the ridges
                        : QColor(90, 76, 60),
                    s.season == Season::Spring);
        if (s.fence) {
            const double y = s.horizon + 30 + (s.cabin ? 110 : 60);
            railFence(p, s.farm ? 20 : 0, 320, y, 20);
            if (s.snowPatches) // snow drifted against the fence's foot
                snowPatches(p, QRectF(0, y - 4, 320, 10), 16, s.seed + 11);
        }
        if (s.sky == Sky::Morning && s.flowers) { // a meadowlark on a post
            p.setBrush(QColor(90, 70, 50));
            p.drawRect(QRectF(250, s.horizon + 30, 6, 40));
            p.setBrush(QColor(120, 100, 70));
            p.drawEllipse(QPointF(253, s.horizon + 24), 8, 6);
            p.setBrush(QColor(240, 210, 70));
            p.drawEllipse(QPointF(257, s.horizon + 26), 3.5, 3);
            p.setBrush(QColor(120, 100, 70));
            p.drawEllipse(QPointF(259, s.horizon + 19), 3.5, 3.5);
        }
        if (s.sky == Sky::Grey || s.sky == Sky::Dawn)
            mist(p, QRectF(0, s.horizon - 10, 600, 60), QColor(220, 224, 232, 40), s.seed + 7);
        if (s.misty) {
            mist(p, QRectF(0, s.horizon - 60, 600, 90), QColor(236, 238, 240, 150), s.seed + 12);
            mist(p, QRectF(220, s.horizon + 10, 380, 60), QColor(232, 236, 240, 110), s.seed + 13);
        }
    }
    if (s.rain)
        fallingRain(img, s.seed + 14);
    if (s.sky == Sky::Snowing)
        fallingSnow(img, s.seed + 8, s.storm ? 1800 : 700);
    finishScene(img, s.seed + 9, s.sky == Sky::Evening || s.sky == Sky::Dusk ? 0.4 : 0.3);
    return img;
}

} // namespace

QImage landscapeScene(int town)
{
    return paintScene(sceneRecipe(town));
}

} // namespace gen
