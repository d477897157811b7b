#include "fishing.h"

#include "activities/fishingtables.h"
#include "landscape.h"
#include "paint.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace gen {

namespace {

struct FishStyle {
    const char* picture;
    QColor back, belly, fin;
    double depth; // body height / length
    int bars;     // dark vertical bars
    int stripes;  // thin horizontal stripes
    QColor spot;  // spots, if alpha > 0
    QColor halo;  // around the spots
    QColor band;  // a lateral band, if alpha > 0
    bool whiskers;
    int tail; // 0 forked, 1 square, 2 rounded
    bool earFlap;
    double mouth; // 0.5 small .. 1.4 large
    bool whiteEdgedFins;
    bool worms; // vermiculation on the back
};

const FishStyle Styles[9] = {
    // bluegill
    {"FA", QColor(70, 96, 90), QColor(214, 150, 70), QColor(90, 100, 80), 0.55, 7, 0,
     QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), false, 1, true, 0.5, false, false},
    // white bass
    {"FB", QColor(120, 130, 140), QColor(232, 234, 236), QColor(150, 150, 156), 0.38, 0, 7,
     QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), false, 0, false, 0.9, false,
     false},
    // smallmouth bass
    {"FC", QColor(120, 98, 50), QColor(214, 196, 140), QColor(130, 110, 70), 0.34, 9, 0,
     QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), false, 1, false, 1.0, false,
     false},
    // blue catfish
    {"FD", QColor(84, 104, 130), QColor(220, 226, 232), QColor(90, 104, 124), 0.24, 0, 0,
     QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), true, 0, false, 1.1, false, false},
    // rainbow trout
    {"FE", QColor(90, 110, 80), QColor(230, 226, 214), QColor(120, 120, 96), 0.26, 0, 0,
     QColor(30, 30, 30, 220), QColor(0, 0, 0, 0), QColor(220, 110, 120, 200), false, 1, false, 0.8,
     false, false},
    // brown trout
    {"FF", QColor(110, 86, 48), QColor(236, 206, 130), QColor(130, 100, 60), 0.27, 0, 0,
     QColor(180, 50, 40, 230), QColor(240, 220, 190, 200), QColor(0, 0, 0, 0), false, 1, false, 0.8,
     false, false},
    // largemouth bass
    {"FG", QColor(82, 110, 60), QColor(226, 222, 176), QColor(100, 120, 70), 0.33, 0, 0,
     QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), QColor(40, 56, 30, 220), false, 1, false, 1.4, false,
     false},
    // brook trout
    {"FH", QColor(50, 72, 56), QColor(226, 120, 70), QColor(200, 90, 60), 0.26, 0, 0,
     QColor(210, 50, 50, 240), QColor(90, 140, 220, 220), QColor(0, 0, 0, 0), false, 1, false, 0.8,
     true, true},
    // brown bullhead
    {"FI", QColor(92, 74, 50), QColor(212, 196, 150), QColor(90, 72, 50), 0.25, 0, 0,
     QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), QColor(0, 0, 0, 0), true, 2, false, 1.0, false, false},
};

