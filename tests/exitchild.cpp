// A small program for tst_exit: it plays a sound effect the way the game
// does and ends as the game ends, by returning from main. Its exit status
// tells whether everything was torn down cleanly.
//   exitchild FILE         lets the effect load (or a short while, for a
//                          missing file), then ends
//   exitchild FILE MS      ends after MS milliseconds, whether the effect
//                          has loaded or not

#include "media/soundeffects.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QThread>

namespace {

bool effectLoaded(const QApplication& application)
{
    const auto* player = application.findChild<QMediaPlayer*>(QStringLiteral("SoundEffects"));
    if (!player)
        return false;
    switch (player->mediaStatus()) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferedMedia:
    case QMediaPlayer::EndOfMedia:
    case QMediaPlayer::InvalidMedia:
        return true;
    default:
        return false;
    }
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    media::playSound(QString::fromLocal8Bit(argv[1]));
    const bool untilLoaded = argc < 3;
    const int limitMs = untilLoaded ? 2000 : QString::fromLocal8Bit(argv[2]).toInt();
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < limitMs && !(untilLoaded && effectLoaded(application))) {
        QCoreApplication::processEvents();
        QThread::msleep(1);
    }
    QCoreApplication::processEvents();
    return 0;
}
