#pragma once

// Parts of the painted landscapes shared by the trail scenes and the intro:
// a dusk sky with lit clouds, layered hills, mist and still water.

#include <QImage>
#include <QPainter>
#include <QRectF>

namespace gen {

void duskSky(QPainter& p, const QRectF& rect, quint32 seed, double glowX);
void hillLayer(QPainter& p, double width, double baseY, double amplitude, double wavelength,
               const QColor& top, const QColor& bottom, quint32 seed, double bottom_);
void mist(QPainter& p, const QRectF& band, const QColor& colour, quint32 seed);
// Still water reflecting the picture above `horizon` inside `shape`.
void reflectInto(QImage& image, const QPainterPath& shape, double horizon, const QColor& tint,
                 quint32 seed);
// The last touches of every scene: canvas texture and a soft vignette.
void finishScene(QImage& image, quint32 seed, double vignetteStrength = 0.35);

} // namespace gen
