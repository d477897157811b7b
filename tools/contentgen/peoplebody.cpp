#include "paint.h"
#include "peopleparts.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen::figure {

Frame frameOf(const Person& s)
{
    Frame f;
    f.cx = s.cx;
    f.foot = s.footY;
    f.u = s.height / 240.0;
    f.top = s.footY - s.height;
    const double headShare = s.age == Age::Child ? 0.19 : s.age == Age::Youth ? 0.155 : 0.135;
    f.headH = s.height * headShare;
    f.headW = f.headH * 0.8 * std::sqrt(s.breadth);
    f.head = QPointF(s.cx + (s.stooped ? 5 * f.u : 0),
                     f.top + f.headH * 0.5 + (s.stooped ? 6 * f.u : 0));
    f.shoulderY = f.top + f.headH * 1.22;
    const double shoulders = s.age == Age::Child ? 1.05 : s.female ? 1.2 : 1.42;
    f.shoulderHalf = f.headW * shoulders * s.breadth;
    f.waistY = f.shoulderY + (f.foot - f.shoulderY) * 0.36;
    f.hipHalf = f.shoulderHalf * (s.female ? 1.0 : 0.86);
    f.hemY = s.garment == Garment::Dress          ? f.foot - 4 * f.u
             : s.garment == Garment::Uniform      ? f.waistY + (f.foot - f.waistY) * 0.18
             : s.garment == Garment::HuntingShirt ? f.waistY + (f.foot - f.waistY) * 0.36
                                                  : f.waistY + (f.foot - f.waistY) * 0.6;
    return f;
}

void shade(QPainter& p, const QPainterPath& shape, const QColor& base)
{
    const QRectF r = shape.boundingRect();
    QLinearGradient g(r.topLeft() + QPointF(r.width() * 0.3, 0), r.bottomRight());
    g.setColorAt(0, base.lighter(118));
    g.setColorAt(0.6, base);
    g.setColorAt(1, base.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(shape);
}

namespace {

void folds(QPainter& p, double cx, double fromY, double toY, double spread, const QColor& c,
           double u)
{
    p.setPen(QPen(withAlpha(c.darker(150), 130), 1.3 * u));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(cx + i * spread * 0.2, fromY + 10 * u),
                   QPointF(cx + i * spread * 0.42, toY - 2 * u));
    p.setPen(Qt::NoPen);
}

} // namespace

void legsAndFeet(QPainter& p, const Person& s, const Frame& f)
{
    const double u = f.u;
    const double gap = 3 * u, w = f.hipHalf * 0.78;
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath leg;
        const double inner = f.cx + side * gap, outer = f.cx + side * (gap + w);
        leg.moveTo(inner, f.waistY + 20 * u);
        leg.lineTo(outer, f.waistY + 20 * u);
        leg.lineTo(f.cx + side * (gap + w * 0.8), f.foot - 8 * u);
        leg.lineTo(inner, f.foot - 8 * u);
        leg.closeSubpath();
        shade(p, leg, s.legs);
        // Moccasins for the Verunai and their neighbours' hunting shirts,
        // boots for coats and uniforms.
        const bool boots = s.garment != Garment::HuntingShirt;
        p.setBrush(boots ? QColor(46, 34, 26) : QColor(122, 92, 62));
        p.drawRoundedRect(QRectF(f.cx + (side < 0 ? -(gap + w + 2 * u) : gap), f.foot - 11 * u,
                                 w + 2 * u, 11 * u),
                          3 * u, 3 * u);
    }
}

