#include "music.h"

#include <QtGlobal>
#include <cmath>
#include <functional>

namespace gen {

namespace {

struct Note {
    double beat;
    double length;
    int midi;
};

enum class Voice { Pluck, Bowed, Bell, Pad };

void play(Mix& mix, const std::vector<Note>& notes, Voice voice, double at, double beatSeconds,
          double gain, double pan, quint32 seed)
{
    for (size_t i = 0; i < notes.size(); ++i) {
        const Note& n = notes[i];
        const double hz = midiToHz(n.midi);
        const double len = n.length * beatSeconds;
        Mono s;
        switch (voice) {
        case Voice::Pluck:
            s = pluck(hz, std::max(len, 1.2), 0.55, seed + static_cast<quint32>(i));
            break;
        case Voice::Bowed:
            s = bowed(hz, len * 1.02, 1);
            break;
        case Voice::Bell:
            s = bell(hz, std::max(len, 1.5));
            break;
        case Voice::Pad:
            s = pad(hz, len + 0.8);
            break;
        }
        mix.add(s, at + n.beat * beatSeconds, gain, pan);
    }
}

// Chord tones, low to high.
struct Chord {
    int tones[4];
};
const Chord Dm{{50, 53, 57, 62}}, Bb{{46, 53, 58, 62}}, F{{41, 48, 53, 57}}, C{{48, 55, 60, 64}},
    Gm{{43, 50, 55, 58}}, G{{43, 50, 55, 59}}, Cmaj{{48, 52, 55, 60}}, D{{50, 54, 57, 62}};

void arpeggio(Mix& mix, const std::vector<Chord>& bars, double at, double beat, double gain,
              quint32 seed)
{
    static const int pattern[8] = {0, 1, 2, 3, 2, 1, 2, 3};
    std::vector<Note> notes;
    for (size_t b = 0; b < bars.size(); ++b)
        for (int e = 0; e < 8; ++e)
            notes.push_back({b * 4.0 + e * 0.5, 0.5, bars[b].tones[pattern[e]] + 12});
    play(mix, notes, Voice::Pluck, at, beat, gain, 0.25, seed);
    std::vector<Note> bass;
    for (size_t b = 0; b < bars.size(); ++b)
        bass.push_back({b * 4.0, 4, bars[b].tones[0]});
    play(mix, bass, Voice::Pad, at, beat, gain * 0.9, -0.2, seed + 500);
}

std::vector<Note> phrase(const std::vector<std::pair<int, double>>& tune, double startBeat,
                         int shift = 0)
{
    std::vector<Note> notes;
    double beat = startBeat;
    for (const auto& [midi, length] : tune) {
        if (midi > 0)
            notes.push_back({beat, length, midi + shift});
        beat += length;
    }
    return notes;
}

const std::vector<std::pair<int, double>> TuneA = {
    {69, 1.5}, {67, 0.5}, {65, 1}, {62, 1}, {65, 1.5}, {67, 0.5}, {69, 2},   {72, 1},   {69, 1},
    {67, 1},   {65, 1},   {64, 3}, {60, 1}, {62, 1},   {65, 1},   {69, 1.5}, {67, 0.5}, {65, 1},
    {62, 1},   {58, 2},   {60, 1}, {64, 1}, {67, 1},   {64, 1},   {62, 4}};
const std::vector<std::pair<int, double>> TuneB = {
    {72, 1.5}, {74, 0.5}, {72, 1}, {69, 1}, {67, 2}, {64, 2}, {69, 1.5}, {67, 0.5},
    {65, 1},   {69, 1},   {70, 3}, {69, 1}, {67, 1}, {70, 1}, {74, 1.5}, {72, 0.5},
    {69, 2},   {65, 2},   {67, 1}, {64, 1}, {60, 1}, {64, 1}, {62, 4}};

void drums(Mix& mix, double at, int bars, double beat, double gain)
{
    const Mono low = drum(0.6, 70), high = drum(0.3, 120);
    for (int b = 0; b < bars; ++b) {
        mix.add(low, at + b * 4 * beat, gain, 0);
        mix.add(high, at + (b * 4 + 2.5) * beat, gain * 0.5, 0.1);
    }
}

Mix renderInto(double seconds, const std::function<void(Mix&)>& body)
{
    Mix m(seconds);
    body(m);
    return m;
}

void addMix(Mix& into, const Mix& piece, double at)
{
    const size_t start = static_cast<size_t>(at * SampleRate);
    for (size_t i = 0; i < piece.left.size() && start + i < into.left.size(); ++i) {
        into.left[start + i] += piece.left[i];
        into.right[start + i] += piece.right[i];
    }
}

} // namespace

Mix theme()
{
    const double beat = 60.0 / 76;
    const std::vector<Chord> a = {Dm, Bb, F, C, Dm, Bb, C, Dm};
    const std::vector<Chord> b = {F, C, Dm, Bb, Gm, Dm, C, Dm};
    Mix mix(28 * 4 * beat + 5);
    arpeggio(mix, {Dm, Dm}, 0, beat, 0.22, 100);
    double at = 2 * 4 * beat;
    arpeggio(mix, a, at, beat, 0.22, 200);
    play(mix, phrase(TuneA, 0), Voice::Bowed, at, beat, 0.34, -0.1, 0);
    at += 8 * 4 * beat;
    arpeggio(mix, b, at, beat, 0.22, 300);
    play(mix, phrase(TuneB, 0), Voice::Bowed, at, beat, 0.34, -0.1, 0);
    drums(mix, at, 8, beat, 0.25);
    at += 8 * 4 * beat;
    arpeggio(mix, a, at, beat, 0.22, 400);
    play(mix, phrase(TuneA, 0), Voice::Bowed, at, beat, 0.3, -0.1, 0);
    play(mix, phrase(TuneA, 0, 12), Voice::Pluck, at, beat, 0.16, 0.3, 450);
    drums(mix, at, 8, beat, 0.25);
    at += 8 * 4 * beat;
    arpeggio(mix, {Dm, Dm}, at, beat, 0.2, 500);
    play(mix, {{0, 8, 62}}, Voice::Bowed, at, beat, 0.28, -0.1, 0);
    mix.fadeOut(at + 4 * beat, mix.seconds() - 0.3);
    mix.normalise(0.85);
    return mix;
}

Mix jingles()
{
    Mix file(JingleFileSeconds);
    auto place = [&](int index, Mix piece) {
        const JingleStretch s = JingleStretches[index];
        const double start = (s.startMs + JingleMarginMs) / 1000.0;
        const double room = (s.endMs - s.startMs - 2 * JingleMarginMs) / 1000.0;
        piece.normalise(0.8);
        piece.fadeOut(std::max(0.0, room - 0.5), room);
        piece.silence(room, piece.seconds());
        addMix(file, piece, start);
    };
    // At the trading post: a lively tune for the ghostly shop.
    place(0, renderInto(14.8, [](Mix& m) {
              const double beat = 0.5;
              arpeggio(m, {{G}, {Cmaj}, {G}, {D}, {G}, {Cmaj}, {D}}, 0, beat, 0.25, 600);
              const std::vector<std::pair<int, double>> tune = {
                  {67, 1}, {71, 1}, {74, 1.5}, {71, 0.5}, {72, 1}, {76, 1}, {74, 2},
                  {71, 1}, {67, 1}, {69, 1},   {71, 1},   {69, 3}, {66, 1}, {67, 1},
                  {71, 1}, {74, 1}, {79, 1},   {76, 1},   {72, 1}, {69, 2}, {74, 1},
                  {72, 1}, {69, 1}, {66, 1},   {67, 3}};
              play(m, phrase(tune, 0), Voice::Bowed, 0, beat, 0.34, -0.1, 0);
              drums(m, 0, 7, beat, 0.22);
              play(m, {{28, 3, 55}, {28, 3, 59}, {28, 3, 62}}, Voice::Pluck, 0, beat, 0.3, 0, 650);
          }));
    // Fishing begins: a bright climbing figure.
    place(1, renderInto(3.5, [](Mix& m) {
              play(m, {{0, 0.5, 67}, {0.5, 0.5, 71}, {1, 0.5, 74}, {1.5, 2, 79}}, Voice::Pluck, 0,
                   0.32, 0.4, 0, 700);
              play(m, {{1.5, 3, 79}}, Voice::Bell, 0, 0.32, 0.2, 0.2, 0);
              play(m, {{0, 6, 55}}, Voice::Pad, 0, 0.32, 0.2, -0.2, 0);
          }));
    // A ripple on the water: falling drops of bells.
    place(2, renderInto(3.3, [](Mix& m) {
              play(m, {{0, 1, 86}, {0.5, 1, 81}, {1, 1, 79}, {1.5, 1, 76}, {2, 2, 74}}, Voice::Bell,
                   0, 0.3, 0.3, 0.3, 0);
              play(m, {{0, 8, 62}}, Voice::Pad, 0, 0.3, 0.15, -0.3, 0);
          }));
    // The snakebite: a low drone, an uneasy heartbeat, then a calmer close.
    place(3, renderInto(19.4, [](Mix& m) {
              m.add(pad(midiToHz(38), 19.0), 0, 0.4, 0);
              m.add(pad(midiToHz(45), 12.0), 0.5, 0.25, -0.3);
              for (int i = 0; i < 3; ++i)
                  m.add(bowed(midiToHz(63 + (i % 2)), 3.5, 2), 1.5 + i * 4.2, 0.18, 0.3);
              double t = 1.0, gap = 1.1;
              const Mono beatDrum = drum(0.5, 55);
              while (t < 13.5) {
                  m.add(beatDrum, t, 0.45, 0);
                  m.add(beatDrum, t + 0.28, 0.3, 0);
                  t += gap;
                  gap = std::max(0.62, gap * 0.95);
              }
              for (int tone : {50, 53, 57, 62})
                  m.add(pad(midiToHz(tone), 5.5), 13.5, 0.2, 0);
              m.add(bell(midiToHz(74), 4.0), 14.0, 0.15, 0.3);
          }));
    // A purchase at the trading post: a cheerful little cadence.
    place(4, renderInto(4.0, [](Mix& m) {
              play(m, {{0, 0.5, 60}, {0.5, 0.5, 64}, {1, 0.5, 67}, {1.5, 2.5, 72}}, Voice::Pluck, 0,
                   0.28, 0.4, 0, 800);
              play(m, {{1.5, 4, 84}, {2.5, 4, 79}}, Voice::Bell, 0, 0.28, 0.16, 0.2, 0);
              play(m, {{1.5, 8, 48}}, Voice::Pad, 0, 0.28, 0.2, -0.2, 0);
          }));
    file.normalise(0.85);
    // Nothing sounds outside the jingles' inner stretches.
    double quietFrom = 0;
    for (const JingleStretch& s : JingleStretches) {
        file.silence(quietFrom, (s.startMs + JingleMarginMs) / 1000.0);
        quietFrom = (s.endMs - JingleMarginMs) / 1000.0;
    }
    file.silence(quietFrom, file.seconds());
    return file;
}

Mix introBed(double seconds)
{
    Mix mix(seconds);
    // Slow chords under the words, the fire crackling, a soft heartbeat drum.
    const std::vector<Chord> chords = {Dm, Bb, F, C, Dm, Bb, Gm, Dm, Dm};
    const double chordSeconds = 5.0;
    for (size_t i = 0; i < chords.size() && i * chordSeconds < seconds; ++i)
        for (int k = 0; k < 3; ++k)
            mix.add(pad(midiToHz(chords[i].tones[k]), chordSeconds + 1.0), i * chordSeconds, 0.16,
                    (k - 1) * 0.3);
    std::vector<Note> plucks;
    for (size_t i = 0; i < chords.size(); ++i)
        for (int k = 0; k < 3; ++k)
            plucks.push_back({i * 5.0 + k * 1.5 + 0.2, 1.5, chords[i].tones[(k + 1) % 4] + 12});
    play(mix, plucks, Voice::Pluck, 0, 1.0, 0.12, 0.35, 900);
    mix.add(crackle(seconds, 9, 901), 0, 0.12, 0.2);
    const Mono heartbeat = drum(0.7, 60);
    for (double t = 1.0; t < seconds - 3; t += 2.0)
        mix.add(heartbeat, t, 0.12, 0);
    return mix;
}

} // namespace gen
