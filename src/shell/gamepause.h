#pragma once

// The teacher's pause. P (or the Pause key, or "View > Pause") on a main
// screen stops the game where it stands: every clip and the music hold their
// place, the screen's timers stop with the time they had left, the screen
// darkens with "Paused — press P to go on" and screen readers hear "Paused".
// Nothing the player does reaches the game until P or Pause is pressed
// again; then everything goes on exactly from where it stood, so the game
// does next what it would have done without the pause.

#include <QObject>
#include <QPointer>
#include <QString>
#include <vector>

class QMenu;
class QTimer;
class QWidget;

namespace media {
class MediaPlayer;
}

class GamePause : public QObject {
    Q_OBJECT

public:
    static GamePause& instance();

    // The words on the darkened screen.
    static QString pausedText();

    bool paused() const { return paused_; }
    // Pauses the game over this main screen; nothing when already paused.
    void pause(QWidget* screen);
    // Goes on; nothing when not paused.
    void resume();
    void toggle(QWidget* screen);

    // The shade over the paused screen (tests look at it).
    QWidget* shade() const { return shade_; }

signals:
    void changed(bool paused);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GamePause() = default;
    void holdTimers();
    void holdClips();
    // Forgets the pause without going on: the program is ending.
    void drop();

    struct HeldTimer {
        QPointer<QTimer> timer;
        int remaining = 0;
        int interval = 0;
    };
    bool paused_ = false;
    std::vector<HeldTimer> timers_;
    std::vector<QPointer<media::MediaPlayer>> clips_;
    QPointer<QWidget> screen_;
    QPointer<QWidget> shade_;
};

// Adds "Pause" to the menu, with P and the Pause key, for this main screen.
void addPauseItem(QMenu* menu, QWidget* screen);
// P and the Pause key for a screen without a menu (the intro).
void addPauseKeys(QWidget* screen);
