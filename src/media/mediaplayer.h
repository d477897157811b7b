#pragma once

// A media player of the game: plays one file (MP3 music and speech, AVI clips
// drawn in a rectangle of their window) with millisecond positions and a
// notification when a play ends. The screens rely on exactly these
// operations; the real player (QtMediaPlayer) and the tests' fake share them.

#include <QObject>
#include <QRect>
#include <QString>
#include <functional>

class QWidget;

namespace media {

enum class MediaMode {
    NotReady = 0,
    Stopped = 1,
    Playing = 2,
    Recording = 3,
    Seeking = 4,
    Paused = 5,
    Open = 6,
};

// Why the last Open failed (0 when it did not).
enum MediaError { NoMediaError = 0, FileNotFound = 1, CannotDecode = 2 };

class MediaPlayer : public QObject {
    Q_OBJECT

public:
    explicit MediaPlayer(QObject* parent = nullptr) : QObject(parent) {}

    // The file, relative to the data folder ("music/m03.mp3").
    QString FileName;
    // A per-player flag the screens keep (the intro's fire loop, ...).
    int Tag = 0;
    // The error code of the last failed Open, NoMediaError otherwise.
    int Error = NoMediaError;

    // Opens FileName, closing first. Raises an error that names the file
    // when it is missing or cannot be played; Error keeps the reason.
    virtual void Open() = 0;
    virtual void Close() = 0;
    // Stops; the position stays where it is.
    virtual void Stop() = 0;
    virtual void Rewind() = 0;
    // Plays from the current position (from the start when at the end), or
    // exactly the stretch set just before, which is then forgotten.
    virtual void Play() = 0;
    // The game is paused: the play stops where it is without ending (no
    // Notify, the mode stays Playing) and Resume goes on from there. A player
    // that is not playing ignores both.
    virtual void Hold() = 0;
    virtual void Resume() = 0;
    virtual MediaMode Mode() const = 0;
    // Milliseconds.
    virtual qint64 Position() const = 0;

    // One-shot start and end of the next Play, in milliseconds.
    void setStartPos(qint64 ms) { startPos_ = ms; }
    void setEndPos(qint64 ms) { endPos_ = ms; }

    // The window a clip is drawn in, and where in it (left, top, width, height).
    virtual void setDisplay(QWidget* window) { display_ = window; }
    virtual void setDisplayRect(const QRect& rect) { displayRect_ = rect; }
    QWidget* Display() const { return display_; }
    QRect DisplayRect() const { return displayRect_; }

    bool isPlaying() const { return Mode() == MediaMode::Playing; }
    bool isVideo() const { return FileName.endsWith(QLatin1String(".avi"), Qt::CaseInsensitive); }

signals:
    // A Play has ended: at the end of the file or stretch, or cut short by
    // Stop, Close or another Play. Delivered from the event loop, once per Play.
    void Notify();

protected:
    // Takes the one-shot stretch of this Play (-1 where none was set).
    void takeStretch(qint64& start, qint64& end)
    {
        start = startPos_;
        end = endPos_;
        startPos_ = endPos_ = -1;
    }
    // Posts Notify for a Play that has ended.
    void postNotify();

private:
    qint64 startPos_ = -1;
    qint64 endPos_ = -1;
    QWidget* display_ = nullptr;
    QRect displayRect_;
};

// Makes the players of the screens. Tests install a factory of fakes.
using PlayerFactory = std::function<MediaPlayer*(QObject* owner)>;
MediaPlayer* createPlayer(QObject* owner);
PlayerFactory setPlayerFactory(PlayerFactory factory);

} // namespace media