// A fish facing left, filling `box`.
void paintFish(QPainter& p, const QRectF& box, const FishStyle& s, quint32 seed)
{
    const double len = box.width(), h = len * s.depth;
    const double cy = box.center().y();
    const double x0 = box.left(), tailX = box.left() + len * 0.82;
    QPainterPath body;
    body.moveTo(x0, cy + h * 0.05);
    body.cubicTo(x0 + len * 0.08, cy - h * 0.55, x0 + len * 0.45, cy - h * 0.6, tailX,
                 cy - h * 0.1);
    body.lineTo(tailX, cy + h * 0.1);
    body.cubicTo(x0 + len * 0.45, cy + h * 0.55, x0 + len * 0.1, cy + h * 0.5, x0, cy + h * 0.05);
    // Fins first, behind the body.
    const QColor fin = withAlpha(s.fin, 220);
    p.setPen(Qt::NoPen);
    p.setBrush(fin);
    QPainterPath tail;
    tail.moveTo(tailX - 4, cy);
    if (s.tail == 0) {
        tail.lineTo(box.right(), cy - h * 0.55);
        tail.quadTo(box.right() - len * 0.07, cy, box.right(), cy + h * 0.55);
    } else if (s.tail == 1) {
        tail.lineTo(box.right(), cy - h * 0.45);
        tail.lineTo(box.right() - len * 0.01, cy + h * 0.45);
    } else {
        tail.quadTo(box.right() + len * 0.02, cy - h * 0.5, box.right(), cy);
        tail.quadTo(box.right() + len * 0.02, cy + h * 0.5, tailX - 4, cy);
    }
    tail.closeSubpath();
    p.drawPath(tail);
    QPainterPath dorsal;
    dorsal.moveTo(x0 + len * 0.3, cy - h * 0.45);
    dorsal.quadTo(x0 + len * 0.42, cy - h * 0.95, x0 + len * 0.62, cy - h * 0.4);
    dorsal.closeSubpath();
    p.drawPath(dorsal);
    QPainterPath belly;
    belly.moveTo(x0 + len * 0.5, cy + h * 0.4);
    belly.quadTo(x0 + len * 0.58, cy + h * 0.85, x0 + len * 0.68, cy + h * 0.3);
    belly.closeSubpath();
    p.drawPath(belly);
    if (s.whiteEdgedFins) {
        p.setPen(QPen(QColor(250, 250, 250), 3));
        p.drawLine(QPointF(x0 + len * 0.52, cy + h * 0.45),
                   QPointF(x0 + len * 0.575, cy + h * 0.62));
        p.setPen(Qt::NoPen);
    }
    // Body: dark back, light belly.
    QLinearGradient g(0, cy - h * 0.55, 0, cy + h * 0.55);
    g.setColorAt(0, s.back.darker(120));
    g.setColorAt(0.45, s.back);
    g.setColorAt(0.7, s.belly);
    g.setColorAt(1, s.belly.lighter(110));
    p.setBrush(g);
    p.drawPath(body);
    p.save();
    p.setClipPath(body);
    Rng rng(seed);
    if (s.band.alpha() > 0) {
        p.setBrush(s.band);
        QPainterPath band;
        band.moveTo(x0 + len * 0.12, cy - h * 0.02);
        band.quadTo(x0 + len * 0.5, cy - h * 0.12, tailX, cy);
        band.lineTo(tailX, cy + h * 0.12);
        band.quadTo(x0 + len * 0.5, cy + h * 0.1, x0 + len * 0.12, cy + h * 0.1);
        p.drawPath(band);
    }
    for (int i = 0; i < s.bars; ++i) {
        const double bx = x0 + len * (0.22 + 0.55 * i / std::max(1, s.bars - 1));
        p.setBrush(withAlpha(s.back.darker(170), 110));
        p.drawRoundedRect(QRectF(bx - len * 0.018, cy - h * 0.6, len * 0.036, h * 0.9), 6, 6);
    }
    for (int i = 0; i < s.stripes; ++i) {
        const double sy = cy - h * 0.35 + i * h * 0.11;
        p.setPen(QPen(withAlpha(QColor(60, 64, 72), 150), 2));
        p.drawLine(QPointF(x0 + len * 0.1, sy), QPointF(tailX, sy + h * 0.05));
    }
    p.setPen(Qt::NoPen);
    if (s.worms) {
        p.setPen(QPen(QColor(190, 200, 150, 170), 2.2, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 40; ++i) {
            const QPointF a(rng.range(x0 + len * 0.15, tailX), cy - h * rng.range(0.1, 0.5));
            p.drawLine(a, a + QPointF(rng.range(-8, 8), rng.range(-4, 4)));
        }
        p.setPen(Qt::NoPen);
    }
    if (s.spot.alpha() > 0) {
        for (int i = 0; i < 60; ++i) {
            const QPointF c(rng.range(x0 + len * 0.15, box.right() - len * 0.05),
                            cy + h * rng.range(-0.45, s.halo.alpha() ? 0.2 : 0.35));
            if (s.halo.alpha() > 0) {
                if (i % 2)
                    continue;
                p.setBrush(s.halo);
                p.drawEllipse(c, 5.5, 5.5);
            }
            p.setBrush(s.spot);
            p.drawEllipse(c, 3, 3);
        }
    }
    // Scales catch the light.
    QLinearGradient sheen(0, cy - h * 0.4, 0, cy + h * 0.1);
    sheen.setColorAt(0, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.6, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawRect(box);
    p.restore();
    // Gill, eye, mouth.
    p.setPen(QPen(withAlpha(s.back.darker(180), 180), 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(x0 + len * 0.12, cy - h * 0.35, len * 0.12, h * 0.7), -70 * 16, 140 * 16);
    if (s.earFlap) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(24, 24, 40));
        p.drawEllipse(QPointF(x0 + len * 0.235, cy - h * 0.08), len * 0.03, h * 0.1);
    }
    p.setPen(Qt::NoPen);
    const QPointF eye(x0 + len * 0.075, cy - h * 0.12);
    p.setBrush(s.picture == QLatin1String("FC") ? QColor(190, 50, 40) : QColor(220, 200, 120));
    p.drawEllipse(eye, len * 0.022, len * 0.022);
    p.setBrush(QColor(10, 10, 10));
    p.drawEllipse(eye, len * 0.012, len * 0.012);
    p.setBrush(QColor(255, 255, 255));
    p.drawEllipse(eye + QPointF(-len * 0.005, -len * 0.006), len * 0.004, len * 0.004);
    p.setPen(QPen(s.back.darker(200), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x0 + len * 0.005, cy + h * 0.08),
               QPointF(x0 + len * 0.05 * s.mouth, cy + h * (0.06 + 0.06 * s.mouth)));
    if (s.whiskers) {
        p.setPen(QPen(QColor(44, 36, 30), 1.8, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 4; ++i) {
            QPainterPath w;
            const QPointF from(x0 + len * 0.02, cy + h * (0.0 + 0.06 * i));
            w.moveTo(from);
            w.quadTo(from + QPointF(len * 0.02, h * (0.3 + 0.1 * i)),
                     from + QPointF(len * (0.06 + 0.02 * i), h * (0.45 + 0.15 * i)));
            p.drawPath(w);
        }
    }
}

QImage fishPicture(const FishStyle& style, quint32 seed)
{
    QImage img = canvas(450, 300);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The catch laid on cool, clear water over pale stones.
    verticalGradient(
        p, QRectF(0, 0, 450, 300),
        {{0, QColor(168, 196, 190)}, {0.6, QColor(196, 206, 186)}, {1, QColor(214, 204, 170)}});
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        p.setBrush(QColor(150 + rng.below(60), 150 + rng.below(50), 130 + rng.below(40), 70));
        p.drawEllipse(QPointF(rng.range(0, 450), rng.range(150, 300)), rng.range(12, 30),
                      rng.range(6, 14));
    }
    for (int i = 0; i < 6; ++i) {
        p.setPen(QPen(QColor(255, 255, 255, 50), 2));
        p.drawArc(QRectF(rng.range(0, 400), rng.range(0, 120), 90, 14), 0, 180 * 16);
    }
    // A soft shadow under the fish.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 50, 40, 50));
    p.drawEllipse(QPointF(230, 190), 190, 30);
    paintFish(p, QRectF(40, 130 - 10, 370, 40), style, seed);
    p.end();
    canvasTexture(img, 0.05, seed + 1);
    return img;
}

QImage fishIcon(int width, const FishStyle& style, quint32 seed)
{
    // A fish hanging head up from a cord, 75 high.
    QImage img = canvas(width, 75);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(width / 2.0, 75);
    p.rotate(90);
    paintFish(p, QRectF(-66, -width / 2.0 + 7, 62, width - 14.0), style, seed);
    p.resetTransform();
    p.setPen(QPen(QColor(200, 180, 140), 1.5));
    p.drawLine(QPointF(width / 2.0, 0), QPointF(width / 2.0, 10));
    return img;
}

QImage rippleBitmap()
{
    QImage img = canvas(80, 50);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 4; ++i) {
        const double rx = 10 + i * 9, ry = 5 + i * 5;
        p.setPen(QPen(QColor(235, 245, 255, 220 - i * 45), 2.2 - i * 0.3));
        p.drawEllipse(QPointF(40, 25), rx, ry);
    }
    return img;
}

