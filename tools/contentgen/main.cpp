// kelvarin-contentgen: makes the game's content.
//
//   kelvarin-contentgen pictures ROOT       pictures and bitmaps under ROOT
//   kelvarin-contentgen speech WORK         the lines to speak, WORK/speech/lines.tsv
//   kelvarin-contentgen audio ROOT WORK     music, effects and mixes (needs the spoken lines)
//   kelvarin-contentgen frames ROOT WORK    the frames of every clip (needs the spoken lines)
//   kelvarin-contentgen clips ROOT WORK     the clips to encode: frames, file, sound (TSV)
//
// tools/generate-content.sh runs these in order with espeak-ng, ffmpeg and lame.

#include "audio.h"
#include "clips.h"
#include "output.h"
#include "pictures.h"
#include "speech.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

gen::Folders folders(const QString& root, const QString& work)
{
    return {root + "/resources/pictures", root + "/resources/bitmaps", root + "/data", work};
}

int usage()
{
    std::fprintf(stderr, "usage: kelvarin-contentgen pictures ROOT | speech WORK | "
                         "audio ROOT WORK | frames ROOT WORK | clips ROOT WORK\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3)
        return usage();
    const QString command = args[1];
    if (command == "pictures") {
        gen::paintPictures(folders(args[2], QString()));
    } else if (command == "speech") {
        gen::writeSpeechList(args[2]);
    } else if (command == "audio" && args.size() == 4) {
        gen::makeAudio(folders(args[2], args[3]));
    } else if (command == "frames" && args.size() == 4) {
        gen::makeFrames(folders(args[2], args[3]));
    } else if (command == "clips" && args.size() == 4) {
        for (const gen::ClipToEncode& clip : gen::clipsToEncode(folders(args[2], args[3])))
            std::printf("%s\t%s\t%s\n", qPrintable(clip.frames), qPrintable(clip.file),
                        qPrintable(clip.audio));
    } else {
        return usage();
    }
    return 0;
}
