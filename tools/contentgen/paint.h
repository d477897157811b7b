#pragma once

// The painter's kit of the content generator: seeded randomness and noise,
// gradients, soft blurs and glows, and the silhouettes (hills, trees, grass)
// from which the scenes are composed. Everything is deterministic: the same
// seed paints the same picture.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <initializer_list>
#include <utility>

namespace gen {

// A small, fixed random generator (no clock, no global state).
class Rng {
public:
    explicit Rng(quint64 seed) : state(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    quint32 next();
    double uniform() { return next() / 4294967296.0; }
    double range(double low, double high) { return low + (high - low) * uniform(); }
    int below(int n) { return static_cast<int>(next() % static_cast<quint32>(n)); }

private:
    quint64 state;
};

// Smooth noise in 0..1, and its sum over octaves (also 0..1).
double noise1(double x, quint32 seed);
double fbm1(double x, int octaves, quint32 seed);
double noise2(double x, double y, quint32 seed);
double fbm2(double x, double y, int octaves, quint32 seed);

using Stops = std::initializer_list<std::pair<double, QColor>>;

QColor mix(const QColor& a, const QColor& b, double t);
QColor withAlpha(QColor c, int alpha);

QImage canvas(int width, int height, const QColor& fill = Qt::transparent);
void verticalGradient(QPainter& p, const QRectF& rect, Stops stops);
void radialGlow(QPainter& p, QPointF centre, double radius, const QColor& colour);

// A ridge line across [0, width] around baseY, closed down to `bottom`.
QPainterPath ridge(double width, double baseY, double amplitude, double wavelength, quint32 seed,
                   double bottom);

// Separable box blur, three passes (close to a Gaussian).
void blur(QImage& image, int radius);
QImage blurred(const QImage& image, int radius);

// The painted look: a faint canvas texture and a darkened border.
void canvasTexture(QImage& image, double amount, quint32 seed);
void vignette(QImage& image, double strength);

// Silhouettes.
void pineTree(QPainter& p, QPointF base, double height, const QColor& colour, quint32 seed);
void broadTree(QPainter& p, QPointF base, double height, const QColor& colour, quint32 seed);
void grass(QPainter& p, const QRectF& area, int blades, const QColor& dark, const QColor& light,
           quint32 seed);
void stars(QPainter& p, const QRectF& area, int count, quint32 seed);

// A road or path narrowing into the distance along its centre line.
void taperedPath(QPainter& p, const QPainterPath& centre, double nearWidth, double farWidth,
                 const QColor& colour);

// The serif face of the game's signs and titles, at a pixel size.
QFont serif(int pixels, bool bold = false, bool italic = false);
// A scalloped market awning in two alternating colours.
void stripedAwning(QPainter& p, const QRectF& r, const QColor& a, const QColor& b, int stripes);

// Soft brush strokes: many translucent dabs along a path.
void dabPath(QPainter& p, const QPainterPath& path, double width, const QColor& colour,
             quint32 seed);

} // namespace gen
