#pragma once

// The people of the game's pictures and clips: the two spirits, the
// storyteller and the keepers of the trading post. Each is painted into a
// transparent layer in the coordinates of the picture it belongs to, with a
// mouth that opens for the speaking clips and eyes that blink.

#include <QImage>
#include <QPainter>
#include <QPointF>

namespace gen {

struct Pose {
    double mouth = 0; // 0 closed .. 1 open
    double blink = 0; // 0 open .. 1 closed
};

// Town 2: a Verunai girl who walked the trail (a 600 x 450 layer).
QImage girlLayer(const Pose& pose);
// Town 3: a young trapper who lived in the area (a 600 x 450 layer).
QImage trapperLayer(const Pose& pose);
// The intro: Sedora's face and shoulders, 300 x 330, on black.
QImage storytellerPortrait(const Pose& pose);
// The trading post's two keepers behind the counter (a 600 x 450 layer).
QImage keepersLayer(double nod);

// Lays a spirit layer over a scene: a soft cool glow, then the figure.
void composeSpirit(QImage& scene, const QImage& layer, double presence);

// A face: skin oval, hair is the caller's, eyes, brows, nose and mouth.
void paintFace(QPainter& p, QPointF centre, double w, double h, const QColor& skin,
               const Pose& pose, bool male);

} // namespace gen
