#include "people.h"

#include "paint.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen {

namespace {

// The proportions of a figure, worked out once from its description.
struct Frame {
    double cx, foot, top, u;
    double headW, headH;
    QPointF head;
    double shoulderY, shoulderHalf, waistY, hipHalf, hemY;
};

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

void folds(QPainter& p, double cx, double fromY, double toY, double spread, const QColor& c,
           double u)
{
    p.setPen(QPen(withAlpha(c.darker(150), 130), 1.3 * u));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(cx + i * spread * 0.2, fromY + 10 * u),
                   QPointF(cx + i * spread * 0.42, toY - 2 * u));
    p.setPen(Qt::NoPen);
}

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

void heldThing(QPainter& p, const Person& s, const Frame& f, QPointF left, QPointF right)
{
    const double u = f.u;
    const QPointF mid = (left + right) / 2;
    p.setPen(Qt::NoPen);
    switch (s.carrying) {
    case Carrying::Basket: {
        p.setBrush(QColor(168, 130, 78));
        p.drawRoundedRect(QRectF(mid.x() - 20 * u, mid.y() - 6 * u, 40 * u, 22 * u), 5 * u, 5 * u);
        p.setPen(QPen(QColor(120, 88, 50), 1.2 * u));
        for (int i = 0; i < 4; ++i)
            p.drawLine(QPointF(mid.x() - 19 * u, mid.y() - 2 * u + i * 5 * u),
                       QPointF(mid.x() + 19 * u, mid.y() - 2 * u + i * 5 * u));
        p.setPen(QPen(QColor(130, 96, 56), 2.4 * u));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(mid.x() - 16 * u, mid.y() - 22 * u, 32 * u, 34 * u), 0, 180 * 16);
        // Herbs in it.
        p.setPen(QPen(QColor(96, 120, 70), 1.6 * u));
        for (int i = -3; i <= 3; ++i)
            p.drawLine(QPointF(mid.x() + i * 4 * u, mid.y() - 5 * u),
                       QPointF(mid.x() + i * 5 * u, mid.y() - 12 * u));
        break;
    }
    case Carrying::Bundle: {
        p.setBrush(QColor(190, 170, 130));
        p.drawEllipse(mid + QPointF(0, 2 * u), 18 * u, 12 * u);
        p.setBrush(s.accent);
        p.drawRect(QRectF(mid.x() - 2 * u, mid.y() - 10 * u, 4 * u, 24 * u));
        break;
    }
    case Carrying::BabyInShawl: {
        p.setBrush(s.shawlColour.lighter(125));
        p.drawEllipse(mid + QPointF(0, -4 * u), 17 * u, 13 * u);
        p.setBrush(s.skin.lighter(108));
        p.drawEllipse(mid + QPointF(-6 * u, -10 * u), 6.5 * u, 6 * u);
        p.setBrush(QColor(30, 22, 20));
        p.drawChord(QRectF(mid.x() - 12.5 * u, mid.y() - 16 * u, 13 * u, 10 * u), 0, 180 * 16);
        p.setPen(QPen(s.skin.darker(200), 0.8 * u));
        p.drawLine(mid + QPointF(-8.5 * u, -9 * u), mid + QPointF(-6.5 * u, -9 * u));
        p.drawLine(mid + QPointF(-4.5 * u, -9 * u), mid + QPointF(-2.5 * u, -9 * u));
        break;
    }
    case Carrying::Book:
    case Carrying::Letters: {
        const bool book = s.carrying == Carrying::Book;
        p.setBrush(book ? QColor(50, 36, 30) : QColor(226, 214, 186));
        p.drawRect(QRectF(mid.x() - 12 * u, mid.y() - 12 * u, 24 * u, 17 * u));
        if (!book) {
            p.setPen(QPen(QColor(80, 60, 50, 180), 0.8 * u));
            for (int i = 0; i < 4; ++i)
                p.drawLine(QPointF(mid.x() - 9 * u, mid.y() - 8 * u + i * 3.5 * u),
                           QPointF(mid.x() + 9 * u, mid.y() - 8 * u + i * 3.5 * u));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(200, 186, 150));
            p.drawRect(QRectF(mid.x() - 10 * u, mid.y() - 15 * u, 22 * u, 4 * u));
        } else {
            p.setBrush(QColor(200, 180, 120));
            p.drawRect(QRectF(mid.x() - 12 * u, mid.y() - 4 * u, 24 * u, 1.2 * u));
        }
        break;
    }
    case Carrying::PlantPot: {
        p.setBrush(QColor(170, 90, 60));
        QPainterPath pot;
        pot.moveTo(mid.x() - 10 * u, mid.y() - 8 * u);
        pot.lineTo(mid.x() + 10 * u, mid.y() - 8 * u);
        pot.lineTo(mid.x() + 7 * u, mid.y() + 8 * u);
        pot.lineTo(mid.x() - 7 * u, mid.y() + 8 * u);
        p.drawPath(pot);
        // The aloe's thick, pointed leaves.
        p.setBrush(QColor(110, 150, 100));
        for (int i = -3; i <= 3; ++i) {
            QPainterPath leaf;
            leaf.moveTo(mid.x() + i * 2 * u - 2 * u, mid.y() - 8 * u);
            leaf.quadTo(mid.x() + i * 5 * u, mid.y() - 20 * u, mid.x() + i * 7 * u,
                        mid.y() - 30 * u + std::abs(i) * 4 * u);
            leaf.quadTo(mid.x() + i * 3 * u, mid.y() - 16 * u, mid.x() + i * 2 * u + 2 * u,
                        mid.y() - 8 * u);
            p.drawPath(leaf);
        }
        break;
    }
    case Carrying::Bowl:
    case Carrying::Seeds: {
        const bool seeds = s.carrying == Carrying::Seeds;
        p.setBrush(seeds ? QColor(200, 184, 140) : QColor(130, 96, 64));
        p.drawChord(QRectF(mid.x() - 15 * u, mid.y() - 16 * u, 30 * u, 22 * u), 180 * 16, 180 * 16);
        p.setBrush(seeds ? QColor(120, 80, 50) : QColor(200, 150, 80));
        p.drawEllipse(mid + QPointF(0, -5 * u), 13 * u, 3 * u);
        break;
    }
    case Carrying::Staff:
    case Carrying::Cane:
    case Carrying::FerryPole:
    case Carrying::Spear: {
        const double reach = s.carrying == Carrying::FerryPole ? 120
                             : s.carrying == Carrying::Spear   ? 90
                             : s.carrying == Carrying::Staff   ? 70
                                                               : 0;
        const QPointF top(right.x() + 2 * u, right.y() - (f.waistY - f.top) * 0.4 - reach * u);
        const QPointF bottom(right.x() + 5 * u, f.foot);
        p.setPen(QPen(QColor(96, 70, 44), (s.carrying == Carrying::FerryPole ? 5 : 4) * u,
                      Qt::SolidLine, Qt::RoundCap));
        p.drawLine(s.carrying == Carrying::Cane ? right : top, bottom);
        if (s.carrying == Carrying::Spear) {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(150, 150, 156));
            QPainterPath blade;
            blade.moveTo(top + QPointF(0, -18 * u));
            blade.lineTo(top + QPointF(4 * u, 0));
            blade.lineTo(top + QPointF(-3 * u, 0));
            blade.closeSubpath();
            p.drawPath(blade);
        }
        if (s.carrying == Carrying::Cane) {
            p.setPen(QPen(QColor(96, 70, 44), 4 * u, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(right, right + QPointF(-6 * u, -3 * u));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(s.skin);
        p.drawEllipse(right, 4.2 * u, 4.8 * u);
        break;
    }
    case Carrying::DoctorsBag:
    case Carrying::Kettle:
    case Carrying::Lantern:
    case Carrying::Hammer: {
        const QPointF h = right + QPointF(0, 5 * u);
        if (s.carrying == Carrying::DoctorsBag) {
            p.setBrush(QColor(60, 40, 30));
            p.drawRoundedRect(QRectF(h.x() - 13 * u, h.y() + 2 * u, 26 * u, 18 * u), 4 * u, 4 * u);
            p.setPen(QPen(QColor(40, 28, 20), 2 * u));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(h.x() - 6 * u, h.y() - 4 * u, 12 * u, 12 * u), 0, 180 * 16);
        } else if (s.carrying == Carrying::Kettle) {
            p.setBrush(QColor(64, 60, 58));
            p.drawEllipse(QRectF(h.x() - 12 * u, h.y() + 4 * u, 24 * u, 18 * u));
            p.setPen(QPen(QColor(50, 46, 44), 2 * u));
            p.setBrush(Qt::NoBrush);
            p.drawArc(QRectF(h.x() - 10 * u, h.y() - 2 * u, 20 * u, 16 * u), 0, 180 * 16);
        } else if (s.carrying == Carrying::Lantern) {
            p.setBrush(QColor(255, 210, 120, 90));
            p.drawEllipse(h + QPointF(0, 14 * u), 16 * u, 16 * u);
            p.setBrush(QColor(250, 214, 140));
            p.drawRoundedRect(QRectF(h.x() - 5 * u, h.y() + 6 * u, 10 * u, 15 * u), 2 * u, 2 * u);
            p.setBrush(QColor(60, 50, 40));
            p.drawRect(QRectF(h.x() - 6 * u, h.y() + 4 * u, 12 * u, 3 * u));
        } else {
            p.setPen(QPen(QColor(96, 70, 44), 3.5 * u, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(h, h + QPointF(3 * u, 30 * u));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(70, 70, 76));
            p.drawRect(QRectF(h.x() - 4 * u, h.y() + 26 * u, 14 * u, 7 * u));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(s.skin);
        p.drawEllipse(right, 4.2 * u, 4.8 * u);
        break;
    }
    case Carrying::SisterOnBack:
    case Carrying::Nothing:
        break;
    }
}

// A small sister carried on the back: her head over his shoulder, her
// arms around his neck, wrapped in a blanket.
void sisterBehind(QPainter& p, const Person& s, const Frame& f)
{
    const double u = f.u;
    const QPointF head = f.head + QPointF(f.headW * 0.95, f.headH * 0.3);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 110, 70));
    p.drawEllipse(QPointF(f.cx + f.shoulderHalf * 0.45, f.shoulderY + 26 * u), f.shoulderHalf,
                  30 * u);
    p.setBrush(QColor(28, 20, 18));
    p.drawEllipse(head, f.headW * 0.55, f.headH * 0.5);
    Pose sleeping;
    sleeping.blink = 1; // asleep on her brother's back
    paintFace(p, head + QPointF(-1 * u, 2 * u), f.headW * 0.8, f.headH * 0.7, s.skin.lighter(105),
              sleeping, false);
    p.setBrush(QColor(28, 20, 18));
    p.drawChord(QRectF(head.x() - f.headW * 0.42, head.y() - f.headH * 0.38, f.headW * 0.84,
                       f.headH * 0.45),
                0, 180 * 16);
}

