#include "fakemedia.h"

#include "media/soundeffects.h"
#include "platform/errorreport.h"

using media::MediaMode;

namespace {

FakeMedia* currentMedia = nullptr;

} // namespace

void FakeMediaPlayer::Open()
{
    Close();
    calls << QStringLiteral("Open");
    Error = media::NoMediaError;
    if (currentMedia && currentMedia->missingFiles.contains(FileName)) {
        Error = media::FileNotFound;
        platform::raise(QStringLiteral("The game cannot find the file \"%1\".").arg(FileName));
    }
    mode = MediaMode::Stopped;
    position = 0;
}

void FakeMediaPlayer::Close()
{
    if (mode == MediaMode::NotReady)
        return;
    calls << QStringLiteral("Close");
    endPlay();
    mode = MediaMode::NotReady;
}

void FakeMediaPlayer::Stop()
{
    calls << QStringLiteral("Stop");
    endPlay();
}

void FakeMediaPlayer::Rewind()
{
    calls << QStringLiteral("Rewind");
    endPlay();
    position = 0;
}

void FakeMediaPlayer::Play()
{
    if (mode == MediaMode::NotReady)
        platform::raise(QStringLiteral("The file \"%1\" is not open.").arg(FileName));
    endPlay();
    qint64 start = -1, end = -1;
    takeStretch(start, end);
    if (start >= 0 || end >= 0) {
        calls << QStringLiteral("Play %1-%2").arg(start).arg(end);
        if (start >= 0)
            position = start;
    } else {
        calls << QStringLiteral("Play");
    }
    ++plays;
    active_ = true;
    mode = MediaMode::Playing;
}

void FakeMediaPlayer::finishPlay()
{
    endPlay();
}

void FakeMediaPlayer::Hold()
{
    if (!active_ || held)
        return;
    held = true;
    calls << QStringLiteral("Hold");
}

void FakeMediaPlayer::Resume()
{
    if (!held)
        return;
    held = false;
    calls << QStringLiteral("Resume");
}

void FakeMediaPlayer::endPlay()
{
    held = false;
    if (!active_)
        return;
    active_ = false;
    mode = MediaMode::Stopped;
    postNotify();
}

FakeMedia::FakeMedia()
{
    currentMedia = this;
    previousFactory_ = media::setPlayerFactory([this](QObject* owner) {
        auto* player = new FakeMediaPlayer(owner);
        players_.emplace_back(player);
        return player;
    });
    media::setSoundPlayer([this](const QString& file) { sounds << file; });
}

FakeMedia::~FakeMedia()
{
    media::setPlayerFactory(previousFactory_);
    media::setSoundPlayer({});
    currentMedia = nullptr;
}

FakeMediaPlayer* FakeMedia::player(const QString& objectName) const
{
    for (auto it = players_.rbegin(); it != players_.rend(); ++it) {
        if (*it && (*it)->objectName() == objectName)
            return it->data();
    }
    return nullptr;
}
