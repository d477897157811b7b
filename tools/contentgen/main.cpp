// kelvarin-contentgen: makes the game's content.
//
//   kelvarin-contentgen pictures ROOT       pictures and bitmaps under ROOT
//   kelvarin-contentgen help ROOT           the teachers' page of the towns, data/help/towns.html
//   kelvarin-contentgen speech WORK         the lines to speak, WORK/speech/lines.tsv
//   kelvarin-contentgen audio ROOT WORK     music, effects and mixes (needs the spoken lines)
//   kelvarin-contentgen frames ROOT WORK    the frames of every clip (needs the spoken lines)
//   kelvarin-contentgen clips ROOT WORK     the clips to encode: frames, file, sound (TSV)
//   kelvarin-contentgen speech-files -      the shipped files with spoken words, and their words (TSV)
//   kelvarin-contentgen rects -             the spirits' clip rectangles for the town table
//
// tools/generate-content.sh runs these in order with Festival, Flite, sox, ffmpeg and lame.

#include "audio.h"
#include "clips.h"
#include "helppage.h"
#include "output.h"
#include "people.h"
#include "pictures.h"
#include "speech.h"
#include "trail/routetable.h"
#include "trailscenes.h"

#include <QGuiApplication>
#include <QStringList>
#include <algorithm>
#include <cstdio>

namespace {

gen::Folders folders(const QString& root, const QString& work)
{
    return {root + "/resources/pictures", root + "/resources/bitmaps", root + "/data", work};
}

int usage()
{
    std::fprintf(stderr, "usage: kelvarin-contentgen pictures ROOT | help ROOT | speech WORK | "
                         "audio ROOT WORK | frames ROOT WORK | clips ROOT WORK | speech-files -\n");
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
    } else if (command == "help") {
        gen::writeTownsHelp(folders(args[2], QString()));
    } else if (command == "speech") {
        gen::writeSpeechList(args[2]);
    } else if (command == "audio" && args.size() == 4) {
        gen::makeAudio(folders(args[2], args[3]));
    } else if (command == "frames" && args.size() == 4) {
        gen::makeFrames(folders(args[2], args[3]));
    } else if (command == "speech-files") {
        for (const gen::SpeechFile& f : gen::shippedSpeech())
            std::printf("%s\t%s\n", qPrintable(f.file), qPrintable(f.text));
    } else if (command == "rects") {
        // The rectangles the town table needs for each spirit, on the 16-pixel
        // blocks of the pictures: the figure with its glow, and the face.
        for (int town = 4; town <= TownCount; ++town) {
            const QRect f = gen::spiritBounds(town).adjusted(-gen::GlowReach, -gen::GlowReach,
                                                             gen::GlowReach, gen::GlowReach);
            const int left = f.left() / 16 * 16, top = std::max(0, f.top() / 16 * 16);
            const int right = (f.right() + 16) / 16 * 16,
                      bottom = std::min(450, (f.bottom() + 16) / 16 * 16);
            const QPointF face = gen::faceCentre(gen::townPerson(town));
            const int fx = qRound((face.x() - 32) / 16) * 16,
                      fy = qRound((face.y() - 28) / 16) * 16;
            std::printf("%d: QRect(%d, %d, %d, %d), QRect(%d, %d, 64, 64)\n", town, left, top,
                        right - left, bottom - top, fx, fy);
        }
    } else if (command == "clips" && args.size() == 4) {
        for (const gen::ClipToEncode& clip : gen::clipsToEncode(folders(args[2], args[3])))
            std::printf("%s\t%s\t%s\n", qPrintable(clip.frames), qPrintable(clip.file),
                        qPrintable(clip.audio));
    } else {
        return usage();
    }
    return 0;
}
