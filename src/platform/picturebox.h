#pragma once

// A picture control: it holds a picture that the game may also draw on (the
// route is drawn into the scene picture itself), shows it stretched to the
// control or at its own size, and reports mouse presses in the control's own
// pixels.

#include <QImage>
#include <QWidget>

namespace platform {

class PictureBox : public QWidget {
    Q_OBJECT

public:
    explicit PictureBox(QWidget* parent = nullptr);

    // The picture, for drawing on; call changed() afterwards.
    QImage& picture() { return picture_; }
    void changed();
    const QImage& picture() const { return picture_; }
    void setPicture(const QImage& picture);
    void clearPicture();

    // Stretched to the control (the default) or drawn at its own size from
    // the top-left corner.
    void setStretch(bool on);
    // Resizes the control to its picture whenever the picture changes.
    void setAutoSize(bool on);
    // Shows the picture with its bottom-left pixel's colour see-through, as
    // the game's small bitmaps are drawn over the scene.
    void setTransparent(bool on);

signals:
    void mousePressed(int x, int y, Qt::MouseButton button);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    bool stretch_ = true;
    bool autoSize_ = false;
    bool transparent_ = false;
    QImage shown_; // the picture as painted (with its see-through colour)
};

} // namespace platform
