#include "maps.h"

#include "paint.h"
#include "titles.h"
#include "trail/routetable.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainterPath>
#include <QtMath>
#include <cmath>
#include <vector>

namespace gen {

namespace {

const QColor Ink(92, 58, 30);
const QColor Water(92, 128, 140);
const QColor Forest(86, 104, 58);

QImage parchment(int w, int h, quint32 seed)
{
    QImage img = canvas(w, h);
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const double n = fbm2(x / 60.0, y / 60.0, 4, seed);
            const double stain = fbm2(x / 140.0, y / 140.0, 2, seed + 11);
            const QColor c =
                mix(QColor(214, 184, 128), QColor(188, 152, 96), n * 0.8 + stain * 0.4);
            line[x] = c.rgb();
        }
    }
    // Darker, burnt edges of an old sheet.
    QPainter p(&img);
    QRadialGradient g(QPointF(w / 2.0, h / 2.0), std::hypot(w, h) / 1.9);
    g.setColorAt(0, QColor(0, 0, 0, 0));
    g.setColorAt(0.7, QColor(70, 40, 10, 20));
    g.setColorAt(1, QColor(60, 32, 8, 150));
    p.fillRect(img.rect(), g);
    return img;
}

QPainterPath wanderingPath(QPointF from, QPointF to, double wiggle, quint32 seed)
{
    QPainterPath path(from);
    const int steps = 40;
    const QPointF d = to - from;
    const QPointF normal(-d.y(), d.x());
    const double len = std::hypot(d.x(), d.y());
    for (int i = 1; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double off = (fbm1(t * 4, 3, seed) - 0.5) * 2 * wiggle * std::sin(t * M_PI);
        path.lineTo(from + d * t + normal / len * off);
    }
    return path;
}

void river(QPainter& p, QPointF from, QPointF to, double width, quint32 seed)
{
    const QPainterPath path = wanderingPath(from, to, 40, seed);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(Water, 90), width + 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.setPen(QPen(Water, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
    p.restore();
}

void forest(QPainter& p, QPointF centre, double radius, int trees, quint32 seed)
{
    Rng rng(seed);
    for (int i = 0; i < trees; ++i) {
        const double a = rng.range(0, 2 * M_PI), r = radius * std::sqrt(rng.uniform());
        const QPointF base(centre.x() + std::cos(a) * r, centre.y() + std::sin(a) * r * 0.6);
        pineTree(p, base, rng.range(9, 14), mix(Forest, QColor(60, 70, 40), rng.uniform()),
                 seed + static_cast<quint32>(i));
    }
}

void hills(QPainter& p, QPointF centre, double spread, int count, quint32 seed)
{
    Rng rng(seed);
    p.save();
    for (int i = 0; i < count; ++i) {
        const QPointF c(centre.x() + rng.range(-spread, spread),
                        centre.y() + rng.range(-spread, spread) * 0.5);
        const double w = rng.range(12, 22), h = w * rng.range(0.45, 0.7);
        QPainterPath hill;
        hill.moveTo(c.x() - w / 2, c.y());
        hill.quadTo(c.x() - w * 0.1, c.y() - h * 1.4, c.x() + w / 2, c.y());
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 112, 70, 120));
        p.drawPath(hill);
        p.setPen(QPen(withAlpha(Ink, 200), 1.3));
        p.setBrush(Qt::NoBrush);
        p.drawPath(hill);
    }
    p.restore();
}

void compass(QPainter& p, QPointF c, double r)
{
    p.save();
    p.setPen(QPen(withAlpha(Ink, 210), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.75, r * 0.75);
    for (int i = 0; i < 4; ++i) {
        const double a = i * M_PI / 2;
        QPainterPath point;
        point.moveTo(c + QPointF(std::cos(a) * r, std::sin(a) * r));
        point.lineTo(c +
                     QPointF(std::cos(a + M_PI / 2) * r * 0.18, std::sin(a + M_PI / 2) * r * 0.18));
        point.lineTo(c +
                     QPointF(std::cos(a - M_PI / 2) * r * 0.18, std::sin(a - M_PI / 2) * r * 0.18));
        point.closeSubpath();
        p.setBrush(i == 3 ? QColor(150, 40, 30) : withAlpha(Ink, 220));
        p.drawPath(point);
    }
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(static_cast<int>(r * 0.55));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Ink);
    p.drawText(QRectF(c.x() - r, c.y() - r * 1.75, 2 * r, r * 0.8), Qt::AlignCenter,
               QStringLiteral("N"));
    p.restore();
}

