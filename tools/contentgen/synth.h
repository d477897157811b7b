#pragma once

// The generator's own small synthesiser: a handful of instruments rendered
// sample by sample, a stereo mix to place them in, and PCM WAV files in and
// out. Randomness (plucked strings, noise) comes from fixed seeds.

#include <QString>
#include <vector>

namespace gen {

inline constexpr int SampleRate = 44100;

using Mono = std::vector<float>;

double midiToHz(double midi);

Mono pluck(double hz, double seconds, double brightness, quint32 seed);
Mono bowed(double hz, double seconds, double vibrato); // a soft fiddle-like voice
Mono pad(double hz, double seconds);                   // a warm sustained chord tone
Mono bell(double hz, double seconds);
Mono drum(double seconds, double pitch); // a soft frame drum
Mono noiseBurst(double seconds, double lowpass, quint32 seed);
Mono crackle(double seconds, double density, quint32 seed); // fire

class Mix {
public:
    explicit Mix(double seconds);
    void add(const Mono& sound, double atSeconds, double gain, double pan = 0);
    // Lowers the music where a voice speaks, then adds the voice.
    void addVoice(const Mono& voice, double atSeconds, double gain, double duckTo);
    void fadeOut(double fromSeconds, double toSeconds);
    void silence(double fromSeconds, double toSeconds);
    void normalise(double peak);
    double seconds() const { return static_cast<double>(left.size()) / SampleRate; }
    void writeWav(const QString& path, bool stereo = true) const;

    std::vector<float> left, right;
};

// A PCM WAV file (16-bit), read as mono and resampled to SampleRate.
Mono readWav(const QString& path);
void writeMonoWav(const Mono& sound, int rate, const QString& path);
Mono resample(const Mono& sound, int fromRate, int toRate);
double secondsOf(const Mono& sound);
// The loudness of a sound, one value per frame of the given length (0..1).
std::vector<double> envelope(const Mono& sound, double frameSeconds);

} // namespace gen
