#pragma once

// What one run of an effect works on: the old and new pictures, the work
// bitmap the frames are drawn into, and where the frames are shown.

#include <QImage>
#include <QRect>

// Where the frames of a run go: the render window on the screen, or an image
// when frames are drawn without a window.
class TransitionOutput {
public:
    virtual ~TransitionOutput() = default;
    // Shows this area of the picture, at the same place.
    virtual void showFrame(const QImage& picture, const QRect& area) = 0;
};

// The pixel format of every bitmap of a run.
inline constexpr QImage::Format TransitionPixelFormat = QImage::Format_RGB32;

class TTETransitionData {
public:
    // The new picture sets the size; an old picture of another size is
    // placed at the top-left corner on black.
    TTETransitionData(const QImage& oldPicture, const QImage& newPicture, TransitionOutput* output);

    QImage work; // what the output shows
    QImage newPicture;
    QImage oldPicture;
    int width = 0;
    int height = 0;
    QImage::Format pixelFormat = TransitionPixelFormat;
    TransitionOutput* output = nullptr;
    // The part of the work bitmap drawn since the output was last updated.
    QRect changed;

    QRect area() const { return {0, 0, width, height}; }
};

// Copies the area of source to the same place of target; both have the
// transitions' pixel format. The area is clipped to both images.
void copyImageArea(QImage& target, const QImage& source, const QRect& area);

// An output that keeps the frames in an image, for drawing without a window.
class ImageOutput : public TransitionOutput {
public:
    explicit ImageOutput(const QSize& size);

    void showFrame(const QImage& picture, const QRect& area) override;

    QImage canvas;
    int frames = 0; // every showFrame, the final picture included
    QRect lastArea;
};
