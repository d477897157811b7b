#pragma once

// Media for tests: while a FakeMedia lives, every player the screens create
// is a FakeMediaPlayer that records what it was asked to do and lets the test
// end a play; sound effects are recorded instead of played.

#include "media/mediaplayer.h"

#include <QPointer>
#include <QSet>
#include <QStringList>
#include <vector>

class FakeMediaPlayer : public media::MediaPlayer {
    Q_OBJECT

public:
    using MediaPlayer::MediaPlayer;

    void Open() override;
    void Close() override;
    void Stop() override;
    void Rewind() override;
    void Play() override;
    void Hold() override;
    void Resume() override;
    media::MediaMode Mode() const override { return mode; }
    qint64 Position() const override { return position; }

    // The test ends the play in progress, as the end of the file would.
    void finishPlay();

    // "Open", "Play", "Play 3500-18500", "Stop", "Close", "Rewind", "Hold",
    // "Resume".
    QStringList calls;
    media::MediaMode mode = media::MediaMode::NotReady;
    qint64 position = 0;
    int plays = 0;
    // Held by the pause: the play stands where it is.
    bool held = false;

private:
    void endPlay();
    bool active_ = false;
};

class FakeMedia {
public:
    FakeMedia();
    ~FakeMedia();
    FakeMedia(const FakeMedia&) = delete;
    FakeMedia& operator=(const FakeMedia&) = delete;

    // The player the screens named so ("MPmus"); the latest one of that name.
    FakeMediaPlayer* player(const QString& objectName) const;

    // Files whose Open fails as if they were missing.
    QSet<QString> missingFiles;
    // Sound effects fired, by file name.
    QStringList sounds;

private:
    std::vector<QPointer<FakeMediaPlayer>> players_;
    media::PlayerFactory previousFactory_;
};