QPainterPath bodyShape(const Person& s, const Frame& f)
{
    const double u = f.u, cx = f.cx;
    QPainterPath body;
    // Shoulders slope from the neck and round off into the arms.
    body.moveTo(cx - f.headW * 0.3, f.shoulderY - 5 * u);
    body.cubicTo(cx - f.shoulderHalf * 0.55, f.shoulderY - 3 * u, cx - f.shoulderHalf * 0.98,
                 f.shoulderY + 2 * u, cx - f.shoulderHalf, f.shoulderY + 18 * u);
    if (s.garment == Garment::Dress) {
        body.lineTo(cx - f.hipHalf * 0.78, f.waistY);
        body.cubicTo(cx - f.hipHalf * 1.1, f.waistY + 40 * u, cx - f.hipHalf * 1.5, f.hemY - 40 * u,
                     cx - f.hipHalf * 1.6, f.hemY);
        body.quadTo(cx, f.hemY + 6 * u, cx + f.hipHalf * 1.6, f.hemY);
        body.cubicTo(cx + f.hipHalf * 1.5, f.hemY - 40 * u, cx + f.hipHalf * 1.1, f.waistY + 40 * u,
                     cx + f.hipHalf * 0.78, f.waistY);
    } else {
        const double flare = s.garment == Garment::Uniform ? 1.0 : 1.18;
        body.lineTo(cx - f.hipHalf * 0.95, f.waistY);
        body.lineTo(cx - f.hipHalf * flare, f.hemY);
        body.quadTo(cx, f.hemY + 3 * u, cx + f.hipHalf * flare, f.hemY);
        body.lineTo(cx + f.hipHalf * 0.95, f.waistY);
    }
    body.lineTo(cx + f.shoulderHalf, f.shoulderY + 18 * u);
    body.cubicTo(cx + f.shoulderHalf * 0.98, f.shoulderY + 2 * u, cx + f.shoulderHalf * 0.55,
                 f.shoulderY - 3 * u, cx + f.headW * 0.3, f.shoulderY - 5 * u);
    body.closeSubpath();
    return body;
}

void garment(QPainter& p, const Person& s, const Frame& f)
{
    const double u = f.u, cx = f.cx;
    const QPainterPath body = bodyShape(s, f);
    shade(p, body, s.cloth);
    p.save();
    p.setClipPath(body);
    switch (s.garment) {
    case Garment::Dress: {
        folds(p, cx, f.waistY, f.hemY, f.hipHalf * 3, s.cloth, u);
        // Calico: a small pale print.
        Rng rng(static_cast<quint64>(s.cx * 7 + s.height));
        p.setBrush(withAlpha(s.cloth.lighter(170), 90));
        for (int i = 0; i < 160; ++i)
            p.drawEllipse(QPointF(cx + rng.range(-f.hipHalf * 1.6, f.hipHalf * 1.6),
                                  rng.range(f.shoulderY, f.hemY)),
                          0.9 * u, 0.9 * u);
        break;
    }
    case Garment::HuntingShirt: {
        // A long cloth shirt, belted with a woven sash; a ruffled collar.
        p.setBrush(s.accent);
        p.drawRect(QRectF(cx - f.hipHalf * 1.3, f.waistY - 3 * u, f.hipHalf * 2.6, 8 * u));
        p.setBrush(withAlpha(s.accent.lighter(150), 200));
        for (double x = cx - f.hipHalf * 1.2; x < cx + f.hipHalf * 1.2; x += 6 * u)
            p.drawRect(QRectF(x, f.waistY - 1 * u, 3 * u, 4 * u));
        p.setPen(QPen(withAlpha(s.cloth.darker(160), 160), 1.2 * u));
        p.drawLine(QPointF(cx, f.shoulderY), QPointF(cx, f.waistY - 3 * u));
        p.setPen(Qt::NoPen);
        folds(p, cx, f.waistY, f.hemY, f.hipHalf * 2.2, s.cloth, u);
        break;
    }
    case Garment::LongCoat:
    case Garment::FrockCoat: {
        // The coat open over a shirt and waistcoat; buttons down the front.
        const bool frock = s.garment == Garment::FrockCoat;
        QPainterPath front;
        front.moveTo(cx - f.headW * 0.34, f.shoulderY - 3 * u);
        front.lineTo(cx - f.headW * 0.2, f.waistY + 6 * u);
        front.lineTo(cx + f.headW * 0.2, f.waistY + 6 * u);
        front.lineTo(cx + f.headW * 0.34, f.shoulderY - 3 * u);
        front.closeSubpath();
        p.setBrush(frock ? QColor(224, 220, 210) : s.accent.darker(120));
        p.drawPath(front);
        p.setBrush(withAlpha(QColor(20, 14, 10), 110));
        for (int i = 0; i < 4; ++i)
            p.drawEllipse(QPointF(cx, f.shoulderY + (i + 1) * (f.waistY - f.shoulderY) / 5),
                          1.3 * u, 1.3 * u);
        p.setPen(QPen(withAlpha(s.cloth.darker(170), 200), 1.4 * u));
        p.drawLine(QPointF(cx - f.headW * 0.2, f.waistY + 6 * u),
                   QPointF(cx - f.hipHalf * 0.2, f.hemY));
        p.drawLine(QPointF(cx + f.headW * 0.2, f.waistY + 6 * u),
                   QPointF(cx + f.hipHalf * 0.2, f.hemY));
        p.setPen(Qt::NoPen);
        if (frock) { // a white cravat
            p.setBrush(QColor(236, 232, 226));
            p.drawEllipse(QPointF(cx, f.shoulderY), f.headW * 0.22, 5 * u);
        }
        break;
    }
    case Garment::Uniform: {
        // A short wool jacket with a row of brass buttons and a white belt.
        p.setBrush(QColor(210, 176, 90));
        for (int i = 0; i < 5; ++i)
            p.drawEllipse(
                QPointF(cx, f.shoulderY + 6 * u + i * (f.hemY - f.shoulderY - 10 * u) / 5), 1.4 * u,
                1.4 * u);
        p.setBrush(QColor(226, 222, 210));
        p.drawRect(QRectF(cx - f.hipHalf * 1.1, f.waistY, f.hipHalf * 2.2, 5 * u));
        p.setPen(QPen(QColor(226, 222, 210), 4 * u));
        p.drawLine(QPointF(cx - f.shoulderHalf * 0.8, f.shoulderY),
                   QPointF(cx + f.hipHalf, f.waistY));
        p.setPen(Qt::NoPen);
        break;
    }
    }
    p.restore();
    if (s.apron) {
        QPainterPath apron;
        apron.moveTo(cx - f.hipHalf * 0.8, f.waistY);
        apron.lineTo(cx - f.hipHalf * 1.0, f.waistY + (f.foot - f.waistY) * 0.72);
        apron.quadTo(cx, f.waistY + (f.foot - f.waistY) * 0.76, cx + f.hipHalf * 1.0,
                     f.waistY + (f.foot - f.waistY) * 0.72);
        apron.lineTo(cx + f.hipHalf * 0.8, f.waistY);
        apron.closeSubpath();
        shade(p, apron, s.apronColour);
        p.setBrush(s.accent);
        p.drawRect(QRectF(cx - f.hipHalf * 0.85, f.waistY - 2 * u, f.hipHalf * 1.7, 4 * u));
    }
}