// A small settlement: a few roofs beside the road.
void settlement(QPainter& p, QPointF at, quint32 seed)
{
    Rng rng(seed);
    p.save();
    for (int i = 0; i < 4; ++i) {
        const QPointF c = at + QPointF(rng.range(-14, 14), rng.range(-8, 8));
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(170, 120, 80));
        p.drawRect(QRectF(c.x() - 4, c.y() - 3, 8, 6));
        QPainterPath roof;
        roof.moveTo(c.x() - 5.5, c.y() - 3);
        roof.lineTo(c.x(), c.y() - 8);
        roof.lineTo(c.x() + 5.5, c.y() - 3);
        roof.closeSubpath();
        p.setBrush(QColor(110, 60, 40));
        p.drawPath(roof);
    }
    p.restore();
}

// The road: a pale track with inked edges, wide enough that the game's
// 3-pixel route and its 10-pixel end dot stay on it.
void road(QPainter& p, const QPolygonF& points, double coreWidth)
{
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(Ink, 230), coreWidth + 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points);
    p.setPen(QPen(RoadCore, coreWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(points);
    p.restore();
}

// Every point the route animation passes through, extended beyond both ends.
QPolygonF routePoints(int town)
{
    const RouteSegment s = *routeSegment(town);
    QPolygonF points;
    const double dir = s.eastward ? 1 : -1;
    const double dy = s.eastward ? s.slope : -s.slope;
    points << QPointF(s.startX - dir * 40, s.startY - dy * 40);
    int x = s.startX, y = s.startY;
    points << QPointF(x, y);
    for (;;) {
        const RouteTick tick = advanceRoute(s.slope, s.eastward, s.endX, x, y);
        points << tick.dashTo << QPointF(x, y);
        if (tick.complete)
            break;
    }
    points << QPointF(x + dir * 40, y + dy * 40);
    return points;
}

QPointF routeEnd(int town)
{
    const RouteSegment s = *routeSegment(town);
    int x = s.startX, y = s.startY;
    while (!advanceRoute(s.slope, s.eastward, s.endX, x, y).complete) {
    }
    return QPointF(x, y);
}

void finish(QImage& img, quint32 seed)
{
    canvasTexture(img, 0.10, seed);
}

QImage routeMap1()
{
    QImage img = parchment(600, 450, 101);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    river(p, QPointF(420, -10), QPointF(250, 460), 7, 3);
    forest(p, QPointF(140, 130), 70, 60, 5);
    forest(p, QPointF(480, 360), 60, 40, 6);
    hills(p, QPointF(470, 110), 60, 9, 7);
    hills(p, QPointF(110, 350), 50, 7, 8);
    // The road out of the first town, westward and on toward the next.
    QPolygonF r;
    for (int i = 0; i <= 30; ++i) {
        const double t = i / 30.0;
        r << QPointF(600 - 560 * t, 250 + 40 * std::sin(t * 3.2) + 30 * t);
    }
    road(p, r, 12);
    settlement(p, QPointF(520, 222), 9);
    // The starting point.
    p.setPen(QPen(QColor(120, 30, 20), 2));
    p.setBrush(QColor(200, 60, 40));
    p.drawEllipse(QPointF(505, 262), 6, 6);
    compass(p, QPointF(64, 70), 30);
    p.end();
    finish(img, 102);
    return img;
}

// The season of a town's map: the walk began in late autumn, crossed the
// deep winter in the middle and ended in the first spring.
enum class MapSeason { Autumn, Winter, Spring };

MapSeason mapSeason(int town)
{
    return town <= 7 ? MapSeason::Autumn : town <= 22 ? MapSeason::Winter : MapSeason::Spring;
}

// Towns whose road crosses a river: a ferry, fords, and the frozen rivers.
bool crossesRiver(int town)
{
    switch (town) {
    case 5:
    case 9:
    case 13:
    case 14:
    case 20:
    case 22:
    case 28:
        return true;
    default:
        return false;
    }
}

bool frozenCrossing(int town)
{
    return town == 13 || town == 14 || town == 20;
}

// Snow on the map: a cold wash and small marks of snow across the land.
void snowMarks(QPainter& p, quint32 seed)
{
    p.save();
    p.fillRect(QRectF(0, 0, 600, 450), QColor(200, 220, 240, 60));
    Rng rng(seed);
    p.setPen(QPen(QColor(250, 252, 255, 170), 1.2));
    for (int i = 0; i < 160; ++i) {
        const QPointF c(rng.range(10, 590), rng.range(10, 440));
        for (int k = 0; k < 3; ++k) {
            const double a = k * M_PI / 3;
            p.drawLine(c - QPointF(std::cos(a), std::sin(a)) * 3,
                       c + QPointF(std::cos(a), std::sin(a)) * 3);
        }
    }
    p.restore();
}

// Tufts of new grass in the open country near the end.
void grassTufts(QPainter& p, quint32 seed)
{
    p.save();
    Rng rng(seed);
    p.setPen(QPen(QColor(96, 130, 60, 200), 1.1));
    for (int i = 0; i < 140; ++i) {
        const QPointF c(rng.range(10, 590), rng.range(10, 440));
        for (int k = -1; k <= 1; ++k)
            p.drawLine(c, c + QPointF(k * 2.5, -5));
    }
    p.restore();
}

QImage routeMap(int town, quint32 seed)
{
    QImage img = parchment(600, 450, seed);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    Rng rng(seed);
    const MapSeason season = mapSeason(town);
    const QPolygonF points = routePoints(town);
    const QPointF middle = points[points.size() / 2];
    if (season == MapSeason::Spring)
        grassTufts(p, seed + 50);
    if (crossesRiver(town)) {
        // The river the road crosses at its middle.
        const QPointF d = points.last() - points.first();
        const QPointF across = QPointF(-d.y(), d.x()) / std::hypot(d.x(), d.y());
        const QPointF from = middle - across * 420, to = middle + across * 420;
        if (frozenCrossing(town)) {
            p.save();
            p.setPen(QPen(QColor(196, 214, 226), 16, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(from, to);
            p.setPen(QPen(QColor(150, 170, 186), 1.5, Qt::DashLine));
            p.drawLine(from + across.transposed() * 4, to + across.transposed() * 4);
            p.restore();
        } else {
            river(p, from, to, 12, seed + 2);
        }
    } else {
        river(p, QPointF(rng.range(80, 520), -10), QPointF(rng.range(80, 520), 460), 6, seed + 1);
    }
    for (int i = 0; i < 4; ++i)
        forest(p, QPointF(rng.range(60, 540), rng.range(60, 400)), rng.range(35, 60), 30,
               seed + 10 + static_cast<quint32>(i));
    for (int i = 0; i < (season == MapSeason::Spring ? 1 : 3); ++i)
        hills(p, QPointF(rng.range(60, 540), rng.range(60, 400)), 45, 6,
              seed + 20 + static_cast<quint32>(i));
    if (season == MapSeason::Winter)
        snowMarks(p, seed + 51);
    // A side road joins the route halfway, as roads do.
    road(p, QPolygonF() << middle << middle + QPointF(-60, -150) << middle + QPointF(-90, -300), 8);
    road(p, points, 16);
    if (town == 5) { // the ferry: a flatboat drawn beside the crossing
        p.save();
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(150, 104, 64));
        p.drawRect(QRectF(middle.x() + 14, middle.y() + 12, 22, 8));
        p.restore();
    }
    // The towns at both ends stand beside the road, off to one side of it.
    const RouteSegment s = *routeSegment(town);
    const QPointF end = routeEnd(town);
    const QPointF along = points.last() - points.first();
    QPointF aside = QPointF(along.y(), -along.x()) / std::hypot(along.x(), along.y());
    if (aside.y() > 0)
        aside = -aside; // above the road
    settlement(p, QPointF(s.startX, s.startY) + aside * 30, seed + 30);
    settlement(p, end + aside * 30, seed + 31);
    compass(p, QPointF(end.x() < 300 ? 540 : 64, 64), 28);
    p.end();
    finish(img, seed + 40);
    return img;
}

QImage journeyMap()
{
    QImage img = parchment(620, 345, 301);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    // The great river the trail crosses, and its branches.
    river(p, QPointF(360, -10), QPointF(330, 355), 8, 302);
    river(p, QPointF(620, 120), QPointF(352, 180), 4, 303);
    river(p, QPointF(0, 250), QPointF(338, 240), 4, 304);
    river(p, QPointF(140, -10), QPointF(120, 355), 4, 305);
    hills(p, QPointF(560, 300), 45, 12, 306); // the old homeland's mountains
    hills(p, QPointF(500, 90), 50, 10, 307);
    forest(p, QPointF(560, 170), 40, 40, 308);
    forest(p, QPointF(450, 280), 60, 50, 309);
    forest(p, QPointF(240, 180), 50, 35, 310);
    forest(p, QPointF(80, 270), 45, 25, 311);
    hills(p, QPointF(200, 30), 40, 8, 312);

    QPolygonF trail;
    trail << QPointF(MapStart);
    for (int k = 0; k < 27; ++k)
        trail << QPointF(MapPathX[k], MapPathY[k]);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(235, 215, 170), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(trail);
    p.setPen(QPen(TrailCore, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(trail);
    // The towns along the way.
    p.setPen(QPen(QColor(60, 30, 10), 1.5));
    p.setBrush(QColor(240, 226, 190));
    for (const QPointF& town : trail)
        p.drawEllipse(town, 3.2, 3.2);

    // Cartouche with the trail's name.
    const QRectF box(18, 268, 230, 58);
    p.setPen(QPen(Ink, 2));
    p.setBrush(QColor(236, 216, 170, 220));
    p.drawRoundedRect(box, 6, 6);
    // Each line at its size, or smaller where a language's words run longer.
    const auto line = [&p, &box](const QRectF& place, const QString& words, int pixels, bool bold) {
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setItalic(bold);
        font.setBold(bold);
        font.setPixelSize(pixels);
        while (pixels > 8 && QFontMetricsF(font).horizontalAdvance(words) > box.width() - 12)
            font.setPixelSize(--pixels);
        p.setFont(font);
        p.drawText(place, Qt::AlignCenter, words);
    };
    p.setPen(Ink);
    line(box.adjusted(0, 4, 0, -22), gen::title(artwork::titles::JourneyMap), 20, true);
    line(box.adjusted(0, 30, 0, -4), gen::title(artwork::titles::JourneyMapLine), 12, false);
    compass(p, QPointF(585, 50), 24);
    p.end();
    canvasTexture(img, 0.10, 313);
    return img;
}

} // namespace

void paintMaps(const Folders& folders)
{
    saveJpeg(routeMap1(), folders.pictures + "/S010.jpg");
    saveJpeg(routeMap(2, 201), folders.pictures + "/S020.jpg");
    saveJpeg(routeMap(3, 231), folders.pictures + "/S030.jpg");
    for (int town = 4; town <= TownCount; ++town)
        saveJpeg(routeMap(town, static_cast<quint32>(200 + 31 * town)),
                 folders.pictures +
                     QStringLiteral("/S%1%2.jpg").arg(town, 2, 10, QChar('0')).arg(0));
}

void paintMapTitled(const Folders& folders, const QString& languageMark)
{
    saveJpeg(journeyMap(), folders.pictures + "/" + titled("MAP", languageMark) + ".jpg");
}

} // namespace gen