void hairBehind(QPainter& p, const Person& s, const Frame& f)
{
    const double u = f.u;
    const QPointF h = f.head;
    p.setPen(Qt::NoPen);
    p.setBrush(s.hair);
    p.drawEllipse(h + QPointF(0, -f.headH * 0.05), f.headW * 0.62, f.headH * 0.6);
    if (s.hairStyle == HairStyle::Long) {
        QPainterPath back;
        back.moveTo(h.x() - f.headW * 0.55, h.y());
        back.lineTo(h.x() - f.headW * 0.62, f.shoulderY + 30 * u);
        back.lineTo(h.x() + f.headW * 0.62, f.shoulderY + 30 * u);
        back.lineTo(h.x() + f.headW * 0.55, h.y());
        p.drawPath(back);
    }
}

void hairFront(QPainter& p, const Person& s, const Frame& f)
{
    const double u = f.u;
    const QPointF h = f.head;
    const double w = f.headW, hh = f.headH;
    p.setPen(Qt::NoPen);
    p.setBrush(s.hair);
    QPainterPath top;
    top.moveTo(h.x(), h.y() - hh * 0.56);
    top.cubicTo(h.x() - w * 0.66, h.y() - hh * 0.56, h.x() - w * 0.62, h.y() - hh * 0.05,
                h.x() - w * 0.5, h.y() + hh * 0.18);
    if (s.hairStyle == HairStyle::Short)
        top.quadTo(h.x() - w * 0.42, h.y() - hh * 0.3, h.x(), h.y() - hh * 0.36);
    else
        top.quadTo(h.x() - w * 0.4, h.y() - hh * 0.2, h.x(), h.y() - hh * 0.38);
    if (s.hairStyle == HairStyle::Short)
        top.quadTo(h.x() + w * 0.42, h.y() - hh * 0.3, h.x() + w * 0.5, h.y() + hh * 0.18);
    else
        top.quadTo(h.x() + w * 0.4, h.y() - hh * 0.2, h.x() + w * 0.5, h.y() + hh * 0.18);
    top.cubicTo(h.x() + w * 0.62, h.y() - hh * 0.05, h.x() + w * 0.66, h.y() - hh * 0.56, h.x(),
                h.y() - hh * 0.56);
    p.drawPath(top);
    auto braid = [&](double side) {
        QPainterPath b;
        b.moveTo(h.x() + side * w * 0.42, h.y() + hh * 0.2);
        b.cubicTo(h.x() + side * w * 0.62, h.y() + hh * 0.6, h.x() + side * w * 0.6,
                  f.shoulderY + 20 * u, h.x() + side * w * 0.5, f.shoulderY + 40 * u);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(s.hair, 5.5 * u, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(b);
        p.setPen(QPen(withAlpha(s.hair.lighter(170), 150), 1 * u));
        for (int i = 0; i < 6; ++i) {
            const QPointF at = b.pointAtPercent(0.15 + i * 0.14);
            p.drawLine(at + QPointF(-2 * u, -1.5 * u), at + QPointF(2 * u, 1.5 * u));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(s.accent);
        p.drawRect(
            QRectF(b.currentPosition().x() - 3 * u, b.currentPosition().y() - 2 * u, 6 * u, 4 * u));
    };
    if (s.hairStyle == HairStyle::Braid)
        braid(1);
    if (s.hairStyle == HairStyle::TwoBraids) {
        braid(-1);
        braid(1);
    }
    if (s.hairStyle == HairStyle::Bun) {
        p.setBrush(s.hair);
        p.drawEllipse(h + QPointF(0, -hh * 0.55), w * 0.3, hh * 0.16);
    }
    if (s.beard) {
        p.setBrush(withAlpha(s.hair, 230));
        QPainterPath beard;
        beard.moveTo(h.x() - w * 0.46, h.y() + hh * 0.02);
        beard.quadTo(h.x() - w * 0.44, h.y() + hh * 0.58, h.x(), h.y() + hh * 0.62);
        beard.quadTo(h.x() + w * 0.44, h.y() + hh * 0.58, h.x() + w * 0.46, h.y() + hh * 0.02);
        beard.lineTo(h.x() + w * 0.3, h.y() + hh * 0.36);
        beard.quadTo(h.x(), h.y() + hh * 0.46, h.x() - w * 0.3, h.y() + hh * 0.36);
        beard.closeSubpath();
        p.drawPath(beard);
    }
}

void headwear(QPainter& p, const Person& s, const Frame& f)
{
    const double u = f.u;
    const QPointF h = f.head;
    const double w = f.headW, hh = f.headH;
    p.setPen(Qt::NoPen);
    switch (s.headwear) {
    case Headwear::Bare:
        break;
    case Headwear::Turban: {
        // Cloth wound round the head in a few turns, a band of colour.
        for (int i = 0; i < 3; ++i) {
            QPainterPath turn;
            const double y = h.y() - hh * (0.28 + i * 0.12);
            turn.addRoundedRect(QRectF(h.x() - w * (0.64 - i * 0.05), y - hh * 0.12,
                                       w * (1.28 - i * 0.1), hh * 0.22),
                                hh * 0.1, hh * 0.1);
            shade(p, turn, i == 1 ? s.accent : s.headColour);
        }
        break;
    }
    case Headwear::WideHat:
    case Headwear::TallHat: {
        const bool tall = s.headwear == Headwear::TallHat;
        p.setBrush(s.headColour.darker(110));
        p.drawEllipse(QPointF(h.x(), h.y() - hh * 0.34), w * (tall ? 0.8 : 1.0), hh * 0.08);
        QPainterPath crown;
        const double ch = hh * (tall ? 0.62 : 0.36);
        crown.moveTo(h.x() - w * 0.5, h.y() - hh * 0.34);
        crown.lineTo(h.x() - w * 0.46, h.y() - hh * 0.34 - ch);
        crown.quadTo(h.x(), h.y() - hh * 0.38 - ch, h.x() + w * 0.46, h.y() - hh * 0.34 - ch);
        crown.lineTo(h.x() + w * 0.5, h.y() - hh * 0.34);
        crown.closeSubpath();
        shade(p, crown, s.headColour);
        p.setBrush(s.headColour.darker(160));
        p.drawRect(QRectF(h.x() - w * 0.5, h.y() - hh * 0.45, w, hh * 0.08));
        break;
    }
    case Headwear::Bonnet:
    case Headwear::Kerchief:
    case Headwear::ShawlHood: {
        const QColor c = s.headwear == Headwear::ShawlHood ? s.shawlColour : s.headColour;
        QPainterPath hood;
        const double reach = s.headwear == Headwear::Bonnet ? 0.75 : 0.66;
        hood.moveTo(h.x() - w * reach,
                    h.y() + hh * (s.headwear == Headwear::ShawlHood ? 0.7 : 0.3));
        hood.cubicTo(h.x() - w * (reach + 0.1), h.y() - hh * 0.75, h.x() + w * (reach + 0.1),
                     h.y() - hh * 0.75, h.x() + w * reach,
                     h.y() + hh * (s.headwear == Headwear::ShawlHood ? 0.7 : 0.3));
        hood.lineTo(h.x() + w * 0.5, h.y() + hh * 0.2);
        hood.quadTo(h.x() + w * 0.5, h.y() - hh * 0.42, h.x(), h.y() - hh * 0.42);
        hood.quadTo(h.x() - w * 0.5, h.y() - hh * 0.42, h.x() - w * 0.5, h.y() + hh * 0.2);
        hood.closeSubpath();
        shade(p, hood, c);
        if (s.headwear == Headwear::Bonnet) { // ribbons tied under the chin
            p.setPen(QPen(s.accent, 2 * u));
            p.drawLine(QPointF(h.x() - w * 0.5, h.y() + hh * 0.25),
                       QPointF(h.x() - w * 0.1, h.y() + hh * 0.55));
            p.drawLine(QPointF(h.x() + w * 0.5, h.y() + hh * 0.25),
                       QPointF(h.x() + w * 0.1, h.y() + hh * 0.55));
            p.setPen(Qt::NoPen);
        }
        break;
    }
    case Headwear::ForageCap: {
        QPainterPath cap;
        cap.moveTo(h.x() - w * 0.55, h.y() - hh * 0.3);
        cap.lineTo(h.x() - w * 0.5, h.y() - hh * 0.62);
        cap.lineTo(h.x() + w * 0.6, h.y() - hh * 0.7);
        cap.lineTo(h.x() + w * 0.55, h.y() - hh * 0.3);
        cap.closeSubpath();
        shade(p, cap, s.headColour);
        p.setBrush(QColor(30, 26, 24));
        p.drawChord(QRectF(h.x() - w * 0.6, h.y() - hh * 0.38, w * 1.2, hh * 0.18), 180 * 16,
                    180 * 16);
        break;
    }
    }
}

} // namespace

QPointF faceCentre(const Person& person)
{
    const Frame f = frameOf(person);
    return f.head + QPointF(0, f.headH * 0.06);
}

QImage personLayer(const Person& s, const Pose& pose)
{
    QImage img = canvas(600, 450);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const Frame f = frameOf(s);
    const double u = f.u;
    if (s.carrying == Carrying::SisterOnBack)
        sisterBehind(p, s, f);
    if (s.hairStyle == HairStyle::Long)
        hairBehind(p, s, f);
    if (s.garment != Garment::Dress)
        legsAndFeet(p, s, f);
    else {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 84, 58));
        p.drawRoundedRect(QRectF(f.cx - 14 * u, f.foot - 8 * u, 12 * u, 8 * u), 3 * u, 3 * u);
        p.drawRoundedRect(QRectF(f.cx + 2 * u, f.foot - 8 * u, 12 * u, 8 * u), 3 * u, 3 * u);
    }
    garment(p, s, f);
    wrap(p, s, f);
    // The neck, then the head.
    p.setPen(Qt::NoPen);
    p.setBrush(s.skin.darker(112));
    p.drawRect(QRectF(f.head.x() - f.headW * 0.2, f.head.y() + f.headH * 0.3, f.headW * 0.4,
                      f.shoulderY - f.head.y() - f.headH * 0.2));
    if (s.hairStyle != HairStyle::Long)
        hairBehind(p, s, f);
    paintFace(p, faceCentre(s), f.headW, f.headH * 0.95, s.skin, pose, !s.female);
    if (s.age == Age::Elder) { // lines of age, gently
        p.setPen(QPen(withAlpha(s.skin.darker(150), 170), 0.9 * u));
        p.setBrush(Qt::NoBrush);
        const QPointF c = faceCentre(s);
        p.drawArc(
            QRectF(c.x() - f.headW * 0.42, c.y() + f.headH * 0.02, f.headW * 0.2, f.headH * 0.26),
            180 * 16, 70 * 16);
        p.drawArc(
            QRectF(c.x() + f.headW * 0.22, c.y() + f.headH * 0.02, f.headW * 0.2, f.headH * 0.26),
            290 * 16, 70 * 16);
        p.drawLine(QPointF(c.x() - f.headW * 0.18, c.y() - f.headH * 0.3),
                   QPointF(c.x() + f.headW * 0.18, c.y() - f.headH * 0.3));
    }
    if (s.spectacles) {
        const QPointF c = faceCentre(s);
        p.setPen(QPen(QColor(60, 56, 50), 0.9 * u));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c + QPointF(-f.headW * 0.2, -f.headH * 0.04), f.headW * 0.12, f.headH * 0.07);
        p.drawEllipse(c + QPointF(f.headW * 0.2, -f.headH * 0.04), f.headW * 0.12, f.headH * 0.07);
        p.drawLine(c + QPointF(-f.headW * 0.08, -f.headH * 0.05),
                   c + QPointF(f.headW * 0.08, -f.headH * 0.05));
    }
    hairFront(p, s, f);
    headwear(p, s, f);
    QPointF left, right;
    arms(p, s, f, left, right);
    heldThing(p, s, f, left, right);
    return img;
}

} // namespace gen
