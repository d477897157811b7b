#include "qtmediaplayer.h"

#include "media/audiovolume.h"
#include "platform/errorreport.h"

#include <QAudioOutput>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <QVideoSink>

namespace media {

namespace {

// How long an Open may take before the file counts as unplayable. Loading
// takes 10-30 ms once warm and about 150 ms for the first file of the run.
constexpr int OpenTimeoutMs = 5000;

} // namespace

QtMediaPlayer::QtMediaPlayer(QObject* parent)
    : MediaPlayer(parent), player_(new QMediaPlayer(this)), audio_(new QAudioOutput(this)),
      stretchTimer_(new QTimer(this))
{
    player_->setAudioOutput(audio_);
    applyVolume();
    connect(&AudioVolume::instance(), &AudioVolume::changed, this, &QtMediaPlayer::applyVolume);

    stretchTimer_->setSingleShot(true);
    stretchTimer_->setTimerType(Qt::PreciseTimer);
    connect(stretchTimer_, &QTimer::timeout, this, &QtMediaPlayer::checkStretchEnd);
    connect(player_, &QMediaPlayer::positionChanged, this, [this] {
        if (stretchEnd_ >= 0)
            checkStretchEnd();
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this,
            [this](QMediaPlayer::MediaStatus status) { onStatusChanged(status); });
    connect(player_, &QMediaPlayer::errorOccurred, this,
            [this](QMediaPlayer::Error, const QString& message) { onError(message); });
}

QtMediaPlayer::~QtMediaPlayer()
{
    // No notification from a player that is going away.
    playActive_ = false;
    disconnect(player_, nullptr, this, nullptr);
}

void QtMediaPlayer::applyVolume()
{
    audio_->setVolume(AudioVolume::instance().linear());
}

void QtMediaPlayer::setDisplay(QWidget* window)
{
    MediaPlayer::setDisplay(window);
    delete surface_;
    if (!window)
        return;
    surface_ = new VideoSurface(window);
    surface_->setGeometry(DisplayRect());
    if (!sink_) {
        sink_ = new QVideoSink(this);
        player_->setVideoSink(sink_);
        connect(sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
            VideoSurface* surface = surface_;
            if (!surface)
                return;
            surface->showFrame(frame);
            if (playActive_ && surface->isHidden() && !surface->lastFrame().isNull())
                showSurface(*surface);
        });
    }
}

void QtMediaPlayer::setDisplayRect(const QRect& rect)
{
    MediaPlayer::setDisplayRect(rect);
    if (surface_)
        surface_->setGeometry(rect);
}

void QtMediaPlayer::Open()
{
    Close();
    Error = NoMediaError;
    const QFileInfo file(FileName);
    if (!file.isFile()) {
        Error = FileNotFound;
        platform::raise(
            QCoreApplication::translate("Media", "The game cannot find the file \"%1\".")
                .arg(FileName));
    }

    loaded_ = failed_ = false;
    firstError_.clear();
    if (VideoSurface* surface = surface_)
        surface->clear();
    player_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    // The pipeline reports back through the event loop; let it run (without
    // the player's clicks) until the file is loaded or refused.
    QDeadlineTimer deadline(OpenTimeoutMs);
    while (!loaded_ && !failed_ && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    if (!loaded_) {
        const QString reason =
            firstError_.isEmpty() ? QCoreApplication::translate("Media", "it took too long to load")
                                  : firstError_;
        player_->setSource(QUrl());
        // A late error of this file must not reach the next Open.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        Error = CannotDecode;
        platform::raise(
            QCoreApplication::translate("Media", "The game cannot play the file \"%1\": %2")
                .arg(FileName, reason));
    }
    mode_ = MediaMode::Stopped;
    atEnd_ = false;
}

void QtMediaPlayer::Close()
{
    if (mode_ == MediaMode::NotReady && player_->source().isEmpty())
        return;
    finishPlay();
    player_->stop();
    player_->setSource(QUrl());
    mode_ = MediaMode::NotReady;
    atEnd_ = false;
}

void QtMediaPlayer::Stop()
{
    if (!playActive_)
        return;
    player_->pause();
    finishPlay();
}

void QtMediaPlayer::Rewind()
{
    Stop();
    if (mode_ == MediaMode::NotReady)
        return;
    player_->setPosition(0);
    atEnd_ = false;
}

void QtMediaPlayer::Play()
{
    requireOpen();
    finishPlay(); // a play in progress is superseded
    qint64 start = -1, end = -1;
    takeStretch(start, end);
    if (start >= 0)
        player_->setPosition(start);
    else if (atEnd_)
        player_->setPosition(0);
    atEnd_ = false;
    stretchEnd_ = end;
    playActive_ = true;
    mode_ = MediaMode::Playing;
    // A clip appears with its first frame, not as a black box while the
    // pipeline starts (a few hundred ms for the first play of a file).
    if (VideoSurface* surface = surface_; surface && !surface->lastFrame().isNull())
        showSurface(*surface);
    player_->play();
    if (stretchEnd_ >= 0) {
        const qint64 from = start >= 0 ? start : player_->position();
        stretchTimer_->start(static_cast<int>(std::max<qint64>(0, stretchEnd_ - from)));
    }
}

void QtMediaPlayer::Hold()
{
    if (!playActive_ || held_)
        return;
    held_ = true;
    stretchTimer_->stop();
    player_->pause();
}

void QtMediaPlayer::Resume()
{
    if (!held_)
        return;
    held_ = false;
    if (!playActive_)
        return;
    player_->play();
    // The stretch's end is measured again from where the play stood.
    if (stretchEnd_ >= 0)
        armStretchTimer();
}

void QtMediaPlayer::showSurface(VideoSurface& surface)
{
    surface.setGeometry(DisplayRect());
    surface.show();
    surface.raise();
}

qint64 QtMediaPlayer::Position() const
{
    if (mode_ == MediaMode::NotReady)
        return 0;
    return atEnd_ ? player_->duration() : player_->position();
}

void QtMediaPlayer::requireOpen() const
{
    if (mode_ == MediaMode::NotReady)
        platform::raise(QCoreApplication::translate(
                            "Media", "The file \"%1\" is not open, so it cannot be played.")
                            .arg(FileName));
}

void QtMediaPlayer::checkStretchEnd()
{
    if (!playActive_ || stretchEnd_ < 0)
        return;
    const qint64 position = player_->position();
    if (position >= stretchEnd_ - 1) {
        player_->pause();
        finishPlay();
        return;
    }
    armStretchTimer();
}

void QtMediaPlayer::armStretchTimer()
{
    // Re-armed from the real position: the precise timer stops within a
    // millisecond or two, where position updates alone come every 100 ms.
    stretchTimer_->start(static_cast<int>(stretchEnd_ - player_->position()));
}

void QtMediaPlayer::finishPlay()
{
    held_ = false;
    stretchTimer_->stop();
    stretchEnd_ = -1;
    if (!playActive_)
        return;
    playActive_ = false;
    mode_ = MediaMode::Stopped;
    if (surface_)
        surface_->hide();
    postNotify();
}

void QtMediaPlayer::onStatusChanged(int status)
{
    switch (static_cast<QMediaPlayer::MediaStatus>(status)) {
    case QMediaPlayer::LoadedMedia:
    case QMediaPlayer::BufferedMedia:
        loaded_ = true;
        break;
    case QMediaPlayer::InvalidMedia:
        failed_ = true;
        if (playActive_)
            finishPlay();
        break;
    case QMediaPlayer::EndOfMedia:
        atEnd_ = true;
        finishPlay();
        break;
    default:
        break;
    }
}

void QtMediaPlayer::onError(const QString& message)
{
    if (firstError_.isEmpty())
        firstError_ = message;
    failed_ = true;
    // A clip that breaks while playing must not stall the game waiting for it.
    if (playActive_)
        finishPlay();
}

} // namespace media
