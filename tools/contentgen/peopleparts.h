#pragma once

// The parts the figure painter of people.cpp puts together: the body and
// its clothing, the arms and what the hands hold, the hair and what is worn
// on the head. Each paints in the figure's proportions.

#include "people.h"

#include <QPainter>
#include <QPainterPath>

namespace gen::figure {

// The proportions of a figure, worked out once from its description.
struct Frame {
    double cx, foot, top, u;
    double headW, headH;
    QPointF head;
    double shoulderY, shoulderHalf, waistY, hipHalf, hemY;
};

Frame frameOf(const Person& s);

// Soft shading: a gradient from a lit side to a shaded side over a shape.
void shade(QPainter& p, const QPainterPath& shape, const QColor& base);

void legsAndFeet(QPainter& p, const Person& s, const Frame& f);
void garment(QPainter& p, const Person& s, const Frame& f);
// A shawl or a blanket about the shoulders.
void wrap(QPainter& p, const Person& s, const Frame& f);
// The arms, and where they put the hands.
void arms(QPainter& p, const Person& s, const Frame& f, QPointF& leftHand, QPointF& rightHand);
void heldThing(QPainter& p, const Person& s, const Frame& f, QPointF left, QPointF right);
void sisterBehind(QPainter& p, const Person& s, const Frame& f);
void sisterInFront(QPainter& p, const Frame& f, const QColor& skin, QPointF left, QPointF right);
void hairBehind(QPainter& p, const Person& s, const Frame& f);
void hairFront(QPainter& p, const Person& s, const Frame& f);
void headwear(QPainter& p, const Person& s, const Frame& f);

} // namespace gen::figure
