#pragma once

// The base of the screen transitions: an effect that turns the picture a
// screen area showed into the new picture of a window, frame by frame.
//
// In calling order: prepare() makes the old picture and lays the render
// layer over the area, inside the target's window; execute() makes the new
// picture, runs the frames once the window is on the screen and takes the
// layer away; release() frees the pictures. play() runs the frames of one
// run into any output, without windows.

#include "presentation/transitions/chrono.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <functional>
#include <memory>

class QWidget;
class TTERenderLayer;
class TTETransitionData;
class TTransitionList;

enum TTEPassSetting { teOnePass, teTwoPasses, tePaletteDependent };

enum TTEEffectDirection {
    tedNone,
    tedRight,
    tedLeft,
    tedDown,
    tedUp,
    tedDownRight,
    tedDownLeft,
    tedUpRight,
    tedUpLeft,
    tedIn,
    tedOut
};

// Settings of the second pass of a two-pass run; the game runs one pass.
struct TTEPass2Options {
    bool DistributedTime = false;
    bool Reversed = false;
    bool UseSolidColor = true;
    QColor SolidColor = Qt::black;
};

// One transition at a time in the whole program: while a transition is
// prepared or running, every other one is skipped.
bool transitionInProgress();

class TTransitionEffect : public QObject {
    Q_OBJECT

public:
    using TransitionEvent = std::function<void(TTransitionEffect* Sender)>;
    using AbortQueryEvent =
        std::function<void(TTransitionEffect* Sender, TTransitionEffect* Transition, bool& Abort)>;

    // The abort query is made at most this often.
    static constexpr double AbortQueryIntervalMs = 300;

    explicit TTransitionEffect(QObject* parent = nullptr);
    ~TTransitionEffect() override;

    bool Enabled = true;
    // The length of a run; 0 or less: as fast as possible, one step a frame.
    int Milliseconds = 0;
    TTEPassSetting PassSetting = teOnePass;
    TTEPass2Options Pass2Options;
    TTEEffectDirection Direction = tedNone;
    // Kept with the settings; every effect of the game runs forwards.
    bool Reversed = false;
    // A left click on the render layer ends the run at once.
    bool AbortOnClick = false;
    // The Escape key ends the run at once.
    bool AbortOnEscape = false;
    bool FlickerFreeWhenDisabled = false;

    TransitionEvent OnBeforeTransition;
    TransitionEvent OnStartTransition;
    // Fires however the run ends (completed, aborted, or failed before the
    // error is passed on), so a screen waiting for the end always goes on.
    TransitionEvent OnEndTransition;
    TransitionEvent OnAfterTransition;
    // Asked at most every 300 ms while a run goes on; setting Abort ends it.
    AbortQueryEvent OnAbortQuery;

    // Makes the picture the game showed over the area (in the target's own
    // coordinates) and covers the area with the render layer, which shows
    // that picture. False, and nothing happens, when the effect is disabled,
    // another transition is in progress, or the target is not visible on a
    // screen.
    bool prepare(QWidget* target, const QRect& area);
    // Runs a prepared effect: waits for the target's window to reach the
    // screen, makes the new picture by painting the target into a bitmap,
    // plays the frames into the layer and takes the layer away. Errors are
    // passed on after everything is cleaned up.
    void execute();
    // Frees the captured pictures and ends the transition in progress.
    void release();
    bool prepared() const { return holdsFlag_; }

    // The frames of one run, into data.output: the start event, the run
    // with its abort query, the end event.
    void play(TTETransitionData& data);
    bool aborted() const { return aborted_; }

    // The clock of the effect's stopwatches; empty for the platform's clock.
    virtual void setTimeSource(TTEChrono::TimeSource source);

    TTransitionList* list() const { return list_; }

protected:
    // The run procedure of the effect.
    virtual void run(TTETransitionData& data) = 0;

    // Made at the start of every step: asks whether the run should end, at
    // most every 300 ms and only when something can end it.
    bool abortQuery();

    // Shows the changed part of the work bitmap and clears the record of it.
    void update(TTETransitionData& data);

private:
    friend class TTransitionList;

    void removeRenderLayer();
    QImage captureTarget();
    void followTargetSize();

    TTransitionList* list_ = nullptr;
    QPointer<QWidget> target_;
    QRect area_; // in the target's coordinates
    QImage oldPicture_;
    QPointer<TTERenderLayer> layer_; // a child of the target's window
    bool holdsFlag_ = false;
    bool aborted_ = false;
    TTEChrono abortChrono_;
};
