#include "mediaplayer.h"

#include "media/qtmediaplayer.h"

#include <QMetaObject>

#include <utility>

namespace media {

void MediaPlayer::postNotify()
{
    // Posted, not emitted here: the handler runs after the call that ended
    // the play has finished, as the screens expect.
    QMetaObject::invokeMethod(this, &MediaPlayer::Notify, Qt::QueuedConnection);
}

namespace {

PlayerFactory& installedFactory()
{
    static PlayerFactory factory;
    return factory;
}

} // namespace

MediaPlayer* createPlayer(QObject* owner)
{
    if (installedFactory())
        return installedFactory()(owner);
    return new QtMediaPlayer(owner);
}

PlayerFactory setPlayerFactory(PlayerFactory factory)
{
    return std::exchange(installedFactory(), std::move(factory));
}

} // namespace media
