#include "fleamarket.h"

#include "figures.h"
#include "landscape.h"
#include "paint.h"

#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace gen {

namespace {

void booth(QPainter& p, const QRectF& table, const QColor& awning, quint32 seed)
{
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 60, 44));
    p.drawRect(QRectF(table.left() + 4, table.top() - 110, 5, 110 + table.height()));
    p.drawRect(QRectF(table.right() - 9, table.top() - 110, 5, 110 + table.height()));
    stripedAwning(p, QRectF(table.left() - 10, table.top() - 128, table.width() + 20, 26), awning,
                  QColor(240, 232, 214), 8);
    p.setBrush(QColor(190, 170, 140));
    p.drawRect(QRectF(table.left(), table.top(), table.width(), 10));
    p.setBrush(mix(awning, QColor(240, 230, 210), 0.5));
    p.drawRect(QRectF(table.left(), table.top() + 10, table.width(), table.height() - 10));
    for (double x = table.left() + 6; x < table.right() - 14;) {
        const double w = rng.range(10, 22), h = rng.range(8, 26);
        p.setBrush(QColor::fromHsv(rng.below(360), 90 + rng.below(80), 140 + rng.below(90)));
        if (rng.below(2))
            p.drawRoundedRect(QRectF(x, table.top() - h, w, h), 3, 3);
        else
            p.drawEllipse(QRectF(x, table.top() - h, w, h));
        x += w + rng.range(3, 8);
    }
}

