#include "paint.h"
#include "peopleparts.h"

#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen::figure {

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
        // A length of cloth wound round the head: a soft crown over the
        // hair, its turns showing as folds, one of them a band of colour.
        const double band = h.y() - hh * 0.18, top = h.y() - hh * 0.86;
        QPainterPath cloth;
        cloth.moveTo(h.x() - w * 0.66, band);
        cloth.cubicTo(h.x() - w * 0.8, top, h.x() + w * 0.8, top, h.x() + w * 0.66, band);
        cloth.quadTo(h.x(), band + hh * 0.1, h.x() - w * 0.66, band);
        shade(p, cloth, s.headColour);
        p.save();
        p.setClipPath(cloth);
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 3; ++i) {
            QPainterPath fold;
            const double y = band - hh * (0.06 + 0.16 * i);
            fold.moveTo(h.x() - w * 0.8, y + hh * 0.04);
            fold.quadTo(h.x(), y - hh * 0.14, h.x() + w * 0.8, y - hh * 0.06);
            p.setPen(i == 1 ? QPen(s.accent, 3 * u) : QPen(s.headColour.darker(135), 1.2 * u));
            p.drawPath(fold);
        }
        p.restore();
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

} // namespace gen::figure
