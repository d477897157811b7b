#pragma once

// The one volume for all of the game's audio, set in the in-game volume
// dialog and remembered for the run.

#include <QObject>

namespace media {

class AudioVolume : public QObject {
    Q_OBJECT

public:
    static AudioVolume& instance();

    // 0..100.
    int percent() const { return percent_; }
    // 0.0..1.0, for audio outputs.
    float linear() const { return static_cast<float>(percent_) / 100.0f; }
    void setPercent(int percent);

signals:
    void changed();

private:
    int percent_ = 80;
};

} // namespace media
