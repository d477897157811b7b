#pragma once

// The things the town scenes are built from: bare and birch trees, log
// houses, tents, wagons, a campfire, smoke, fences, furrows and snow.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace gen {

void bareTree(QPainter& p, QPointF base, double height, const QColor& colour, quint32 seed);
void birch(QPainter& p, QPointF base, double height, bool leaves, quint32 seed);
// Long, low drifts of snow over the ground.
void snowOnGround(QPainter& p, const QRectF& area, quint32 seed);
void fallingSnow(QImage& img, quint32 seed, int flakes = 700);
// Thin slanting streaks of a cold rain.
void fallingRain(QImage& img, quint32 seed);
// Patches of old snow lying in the lee of things, in `area`.
void snowPatches(QPainter& p, const QRectF& area, int count, quint32 seed);
// A crown of leaves made of many small dabs, so it reads as foliage.
void leafCrown(QPainter& p, QPointF centre, double radius, const QColor& colour, quint32 seed);
// A log house; an unfinished one has walls part way up and bare rafters.
void logHouse(QPainter& p, const QRectF& front, const QColor& logs, bool lit, bool snowRoof,
              bool unfinished = false);
void smoke(QPainter& p, QPointF from, quint32 seed);
void tent(QPainter& p, QPointF base, double size, const QColor& canvasColour);
void campfire(QPainter& p, QPointF at, double size);
void wagon(QPainter& p, QPointF base, double size, bool snowTop);
void railFence(QPainter& p, double fromX, double toX, double y, double height);
void furrows(QPainter& p, const QRectF& area, const QColor& colour, bool shoots);

} // namespace gen
