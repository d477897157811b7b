// A small program for tst_exit: it plays a sound effect the way the game
// does, lets the effect start, and ends as the game ends, by returning from
// main. Its exit status tells whether everything was torn down cleanly.

#include "media/soundeffects.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSoundEffect>
#include <QThread>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    if (argc < 2)
        return 2;
    media::playSound(QString::fromLocal8Bit(argv[1]));
    // Until the effect has loaded its sample (or a short while, for a
    // missing file): the fault this guards against needs a loaded sample.
    QElapsedTimer waited;
    waited.start();
    auto* effect = application.findChild<QSoundEffect*>();
    while (waited.elapsed() < 2000 &&
           !(effect && (effect->status() == QSoundEffect::Ready || effect->status() == QSoundEffect::Error))) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
        effect = application.findChild<QSoundEffect*>();
    }
    QCoreApplication::processEvents();
    return 0;
}
