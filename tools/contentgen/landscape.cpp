#include "landscape.h"

#include "paint.h"

#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace gen {

void duskSky(QPainter& p, const QRectF& r, quint32 seed, double glowX)
{
    verticalGradient(p, r,
                     {{0.0, QColor(34, 36, 74)},
                      {0.35, QColor(92, 72, 112)},
                      {0.65, QColor(196, 118, 96)},
                      {0.85, QColor(236, 164, 96)},
                      {1.0, QColor(248, 204, 130)}});
    radialGlow(p, QPointF(glowX, r.bottom()), r.height() * 0.9, QColor(255, 214, 140, 120));
    // Long clouds lit from below by the sunken sun.
    Rng rng(seed);
    QImage clouds = canvas(static_cast<int>(r.width()), static_cast<int>(r.height()));
    {
        QPainter c(&clouds);
        c.setRenderHint(QPainter::Antialiasing);
        c.setPen(Qt::NoPen);
        for (int i = 0; i < 14; ++i) {
            const double y = r.height() * rng.range(0.12, 0.7);
            const double x = rng.range(-50, r.width());
            const double w = rng.range(80, 220), h = rng.range(6, 16);
            const double warm = y / r.height();
            const QColor lit = mix(QColor(150, 110, 150, 170), QColor(250, 170, 120, 190), warm);
            c.setBrush(lit);
            c.drawEllipse(QRectF(x, y, w, h));
            c.setBrush(withAlpha(lit.darker(150), 120));
            c.drawEllipse(QRectF(x + w * 0.1, y - h * 0.4, w * 0.8, h * 0.8));
        }
    }
    blur(clouds, 4);
    p.drawImage(r.topLeft(), clouds);
    stars(p, QRectF(r.left(), r.top(), r.width(), r.height() * 0.25), 30, seed + 3);
}

void hillLayer(QPainter& p, double width, double baseY, double amplitude, double wavelength,
               const QColor& top, const QColor& bottom, quint32 seed, double bottomY)
{
    const QPainterPath path = ridge(width, baseY, amplitude, wavelength, seed, bottomY);
    QLinearGradient g(0, baseY - amplitude, 0, bottomY);
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(path);
    p.restore();
}

void mist(QPainter& p, const QRectF& band, const QColor& colour, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 10; ++i) {
        const QPointF c(rng.range(band.left(), band.right()), rng.range(band.top(), band.bottom()));
        const double w = rng.range(band.width() * 0.2, band.width() * 0.5);
        QRadialGradient g(c, w / 2);
        g.setColorAt(0, colour);
        g.setColorAt(1, withAlpha(colour, 0));
        p.setBrush(g);
        p.drawEllipse(c, w / 2, band.height() * 0.4);
    }
    p.restore();
}

void reflectInto(QImage& image, const QPainterPath& shape, double horizon, const QColor& tint,
                 quint32 seed)
{
    const QImage source = image.copy();
    QImage water = canvas(image.width(), image.height());
    for (int y = static_cast<int>(horizon); y < image.height(); ++y) {
        auto* out = reinterpret_cast<QRgb*>(water.scanLine(y));
        const double depth = (y - horizon) / std::max(1.0, image.height() - horizon);
        for (int x = 0; x < image.width(); ++x) {
            const double wobble = (noise2(x / 40.0, y / 3.0, seed) - 0.5) * (2 + depth * 8);
            const int sy = std::clamp(static_cast<int>(2 * horizon - y), 0, image.height() - 1);
            const int sx = std::clamp(static_cast<int>(x + wobble), 0, image.width() - 1);
            QColor c = QColor::fromRgb(source.pixel(sx, sy));
            c = mix(c, tint, 0.35 + depth * 0.3);
            // Bright streaks where the surface catches the sky.
            const double streak = noise2(x / 90.0, y / 1.6, seed + 9);
            if (streak > 0.8)
                c = mix(c, QColor(255, 226, 180), (streak - 0.8) * 2.5);
            out[x] = c.rgb();
        }
    }
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipPath(shape);
    p.drawImage(0, 0, water);
}

void finishScene(QImage& image, quint32 seed, double vignetteStrength)
{
    canvasTexture(image, 0.07, seed);
    vignette(image, vignetteStrength);
}

} // namespace gen
