#pragma once

// The intro: the storyteller Sedora by the campfire. A picture with a burning
// fire, five captions in turn, her speaking face and one narration track of
// music and voice. The narration's position paces the captions and its end
// ends the intro; a click ends it sooner. While it waits for its first tick
// the intro counts how fast the machine handles events and marks a slow one,
// so that the later screens take longer over their transitions. Escape,
// Return, Enter and Space end it as a click does; its captions follow the
// caption size, and are announced to screen readers when no narration
// speaks them.

#include "platform/form.h"
#include "presentation/introlayout.h"

#include <QtGlobal>
#include <cstdint>

class QLabel;
class QTimer;
class TFormTransitions;
class TFuseTransition;
class TTransitionList;

namespace media {
class MediaPlayer;
}
namespace platform {
class PictureBox;
}

class TIntro : public platform::Form {
    Q_OBJECT

public:
    explicit TIntro(QWidget* parent = nullptr);
    ~TIntro() override;

    // Fewer rounds of the event pump than this before the first tick mark the
    // machine as slow.
    static constexpr long SlowMachineRounds = 10000;

    platform::PictureBox* Image1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    media::MediaPlayer* MPFace = nullptr;
    media::MediaPlayer* MPlay1 = nullptr; // the fire; Tag 1 while it loops
    media::MediaPlayer* MPC1 = nullptr;   // the narration; Tag 1 while its end ends the intro
    QTimer* Time1 = nullptr;              // the step timer; the form's Tag counts its ticks
    QTimer* Ends = nullptr;               // closes the intro after a click
    TTransitionList* TransitionList1 = nullptr;
    TFuseTransition* Transition1 = nullptr;
    TFormTransitions* FormTransitions1 = nullptr;

    // Set by the player's click; the waiting captions stop on it.
    std::uint8_t IntroSkipped = 0;

    void FormCreate();
    void FormShow() override;
    void FormActivate() override;
    void FormClick();
    void Time1Timer();
    void EndsTimer();
    void MPlay1Notify();
    void MPC1Notify();

    // Time1 runs again, with this interval.
    void SetInterval(int ms);
    void Fire(bool on);
    // Opens the fire afresh in its rectangle.
    void ShowFire();
    // Everything stops and the screen goes black.
    void Black();
    // Waits until the narration reaches the position, then runs the step.
    // False when the captions stop here: the player clicked, the intro has
    // ended, or the narration is not playing (the step timer then paces the
    // steps).
    bool TakeAction(qint64 position, int step);
    void Action(int step);

    // The intro has closed (or is closing): every wait ends.
    bool ended() const;
    const IntroLayout& layout() const { return layout_; }

protected:
    void layOut() override;
    void FormClose() override;
    void done(int result) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createPlayers();
    void createTimers();
    void createTransitions();
    void showCaption(QLabel* label, int caption);
    void setCaptionText(QLabel* label, int caption);
    // The intro's own words, in the language in view.
    void putTexts();
    void languageChanged() override;
    void measureFirstTick();
    void firstTick();
    // The narration's play ended before the story was told.
    void tellOnWithoutNarration();
    // Lets pending events run; false when the intro was clicked away or
    // ended meanwhile, so the step in progress stops there.
    bool pumpAndGoOn();
    bool narrating() const;

    IntroLayout layout_{};
    // The fire's clip at its place on the stage.
    void ShowFireAt();
    bool activated_ = false;
    bool closed_ = false;
    int lastStep_ = 1; // caption 1 is shown from the start
};
