#include "figures.h"

#include "paint.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen {

namespace {

// Soft shading: a gradient from a lit side to a shaded side over a shape.
void shade(QPainter& p, const QPainterPath& shape, const QColor& base, double angle = 0.35)
{
    const QRectF r = shape.boundingRect();
    QLinearGradient g(r.topLeft() + QPointF(r.width() * angle, 0), r.bottomRight());
    g.setColorAt(0, base.lighter(118));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
}

} // namespace

void paintFace(QPainter& p, QPointF c, double w, double h, const QColor& skin, const Pose& pose,
               bool male)
{
    p.save();
    QPainterPath face;
    face.moveTo(c.x(), c.y() - h / 2);
    face.cubicTo(c.x() + w * 0.56, c.y() - h / 2, c.x() + w * 0.55, c.y() + h * 0.18,
                 c.x() + w * (male ? 0.26 : 0.2), c.y() + h * 0.42);
    face.quadTo(c.x(), c.y() + h * 0.54, c.x() - w * (male ? 0.26 : 0.2), c.y() + h * 0.42);
    face.cubicTo(c.x() - w * 0.55, c.y() + h * 0.18, c.x() - w * 0.56, c.y() - h / 2, c.x(),
                 c.y() - h / 2);
    QRadialGradient g(c + QPointF(-w * 0.15, -h * 0.1), w * 0.8);
    g.setColorAt(0, skin.lighter(112));
    g.setColorAt(0.7, skin);
    g.setColorAt(1, skin.darker(135));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(face);
    // Cheeks' warmth.
    p.setBrush(QColor(200, 90, 70, 30));
    p.drawEllipse(c + QPointF(-w * 0.25, h * 0.12), w * 0.13, h * 0.07);
    p.drawEllipse(c + QPointF(w * 0.25, h * 0.12), w * 0.13, h * 0.07);

    const QColor line = skin.darker(230);
    const double eyeY = c.y() - h * 0.04, eyeDx = w * 0.2;
    for (int side = -1; side <= 1; side += 2) {
        const QPointF e(c.x() + side * eyeDx, eyeY);
        const double open = std::max(0.08, 1 - pose.blink);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 232, 220));
        p.drawEllipse(e, w * 0.085, h * 0.035 * open);
        p.setBrush(QColor(45, 30, 22));
        p.drawEllipse(e, w * 0.05, h * 0.033 * open);
        p.setPen(QPen(line, std::max(0.8, w * 0.025), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(e + QPointF(-w * 0.09, -h * 0.03 * open),
                   e + QPointF(w * 0.09, -h * 0.03 * open));
        // Brow.
        p.setPen(QPen(QColor(40, 26, 18, 200), std::max(1.0, w * (male ? 0.05 : 0.035)),
                      Qt::SolidLine, Qt::RoundCap));
        p.drawLine(e + QPointF(-w * 0.1, -h * 0.09), e + QPointF(w * 0.1, -h * 0.1 + side * 0.0));
    }
    // Nose.
    p.setPen(QPen(skin.darker(150), std::max(0.8, w * 0.03), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-w * 0.01, h * 0.02), c + QPointF(-w * 0.05, h * 0.16));
    p.drawLine(c + QPointF(-w * 0.05, h * 0.16), c + QPointF(w * 0.04, h * 0.17));
    // Mouth: a soft line, opening into a dark oval as the spirit speaks.
    const QPointF m(c.x(), c.y() + h * 0.29);
    const double mw = w * 0.17, mh = h * (0.012 + 0.075 * pose.mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 70, 60));
    p.drawEllipse(m, mw, mh + h * 0.012);
    if (pose.mouth > 0.05) {
        p.setBrush(QColor(55, 20, 20));
        p.drawEllipse(m, mw * 0.8, mh);
    } else {
        p.setPen(QPen(QColor(90, 40, 35), std::max(0.8, w * 0.025)));
        p.drawLine(m + QPointF(-mw, 0), m + QPointF(mw, 0));
    }
    p.restore();
}

