#include "paint.h"
#include "peopleparts.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen::figure {

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

// A small sister carried on the back, wrapped in a blanket: the bundle
// shows past his shoulders, her head rests over one of them, and her legs
// come round his sides, where his hands hold them.
void sisterBehind(QPainter& p, const Person& s, const Frame& f)
{
    const double u = f.u;
    const QColor blanket(150, 64, 50);
    p.setPen(Qt::NoPen);
    const QPointF bundle(f.cx + f.shoulderHalf * 0.25, f.shoulderY + 12 * u);
    QRadialGradient g(bundle - QPointF(f.shoulderHalf * 0.5, 14 * u), f.shoulderHalf * 1.6);
    g.setColorAt(0, blanket.lighter(118));
    g.setColorAt(1, blanket.darker(135));
    p.setBrush(g);
    p.drawEllipse(bundle, f.shoulderHalf * 1.4, 32 * u);
    p.setBrush(QColor(230, 200, 130)); // the blanket's stripe
    p.drawRect(QRectF(bundle.x() + f.shoulderHalf * 1.0, bundle.y() - 18 * u, 3 * u, 36 * u));
    const QPointF head = f.head + QPointF(f.headW * 0.95, f.headH * 0.3);
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

// Her arms over his shoulders, her hands together at his chest; her legs
// round his sides, in front of his arms, and his hands holding them.
namespace {

// A limb drawn as a round stroke with a darker outline.
void outlinedStroke(QPainter& p, const QPainterPath& path, const QColor& outline,
                    const QColor& fill, double outlineWidth, double fillWidth)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
    p.setPen(QPen(fill, fillWidth, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
}

} // namespace

void sisterInFront(QPainter& p, const Frame& f, const QColor& skin, QPointF left, QPointF right)
{
    const double u = f.u;
    const QPointF hands(f.cx + 2 * u, f.shoulderY + 20 * u);
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath arm;
        arm.moveTo(f.cx + side * f.shoulderHalf * 0.7, f.shoulderY - 2 * u);
        arm.quadTo(QPointF(f.cx + side * f.shoulderHalf * 0.55, f.shoulderY + 16 * u),
                   hands + QPointF(side * 3 * u, 0));
        outlinedStroke(p, arm, QColor(110, 46, 38), QColor(176, 84, 66), 8.5 * u, 6.5 * u);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(skin.lighter(108));
    p.drawEllipse(hands + QPointF(-3 * u, 0), 3.6 * u, 4 * u);
    p.drawEllipse(hands + QPointF(3 * u, 0.5 * u), 3.6 * u, 4 * u);
    for (int side = -1; side <= 1; side += 2) {
        const QPointF hand = side < 0 ? left : right;
        QPainterPath leg;
        leg.moveTo(f.cx + side * f.hipHalf * 0.6, f.waistY + 6 * u);
        leg.quadTo(QPointF(hand.x() + side * 8 * u, hand.y() - 10 * u),
                   QPointF(hand.x() + side * 12 * u, hand.y() + 12 * u));
        outlinedStroke(p, leg, QColor(86, 58, 42), QColor(140, 98, 66), 9 * u, 7 * u);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(112, 82, 54)); // her moccasin
        p.drawEllipse(QPointF(hand.x() + side * 13 * u, hand.y() + 15 * u), 5 * u, 4 * u);
        p.setBrush(skin); // his hand under her knee
        p.drawEllipse(hand + QPointF(side * 2 * u, -2 * u), 4.2 * u, 4.8 * u);
    }
}

} // namespace gen::figure
