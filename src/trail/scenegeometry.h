#pragma once

// Places on the 600 x 450 scene picture, put on the screen: scaled with a
// picture that grew on a tall screen, then moved to the picture's corner.
// Every scaling truncates toward zero.

#include <QPoint>
#include <QRect>

QRect pictureRectOnScreen(const QRect& rect);
QPoint picturePointOnScreen(const QPoint& point);
