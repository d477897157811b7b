#pragma once

// The pictures of a transition, all made by the game itself: what its
// windows showed over an area before a window appears, and the window
// painted into a bitmap.

#include <QImage>
#include <QRect>

class QWidget;

// What the game showed over the area (global coordinates) before the target
// appeared: the main screen in view there, if one still is, else the game's
// black backdrop. The desktop behind the game is never read.
QImage pictureBehind(const QWidget* target, const QRect& area);

// The widget painted into a bitmap, its children included, whether or not it
// has reached the screen yet.
QImage renderWidgetArea(QWidget* widget, const QRect& area);

// Whether some part of the area (global coordinates) lies on a screen.
bool onAnyScreen(const QRect& area);
