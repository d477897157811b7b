#include "paint.h"

#include <QtMath>
#include <algorithm>
#include <cmath>
#include <vector>

namespace gen {

quint32 Rng::next()
{
    // xorshift64*
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    return static_cast<quint32>((state * 0x2545F4914F6CDD1Dull) >> 32);
}

namespace {

double hash1(qint64 i, quint32 seed)
{
    quint64 h = static_cast<quint64>(i) * 0x9E3779B97F4A7C15ull ^ (seed * 0xBF58476D1CE4E5B9ull);
    h ^= h >> 31;
    h *= 0x94D049BB133111EBull;
    h ^= h >> 29;
    return (h & 0xFFFFFF) / 16777215.0;
}

double smooth(double t)
{
    return t * t * (3 - 2 * t);
}

} // namespace

double noise1(double x, quint32 seed)
{
    const double f = std::floor(x);
    const auto i = static_cast<qint64>(f);
    return hash1(i, seed) + (hash1(i + 1, seed) - hash1(i, seed)) * smooth(x - f);
}

double fbm1(double x, int octaves, quint32 seed)
{
    double sum = 0, amplitude = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * noise1(x, seed + 977u * static_cast<quint32>(o));
        total += amplitude;
        amplitude *= 0.5;
        x *= 2.03;
    }
    return sum / total;
}

