#include "people.h"

#include "paint.h"
#include "peopleparts.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen {

using namespace figure;

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
    if (s.carrying == Carrying::SisterOnBack)
        sisterInFront(p, f, s.skin, left, right);
    return img;
}

} // namespace gen