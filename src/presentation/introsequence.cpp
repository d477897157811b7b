// The intro's story as it runs: the first tick and the slow-machine mark, the
// captions paced by the narration (or by the step timer when the narration
// cannot play), the fire that loops, and the two ways the intro ends.

#include "intro.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "media/pictures.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "presentation/storytexts.h"
#include "shell/application.h"
#include "shell/durations.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <exception>

namespace {

struct CaptionCue {
    int position; // ms into the narration
    int step;
};

// A caption stays at least this long when the timer takes over from a
// narration that broke off.
constexpr qint64 MinimumCaptionGap = 1000;

constexpr CaptionCue CaptionCues[] = {
    {IntroCues::Caption2, 2},
    {IntroCues::Caption3, 3},
    {IntroCues::Caption4, 4},
    {IntroCues::Caption5, 5},
};

} // namespace

bool TIntro::ended() const
{
    return closed_ || App().Terminated || QCoreApplication::closingDown();
}

bool TIntro::narrating() const
{
    return MPC1->Tag == 1 && MPC1->isPlaying();
}

bool TIntro::pumpAndGoOn()
{
    platform::pumpMessages();
    return !IntroSkipped && !ended();
}

void TIntro::FormActivate()
{
    // The window is activated again after a message box or a switch to
    // another program; the story is told once.
    if (activated_)
        return;
    activated_ = true;
    Time1->start();
    measureFirstTick();
    if (Tag == 0)
        return; // ended before it began
    for (const CaptionCue& cue : CaptionCues) {
        if (!TakeAction(cue.position, cue.step))
            break;
    }
}

void TIntro::measureFirstTick()
{
    // Until the first tick the events are pumped as fast as the machine
    // can. Once it has managed the mark there is nothing more to learn, and
    // the rest of the wait sleeps instead of keeping a core busy.
    const auto ticked = [this] { return Tag != 0 || ended(); };
    const long rounds = platform::spinUntil(ticked, SlowMachineRounds);
    if (rounds < SlowMachineRounds) {
        if (Tag != 0 && !ended())
            App().StartCode = StartCodes::SlowMachine;
        return;
    }
    platform::pumpUntil(ticked);
}

bool TIntro::TakeAction(qint64 position, int step)
{
    if (IntroSkipped)
        return false;
    // Without a playing narration there is no position to wait for: the
    // step timer shows the captions then.
    platform::pumpUntil(
        [&] { return IntroSkipped || ended() || !narrating() || MPC1->Position() >= position; },
        Durations::IntroNarrationPoll);
    if (IntroSkipped || ended() || !narrating())
        return false;
    Action(step);
    return true;
}

void TIntro::SetInterval(int ms)
{
    Time1->setInterval(ms);
    Time1->start();
}

void TIntro::Time1Timer()
{
    ++Tag;
    Time1->stop();
    switch (Tag) {
    case 1:
        firstTick();
        break;
    case 2:
        SetInterval(Durations::IntroSilentCaption2);
        Action(2);
        break;
    case 3:
        SetInterval(Durations::IntroSilentCaption3);
        Action(3);
        break;
    case 4:
        SetInterval(Durations::IntroSilentCaption4);
        Action(4);
        break;
    case 5:
        SetInterval(Durations::IntroSilentCaption5);
        Action(5);
        break;
    default:
        break; // the timer stays off
    }
}

void TIntro::firstTick()
{
    Fire(true);
    try {
        MPC1->Open();
    } catch (const std::exception&) {
        // The sound may have been taken by another program since the start.
        // The story is then told in silence, by the timer, until a click.
        SetInterval(Durations::IntroSilentStart);
        return;
    }
    MPC1->Tag = 1;
    MPC1->Play();
}

void TIntro::Action(int step)
{
    // Each step is shown once and in order, however the steps are paced.
    if (step <= lastStep_ || step > story::IntroCaptionCount)
        return;
    lastStep_ = step;
    switch (step) {
    case 2:
        showCaption(Label1, 2);
        break;
    case 3:
        Image1->hide();
        Fire(false);
        Label1->hide();
        if (!pumpAndGoOn())
            return;
        MPFace->Play();
        showCaption(Label2, 3);
        break;
    case 4:
        // The face belongs to caption 3 on black; a clip that runs late must
        // not speak over the picture and its caption.
        if (MPFace->isPlaying())
            MPFace->Stop();
        Label2->hide();
        media::loadJpegInto(Image1, QStringLiteral("i0"));
        Image1->show();
        ShowFire();
        if (!pumpAndGoOn())
            return;
        Fire(true);
        showCaption(Label1, 4);
        break;
    case 5:
        showCaption(Label1, 5);
        break;
    default:
        break;
    }
}

void TIntro::Fire(bool on)
{
    if (on) {
        MPlay1->Play();
        MPlay1->Tag = 1;
    } else {
        MPlay1->Tag = 0;
        MPlay1->Stop();
        MPlay1->Close();
    }
}

void TIntro::MPlay1Notify()
{
    if (MPlay1->Tag == 1)
        MPlay1->Play();
}

void TIntro::MPC1Notify()
{
    if (MPC1->Tag != 1)
        return;
    MPC1->Tag = 0;
    if (lastStep_ < story::IntroCaptionCount) {
        tellOnWithoutNarration();
        return;
    }
    Image1->hide();
    Label1->hide();
    Black();
    setCursor(Qt::WaitCursor);
    close();
}

void TIntro::tellOnWithoutNarration()
{
    // The narration broke off long before its end (a sound device that fails
    // under load ends a play that way). That is not the end of the story: the
    // step timer shows the rest from where it stopped, and, as when the
    // narration cannot play at all, only a click ends the intro.
    const CaptionCue& next = CaptionCues[lastStep_ - 1];
    const qint64 brokeAt = std::clamp<qint64>(MPC1->Position(), 0, next.position);
    Tag = lastStep_; // the next tick shows the next caption
    SetInterval(static_cast<int>(std::max<qint64>(next.position - brokeAt, MinimumCaptionGap)));
}

void TIntro::Black()
{
    Time1->stop();
    Tag = 1;
    // The narration's Tag goes first, so that the end of play its closing
    // reports does not end the intro a second time.
    const bool narrationOpen = MPC1->Tag == 1;
    MPC1->Tag = 0;
    if (narrationOpen)
        MPC1->Close();
    if (MPFace->isPlaying())
        MPFace->Stop();
    if (MPlay1->Tag == 1) {
        MPlay1->Tag = 0;
        MPlay1->Close();
    }
    // Nothing stays on the screen but black.
    Image1->hide();
    platform::pumpMessages();
    Label1->hide();
    Label2->hide();
    platform::pumpMessages();
}
