#pragma once

// The borderless window that shows the frames of a transition over the area
// of the window being shown. It never erases its background: everything it
// shows comes from the pictures it is given.

#include "presentation/transitions/transitiondata.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

class QWindow;

class TTERenderWindow : public QWidget, public TransitionOutput {
    Q_OBJECT

public:
    // Placed over the area (global coordinates), not yet shown.
    explicit TTERenderWindow(const QRect& area);
    ~TTERenderWindow() override;

    // Keeps the picture and shows it whenever the window is painted.
    void hold(const QImage& picture);
    // Paints the area of the picture to the screen now. The picture must
    // live until the next frame or hold().
    void showFrame(const QImage& picture, const QRect& area) override;

    // Shows the window above everything without activating it and lets the
    // window system put it on the screen, so the frames that follow reach it.
    void showOverArea();

    // Stays up until the target's window has reached the screen under it,
    // then hides and deletes itself.
    void removeWhenCovered(QWidget* target);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void removeNow();

    QImage held_;
    const QImage* live_ = nullptr;
    QPointer<QWidget> target_;
    QPointer<QWindow> targetWindow_;
    bool removing_ = false;
};