QImage girlLayer(const Pose& pose)
{
    QImage img = canvas(600, 450);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = 356;
    const QColor skin(170, 116, 84);
    // She is a girl of about eleven: drawn at three quarters of a grown
    // woman's height, her head a little larger for her size.
    constexpr double ChildScale = 0.76, HeadScale = 1.12;
    p.translate(cx, 436);
    p.scale(ChildScale, ChildScale);
    p.translate(-cx, -436);
    // Long dress, falling to the grass.
    QPainterPath dress;
    dress.moveTo(cx - 26, 262);
    dress.cubicTo(cx - 34, 330, cx - 48, 390, cx - 52, 436);
    dress.quadTo(cx, 442, cx + 52, 436);
    dress.cubicTo(cx + 48, 390, cx + 34, 330, cx + 26, 262);
    dress.closeSubpath();
    shade(p, dress, QColor(96, 60, 72));
    // Folds of the skirt.
    p.setPen(QPen(QColor(60, 36, 46, 150), 1.6));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(cx + i * 8, 300), QPointF(cx + i * 17, 434));
    // Calico print: small pale dots.
    Rng rng(71);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 190, 170, 90));
    for (int i = 0; i < 140; ++i) {
        const QPointF d(cx + rng.range(-46, 46), rng.range(300, 432));
        if (dress.contains(d))
            p.drawEllipse(d, 1.1, 1.1);
    }
    // Neck and shoulders under a woollen shawl.
    p.setBrush(skin.darker(110));
    p.drawRect(QRectF(cx - 6, 212, 12, 20));
    // A woollen shawl over rounded shoulders, its ends meeting in front.
    QPainterPath shawl;
    shawl.moveTo(cx - 8, 220);
    shawl.cubicTo(cx - 30, 220, cx - 42, 232, cx - 43, 254);
    shawl.lineTo(cx - 41, 300);
    shawl.quadTo(cx - 20, 310, cx, 324);
    shawl.quadTo(cx + 20, 310, cx + 41, 300);
    shawl.lineTo(cx + 43, 254);
    shawl.cubicTo(cx + 42, 232, cx + 30, 220, cx + 8, 220);
    shawl.quadTo(cx, 228, cx - 8, 220);
    shade(p, shawl, QColor(150, 92, 58));
    // Soft folds where the shawl falls from the shoulders.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(110, 64, 40, 150), 1.3));
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath fold;
        fold.moveTo(cx + side * 30, 236);
        fold.quadTo(cx + side * 22, 270, cx + side * 12, 300);
        p.drawPath(fold);
    }
    // A woven band along the shawl's edge, and its fringe.
    QPainterPath band;
    band.moveTo(cx - 41, 296);
    band.quadTo(cx - 20, 306, cx, 319);
    band.quadTo(cx + 20, 306, cx + 41, 296);
    p.setPen(QPen(QColor(190, 150, 80), 3));
    p.drawPath(band);
    p.setPen(QPen(QColor(90, 40, 30), 1));
    p.drawPath(band.translated(0, -4));
    p.setPen(QPen(QColor(120, 70, 44), 1));
    for (double x = cx - 38; x <= cx + 38; x += 3) {
        const double t = std::abs(x - cx) / 41.0;
        const double y = 324 - t * 24;
        p.drawLine(QPointF(x, y), QPointF(x, y + 6));
    }
    p.setPen(Qt::NoPen);
    // Hair behind the head and a braid over the shoulder.
    p.translate(cx, 224);
    p.scale(HeadScale, HeadScale);
    p.translate(-cx, -224);
    const QPointF head(cx - 1, 197);
    p.setBrush(QColor(28, 20, 18));
    p.drawEllipse(head + QPointF(0, -2), 19, 23);
    QPainterPath braid;
    braid.moveTo(cx + 12, 212);
    braid.cubicTo(cx + 26, 230, cx + 24, 260, cx + 20, 288);
    braid.lineTo(cx + 14, 288);
    braid.cubicTo(cx + 16, 260, cx + 14, 232, cx + 4, 216);
    p.drawPath(braid);
    p.setPen(QPen(QColor(70, 52, 44), 1));
    for (int i = 0; i < 7; ++i) {
        const double y = 226 + i * 9;
        p.drawLine(QPointF(cx + 10 + i * 0.9, y), QPointF(cx + 22 - i * 0.2, y + 5));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 60, 50));
    p.drawRect(QRectF(cx + 14, 286, 7, 4)); // a cloth tie
    paintFace(p, head + QPointF(0, 2), 30, 36, skin, pose, false);
    // Hair parted in the middle, framing the face.
    QPainterPath hair;
    hair.moveTo(head.x(), head.y() - 22);
    hair.cubicTo(head.x() - 20, head.y() - 22, head.x() - 19, head.y() - 2, head.x() - 15,
                 head.y() + 10);
    hair.quadTo(head.x() - 13, head.y() - 8, head.x(), head.y() - 15);
    hair.quadTo(head.x() + 13, head.y() - 8, head.x() + 15, head.y() + 10);
    hair.cubicTo(head.x() + 19, head.y() - 2, head.x() + 20, head.y() - 22, head.x(),
                 head.y() - 22);
    p.setBrush(QColor(30, 22, 20));
    p.drawPath(hair);
    p.setPen(QPen(QColor(90, 80, 90, 120), 1));
    p.drawLine(head + QPointF(0, -21), head + QPointF(0, -15));
    return img;
}

