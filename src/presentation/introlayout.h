#pragma once

// Where the intro puts its picture, captions and clips on a screen of a given
// size. The intro was drawn for a 1024 x 768 screen; its clips are scaled to
// any screen, the picture and the captions' places only to screens that are
// not 768 high.

#include <QPoint>
#include <QRect>
#include <QSize>

struct IntroLayout {
    QRect face;      // MPFace's display rectangle
    QRect fire;      // MPlay1's display rectangle
    QSize image;     // Image1, at (0, 0)
    QPoint label1;   // captions 1, 2, 4, 5
    int label1Width; // held fixed: the captions wrap at it
    QPoint label2;   // caption 3, beside the face
    int label2Width;
};

IntroLayout computeIntroLayout(int screenWidth, int screenHeight);
