#pragma once

// The game's media player on Qt Multimedia (GStreamer). One QMediaPlayer per
// file with an audio output always attached (without one an MP3 never
// advances), the mode kept here rather than read back from Qt, a precise
// timer for the end of a stretch, and one notification per play.

#include "media/mediaplayer.h"
#include "media/videosurface.h"

#include <QPointer>

class QAudioOutput;
class QMediaPlayer;
class QTimer;
class QVideoSink;

namespace media {

class VideoSurface;

class QtMediaPlayer : public MediaPlayer {
    Q_OBJECT

public:
    explicit QtMediaPlayer(QObject* parent = nullptr);
    ~QtMediaPlayer() override;

    void Open() override;
    void Close() override;
    void Stop() override;
    void Rewind() override;
    void Play() override;
    void Hold() override;
    void Resume() override;
    MediaMode Mode() const override { return mode_; }
    qint64 Position() const override;

    void setDisplay(QWidget* window) override;
    void setDisplayRect(const QRect& rect) override;

    // The surface a clip draws on (null for audio or before a display is set).
    VideoSurface* surface() const { return surface_; }

private:
    void requireOpen() const;
    void showSurface(VideoSurface& surface);
    void checkStretchEnd();
    void armStretchTimer();
    // Ends the play in progress: the one place that posts Notify.
    void finishPlay();
    void onStatusChanged(int status);
    void onError(const QString& message);
    void applyVolume();

    QMediaPlayer* player_;
    QAudioOutput* audio_;
    QVideoSink* sink_ = nullptr;
    QPointer<VideoSurface> surface_;
    QTimer* stretchTimer_;

    MediaMode mode_ = MediaMode::NotReady;
    bool playActive_ = false;
    bool held_ = false;
    bool atEnd_ = false;
    qint64 stretchEnd_ = -1;

    // What an Open is waiting for.
    bool loaded_ = false;
    bool failed_ = false;
    QString firstError_;
};

} // namespace media
