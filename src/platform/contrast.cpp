#include "contrast.h"

#include <algorithm>
#include <cmath>

namespace platform {

namespace {

// One sRGB channel, 0..1, made linear.
double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

} // namespace

double relativeLuminance(const QColor& color)
{
    const QColor rgb = color.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double contrastRatio(const QColor& first, const QColor& second)
{
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QColor storyCaptionTeal()
{
    // 5.8:1 on black, still the captions' teal.
    return QColor(0, 150, 150);
}

} // namespace platform
