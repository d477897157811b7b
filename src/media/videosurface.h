#pragma once

// Where a clip is drawn: a plain child widget of the clip's window that paints
// the latest frame in the display rectangle. Unlike a native video window it
// stacks above the scene picture like any control and appears in grabs.

#include <QImage>
#include <QWidget>

class QVideoFrame;

namespace media {

class VideoSurface : public QWidget {
    Q_OBJECT

public:
    explicit VideoSurface(QWidget* window);

    void showFrame(const QVideoFrame& frame);
    const QImage& lastFrame() const { return frame_; }
    // Forgets the last frame: a new file does not start with the old one's.
    void clear() { frame_ = QImage(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage frame_;
};

} // namespace media
