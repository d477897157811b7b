#pragma once

// An up-down control: two small arrow buttons beside an edit box that step
// the number in the box within a range, without wrapping. A click first takes
// the number typed into the box, so stepping goes on from what the player
// sees.

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace platform {

class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    // The edit box the control writes its position into.
    void setAssociate(QLineEdit* edit);
    int position() const { return position_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Moves to the position (held in the range) and writes it into the box.
    void setPosition(int position);
    // Moves to the position as clicks on the arrows would (a screen reader
    // sets the value outright): writes it and reports a click.
    void moveTo(int position);

    // One click on the upper or lower arrow.
    void stepUp();
    void stepDown();

signals:
    // After a click has written the new position into the box.
    void clicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);

    QToolButton* up_;
    QToolButton* down_;
    QLineEdit* associate_ = nullptr;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
};

} // namespace platform
