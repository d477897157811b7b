#include "sceneparts.h"

#include "paint.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace gen {

void bareTree(QPainter& p, QPointF base, double height, const QColor& colour, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setBrush(Qt::NoBrush);
    struct Branch {
        QPointF from;
        double angle, length, width;
        int depth;
    };
    std::vector<Branch> todo{{base, -90, height * 0.42, height * 0.045, 0}};
    while (!todo.empty()) {
        const Branch b = todo.back();
        todo.pop_back();
        const double a = qDegreesToRadians(b.angle);
        const QPointF to = b.from + QPointF(std::cos(a), std::sin(a)) * b.length;
        p.setPen(QPen(colour, std::max(0.7, b.width), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(b.from, to);
        if (b.depth < 5) {
            const int n = b.depth == 0 ? 3 : 2;
            for (int i = 0; i < n; ++i)
                todo.push_back({to, b.angle + rng.range(-38, 38), b.length * rng.range(0.6, 0.78),
                                b.width * 0.62, b.depth + 1});
        }
    }
    p.restore();
}

void birch(QPainter& p, QPointF base, double height, bool leaves, quint32 seed)
{
    Rng rng(seed);
    p.save();
    const double w = height * 0.04;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(226, 222, 212));
    p.drawRect(QRectF(base.x() - w / 2, base.y() - height, w, height));
    p.setBrush(QColor(40, 36, 34));
    for (int i = 0; i < 9; ++i)
        p.drawRect(QRectF(base.x() - w / 2, base.y() - height * rng.range(0.1, 0.95),
                          w * rng.range(0.3, 0.9), 1.6));
    bareTree(p, base - QPointF(0, height * 0.55), height * 0.6, QColor(90, 80, 76), seed + 1);
    if (leaves)
        broadTree(p, base, height * 1.05, QColor(150, 180, 90, 170), seed + 2);
    p.restore();
}

void snowOnGround(QPainter& p, const QRectF& area, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    // Long, low drifts that fade at their ends.
    for (int i = 0; i < 26; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double depth = (c.y() - area.top()) / area.height();
        const double w = 30 + 70 * depth * rng.uniform(), h = 1.5 + 4 * depth;
        QRadialGradient g(c, w);
        g.setColorAt(0, QColor(244, 246, 252, 110));
        g.setColorAt(1, QColor(244, 246, 252, 0));
        p.setBrush(g);
        p.save();
        p.translate(c);
        p.scale(1, h / w);
        p.translate(-c);
        p.drawEllipse(c, w, w);
        p.restore();
    }
    p.restore();
}

void fallingSnow(QImage& img, quint32 seed, int flakes)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(seed);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < flakes; ++i) {
        const QPointF c(rng.range(0, 600), rng.range(0, 450));
        const double r = rng.range(0.6, 2.2);
        p.setBrush(QColor(250, 250, 255, 110 + rng.below(120)));
        p.drawEllipse(c, r, r);
    }
}

void fallingRain(QImage& img, quint32 seed)
{
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(seed);
    for (int i = 0; i < 520; ++i) {
        const QPointF top(rng.range(-20, 620), rng.range(-20, 450));
        const double length = rng.range(10, 22);
        p.setPen(QPen(QColor(214, 222, 232, 50 + rng.below(60)), rng.range(0.6, 1.2)));
        p.drawLine(top, top + QPointF(-length * 0.22, length));
    }
}

void snowPatches(QPainter& p, const QRectF& area, int count, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double depth = (c.y() - area.top()) / std::max(1.0, area.height());
        const double w = (8 + 26 * depth) * rng.range(0.6, 1.4), h = w * rng.range(0.16, 0.26);
        // A few overlapping lobes make a patch with a ragged edge.
        for (int k = 0; k < 4; ++k) {
            p.setBrush(mix(QColor(236, 240, 246), QColor(200, 208, 220), rng.uniform() * 0.6));
            p.drawEllipse(c + QPointF(rng.range(-w, w) * 0.5, rng.range(-h, h) * 0.3),
                          w * rng.range(0.4, 0.7), h * rng.range(0.6, 1.0));
        }
    }
    p.restore();
}

