#pragma once

// The in-game volume control: one slider for all of the game's audio, kept
// for the rest of the run.

#include "platform/form.h"

class QLabel;
class QPushButton;
class QSlider;

namespace media {

class VolumeDialog : public platform::Form {
    Q_OBJECT

public:
    explicit VolumeDialog(QWidget* parent = nullptr);

    QSlider* slider() const { return slider_; }

private:
    void showPercent(int percent);

    QSlider* slider_;
    QLabel* value_;
    QPushButton* okay_;
};

// Shows the volume control (modal) over the game.
void showVolumeControl();

} // namespace media
