#pragma once

// The spoken lines: who speaks which text, and how long each may last so
// that it fits the stretch or the caption it belongs to. The intro's
// narration and the spirits' stories speak the game's own texts.

#include <QString>
#include <QVector>

namespace gen {

// The voices: "slt" is Festival's HTS voice of an American woman, "rms" and
// "awb" are Flite's voices of an American and a Scottish man. Each speaker
// gets a voice and a pace of their own, set inside the synthesiser (HTS's
// speed, Flite's duration stretch), and, where the voice takes one, a pitch
// of their own (Flite's awb: int_f0_target_mean and _stddev). Nothing is
// shifted afterwards: a pitch shift or an echo on top of the voices made the
// stories far harder to follow. Children speak quicker, older people slower;
// Debian's Festival HTS voice and Flite's rms keep their own pitch.
struct SpokenLine {
    QString id;    // file name in WORK/speech, without ".wav"
    QString voice; // slt, rms or awb
    int wordsPerMinute; // the pace to speak at (0: the voice's own)
    int f0Hz;           // the mean pitch, for voices that take one (0: the voice's own)
    int f0SpreadHz;     // how far the pitch moves about its mean (0: the voice's own)
    int maxMs;          // the longest the line may last
    QString text;
};

QVector<SpokenLine> spokenLines();

// The spirit of a town and the voice it speaks its story in.
struct SpiritVoice {
    QString voice;
    int wordsPerMinute;
    int f0Hz;
    int f0SpreadHz;
};
SpiritVoice spiritVoice(int town);
QString spiritLineId(int town); // "town02"

void writeSpeechList(const QString& work);

// A shipped file that holds spoken words, and the words it says, in order:
// the intro's five captions, the shopkeeper's two lines, each spirit's story.
struct SpeechFile {
    QString file; // under the data folder: "intro/intro-short.mp3"
    QString text;
};
QVector<SpeechFile> shippedSpeech();

// Where each intro caption's words begin in the narration (ms); the
// captions change at 10.0, 16.5, 25.6 and 30.0 s.
inline constexpr int IntroLineStartMs[5] = {600, 10250, 16750, 25850, 30300};
// The shopkeeper's greeting and thanks in the voice file (ms).
inline constexpr int GreetingStartMs = 200;
inline constexpr int ThanksStartMs = 3000;

} // namespace gen