void leafCrown(QPainter& p, QPointF centre, double radius, const QColor& colour, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    // Clusters of leaves, each made of small dabs, with gaps between them
    // where the branches show.
    for (int cluster = 0; cluster < 18; ++cluster) {
        const double a = rng.range(0, 2 * M_PI), d = std::sqrt(rng.uniform()) * radius * 0.8;
        const QPointF c = centre + QPointF(std::cos(a) * d, std::sin(a) * d * 0.75);
        const double r = radius * rng.range(0.18, 0.3);
        const double light = 0.5 - (c.y() - centre.y()) / (2 * radius); // lit from above
        for (int i = 0; i < 22; ++i) {
            const double b = rng.range(0, 2 * M_PI), e = std::sqrt(rng.uniform()) * r;
            const QPointF dab = c + QPointF(std::cos(b) * e, std::sin(b) * e * 0.8);
            const QColor tone = mix(colour.darker(135), colour.lighter(125),
                                    std::clamp(light + rng.range(-0.3, 0.3), 0.0, 1.0));
            p.setBrush(tone);
            p.drawEllipse(dab, radius * 0.07, radius * 0.055);
        }
    }
    p.restore();
}

void logHouse(QPainter& p, const QRectF& front, const QColor& logs, bool lit, bool snowRoof,
              bool unfinished)
{
    p.save();
    p.setPen(Qt::NoPen);
    const int rows = static_cast<int>(front.height() / 10);
    const int built = unfinished ? rows * 2 / 3 : rows;
    for (int log = rows - built; log < rows; ++log) {
        p.setBrush(mix(logs, logs.darker(130), (log % 2) * 0.6));
        p.drawRoundedRect(QRectF(front.left() - 5, front.top() + log * 10, front.width() + 10, 10),
                          5, 5);
    }
    if (unfinished) {
        // The gables' rafters and the ridge pole, not yet covered.
        const double eaves = front.top() + (rows - built) * 10;
        const QPointF ridgeLeft(front.left() + 10, eaves - front.height() * 0.5);
        const QPointF ridgeRight(front.right() - 10, eaves - front.height() * 0.5);
        p.setPen(QPen(logs.darker(115), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(front.left() - 6, eaves), ridgeLeft);
        p.drawLine(QPointF(front.left() + 26, eaves), ridgeLeft);
        p.drawLine(QPointF(front.right() + 6, eaves), ridgeRight);
        p.drawLine(QPointF(front.right() - 26, eaves), ridgeRight);
        p.drawLine(ridgeLeft, ridgeRight);
        // A stack of logs waiting beside it.
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 4; ++i) {
            p.setBrush(logs.darker(110 + 10 * (i % 2)));
            p.drawRoundedRect(QRectF(front.right() + 14, front.bottom() - 8 - i * 8, 60, 8), 4, 4);
        }
        p.restore();
        return;
    }
    QPainterPath roof;
    roof.moveTo(front.left() - 14, front.top() + 2);
    roof.lineTo(front.center().x(), front.top() - front.height() * 0.55);
    roof.lineTo(front.right() + 14, front.top() + 2);
    roof.closeSubpath();
    p.setBrush(snowRoof ? QColor(226, 230, 238) : QColor(70, 54, 42));
    p.drawPath(roof);
    p.setBrush(QColor(50, 36, 28));
    p.drawRect(QRectF(front.left() + front.width() * 0.6, front.top() + front.height() * 0.3,
                      front.width() * 0.16, front.height() * 0.7));
    p.setBrush(lit ? QColor(250, 200, 110) : QColor(60, 50, 44));
    const QRectF window(front.left() + front.width() * 0.16, front.top() + front.height() * 0.3,
                        front.width() * 0.18, front.height() * 0.26);
    p.drawRect(window);
    if (lit)
        radialGlow(p, window.center(), front.width() * 0.35, QColor(255, 190, 100, 90));
    p.restore();
}

void smoke(QPainter& p, QPointF from, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        const QPointF c = from + QPointF(i * 3 + rng.range(-3, 3), -i * 9);
        p.setBrush(QColor(200, 200, 206, 90 - i * 7));
        p.drawEllipse(c, 5 + i * 1.6, 4 + i * 1.2);
    }
    p.restore();
}