void wrap(QPainter& p, const Person& s, const Frame& f)
{
    const double u = f.u, cx = f.cx;
    if (s.blanket) {
        // A trade blanket about the shoulders, its stripes near the hem.
        const double hem = f.waistY + (f.foot - f.waistY) * 0.22;
        QPainterPath b;
        b.moveTo(cx - f.headW * 0.45, f.shoulderY - 6 * u);
        b.cubicTo(cx - f.shoulderHalf * 1.2, f.shoulderY - 4 * u, cx - f.shoulderHalf * 1.3,
                  f.shoulderY + 20 * u, cx - f.shoulderHalf * 1.28, hem);
        b.quadTo(cx - f.shoulderHalf * 0.3, hem + 8 * u, cx + f.headW * 0.1, hem - 4 * u);
        b.lineTo(cx + f.headW * 0.3, f.shoulderY + 16 * u);
        b.lineTo(cx + f.shoulderHalf * 0.7, hem - 6 * u);
        b.quadTo(cx + f.shoulderHalf * 1.1, hem, cx + f.shoulderHalf * 1.28, hem - 4 * u);
        b.cubicTo(cx + f.shoulderHalf * 1.3, f.shoulderY + 20 * u, cx + f.shoulderHalf * 1.2,
                  f.shoulderY - 4 * u, cx + f.headW * 0.45, f.shoulderY - 6 * u);
        b.closeSubpath();
        shade(p, b, s.blanketColour);
        p.save();
        p.setClipPath(b);
        p.setBrush(withAlpha(QColor(230, 210, 160), 170));
        p.drawRect(QRectF(cx - 100 * u, hem - 16 * u, 200 * u, 3 * u));
        p.setBrush(withAlpha(QColor(30, 30, 50), 170));
        p.drawRect(QRectF(cx - 100 * u, hem - 11 * u, 200 * u, 3 * u));
        p.restore();
    } else if (s.shawl) {
        QPainterPath sh;
        sh.moveTo(cx - f.headW * 0.4, f.shoulderY - 5 * u);
        sh.cubicTo(cx - f.shoulderHalf * 1.1, f.shoulderY - 4 * u, cx - f.shoulderHalf * 1.16,
                   f.shoulderY + 10 * u, cx - f.shoulderHalf * 1.14, f.waistY);
        sh.quadTo(cx - f.shoulderHalf * 0.5, f.waistY + 4 * u, cx, f.waistY + 14 * u);
        sh.quadTo(cx + f.shoulderHalf * 0.5, f.waistY + 4 * u, cx + f.shoulderHalf * 1.14,
                  f.waistY);
        sh.cubicTo(cx + f.shoulderHalf * 1.16, f.shoulderY + 10 * u, cx + f.shoulderHalf * 1.1,
                   f.shoulderY - 4 * u, cx + f.headW * 0.4, f.shoulderY - 5 * u);
        sh.quadTo(cx, f.shoulderY + 4 * u, cx - f.headW * 0.4, f.shoulderY - 5 * u);
        shade(p, sh, s.shawlColour);
        p.setPen(QPen(withAlpha(s.shawlColour.lighter(150), 200), 2 * u));
        p.setBrush(Qt::NoBrush);
        QPainterPath edge;
        edge.moveTo(cx - f.shoulderHalf * 1.1, f.waistY - 3 * u);
        edge.quadTo(cx - f.shoulderHalf * 0.5, f.waistY + 1 * u, cx, f.waistY + 10 * u);
        edge.quadTo(cx + f.shoulderHalf * 0.5, f.waistY + 1 * u, cx + f.shoulderHalf * 1.1,
                    f.waistY - 3 * u);
        p.drawPath(edge);
        p.setPen(Qt::NoPen);
    }
}