QImage trapperLayer(const Pose& pose)
{
    QImage img = canvas(600, 450);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double cx = 415;
    const QColor skin(206, 160, 124);
    // Walking staff on his right.
    p.setPen(QPen(QColor(92, 66, 40), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(cx - 52, 252), QPointF(cx - 60, 428));
    // Legs and boots.
    p.setPen(Qt::NoPen);
    QPainterPath legs;
    legs.moveTo(cx - 24, 330);
    legs.lineTo(cx - 22, 420);
    legs.lineTo(cx - 4, 420);
    legs.lineTo(cx, 350);
    legs.lineTo(cx + 4, 420);
    legs.lineTo(cx + 22, 420);
    legs.lineTo(cx + 24, 330);
    legs.closeSubpath();
    shade(p, legs, QColor(84, 72, 58));
    p.setBrush(QColor(50, 36, 26));
    p.drawRoundedRect(QRectF(cx - 26, 402, 24, 26), 4, 4);
    p.drawRoundedRect(QRectF(cx + 2, 402, 24, 26), 4, 4);
    // Long coat.
    QPainterPath coat;
    coat.moveTo(cx - 14, 258);
    coat.cubicTo(cx - 40, 262, cx - 44, 300, cx - 40, 380);
    coat.lineTo(cx - 8, 384);
    coat.lineTo(cx, 300);
    coat.lineTo(cx + 8, 384);
    coat.lineTo(cx + 40, 380);
    coat.cubicTo(cx + 44, 300, cx + 40, 262, cx + 14, 258);
    coat.closeSubpath();
    shade(p, coat, QColor(120, 86, 56));
    // Shirt and neckerchief.
    p.setBrush(QColor(200, 190, 168));
    QPainterPath shirt;
    shirt.moveTo(cx - 10, 258);
    shirt.lineTo(cx, 300);
    shirt.lineTo(cx + 10, 258);
    p.drawPath(shirt);
    p.setBrush(QColor(120, 44, 36));
    QPainterPath scarf;
    scarf.moveTo(cx - 11, 256);
    scarf.quadTo(cx, 266, cx + 11, 256);
    scarf.lineTo(cx + 4, 276);
    scarf.lineTo(cx - 3, 272);
    scarf.closeSubpath();
    p.drawPath(scarf);
    // Belt.
    p.setBrush(QColor(60, 40, 26));
    p.drawRect(QRectF(cx - 38, 326, 76, 7));
    // Arms: the right hand on the staff, the left on the strap of his pack.
    p.setBrush(QColor(110, 78, 50));
    QPainterPath arm;
    arm.moveTo(cx - 32, 268);
    arm.quadTo(cx - 50, 290, cx - 52, 318);
    arm.lineTo(cx - 42, 320);
    arm.quadTo(cx - 38, 296, cx - 24, 280);
    p.drawPath(arm);
    p.setBrush(skin);
    p.drawEllipse(QPointF(cx - 52, 320), 6, 7);
    p.setBrush(QColor(110, 78, 50));
    QPainterPath arm2;
    arm2.moveTo(cx + 32, 268);
    arm2.quadTo(cx + 42, 292, cx + 30, 312);
    arm2.lineTo(cx + 22, 306);
    arm2.quadTo(cx + 30, 292, cx + 24, 280);
    p.drawPath(arm2);
    p.setBrush(skin);
    p.drawEllipse(QPointF(cx + 26, 310), 6, 6);
    // Pack strap.
    p.setPen(QPen(QColor(70, 50, 32), 4));
    p.drawLine(QPointF(cx + 22, 262), QPointF(cx + 30, 330));
    p.setPen(Qt::NoPen);
    // A rolled blanket at his back shows past his shoulder, tied twice.
    p.setBrush(QColor(150, 76, 54));
    p.drawRoundedRect(QRectF(cx + 28, 252, 20, 56), 9, 9);
    p.setBrush(QColor(70, 48, 30));
    p.drawRect(QRectF(cx + 28, 264, 20, 3));
    p.drawRect(QRectF(cx + 28, 294, 20, 3));
    // Neck, head, beard and hat.
    const QPointF head(cx, 242);
    p.setBrush(skin.darker(110));
    p.drawRect(QRectF(cx - 6, 252, 12, 8));
    p.setBrush(QColor(92, 62, 38));
    p.drawEllipse(head + QPointF(0, -2), 16, 16); // hair at the back of the head
    paintFace(p, head, 28, 32, skin, pose, true);
    // A short beard along the jaw, leaving the mouth free.
    p.setBrush(QColor(110, 72, 42, 200));
    QPainterPath beard;
    beard.moveTo(head.x() - 13, head.y() + 2);
    beard.quadTo(head.x() - 12, head.y() + 17, head.x(), head.y() + 18);
    beard.quadTo(head.x() + 12, head.y() + 17, head.x() + 13, head.y() + 2);
    beard.lineTo(head.x() + 9, head.y() + 12);
    beard.quadTo(head.x(), head.y() + 15, head.x() - 9, head.y() + 12);
    beard.closeSubpath();
    p.drawPath(beard);
    // Wide-brimmed hat.
    p.setBrush(QColor(70, 54, 40));
    p.drawEllipse(QPointF(head.x(), head.y() - 12), 26, 5);
    QPainterPath crown;
    crown.moveTo(head.x() - 14, head.y() - 12);
    crown.quadTo(head.x() - 14, head.y() - 27, head.x(), head.y() - 27);
    crown.quadTo(head.x() + 14, head.y() - 27, head.x() + 14, head.y() - 12);
    crown.closeSubpath();
    shade(p, crown, QColor(78, 60, 44));
    p.setBrush(QColor(50, 38, 28));
    p.drawRect(QRectF(head.x() - 14, head.y() - 16, 28, 4));
    return img;
}

QImage storytellerPortrait(const Pose& pose)
{
    QImage img = canvas(300, 330, Qt::black);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // Firelight from the right, darkness behind.
    radialGlow(p, QPointF(250, 260), 260, QColor(150, 70, 20, 120));
    const QColor skin(160, 104, 72);
    const QPointF head(150, 142);
    // Long grey-streaked hair falls behind her shoulders.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(46, 40, 40));
    QPainterPath back;
    back.moveTo(head.x() - 56, head.y() - 30);
    back.cubicTo(head.x() - 70, head.y() + 40, head.x() - 74, head.y() + 100, head.x() - 80,
                 head.y() + 130);
    back.lineTo(head.x() + 80, head.y() + 130);
    back.cubicTo(head.x() + 74, head.y() + 100, head.x() + 70, head.y() + 40, head.x() + 56,
                 head.y() - 30);
    back.closeSubpath();
    p.drawPath(back);
    // Shoulders wrapped in a dark red blanket.
    QPainterPath shoulders;
    shoulders.moveTo(20, 330);
    shoulders.cubicTo(30, 250, 80, 222, 150, 218);
    shoulders.cubicTo(220, 222, 270, 250, 280, 330);
    shoulders.closeSubpath();
    shade(p, shoulders, QColor(112, 40, 34), 0.7);
    p.setPen(QPen(QColor(170, 130, 70, 160), 3));
    p.drawArc(QRectF(40, 236, 220, 160), 20 * 16, 140 * 16);
    p.setPen(QPen(QColor(60, 20, 20, 160), 2));
    p.drawArc(QRectF(52, 250, 196, 150), 25 * 16, 130 * 16);
    // Neck.
    p.setPen(Qt::NoPen);
    p.setBrush(skin.darker(115));
    p.drawRect(QRectF(132, 190, 36, 40));
    paintFace(p, head, 100, 124, skin, pose, false);
    // Lines of age, gently.
    p.setPen(QPen(skin.darker(135), 1.2));
    p.drawArc(QRectF(head.x() - 42, head.y() + 6, 22, 30), 180 * 16, 70 * 16);
    p.drawArc(QRectF(head.x() + 20, head.y() + 6, 22, 30), 290 * 16, 70 * 16);
    // Hair parted, pulled back, with silver strands.
    QPainterPath hair;
    hair.moveTo(head.x(), head.y() - 68);
    hair.cubicTo(head.x() - 66, head.y() - 66, head.x() - 62, head.y() + 10, head.x() - 52,
                 head.y() + 40);
    hair.quadTo(head.x() - 46, head.y() - 30, head.x(), head.y() - 52);
    hair.quadTo(head.x() + 46, head.y() - 30, head.x() + 52, head.y() + 40);
    hair.cubicTo(head.x() + 62, head.y() + 10, head.x() + 66, head.y() - 66, head.x(),
                 head.y() - 68);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 46, 46));
    p.drawPath(hair);
    Rng rng(41);
    for (int i = 0; i < 26; ++i) {
        const double side = i % 2 ? 1 : -1;
        const double a = rng.range(0.1, 1.3);
        p.setPen(QPen(QColor(190, 186, 180, 110), 1));
        QPainterPath strand;
        strand.moveTo(head.x() + side * 4, head.y() - 64);
        strand.quadTo(head.x() + side * 60 * a, head.y() - 50, head.x() + side * (44 + 12 * a),
                      head.y() + 30);
        p.drawPath(strand);
    }
    // Warm firelight on the right cheek.
    radialGlow(p, QPointF(215, 170), 70, QColor(255, 150, 60, 55));
    return img;
}