QImage bobberBitmap()
{
    QImage img = canvas(10, 10);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 20, 20), 0.8));
    p.setBrush(QColor(230, 40, 30));
    p.drawChord(QRectF(1, 1, 8, 8), 0, 180 * 16);
    p.setBrush(QColor(250, 250, 245));
    p.drawChord(QRectF(1, 1, 8, 8), 180 * 16, 180 * 16);
    return img;
}

} // namespace

QPainterPath lakeWater()
{
    QPolygonF shape;
    // Drawn a little past the picture's edges, so the water reaches them.
    for (int x = -10; x <= 610; x += 10)
        shape << QPointF(x, 158 + 5 * std::sin(x / 70.0) + 3 * std::sin(x / 23.0));
    shape << QPointF(610, 356) << QPointF(560, 362) << QPointF(500, 370) << QPointF(440, 382)
          << QPointF(390, 398) << QPointF(352, 418) << QPointF(326, 460) << QPointF(-10, 460);
    QPainterPath path;
    path.addPolygon(shape);
    path.closeSubpath();
    return path;
}

QImage lakeScene()
{
    QImage img = canvas(600, 450, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Late afternoon over the lake.
    verticalGradient(
        p, QRectF(0, 0, 600, 170),
        {{0, QColor(96, 120, 160)}, {0.6, QColor(200, 170, 150)}, {1, QColor(246, 206, 150)}});
    radialGlow(p, QPointF(420, 150), 160, QColor(255, 230, 170, 130));
    Rng clouds(6101);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        p.setBrush(QColor(255, 236, 220, 90));
        p.drawEllipse(QRectF(clouds.range(-40, 560), clouds.range(10, 90), clouds.range(90, 200),
                             clouds.range(10, 22)));
    }
    hillLayer(p, 600, 128, 18, 150, QColor(110, 110, 140), QColor(100, 104, 120), 6102, 200);
    for (int i = 0; i < 40; ++i) {
        Rng rng(6110 + static_cast<quint32>(i));
        pineTree(p, QPointF(i * 16 + rng.range(-6, 6), 166), rng.range(30, 62), QColor(48, 62, 58),
                 6120 + i);
    }
    p.end();
    reflectInto(img, lakeWater(), 160, QColor(70, 110, 130), 6103);
    p.begin(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Lily pads in the near water at the left.
    Rng pads(6104);
    for (int i = 0; i < 12; ++i) {
        const QPointF c(pads.range(10, 170), pads.range(400, 446));
        p.setBrush(QColor(70, 110, 60, 220));
        p.drawPie(QRectF(c.x() - 10, c.y() - 4, 20, 8), 30 * 16, 320 * 16);
    }
    // The near bank at the right: grass, reeds and stones.
    QPainterPath bank;
    bank.addRect(QRectF(0, 0, 600, 450));
    bank = bank.subtracted(lakeWater());
    p.setClipPath(bank);
    QLinearGradient g(0, 350, 0, 450);
    g.setColorAt(0, QColor(110, 104, 60));
    g.setColorAt(1, QColor(60, 56, 34));
    p.fillRect(QRectF(300, 340, 300, 110), g);
    p.setClipping(false);
    Rng stones(6105);
    for (int i = 0; i < 9; ++i) {
        const QPointF c(stones.range(360, 590), stones.range(380, 440));
        if (!lakeWater().contains(c)) {
            p.setBrush(mix(QColor(130, 124, 116), QColor(80, 76, 70), stones.uniform()));
            p.drawEllipse(c, stones.range(8, 18), stones.range(5, 10));
        }
    }
    p.setClipPath(bank);
    grass(p, QRectF(300, 350, 300, 100), 700, QColor(60, 60, 30), QColor(180, 170, 100), 6106);
    p.setClipping(false);
    // Reeds standing at the water's edge.
    Rng reeds(6107);
    for (int i = 0; i < 40; ++i) {
        const double x = reeds.range(330, 600);
        const double y = 356 + (600 - x) * 0.3 + reeds.range(-4, 10);
        p.setPen(QPen(QColor(80, 90, 40), 1.6));
        p.drawLine(QPointF(x, y), QPointF(x + reeds.range(-4, 4), y - reeds.range(20, 50)));
        if (i % 3 == 0) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(100, 64, 36));
            p.drawRoundedRect(QRectF(x - 2, y - 50, 4, 12), 2, 2);
        }
    }
    p.end();
    finishScene(img, 6108, 0.25);
    return img;
}

