#pragma once

// Short sound effects (WAV), fired and forgotten by file name. A new one cuts
// off the one still playing. A missing file is not an error: the game simply
// stays quiet.

#include <QString>
#include <functional>

namespace media {

void playSound(const QString& fileName);
// Cuts off the effect still playing, as an effect of no file does: a state
// the player leaves takes its sounds with it.
void stopSounds();

// Tests replace the player of effects to hear which ones were fired (an
// empty name for a stop).
using SoundPlayer = std::function<void(const QString& fileName)>;
SoundPlayer setSoundPlayer(SoundPlayer player);

} // namespace media
