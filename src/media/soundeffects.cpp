#include "soundeffects.h"

#include "media/audiovolume.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QPointer>
#include <QUrl>
#include <utility>

namespace media {

namespace {

SoundPlayer& installedPlayer()
{
    static SoundPlayer player;
    return player;
}

// The one player of effects, a media player like those of the music and the
// clips. It belongs to the application object, so that it is gone before the
// multimedia library shuts down. (Qt's own effect class keeps its samples in
// a cache of the library's that outlives the application, and a sample still
// loading when the game ends makes that cache wait for itself forever.)
QPointer<QMediaPlayer>& effectPlayer()
{
    static QPointer<QMediaPlayer> player;
    return player;
}

QMediaPlayer* makeEffectPlayer()
{
    auto* player = new QMediaPlayer(QCoreApplication::instance());
    player->setObjectName(QStringLiteral("SoundEffects"));
    auto* output = new QAudioOutput(player);
    player->setAudioOutput(output);
    output->setVolume(AudioVolume::instance().linear());
    QObject::connect(&AudioVolume::instance(), &AudioVolume::changed, output,
                     [output] { output->setVolume(AudioVolume::instance().linear()); });
    return player;
}

void playWithQt(const QString& fileName)
{
    QPointer<QMediaPlayer>& player = effectPlayer();
    if (player)
        player->stop(); // a new effect cuts off the last
    const QFileInfo file(fileName);
    if (!file.isFile() || !QCoreApplication::instance())
        return;
    if (!player)
        player = makeEffectPlayer();
    const QUrl source = QUrl::fromLocalFile(file.absoluteFilePath());
    if (player->source() != source)
        player->setSource(source);
    player->play(); // from the start: stopping rewound it
}

} // namespace

void playSound(const QString& fileName)
{
    if (installedPlayer())
        installedPlayer()(fileName);
    else
        playWithQt(fileName);
}

void stopSounds()
{
    playSound(QString());
}

SoundPlayer setSoundPlayer(SoundPlayer player)
{
    return std::exchange(installedPlayer(), std::move(player));
}

} // namespace media
