#include "soundeffects.h"

#include "media/audiovolume.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

#include <utility>

namespace media {

namespace {

SoundPlayer& installedPlayer()
{
    static SoundPlayer player;
    return player;
}

// The one effect player. It belongs to the application object, so that it is
// gone before the multimedia library shuts down (a player that outlives the
// application crashes the exit).
QPointer<QSoundEffect>& effectPlayer()
{
    static QPointer<QSoundEffect> effect;
    return effect;
}

void playWithQt(const QString& fileName)
{
    QPointer<QSoundEffect>& effect = effectPlayer();
    if (effect)
        effect->stop(); // a new effect cuts off the last
    const QFileInfo file(fileName);
    if (!file.isFile() || !QCoreApplication::instance())
        return;
    if (!effect)
        effect = new QSoundEffect(QCoreApplication::instance());
    effect->setVolume(AudioVolume::instance().linear());
    effect->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    effect->play();
}

} // namespace

void playSound(const QString& fileName)
{
    if (installedPlayer())
        installedPlayer()(fileName);
    else
        playWithQt(fileName);
}

SoundPlayer setSoundPlayer(SoundPlayer player)
{
    return std::exchange(installedPlayer(), std::move(player));
}

} // namespace media