QImage lakeMask()
{
    QImage img(600, 450, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    p.drawPath(lakeWater());
    return img;
}

void paintReel(QImage& rod, double turn)
{
    QPainter p(&rod);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(63.5, 249);
    p.setPen(QPen(QColor(40, 40, 44), 1));
    p.setBrush(QColor(170, 170, 176));
    p.drawEllipse(c, 9, 9);
    p.setBrush(QColor(110, 110, 118));
    p.drawEllipse(c, 4, 4);
    const double a = turn * 2 * M_PI;
    const QPointF knob = c + QPointF(std::cos(a) * 8, std::sin(a) * 8);
    p.setPen(QPen(QColor(60, 60, 64), 2));
    p.drawLine(c, knob);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 220, 190));
    p.drawEllipse(knob, 2.5, 2.5);
}

QImage rodBitmap(double cast)
{
    QImage img = canvas(75, 265);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The rod rests at the bank, its butt at the reel; casting flexes it forward.
    const QPointF butt(66, 262);
    const QPointF tip = cast > 0 ? QPointF(4, 60) : QPointF(8, 6);
    QPainterPath rod;
    rod.moveTo(butt);
    rod.quadTo(QPointF(40 + cast * 10, 120), tip);
    p.setPen(QPen(QColor(110, 70, 36), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rod);
    p.setPen(QPen(QColor(170, 120, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(rod);
    p.setPen(QPen(QColor(60, 40, 20), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(butt, butt + QPointF(-5, -28)); // the cork grip
    // The line, from the tip out over the water.
    p.setPen(QPen(QColor(230, 230, 220, 200), 1));
    QPainterPath line;
    line.moveTo(tip);
    if (cast > 0)
        line.quadTo(QPointF(-10, 20), QPointF(-2, 0));
    else
        line.quadTo(QPointF(2, 60), QPointF(0, 120));
    p.drawPath(line);
    p.end();
    paintReel(img, 0);
    return img;
}

void paintFishing(const Folders& folders)
{
    const QPainterPath water = lakeWater();
    for (const QPoint& spot : HotspotTable) {
        const QRectF area(spot, HotspotSize);
        if (!water.contains(area.adjusted(-8, -8, 8, 8)))
            fail(QStringLiteral("a good fishing spot at (%1, %2) is not all water")
                     .arg(spot.x())
                     .arg(spot.y()));
    }
    saveJpeg(lakeScene(), folders.pictures + "/F02.jpg");
    saveJpeg(lakeMask(), folders.pictures + "/B02.jpg", 100);
    for (int i = 0; i < 9; ++i)
        saveJpeg(fishPicture(Styles[i], 7000 + static_cast<quint32>(i)),
                 folders.pictures + "/" + Styles[i].picture + ".jpg");
    saveJpeg(canvas(75, 450, Qt::black), folders.pictures + "/BLACK.jpg");
    saveBmp32(rodBitmap(0), folders.bitmaps + "/FP.bmp");
    saveBmp32(rodBitmap(1), folders.bitmaps + "/FPCAST.bmp");
    saveBmp32(fishIcon(31, Styles[4], 7100), folders.bitmaps + "/SF1.bmp");
    saveBmp32(fishIcon(30, Styles[6], 7101), folders.bitmaps + "/SF2.bmp");
    saveBmp32(rippleBitmap(), folders.bitmaps + "/RIPPLE.bmp");
    saveBmp32(bobberBitmap(), folders.bitmaps + "/BOBBER.bmp");
}

} // namespace gen