void tent(QPainter& p, QPointF base, double size, const QColor& canvasColour)
{
    QPainterPath t;
    t.moveTo(base.x() - size, base.y());
    t.lineTo(base.x(), base.y() - size * 0.9);
    t.lineTo(base.x() + size, base.y());
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    QLinearGradient g(base.x() - size, 0, base.x() + size, 0);
    g.setColorAt(0, canvasColour.lighter(110));
    g.setColorAt(1, canvasColour.darker(130));
    p.setBrush(g);
    p.drawPath(t);
    p.setBrush(canvasColour.darker(190));
    QPainterPath door;
    door.moveTo(base.x() - size * 0.18, base.y());
    door.lineTo(base.x(), base.y() - size * 0.5);
    door.lineTo(base.x() + size * 0.18, base.y());
    p.drawPath(door);
}

void campfire(QPainter& p, QPointF at, double size)
{
    radialGlow(p, at - QPointF(0, size * 0.4), size * 4, QColor(255, 160, 70, 110));
    p.setPen(QPen(QColor(70, 46, 30), size * 0.18, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(at + QPointF(-size, 0), at + QPointF(size, -size * 0.1));
    p.drawLine(at + QPointF(-size * 0.8, -size * 0.1), at + QPointF(size * 0.9, size * 0.05));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        QPainterPath flame;
        const double w = size * (0.7 - i * 0.18), h = size * (1.6 - i * 0.35);
        flame.moveTo(at.x() - w, at.y());
        flame.quadTo(at.x() - w * 0.6, at.y() - h * 0.6, at.x(), at.y() - h);
        flame.quadTo(at.x() + w * 0.6, at.y() - h * 0.6, at.x() + w, at.y());
        flame.closeSubpath();
        p.setBrush(i == 0   ? QColor(230, 110, 40)
                   : i == 1 ? QColor(250, 170, 60)
                            : QColor(255, 230, 150));
        p.drawPath(flame);
    }
}

void wagon(QPainter& p, QPointF base, double size, bool snowTop)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(96, 70, 46));
    p.drawRect(QRectF(base.x() - size, base.y() - size * 0.55, size * 2, size * 0.3));
    QPainterPath cover;
    cover.moveTo(base.x() - size * 0.95, base.y() - size * 0.55);
    cover.cubicTo(base.x() - size, base.y() - size * 1.35, base.x() + size, base.y() - size * 1.35,
                  base.x() + size * 0.95, base.y() - size * 0.55);
    cover.closeSubpath();
    p.setBrush(snowTop ? QColor(226, 228, 232) : QColor(214, 206, 186));
    p.drawPath(cover);
    p.setPen(QPen(QColor(150, 140, 120), 1));
    for (int i = -2; i <= 2; ++i)
        p.drawLine(QPointF(base.x() + i * size * 0.4, base.y() - size * 0.55),
                   QPointF(base.x() + i * size * 0.36, base.y() - size * 1.15));
    p.setPen(QPen(QColor(60, 44, 30), 2));
    p.setBrush(Qt::NoBrush);
    for (double dx : {-0.6, 0.6})
        p.drawEllipse(QPointF(base.x() + dx * size, base.y() - size * 0.18), size * 0.26,
                      size * 0.26);
    p.restore();
}

void railFence(QPainter& p, double fromX, double toX, double y, double height)
{
    p.save();
    // Weathered, silvery rails with a dark edge, so the fence stands out from
    // brown earth and from snow alike.
    const double w = std::max(2.2, height * 0.14);
    for (const auto& [colour, width] :
         {std::pair{QColor(54, 42, 32), w + 1.8}, std::pair{QColor(160, 146, 126), w}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        for (double x = fromX; x < toX; x += height * 1.6) {
            p.drawLine(QPointF(x, y + 2), QPointF(x, y - height * 1.1));
            p.drawLine(QPointF(x, y), QPointF(x + height * 1.6, y - height * 0.5));
            p.drawLine(QPointF(x, y - height * 0.5), QPointF(x + height * 1.6, y - height));
        }
    }
    p.restore();
}

void furrows(QPainter& p, const QRectF& area, const QColor& colour, bool shoots)
{
    p.save();
    for (int i = 0; i < 14; ++i) {
        const double t = i / 13.0;
        const double y = area.top() + area.height() * t * t;
        p.setPen(QPen(colour, 1 + t * 2.5));
        p.drawLine(QPointF(area.left(), y), QPointF(area.right(), y + 4));
        if (shoots) {
            p.setPen(QPen(QColor(120, 170, 80), 1 + t));
            for (double x = area.left() + 4; x < area.right(); x += 8 + (1 - t) * 6)
                p.drawLine(QPointF(x, y), QPointF(x + 1, y - 2 - t * 4));
        }
    }
    p.restore();
}

} // namespace gen
