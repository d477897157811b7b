#pragma once

// The pictures of a transition: what the screen shows over an area before
// the window appears, and the window painted into a bitmap.

#include <QImage>
#include <QRect>

class QWidget;

// What the screen shows over the area (global coordinates). Where the window
// system gives no copy of the screen (the offscreen platform, Wayland, a
// failed copy) and for the parts of the area off every screen, the picture
// is black: the game's backdrop is black.
QImage captureScreenArea(const QRect& area);

// The widget painted into a bitmap, its children included, whether or not it
// has reached the screen yet.
QImage renderWidgetArea(QWidget* widget, const QRect& area);

// Whether some part of the area (global coordinates) lies on a screen.
bool onAnyScreen(const QRect& area);
