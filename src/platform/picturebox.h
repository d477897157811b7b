#pragma once

// A picture control: it holds a picture that the game may also draw on (the
// route is drawn into the scene picture itself), shows it stretched to the
// control or at its own size, and reports mouse presses in the control's own
// pixels.
//
// A picture that the game listens to for clicks is a button for players who
// use the keyboard or a screen reader: Tab reaches it, a dashed outline shows
// that it has the focus (see focusMarkWanted), and Enter or Space presses it,
// emitting what a click
// emits. Screen readers see a button with a "Press" action, named by the
// accessible name and told what pressing does now by the accessible
// description, which the owner keeps up to date. Other pictures take no focus.

#include <QImage>
#include <QPoint>
#include <QWidget>
#include <optional>

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

    // Whether the picture acts as a button. It does once a click, double
    // click or press is connected to, unless the owner decided otherwise.
    bool isButton() const;
    void setButton(bool on);
    // Where a press from the keyboard or a screen reader lands, in the
    // control's pixels, for owners that look at the place of a click: the
    // centre of the control unless the owner chose a point.
    QPoint pressPoint() const;
    void setPressPoint(QPoint at);
    // Presses the picture as a left click at its press point would: a
    // press, then a click. Nothing happens while the control is disabled.
    void press();

signals:
    void mousePressed(int x, int y, Qt::MouseButton button);
    void clicked();
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;

private:
    void updateFocusPolicy();

    QImage picture_;
    bool stretch_ = true;
    bool autoSize_ = false;
    bool transparent_ = false;
    QImage shown_; // the picture as painted (with its see-through colour)
    bool clicksConnected_ = false;
    std::optional<bool> buttonChosen_;
    std::optional<QPoint> pressPoint_;
    bool focusMarked_ = false;
};

} // namespace platform
