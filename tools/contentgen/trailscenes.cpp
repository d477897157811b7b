#include "trailscenes.h"

#include "figures.h"
#include "landscape.h"
#include "paint.h"
#include "spirits.h"
#include "townscenes.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QFont>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace gen {

namespace {

QImage meadowByTheRiver()
{
    QImage img = canvas(600, 450, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    duskSky(p, QRectF(0, 0, 600, 250), 2201, 150);
    hillLayer(p, 600, 205, 30, 180, QColor(112, 92, 128), QColor(130, 100, 120), 2202, 260);
    hillLayer(p, 600, 228, 22, 120, QColor(82, 70, 96), QColor(96, 80, 96), 2203, 270);
    // The river far below, catching the last light.
    p.end();
    QPainterPath river;
    river.moveTo(0, 262);
    river.cubicTo(150, 250, 300, 268, 600, 254);
    river.lineTo(600, 282);
    river.cubicTo(380, 296, 200, 276, 0, 290);
    river.closeSubpath();
    reflectInto(img, river, 250, QColor(120, 110, 150), 2204);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The meadow sloping toward the viewer.
    QPainterPath meadow = ridge(600, 292, 8, 200, 2205, 450);
    QLinearGradient g(0, 280, 0, 450);
    g.setColorAt(0, QColor(112, 96, 62));
    g.setColorAt(1, QColor(48, 44, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(meadow);
    // The trail winding down through it.
    QPainterPath trail;
    trail.moveTo(200, 460);
    trail.cubicTo(280, 400, 200, 350, 270, 318);
    trail.cubicTo(320, 300, 390, 300, 440, 294);
    taperedPath(p, trail, 70, 6, QColor(128, 104, 70, 200));
    taperedPath(p, trail, 40, 3, QColor(150, 124, 86, 140));
    // Pines at the edges frame the scene.
    for (int i = 0; i < 5; ++i) {
        pineTree(p, QPointF(20 + i * 26, 330 + (i % 2) * 16), 150 + i * 17, QColor(34, 40, 40),
                 2210 + i);
        pineTree(p, QPointF(598 - i * 12, 320 + (i % 3) * 12), 140 + i * 20, QColor(32, 38, 40),
                 2220 + i);
    }
    grass(p, QRectF(0, 330, 600, 120), 1400, QColor(60, 52, 30), QColor(170, 140, 80), 2230);
    p.end();
    finishScene(img, 2240);
    return img;
}

QImage clearingByTheSpring()
{
    QImage img = canvas(600, 450, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    duskSky(p, QRectF(0, 0, 600, 300), 3201, 420);
    hillLayer(p, 600, 210, 40, 220, QColor(96, 84, 110), QColor(110, 90, 110), 3202, 450);
    // The far wood, then the trees around the clearing.
    for (int i = 0; i < 26; ++i) {
        Rng rng(3210 + static_cast<quint32>(i));
        pineTree(p, QPointF(i * 24 + rng.range(-8, 8), 262), rng.range(60, 110), QColor(54, 50, 62),
                 3230 + i);
    }
    QPainterPath ground = ridge(600, 270, 6, 300, 3203, 450);
    QLinearGradient g(0, 260, 0, 450);
    g.setColorAt(0, QColor(98, 90, 60));
    g.setColorAt(1, QColor(44, 40, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ground);
    // The trapper's cabin, a lamp lit in its window.
    const QRectF cabin(70, 214, 150, 70);
    for (int log = 0; log < 7; ++log) {
        p.setBrush(mix(QColor(92, 66, 44), QColor(70, 50, 34), (log % 2) * 0.6));
        p.drawRoundedRect(QRectF(cabin.left() - 6, cabin.top() + log * 10, cabin.width() + 12, 10),
                          5, 5);
    }
    QPainterPath roof;
    roof.moveTo(cabin.left() - 16, cabin.top() + 2);
    roof.lineTo(cabin.center().x(), cabin.top() - 40);
    roof.lineTo(cabin.right() + 16, cabin.top() + 2);
    roof.closeSubpath();
    p.setBrush(QColor(58, 44, 36));
    p.drawPath(roof);
    p.setBrush(QColor(250, 200, 110));
    p.drawRect(QRectF(cabin.left() + 26, cabin.top() + 20, 22, 18));
    radialGlow(p, QPointF(cabin.left() + 37, cabin.top() + 29), 40, QColor(255, 190, 100, 90));
    p.setBrush(QColor(44, 32, 24));
    p.drawRect(QRectF(cabin.left() + 90, cabin.top() + 18, 24, 52));
    p.drawRect(QRectF(cabin.right() - 30, cabin.top() - 40, 12, 30)); // chimney
    // The spring: a pool among stones, a thin stream leaving it.
    p.end();
    QPainterPath pool;
    pool.addEllipse(QRectF(70, 352, 190, 52));
    reflectInto(img, pool, 240, QColor(90, 110, 130), 3204); // the sky in the pool
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(3205);
    for (int i = 0; i < 16; ++i) {
        const double a = i / 16.0 * 2 * M_PI;
        const QPointF c(165 + std::cos(a) * 98, 378 + std::sin(a) * 28);
        p.setBrush(mix(QColor(120, 116, 110), QColor(70, 66, 64), rng.uniform()));
        p.drawEllipse(c, rng.range(8, 15), rng.range(5, 9));
    }
    // Tall trees at both edges, close by.
    for (int i = 0; i < 3; ++i) {
        pineTree(p, QPointF(10 + i * 30, 440), 330 - i * 40, QColor(24, 24, 24), 3240 + i);
        pineTree(p, QPointF(590 - i * 28, 440), 320 - i * 30, QColor(24, 24, 26), 3250 + i);
    }
    QPainterPath outsidePool;
    outsidePool.addRect(QRectF(0, 0, 600, 450));
    QPainterPath poolEdge;
    poolEdge.addEllipse(QRectF(56, 340, 218, 72));
    p.setClipPath(outsidePool.subtracted(poolEdge));
    grass(p, QRectF(0, 300, 600, 150), 1100, QColor(56, 50, 32), QColor(160, 140, 86), 3260);
    p.setClipping(false);
    p.end();
    finishScene(img, 3270);
    return img;
}

// The spirit, its glow and both clips' rectangles stay where the panels
// leave the scene free, and the clips' rectangles hold all that the spirit
// changes, with room for the glow.
void checkSpiritFits(int town)
{
    const TownContent content = townContent(town);
    const QImage layer = spiritLayer(town, Pose());
    const QRect figure = spiritBounds(town);
    const QRect withGlow =
        figure.adjusted(-GlowReach, -GlowReach, GlowReach, GlowReach) & layer.rect();
    auto text = [](const QRect& r) {
        return QStringLiteral("(%1, %2, %3, %4)")
            .arg(r.x())
            .arg(r.y())
            .arg(r.width())
            .arg(r.height());
    };
    const QRect free(SpiritAreaLeft, 0, SpiritAreaRight - SpiritAreaLeft + 1, 450);
    const bool inTheFreeArea = free.contains(content.ghostRect) &&
                               free.contains(content.charRect) && free.contains(figure);
    if (!inTheFreeArea || !content.ghostRect.contains(withGlow) ||
        !content.ghostRect.contains(content.charRect))
        fail(QStringLiteral("town %1: the spirit %2 with its glow %3 needs an appearance "
                            "rectangle inside x %4..%5 that holds it; the table has %6")
                 .arg(town)
                 .arg(text(figure), text(withGlow))
                 .arg(SpiritAreaLeft)
                 .arg(SpiritAreaRight)
                 .arg(text(content.ghostRect)));
}

} // namespace

QRect spiritBounds(int town)
{
    const QImage layer = spiritLayer(town, Pose());
    QRect figure;
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x)
            if (qAlpha(layer.pixel(x, y)) > 0)
                figure |= QRect(x, y, 1, 1);
    return figure;
}

namespace {

QImage spiritScene(int town)
{
    QImage scene = townScene(town);
    composeSpirit(scene, spiritLayer(town, Pose()), 1.0);
    return scene;
}

QImage tradingPostOutside()
{
    QImage img = canvas(600, 450, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    duskSky(p, QRectF(0, 0, 600, 260), 4301, 480);
    hillLayer(p, 600, 215, 26, 160, QColor(90, 78, 104), QColor(100, 84, 104), 4302, 450);
    QPainterPath yard = ridge(600, 330, 4, 300, 4303, 450);
    QLinearGradient g(0, 320, 0, 450);
    g.setColorAt(0, QColor(110, 92, 66));
    g.setColorAt(1, QColor(52, 44, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(yard);
    // The log building.
    const QRectF front(90, 170, 420, 170);
    for (int log = 0; log < 14; ++log) {
        p.setBrush(mix(QColor(96, 72, 50), QColor(74, 54, 38), (log % 2) * 0.7));
        p.drawRoundedRect(
            QRectF(front.left() - 8, front.top() + log * 12, front.width() + 16, 12.5), 6, 6);
    }
    QPainterPath roof;
    roof.moveTo(front.left() - 30, front.top() + 4);
    roof.lineTo(front.left() + 40, front.top() - 60);
    roof.lineTo(front.right() - 40, front.top() - 60);
    roof.lineTo(front.right() + 30, front.top() + 4);
    roof.closeSubpath();
    p.setBrush(QColor(62, 48, 40));
    p.drawPath(roof);
    // Porch roof on posts.
    p.setBrush(QColor(80, 62, 46));
    p.drawRect(QRectF(front.left() - 20, 232, front.width() + 40, 10));
    for (int i = 0; i < 5; ++i)
        p.drawRect(QRectF(front.left() - 14 + i * 106, 242, 8, 98));
    // The door and two windows with a faint ghostly light.
    p.setBrush(QColor(40, 30, 24));
    p.drawRect(QRectF(272, 262, 56, 78));
    for (double wx : {150.0, 400.0}) {
        p.setBrush(QColor(150, 200, 190));
        p.drawRect(QRectF(wx, 268, 50, 38));
        radialGlow(p, QPointF(wx + 25, 287), 55, QColor(150, 230, 210, 70));
        p.setPen(QPen(QColor(50, 38, 28), 3));
        p.drawLine(QPointF(wx + 25, 268), QPointF(wx + 25, 306));
        p.drawLine(QPointF(wx, 287), QPointF(wx + 50, 287));
        p.setPen(Qt::NoPen);
    }
    // The sign.
    const QRectF sign(200, 186, 200, 36);
    p.setBrush(QColor(168, 140, 100));
    p.setPen(QPen(QColor(60, 44, 30), 2));
    p.drawRect(sign);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(20);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(60, 36, 22));
    p.drawText(sign, Qt::AlignCenter, QStringLiteral("TRADING POST"));
    // Barrels and a hitching rail.
    p.setPen(Qt::NoPen);
    for (double bx : {110.0, 136.0}) {
        p.setBrush(QColor(102, 70, 44));
        p.drawRoundedRect(QRectF(bx, 312, 24, 30), 6, 6);
        p.setBrush(QColor(50, 40, 34));
        p.drawRect(QRectF(bx, 318, 24, 2));
        p.drawRect(QRectF(bx, 332, 24, 2));
    }
    p.setBrush(QColor(70, 52, 36));
    p.drawRect(QRectF(420, 352, 130, 6));
    p.drawRect(QRectF(424, 352, 6, 40));
    p.drawRect(QRectF(540, 352, 6, 40));
    mist(p, QRectF(0, 350, 600, 70), QColor(200, 210, 230, 16), 4304);
    grass(p, QRectF(0, 380, 600, 70), 500, QColor(60, 52, 36), QColor(150, 130, 90), 4305);
    p.end();
    finishScene(img, 4306);
    return img;
}

void postBackWall(QPainter& p)
{
    verticalGradient(p, QRectF(0, 0, 600, 450), {{0, QColor(56, 42, 34)}, {1, QColor(90, 68, 50)}});
    // Log wall.
    for (int log = 0; log < 20; ++log) {
        p.setPen(Qt::NoPen);
        p.setBrush(withAlpha(QColor(30, 20, 14), 70 + (log % 2) * 30));
        p.drawRect(QRectF(0, log * 24, 600, 3));
    }
    // Shelves with goods, in lamplight.
    Rng rng(4401);
    for (int shelf = 0; shelf < 3; ++shelf) {
        const double y = 90 + shelf * 74;
        p.setBrush(QColor(120, 90, 60));
        p.drawRect(QRectF(20, y, 560, 7));
        for (double x = 30; x < 570;) {
            const int kind = rng.below(4);
            const double w = kind == 2 ? 44 : rng.range(14, 24);
            if (kind == 0) { // jar
                p.setBrush(mix(QColor(160, 120, 70), QColor(110, 130, 110), rng.uniform()));
                p.drawRoundedRect(QRectF(x, y - 30, w, 30), 4, 4);
                p.setBrush(QColor(70, 56, 44));
                p.drawRect(QRectF(x + 2, y - 34, w - 4, 5));
            } else if (kind == 1) { // sack
                p.setBrush(QColor(170, 150, 110));
                QPainterPath sack;
                sack.moveTo(x, y);
                sack.quadTo(x - 2, y - 30, x + w / 2, y - 36);
                sack.quadTo(x + w + 2, y - 30, x + w, y);
                p.drawPath(sack);
            } else if (kind == 2) { // folded blankets
                for (int b = 0; b < 3; ++b) {
                    p.setBrush(mix(QColor(140, 50, 40), QColor(60, 80, 110), rng.uniform()));
                    p.drawRoundedRect(QRectF(x, y - 10 - b * 10, w, 10), 3, 3);
                }
            } else { // tin
                p.setBrush(QColor(150, 150, 150));
                p.drawRect(QRectF(x, y - 22, w * 0.8, 22));
            }
            x += w + rng.range(4, 12);
        }
    }
    // Hanging lantern and its glow.
    radialGlow(p, QPointF(480, 70), 160, QColor(255, 190, 110, 90));
    p.setBrush(QColor(250, 210, 130));
    p.drawRoundedRect(QRectF(472, 50, 16, 22), 4, 4);
    p.setPen(QPen(QColor(40, 30, 20), 2));
    p.drawLine(QPointF(480, 0), QPointF(480, 50));
    p.setPen(Qt::NoPen);
    // A soft, cold light behind the counter, where the keepers will be.
    radialGlow(p, QPointF(319, 280), 120, QColor(150, 210, 200, 50));
}

void postCounter(QPainter& p)
{
    // The counter, across the room; its top is the keepers' waistline.
    QLinearGradient top(0, 334, 0, 346);
    top.setColorAt(0, QColor(150, 112, 72));
    top.setColorAt(1, QColor(110, 80, 52));
    p.setPen(Qt::NoPen);
    p.setBrush(top);
    p.drawRect(QRectF(90, 334, 460, 12));
    QLinearGradient front(0, 346, 0, 450);
    front.setColorAt(0, QColor(96, 70, 46));
    front.setColorAt(1, QColor(58, 42, 30));
    p.setBrush(front);
    p.drawRect(QRectF(100, 346, 440, 104));
    p.setBrush(QColor(50, 36, 26, 160));
    for (int i = 0; i < 6; ++i)
        p.drawRect(QRectF(106 + i * 74, 354, 3, 96));
    // A ledger and a scale on the counter.
    p.setBrush(QColor(190, 176, 140));
    p.drawRect(QRectF(140, 322, 60, 12));
    p.setBrush(QColor(130, 30, 30));
    p.drawRect(QRectF(140, 330, 60, 4));
    p.setBrush(QColor(150, 120, 60));
    p.drawRect(QRectF(460, 300, 4, 34));
    p.drawEllipse(QPointF(446, 318), 14, 4);
    p.drawEllipse(QPointF(478, 318), 14, 4);
    p.drawRect(QRectF(440, 298, 44, 3));
}

QImage snakebite()
{
    QImage img = canvas(600, 450, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // A darker sky at the top, where the news is written.
    verticalGradient(
        p, QRectF(0, 0, 600, 230),
        {{0, QColor(22, 18, 30)}, {0.45, QColor(64, 32, 40)}, {1, QColor(196, 96, 52)}});
    hillLayer(p, 600, 206, 22, 140, QColor(60, 36, 44), QColor(70, 40, 44), 5101, 450);
    QPainterPath ground = ridge(600, 236, 6, 260, 5102, 450);
    QLinearGradient g(0, 220, 0, 450);
    g.setColorAt(0, QColor(100, 76, 48));
    g.setColorAt(1, QColor(44, 34, 24));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(ground);
    pineTree(p, QPointF(40, 300), 200, QColor(30, 22, 24), 5105);
    pineTree(p, QPointF(84, 290), 150, QColor(32, 24, 26), 5106);
    broadTree(p, QPointF(540, 300), 190, QColor(30, 22, 24), 5107);
    // The trail, and a walking stick dropped on it.
    QPainterPath trail;
    trail.moveTo(250, 470);
    trail.cubicTo(300, 380, 340, 300, 380, 238);
    taperedPath(p, trail, 150, 10, QColor(146, 112, 76, 220));
    grass(p, QRectF(0, 240, 600, 210), 1200, QColor(50, 40, 24), QColor(170, 130, 70), 5103);
    p.setPen(QPen(QColor(92, 66, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(160, 420), QPointF(300, 386));
    // The snake, coiled beside the trail, head raised: a warning, not a horror.
    const QPointF c(400, 372);
    QPainterPath coil;
    for (int i = 0; i <= 240; ++i) {
        const double t = i / 240.0;
        const double a = t * 2.6 * 2 * M_PI;
        const double r = 44 - 30 * t;
        const QPointF pt(c.x() + std::cos(a) * r, c.y() + std::sin(a) * r * 0.42);
        if (i == 0)
            coil.moveTo(pt);
        else
            coil.lineTo(pt);
    }
    coil.cubicTo(c + QPointF(10, -10), c + QPointF(6, -40), c + QPointF(20, -52));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 40, 24, 160), 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coil.translated(3, 5));
    p.setPen(QPen(QColor(112, 74, 42), 12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coil);
    p.setPen(QPen(QColor(176, 124, 74), 6, Qt::DashLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(coil);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 80, 46));
    p.drawEllipse(c + QPointF(24, -54), 11, 7);
    p.setBrush(QColor(20, 14, 10));
    p.drawEllipse(c + QPointF(30, -56), 1.8, 1.8);
    p.end();
    finishScene(img, 5104, 0.45);
    return img;
}

} // namespace

QImage townScene(int town)
{
    switch (town) {
    case 2:
        return meadowByTheRiver();
    case 3:
        return clearingByTheSpring();
    default:
        return landscapeScene(town);
    }
}

QImage postInterior(double keepers, double nod)
{
    QImage img = canvas(600, 450, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    postBackWall(p);
    p.end();
    if (keepers > 0)
        composeSpirit(img, keepersLayer(nod), keepers);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    postCounter(p);
    p.end();
    finishScene(img, 4402);
    return img;
}

void paintTrailScenes(const Folders& folders)
{
    for (int town = 2; town <= TownCount; ++town) {
        if (!townContent(town).hasSpirit())
            continue;
        checkSpiritFits(town);
        saveJpeg(townScene(town), folders.pictures + "/" + lookPictureName(town) + ".jpg");
        saveJpeg(spiritScene(town), folders.pictures + "/" + spiritPictureName(town) + ".jpg");
    }
    saveJpeg(tradingPostOutside(), folders.pictures + "/P03.jpg");
    saveJpeg(postInterior(0), folders.pictures + "/X03.jpg");
    saveJpeg(postInterior(1), folders.pictures + "/Z03.jpg");
    saveJpeg(snakebite(), folders.pictures + "/SNAKEB.jpg");
}

} // namespace gen