namespace {

// Where the hands are: at the sides, or together in front holding something.
bool holdsInFront(Carrying c)
{
    switch (c) {
    case Carrying::Basket:
    case Carrying::Bundle:
    case Carrying::BabyInShawl:
    case Carrying::Book:
    case Carrying::PlantPot:
    case Carrying::Bowl:
    case Carrying::Letters:
    case Carrying::Seeds:
        return true;
    default:
        return false;
    }
}

QColor sleeveColour(const Person& s)
{
    if (s.blanket)
        return s.blanketColour.darker(108);
    if (s.shawl)
        return s.shawlColour.darker(108);
    return s.cloth.darker(110);
}

} // namespace

void arms(QPainter& p, const Person& s, const Frame& f, QPointF& leftHand, QPointF& rightHand)
{
    const double u = f.u, cx = f.cx;
    const double sleeve = 7 * u * s.breadth;
    const QColor colour = sleeveColour(s);
    const bool front = holdsInFront(s.carrying);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF shoulder(cx + side * (f.shoulderHalf - sleeve * 0.6), f.shoulderY + 6 * u);
        QPointF elbow(cx + side * (f.shoulderHalf + 2 * u), f.waistY - 4 * u);
        QPointF hand(cx + side * (f.shoulderHalf + 1 * u), f.waistY + 26 * u);
        if (front) {
            elbow = QPointF(cx + side * (f.shoulderHalf + 1 * u), f.waistY - 2 * u);
            hand = QPointF(cx + side * f.headW * 0.45, f.waistY - 8 * u);
        }
        QPainterPath arm;
        arm.moveTo(shoulder);
        arm.quadTo(elbow, hand);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(colour.darker(125), sleeve * 2 + 1.5 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
        p.setPen(QPen(colour, sleeve * 2, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(arm);
        p.setPen(Qt::NoPen);
        p.setBrush(s.skin);
        p.drawEllipse(hand, 4.2 * u, 4.8 * u);
        (side < 0 ? leftHand : rightHand) = hand;
    }
}

} // namespace gen::figure
