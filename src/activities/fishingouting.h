#pragma once

// A fishing outing at the lake: a good spot on the water, a bite, a second
// to reel in.
//
// "Go Fishing" begins an outing; whatever leaves the lake (looking around,
// moving on, the journey's end) ends it. The outing owns its four timers,
// the bite in progress, the lake clips it started and what the lake shows on
// the trail screen (rod, float, good spot, hint, catch panel): ending it
// stops and hides every one of them. A late event of an ended outing (a tick
// queued before the stop, the end of a clip it stopped, a click taken while
// the cast let other events run) finds it ended and does nothing.

#include <QObject>
#include <QPoint>
#include <map>

class QTimer;
class QWidget;
class TGame;
namespace media {
class MediaPlayer;
}

class FishingOuting : public QObject {
    Q_OBJECT

public:
    explicit FishingOuting(TGame& game);

    bool isOn() const { return outing_ != 0; }

    // Begins an outing at the lake of the current town.
    void Fish();
    // Ends the outing in progress, if any.
    void leave();

    // The player: a cast on the good spot (a position inside it), a click on
    // the lake picture elsewhere (a position in the scene picture), the rod.
    void hotspotMouseDown(int x, int y);
    void castElsewhere(int x, int y);
    void RodClick();

    // The timers' ticks and the end of a lake clip or of the reel.
    void TimeCatchFishTimer();
    void TimeFish1Timer();
    void TimeFish2Timer();
    void TimeFishShowTimer();
    void clipEnded(media::MediaPlayer* clip);

    // Fishing with the keyboard: the arrow keys move an aim over the lake
    // (with Shift in longer steps), Space or Enter casts there, or pulls in
    // the rod while a fish is biting, and R pulls in the rod. True when the
    // key was fishing's.
    bool keyPressed(int key, bool shift);

    QTimer* TimeFish1 = nullptr;     // the lake clips, one every 14 to 20 s
    QTimer* TimeFish2 = nullptr;     // the ripples over the good spot
    QTimer* TimeCatchFish = nullptr; // the bite, then the second to reel in
    QTimer* TimeFishShow = nullptr;  // how long the ripples show

    // A fish is biting and the rod may be clicked.
    int BitePending = 0;
    // Which lake clip plays next: 1 the first, 0 the second. Kept for the run.
    int NextLakeClip = 0;

private:
    bool stillOn(int outing) const { return outing != 0 && outing_ == outing; }
    void MoveHotSpot();
    void DrawFish();
    void showHint(const char* source);
    void playClip(media::MediaPlayer* clip);
    // The rod shows the cast picture for a moment; false when the outing
    // ended while the cast let other events run.
    bool showCast();

    // Where the keyboard's aim stands, in the scene picture's own pixels.
    QPoint aim_{300, 250};
    QWidget* aimMark_ = nullptr;
    void showAim();
    void castAtAim();

    TGame& game_;
    int outing_ = 0; // the outing in progress, 0 when none
    int outingsBegun_ = 0;
    // Which outing started the play each clip reports the end of.
    std::map<media::MediaPlayer*, int> playedIn_;
};
