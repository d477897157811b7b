#include "soundeffects.h"

#include "media/audiovolume.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

#include <memory>
#include <utility>

namespace media {

namespace {

SoundPlayer& installedPlayer()
{
    static SoundPlayer player;
    return player;
}

void playWithQt(const QString& fileName)
{
    static std::unique_ptr<QSoundEffect> effect;
    if (effect)
        effect->stop(); // a new effect cuts off the last
    const QFileInfo file(fileName);
    if (!file.isFile())
        return;
    if (!effect)
        effect = std::make_unique<QSoundEffect>();
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
