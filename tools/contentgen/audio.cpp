#include "audio.h"

#include "music.h"
#include "speech.h"
#include "synth.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QFileInfo>
#include <QtMath>
#include <cmath>

namespace gen {

namespace {

Mono spoken(const Folders& folders, const QString& id)
{
    Mono voice = readWav(folders.work + "/speech/" + id + ".wav");
    for (const SpokenLine& line : spokenLines()) {
        if (line.id == id && secondsOf(voice) * 1000 > line.maxMs)
            fail(QStringLiteral("the spoken line \"%1\" lasts %2 ms, more than its %3 ms")
                     .arg(id)
                     .arg(qRound(secondsOf(voice) * 1000))
                     .arg(line.maxMs));
    }
    return voice;
}

// A spirit's voice as it was spoken: an echo around it made the stories far
// harder to follow.
Mono afterRest(const Mono& words)
{
    // A quarter of a second of rest first: the clip opens on the still picture.
    Mono voice(static_cast<size_t>(SampleRate / 4), 0.0f);
    voice.insert(voice.end(), words.begin(), words.end());
    return voice;
}

Mono castSound()
{
    // The rod's swish, then the float landing on the water.
    Mono swish = noiseBurst(0.32, 2500, 31);
    for (size_t i = 0; i < swish.size(); ++i) {
        const double t = double(i) / swish.size();
        swish[i] = static_cast<float>(swish[i] * 3 * std::sin(M_PI * t) * std::sin(M_PI * t));
    }
    Mix m(0.75);
    m.add(swish, 0, 0.8, 0);
    Mono plop(static_cast<size_t>(0.2 * SampleRate));
    double phase = 0;
    for (size_t i = 0; i < plop.size(); ++i) {
        const double t = double(i) / SampleRate;
        phase += (900 * std::exp(-t * 25) + 250) / SampleRate;
        plop[i] = static_cast<float>(std::sin(2 * M_PI * phase) * std::exp(-t * 22));
    }
    m.add(plop, 0.4, 0.6, 0);
    m.add(noiseBurst(0.25, 1200, 32), 0.4, 0.15, 0);
    m.normalise(0.8);
    return m.left;
}

} // namespace

void makeAudio(const Folders& folders)
{
    const QString out = folders.work + "/audio";
    ensureFolder(out);
    ensureFolder(folders.data + "/fish");

    // The intro: music under the five captions' words, each line starting
    // where its caption is shown.
    Mono lines[5];
    for (int i = 0; i < 5; ++i)
        lines[i] = spoken(folders, QStringLiteral("intro%1").arg(i + 1));
    const double lastWord = IntroLineStartMs[4] / 1000.0 + secondsOf(lines[4]);
    Mix intro = introBed(lastWord + 3.5);
    for (int i = 0; i < 5; ++i)
        intro.addVoice(lines[i], IntroLineStartMs[i] / 1000.0, 0.9, 0.45);
    intro.fadeOut(lastWord + 1.0, intro.seconds() - 0.2);
    intro.normalise(0.9);
    intro.writeWav(out + "/intro-short.wav");

    theme().writeWav(out + "/Theme.wav");
    jingles().writeWav(out + "/m03.wav");

    Mix shopkeeper(4.6);
    shopkeeper.add(spoken(folders, "greeting"), GreetingStartMs / 1000.0, 0.9);
    shopkeeper.add(spoken(folders, "thanks"), ThanksStartMs / 1000.0, 0.9);
    shopkeeper.normalise(0.9);
    shopkeeper.writeWav(out + "/mayi-short.wav", false);

    for (int town = 2; town <= TownCount; ++town) {
        const TownContent content = townContent(town);
        if (!content.hasSpirit())
            continue;
        writeMonoWav(afterRest(spoken(folders, spiritLineId(town))), 22050,
                     out + "/" + QFileInfo(content.charClip).baseName() + ".wav");
    }

    // Sedora's closing words at the journey's end, with a moment of quiet
    // around them.
    const Mono closingWords = spoken(folders, "closing");
    Mix closing(secondsOf(closingWords) + 1.5);
    closing.add(closingWords, 0.5, 0.9);
    closing.normalise(0.9);
    closing.writeWav(out + "/closing.wav", false);

    writeMonoWav(castSound(), 22050, folders.data + "/fish/cast.wav");
    Mix cheer(2.6);
    cheer.add(spoken(folders, "yeehaw"), 0.05, 0.9);
    cheer.add(pluck(midiToHz(67), 1.2, 0.6, 41), 1.5, 0.4);
    cheer.add(pluck(midiToHz(72), 1.0, 0.6, 42), 1.7, 0.4);
    cheer.add(bell(midiToHz(84), 1.2), 1.9, 0.2, 0);
    cheer.fadeOut(2.2, 2.6);
    cheer.normalise(0.85);
    writeMonoWav(cheer.left, 22050, folders.data + "/fish/yeehaw.wav");
}

} // namespace gen
