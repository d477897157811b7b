#pragma once

// What shows the frames of a transition: a layer inside the window being
// shown, over the area of it that turns. It never erases its background:
// everything it shows comes from the pictures it is given. Being part of the
// window itself, it needs no place of its own on the desktop and no copy of
// the screen (which Wayland gives no program).

#include "presentation/transitions/transitiondata.h"

#include <QImage>
#include <QWidget>

class TTERenderLayer : public QWidget, public TransitionOutput {
    Q_OBJECT

public:
    // Over the area (in the target's coordinates) of the target's window,
    // above everything else in it, showing nothing yet.
    TTERenderLayer(QWidget* target, const QRect& area);

    // Keeps the picture and shows it whenever the layer is painted.
    void hold(const QImage& picture);
    // Paints the area of the picture to the screen now. The picture must
    // live until the next frame or hold().
    void showFrame(const QImage& picture, const QRect& area) override;

    // Lets the window system put the window on the screen (a second at
    // most), so that the frames that follow reach it.
    void waitForScreen();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage held_;
    const QImage* live_ = nullptr;
};