void door(QPainter& p, const QRectF& r, const QString& number, const QColor& colour)
{
    p.setPen(QPen(QColor(60, 40, 28), 3));
    p.setBrush(colour);
    p.drawRect(r);
    p.setPen(QPen(colour.darker(140), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(10, 12, -10, -r.height() / 2 - 6));
    p.drawRect(r.adjusted(10, r.height() / 2 + 4, -10, -12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 190, 90));
    p.drawEllipse(QPointF(r.right() - 12, r.center().y()), 4, 4);
    // The number on a plaque above the door.
    const QRectF plaque(r.center().x() - 18, r.top() - 30, 36, 26);
    p.setBrush(QColor(240, 228, 196));
    p.setPen(QPen(QColor(80, 50, 30), 2));
    p.drawRoundedRect(plaque, 4, 4);
    p.setFont(serif(20, true));
    p.setPen(QColor(90, 40, 24));
    p.drawText(plaque, Qt::AlignCenter, number);
}

QImage lane()
{
    QImage img = canvas(800, 600, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(
        p, QRectF(0, 0, 800, 300),
        {{0, QColor(120, 150, 190)}, {0.7, QColor(236, 200, 160)}, {1, QColor(250, 220, 170)}});
    // The shop row along the back of the lane. Door 3 and door 4 stand
    // where the market's door controls are (the picture sits 115 pixels in).
    p.setPen(Qt::NoPen);
    const QColor fronts[4] = {QColor(170, 90, 70), QColor(196, 164, 110), QColor(120, 120, 96),
                              QColor(160, 110, 80)};
    for (int i = 0; i < 4; ++i) {
        const QRectF front(i * 200, 20 + (i % 2) * 12, 200, 270);
        p.setBrush(fronts[i]);
        p.drawRect(front);
        p.setBrush(fronts[i].darker(130));
        p.drawRect(QRectF(front.left(), front.top(), front.width(), 14));
    }
    // Shop windows with goods in them.
    for (double wx : {250.0, 360.0, 660.0}) {
        p.setBrush(QColor(70, 80, 90));
        p.drawRect(QRectF(wx, 96, 84, 80));
        p.setBrush(QColor(210, 230, 240, 60));
        p.drawRect(QRectF(wx + 4, 100, 76, 72));
        Rng goods(static_cast<quint32>(wx));
        for (int k = 0; k < 5; ++k) {
            p.setBrush(QColor::fromHsv(goods.below(360), 100, 200));
            p.drawEllipse(QPointF(wx + 12 + k * 15, 160), 6, 9);
        }
    }
    stripedAwning(p, QRectF(90, 60, 120, 24), QColor(60, 110, 90), QColor(236, 230, 210), 6);
    stripedAwning(p, QRectF(515, 74, 118, 24), QColor(170, 60, 50), QColor(240, 232, 214), 6);
    door(p, QRectF(109, 96, 81, 153), QStringLiteral("3"), QColor(90, 110, 100));
    door(p, QRectF(533, 110, 81, 155), QStringLiteral("4"), QColor(150, 70, 50));
    // Signs.
    p.setFont(serif(18, true));
    p.setPen(QColor(250, 240, 220));
    p.drawText(QRectF(230, 40, 210, 30), Qt::AlignCenter, QStringLiteral("BOOKS & CRAFTS"));
    p.drawText(QRectF(620, 52, 180, 30), Qt::AlignCenter, QStringLiteral("GIFTS"));
    // The lane.
    QLinearGradient g(0, 290, 0, 600);
    g.setColorAt(0, QColor(186, 160, 120));
    g.setColorAt(1, QColor(136, 110, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(0, 290, 800, 310));
    Rng pebbles(901);
    for (int i = 0; i < 260; ++i) {
        p.setBrush(QColor(110, 90, 66, 90));
        const double y = pebbles.range(300, 600);
        p.drawEllipse(QPointF(pebbles.range(0, 800), y), 1 + (y - 300) / 120,
                      0.6 + (y - 300) / 200);
    }
    // Booths down both sides of the lane.
    booth(p, QRectF(10, 392, 190, 70), QColor(60, 110, 150), 902);
    booth(p, QRectF(636, 396, 170, 70), QColor(170, 70, 60), 903);
    booth(p, QRectF(260, 300, 120, 40), QColor(200, 150, 50), 904);
    booth(p, QRectF(-70, 526, 210, 74), QColor(120, 80, 140), 905);
    booth(p, QRectF(670, 530, 200, 70), QColor(70, 130, 80), 906);
    // A few shoppers in the distance.
    Rng people(907);
    for (double x : {430.0, 468.0, 300.0}) {
        const QColor coat = QColor::fromHsv(people.below(360), 70, 120);
        p.setBrush(QColor(60, 56, 70));
        p.drawRect(QRectF(x - 6, 336, 5, 22)); // legs
        p.drawRect(QRectF(x + 1, 336, 5, 22));
        p.setBrush(coat);
        QPainterPath body;
        body.moveTo(x - 8, 340);
        body.cubicTo(x - 10, 318, x - 10, 304, x, 302);
        body.cubicTo(x + 10, 304, x + 10, 318, x + 8, 340);
        body.closeSubpath();
        p.drawPath(body);
        p.setBrush(coat.darker(115)); // arms
        p.drawRoundedRect(QRectF(x - 12, 306, 5, 24), 2.5, 2.5);
        p.drawRoundedRect(QRectF(x + 7, 306, 5, 24), 2.5, 2.5);
        p.setBrush(QColor(190, 140, 110));
        p.drawEllipse(QPointF(x, 294), 6.5, 7.5);
        p.setBrush(QColor::fromHsv(people.below(40), 120, 70)); // hair
        p.drawChord(QRectF(x - 7, 286, 14, 12), 0, 180 * 16);
    }
    p.end();
    finishScene(img, 908, 0.25);
    return img;
}

void framedPainting(QPainter& p, const QRectF& r, int subject)
{
    p.setPen(QPen(QColor(120, 86, 40), 6));
    p.setBrush(QColor(200, 190, 160));
    p.drawRect(r);
    p.setPen(Qt::NoPen);
    const QRectF in = r.adjusted(6, 6, -6, -6);
    QLinearGradient sky(in.topLeft(), in.bottomLeft());
    sky.setColorAt(0, subject % 2 ? QColor(120, 140, 170) : QColor(220, 170, 120));
    sky.setColorAt(1, QColor(90, 110, 70));
    p.setBrush(sky);
    p.drawRect(in);
    p.setBrush(QColor(40, 36, 40));
    const QPointF c = in.center();
    const double s = in.width() / 100.0;
    switch (subject) {
    case 0: { // a wolf sitting on a rise, howling at the moon
        p.setBrush(QColor(240, 236, 210));
        p.drawEllipse(c + QPointF(28 * s, -26 * s), 7 * s, 7 * s);
        p.setBrush(QColor(40, 36, 40));
        QPainterPath wolf;
        wolf.moveTo(c + QPointF(-26 * s, 30 * s)); // tail end on the ground
        wolf.quadTo(c + QPointF(-30 * s, 18 * s), c + QPointF(-18 * s, 14 * s));
        wolf.quadTo(c + QPointF(-14 * s, -4 * s), c + QPointF(-4 * s, -12 * s)); // back
        wolf.lineTo(c + QPointF(-2 * s, -22 * s));                               // ear
        wolf.lineTo(c + QPointF(3 * s, -16 * s));
        wolf.lineTo(c + QPointF(16 * s, -30 * s)); // muzzle raised
        wolf.lineTo(c + QPointF(12 * s, -18 * s));
        wolf.quadTo(c + QPointF(8 * s, -4 * s), c + QPointF(8 * s, 10 * s)); // chest
        wolf.lineTo(c + QPointF(10 * s, 30 * s));                            // forelegs
        wolf.closeSubpath();
        p.drawPath(wolf);
        p.setBrush(QColor(70, 80, 60));
        p.drawRect(QRectF(in.left(), c.y() + 30 * s, in.width(), in.bottom() - c.y() - 30 * s));
        break;
    }
    case 1: // a bird in flight
        p.setPen(QPen(QColor(40, 36, 40), 3 * s));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(c.x() - 30 * s, c.y() - 10 * s, 30 * s, 20 * s), 0, 180 * 16);
        p.drawArc(QRectF(c.x(), c.y() - 10 * s, 30 * s, 20 * s), 0, 180 * 16);
        break;
    case 2: // a bear
        p.drawRoundedRect(QRectF(c.x() - 30 * s, c.y() - 10 * s, 54 * s, 30 * s), 12 * s, 12 * s);
        p.drawEllipse(c + QPointF(26 * s, -6 * s), 11 * s, 10 * s);
        break;
    default: // an owl
        p.drawEllipse(c + QPointF(0, 6 * s), 16 * s, 22 * s);
        p.setBrush(QColor(230, 200, 90));
        p.drawEllipse(c + QPointF(-6 * s, -6 * s), 4 * s, 4 * s);
        p.drawEllipse(c + QPointF(6 * s, -6 * s), 4 * s, 4 * s);
        break;
    }
}

QImage shop()
{
    QImage img = canvas(800, 600, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    verticalGradient(p, QRectF(0, 0, 800, 480),
                     {{0, QColor(150, 120, 90)}, {1, QColor(190, 160, 120)}});
    radialGlow(p, QPointF(400, 120), 380, QColor(255, 230, 180, 90));
    framedPainting(p, QRectF(150, 40, 120, 90), 0);
    framedPainting(p, QRectF(290, 30, 90, 70), 1);
    framedPainting(p, QRectF(560, 40, 110, 90), 2);
    framedPainting(p, QRectF(690, 60, 70, 80), 3);
    framedPainting(p, QRectF(20, 60, 100, 80), 3);
    // Shelves of toys and keepsakes on both sides.
    Rng rng(951);
    for (int side = 0; side < 2; ++side) {
        const double x0 = side ? 560 : 20;
        for (int shelf = 0; shelf < 3; ++shelf) {
            const double y = 200 + shelf * 80;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(110, 74, 46));
            p.drawRect(QRectF(x0, y, 220, 8));
            for (double x = x0 + 8; x < x0 + 200;) {
                const int kind = rng.below(4);
                if (kind == 0) { // a teddy bear
                    p.setBrush(QColor(170, 120, 70));
                    p.drawEllipse(QPointF(x + 12, y - 14), 11, 13);
                    p.drawEllipse(QPointF(x + 12, y - 34), 9, 9);
                    p.drawEllipse(QPointF(x + 5, y - 42), 3.5, 3.5);
                    p.drawEllipse(QPointF(x + 19, y - 42), 3.5, 3.5);
                    x += 30;
                } else if (kind == 1) { // a plate on a stand
                    p.setBrush(QColor(230, 226, 214));
                    p.drawEllipse(QPointF(x + 16, y - 18), 16, 16);
                    p.setBrush(QColor(180, 60, 60));
                    p.drawEllipse(QPointF(x + 16, y - 18), 6, 6);
                    x += 36;
                } else if (kind == 2) { // a glass jar
                    p.setBrush(QColor(160, 200, 200, 160));
                    p.drawRoundedRect(QRectF(x, y - 30, 20, 30), 4, 4);
                    x += 26;
                } else { // a music box
                    p.setBrush(QColor(120, 60, 40));
                    p.drawRect(QRectF(x, y - 18, 30, 18));
                    p.setBrush(QColor(220, 180, 80));
                    p.drawRect(QRectF(x + 12, y - 12, 6, 4));
                    x += 36;
                }
            }
        }
    }
    // The counter and the shopkeeper, an older woman with a kind face. She
    // stands on the left, where the instruction panel in the middle of the
    // screen leaves her face free to be clicked.
    const QPointF keeper(155, 250);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 100, 110));
    QPainterPath body;
    body.moveTo(keeper.x() - 62, 400);
    body.cubicTo(keeper.x() - 62, 320, keeper.x() - 50, 296, keeper.x(), 292);
    body.cubicTo(keeper.x() + 50, 296, keeper.x() + 62, 320, keeper.x() + 62, 400);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(226, 220, 200));
    QPainterPath collar;
    collar.moveTo(keeper.x() - 16, 294);
    collar.lineTo(keeper.x(), 318);
    collar.lineTo(keeper.x() + 16, 294);
    p.drawPath(collar);
    p.setBrush(QColor(190, 140, 110));
    p.drawRect(QRectF(keeper.x() - 9, 270, 18, 26));
    p.setBrush(QColor(200, 200, 204));
    p.drawEllipse(keeper + QPointF(0, -6), 33, 38); // grey hair
    Pose pose;
    paintFace(p, keeper, 52, 62, QColor(200, 150, 120), pose, false);
    p.drawEllipse(keeper + QPointF(0, -44), 18, 12); // a bun
    p.setPen(QPen(QColor(60, 50, 50), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(keeper + QPointF(-10, -2), 8, 6); // spectacles
    p.drawEllipse(keeper + QPointF(10, -2), 8, 6);
    p.drawLine(keeper + QPointF(-2, -2), keeper + QPointF(2, -2));
    p.setPen(Qt::NoPen);
    QLinearGradient counter(0, 380, 0, 480);
    counter.setColorAt(0, QColor(150, 100, 60));
    counter.setColorAt(1, QColor(100, 66, 40));
    p.setBrush(counter);
    p.drawRect(QRectF(20, 384, 300, 96));
    p.setBrush(QColor(170, 120, 76));
    p.drawRect(QRectF(12, 376, 316, 12));
    // A cash box and a toy owl on the counter.
    p.setBrush(QColor(60, 90, 70));
    p.drawRect(QRectF(250, 350, 50, 28));
    p.setBrush(QColor(140, 110, 80));
    p.drawEllipse(QPointF(56, 356), 14, 20);
    p.setBrush(QColor(240, 220, 120));
    p.drawEllipse(QPointF(51, 350), 3, 3);
    p.drawEllipse(QPointF(61, 350), 3, 3);
    // A table of goods in the middle of the shop.
    p.setBrush(QColor(120, 82, 52));
    p.drawRect(QRectF(380, 400, 200, 12));
    p.drawRect(QRectF(392, 412, 10, 68));
    p.drawRect(QRectF(558, 412, 10, 68));
    p.setBrush(QColor(200, 196, 186));
    p.drawEllipse(QPointF(420, 392), 18, 8);
    p.setBrush(QColor(160, 200, 200, 170));
    p.drawRoundedRect(QRectF(470, 366, 22, 34), 4, 4);
    p.setBrush(QColor(170, 120, 70));
    p.drawEllipse(QPointF(540, 388), 12, 12);
    p.drawEllipse(QPointF(540, 368), 9, 9);
    // Floorboards; the way out is at the bottom middle.
    QLinearGradient floor(0, 480, 0, 600);
    floor.setColorAt(0, QColor(130, 96, 64));
    floor.setColorAt(1, QColor(100, 70, 46));
    p.setBrush(floor);
    p.drawRect(QRectF(0, 480, 800, 120));
    p.setPen(QPen(QColor(80, 56, 36), 2));
    for (int i = 0; i < 9; ++i)
        p.drawLine(QPointF(400 + (i - 4) * 60, 480), QPointF(400 + (i - 4) * 140, 600));
    p.end();
    finishScene(img, 952, 0.3);
    return img;
}

} // namespace

void paintFleaMarket(const Folders& folders)
{
    saveJpeg(lane(), folders.pictures + "/FM02.jpg");
    saveJpeg(shop(), folders.pictures + "/FM22.jpg");
    paintFleaArtwork(folders);
}

} // namespace gen