QImage keepersLayer(double nod)
{
    QImage img = canvas(600, 450);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    struct Keeper {
        double cx;
        QColor coat;
        bool apron;
        bool beard;
    };
    const Keeper keepers[2] = {{286, QColor(96, 104, 120), false, true},
                               {354, QColor(120, 96, 110), true, false}};
    // Drawn at a larger scale around the counter's middle.
    p.translate(319, 350);
    p.scale(1.12, 1.12);
    p.translate(-319, -340);
    for (const Keeper& k : keepers) {
        const double dy = nod * 3;
        const QColor skin(214, 200, 190);
        QPainterPath body;
        body.moveTo(k.cx - 28, 340);
        body.cubicTo(k.cx - 30, 290, k.cx - 26, 262, k.cx, 258 + dy);
        body.cubicTo(k.cx + 26, 262, k.cx + 30, 290, k.cx + 28, 340);
        body.closeSubpath();
        shade(p, body, k.coat);
        if (k.apron) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(190, 186, 176));
            p.drawRoundedRect(QRectF(k.cx - 14, 286 + dy, 28, 60), 4, 4);
        } else {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 150, 160));
            p.drawRect(QRectF(k.cx - 9, 262 + dy, 18, 40)); // waistcoat
        }
        p.setBrush(skin.darker(110));
        p.drawRect(QRectF(k.cx - 5, 250 + dy, 10, 12));
        const QPointF head(k.cx, 236 + dy);
        Pose pose;
        pose.blink = 0.3;
        pose.mouth = 0.1;
        p.setBrush(k.beard ? QColor(200, 200, 205) : QColor(120, 110, 120));
        p.drawEllipse(head + QPointF(0, -3), 14, 16);
        paintFace(p, head, 24, 30, skin, pose, k.beard);
        if (k.beard) {
            p.setBrush(QColor(225, 225, 230, 220));
            QPainterPath beard;
            beard.moveTo(head.x() - 10, head.y() + 4);
            beard.quadTo(head.x(), head.y() + 26, head.x() + 10, head.y() + 4);
            beard.quadTo(head.x(), head.y() + 12, head.x() - 10, head.y() + 4);
            p.drawPath(beard);
        } else {
            p.setBrush(QColor(130, 118, 130));
            p.drawEllipse(head + QPointF(0, -15), 10, 6); // hair in a bun
        }
    }
    return img;
}

void composeSpirit(QImage& scene, const QImage& layer, double presence)
{
    presence = std::clamp(presence, 0.0, 1.0);
    QImage glow = layer;
    {
        QPainter g(&glow);
        g.setCompositionMode(QPainter::CompositionMode_SourceIn);
        g.fillRect(glow.rect(), QColor(200, 225, 255));
    }
    blur(glow, 6);
    QPainter p(&scene);
    p.setOpacity(presence * 0.75);
    p.setCompositionMode(QPainter::CompositionMode_Screen);
    p.drawImage(0, 0, glow);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.setOpacity(presence * 0.9);
    p.drawImage(0, 0, layer);
    // A faint cool light on the figure: a spirit, not a living person.
    QImage tint = layer;
    {
        QPainter t(&tint);
        t.setCompositionMode(QPainter::CompositionMode_SourceIn);
        t.fillRect(tint.rect(), QColor(170, 200, 255));
    }
    p.setOpacity(presence * 0.18);
    p.drawImage(0, 0, tint);
}

} // namespace gen