double noise2(double x, double y, quint32 seed)
{
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<qint64>(fx), iy = static_cast<qint64>(fy);
    auto h = [&](qint64 a, qint64 b) { return hash1(a * 73856093LL ^ b * 19349663LL, seed); };
    const double tx = smooth(x - fx), ty = smooth(y - fy);
    const double top = h(ix, iy) + (h(ix + 1, iy) - h(ix, iy)) * tx;
    const double bottom = h(ix, iy + 1) + (h(ix + 1, iy + 1) - h(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

double fbm2(double x, double y, int octaves, quint32 seed)
{
    double sum = 0, amplitude = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * noise2(x, y, seed + 977u * static_cast<quint32>(o));
        total += amplitude;
        amplitude *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

QColor mix(const QColor& a, const QColor& b, double t)
{
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

QImage canvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

void verticalGradient(QPainter& p, const QRectF& rect, Stops stops)
{
    QLinearGradient g(rect.topLeft(), rect.bottomLeft());
    for (const auto& [at, colour] : stops)
        g.setColorAt(at, colour);
    p.fillRect(rect, g);
}

void radialGlow(QPainter& p, QPointF centre, double radius, const QColor& colour)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    g.setColorAt(0.45, withAlpha(colour, colour.alpha() / 2));
    g.setColorAt(1, withAlpha(colour, 0));
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QPainterPath ridge(double width, double baseY, double amplitude, double wavelength, quint32 seed,
                   double bottom)
{
    QPainterPath path;
    path.moveTo(-2, bottom);
    for (double x = -2; x <= width + 2; x += 2) {
        const double y = baseY - amplitude * (fbm1(x / wavelength, 4, seed) - 0.5) * 2;
        path.lineTo(x, y);
    }
    path.lineTo(width + 2, bottom);
    path.closeSubpath();
    return path;
}

namespace {

// One horizontal pass of a box blur over premultiplied ARGB, written transposed.
QImage boxPassTransposed(const QImage& src, int radius)
{
    const int w = src.width(), h = src.height();
    QImage dst(h, w, QImage::Format_ARGB32_Premultiplied);
    const int span = 2 * radius + 1;
    std::vector<int> acc(4);
    for (int y = 0; y < h; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(src.constScanLine(y));
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int x, int sign) {
            const QRgb c = line[std::clamp(x, 0, w - 1)];
            sum[0] += sign * qAlpha(c);
            sum[1] += sign * qRed(c);
            sum[2] += sign * qGreen(c);
            sum[3] += sign * qBlue(c);
        };
        for (int x = -radius; x <= radius; ++x)
            add(x, 1);
        for (int x = 0; x < w; ++x) {
            auto* out = reinterpret_cast<QRgb*>(dst.scanLine(x));
            out[y] = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
            add(x - radius, -1);
            add(x + radius + 1, 1);
        }
    }
    return dst;
}

} // namespace

void blur(QImage& image, int radius)
{
    if (radius <= 0)
        return;
    const QImage::Format format = image.format();
    QImage work = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int pass = 0; pass < 3; ++pass) {
        work = boxPassTransposed(work, radius);
        work = boxPassTransposed(work, radius);
    }
    image = work.convertToFormat(format);
}

QImage blurred(const QImage& image, int radius)
{
    QImage copy = image;
    blur(copy, radius);
    return copy;
}

void canvasTexture(QImage& image, double amount, quint32 seed)
{
    // Low-frequency variation only: it reads as paint and keeps JPEGs small.
    QImage work = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < work.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(work.scanLine(y));
        for (int x = 0; x < work.width(); ++x) {
            const double n = fbm2(x / 23.0, y / 17.0, 3, seed) - 0.5;
            const double s = fbm2(x / 6.0, y / 6.0, 2, seed + 5) - 0.5;
            const double f = 1 + amount * (n * 0.9 + s * 0.35);
            const QRgb c = line[x];
            const int a = qAlpha(c);
            auto ch = [&](int v) { return std::clamp(static_cast<int>(v * f), 0, a); };
            line[x] = qRgba(ch(qRed(c)), ch(qGreen(c)), ch(qBlue(c)), a);
        }
    }
    image = work.convertToFormat(image.format());
}

void vignette(QImage& image, double strength)
{
    QPainter p(&image);
    const QRectF r = image.rect();
    QRadialGradient g(r.center(), std::hypot(r.width(), r.height()) / 2);
    g.setColorAt(0, QColor(0, 0, 0, 0));
    g.setColorAt(0.65, QColor(0, 0, 0, 0));
    g.setColorAt(1, QColor(0, 0, 0, static_cast<int>(255 * strength)));
    p.fillRect(r, g);
}

void pineTree(QPainter& p, QPointF base, double height, const QColor& colour, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double width = height * rng.range(0.32, 0.42);
    p.drawRect(
        QRectF(base.x() - height * 0.025, base.y() - height * 0.15, height * 0.05, height * 0.15));
    const int tiers = 5;
    for (int t = 0; t < tiers; ++t) {
        const double top = base.y() - height + t * height * 0.17;
        const double bottomY = top + height * 0.32;
        const double w = width * (0.35 + 0.65 * (t + 1) / tiers) / 2;
        QPainterPath tier;
        tier.moveTo(base.x() + rng.range(-1, 1), top);
        tier.quadTo(base.x() + w * 0.4, top + (bottomY - top) * 0.6, base.x() + w, bottomY);
        tier.lineTo(base.x() - w, bottomY + rng.range(-2, 2));
        tier.quadTo(base.x() - w * 0.4, top + (bottomY - top) * 0.6, base.x(), top);
        p.drawPath(tier);
    }
    p.restore();
}

void broadTree(QPainter& p, QPointF base, double height, const QColor& colour, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(QPen(colour, height * 0.05, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(base, QPointF(base.x() + rng.range(-3, 3), base.y() - height * 0.55));
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    const double crown = height * 0.34;
    for (int i = 0; i < 9; ++i) {
        const double a = rng.range(0, 2 * M_PI);
        const double d = rng.range(0, crown * 0.55);
        const QPointF c(base.x() + std::cos(a) * d,
                        base.y() - height * 0.62 + std::sin(a) * d * 0.8);
        const double r = crown * rng.range(0.45, 0.7);
        p.drawEllipse(c, r, r * 0.85);
    }
    p.restore();
}

void grass(QPainter& p, const QRectF& area, int blades, const QColor& dark, const QColor& light,
           quint32 seed)
{
    Rng rng(seed);
    p.save();
    for (int i = 0; i < blades; ++i) {
        const double x = rng.range(area.left(), area.right());
        const double y = rng.range(area.top(), area.bottom());
        const double depth = (y - area.top()) / std::max(1.0, area.height());
        const double h = (6 + 16 * depth) * rng.range(0.6, 1.3);
        const double lean = rng.range(-0.5, 0.5) * h;
        QColor c = mix(dark, light, rng.uniform());
        c.setAlpha(170 + rng.below(80));
        p.setPen(QPen(c, 0.8 + depth * 1.2, Qt::SolidLine, Qt::RoundCap));
        QPainterPath blade;
        blade.moveTo(x, y);
        blade.quadTo(x + lean * 0.3, y - h * 0.6, x + lean, y - h);
        p.drawPath(blade);
    }
    p.restore();
}

void stars(QPainter& p, const QRectF& area, int count, quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF c(rng.range(area.left(), area.right()), rng.range(area.top(), area.bottom()));
        const double r = rng.range(0.5, 1.4);
        p.setBrush(QColor(255, 246, 220, 90 + rng.below(150)));
        p.drawEllipse(c, r, r);
    }
    p.restore();
}

void taperedPath(QPainter& p, const QPainterPath& centre, double nearWidth, double farWidth,
                 const QColor& colour)
{
    // The path starts near the viewer (wide) and ends far away (narrow).
    QPolygonF left, right;
    const int steps = 60;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const QPointF c = centre.pointAtPercent(t);
        const double a = qDegreesToRadians(centre.angleAtPercent(t));
        const QPointF normal(std::sin(a), std::cos(a));
        const double w = (nearWidth + (farWidth - nearWidth) * t) / 2;
        left << c + normal * w;
        right.prepend(c - normal * w);
    }
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(left + right);
    p.restore();
}

QFont serif(int pixels, bool bold, bool italic)
{
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setPixelSize(pixels);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void stripedAwning(QPainter& p, const QRectF& r, const QColor& a, const QColor& b, int stripes)
{
    const double w = r.width() / stripes;
    for (int i = 0; i < stripes; ++i) {
        QPainterPath s;
        s.moveTo(r.left() + i * w, r.top());
        s.lineTo(r.left() + (i + 1) * w, r.top());
        s.lineTo(r.left() + (i + 1) * w, r.bottom());
        s.quadTo(r.left() + (i + 0.5) * w, r.bottom() + 8, r.left() + i * w, r.bottom());
        s.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? a : b);
        p.drawPath(s);
    }
}

void dabPath(QPainter& p, const QPainterPath& path, double width, const QColor& colour,
             quint32 seed)
{
    Rng rng(seed);
    p.save();
    p.setPen(Qt::NoPen);
    const double length = path.length();
    for (double d = 0; d < length; d += width * 0.35) {
        const QPointF c = path.pointAtPercent(path.percentAtLength(d));
        QColor k = colour;
        k.setAlpha(std::clamp(static_cast<int>(colour.alpha() * rng.range(0.5, 1.0)), 0, 255));
        p.setBrush(k);
        const double r = width * rng.range(0.35, 0.6);
        p.drawEllipse(c + QPointF(rng.range(-1, 1), rng.range(-1, 1)), r, r * 0.8);
    }
    p.restore();
}

} // namespace gen
