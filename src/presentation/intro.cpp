// The intro's window: its picture, captions, clips, timers and transition,
// where they go on the screen, and the clicks that end it.

#include "intro.h"

#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "media/pictures.h"
#include "platform/announce.h"
#include "platform/background.h"
#include "platform/captionsize.h"
#include "platform/controls.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/messagepump.h"
#include "platform/picturebox.h"
#include "platform/windowmode.h"
#include "presentation/storytexts.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/fusetransition.h"
#include "presentation/transitions/transitionlist.h"
#include "shell/durations.h"
#include "shell/gamepause.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

using platform::guard;

namespace {
// Which of the intro's captions a label shows.
constexpr const char* CaptionProperty = "introCaption";
} // namespace

TIntro::TIntro(QWidget* parent) : Form(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Intro"));
    platform::fillBackground(this, Qt::black);
    createControls();
    createTimers();
    createTransitions();
    createPlayers();
    putTexts();
    FormCreate();
}

TIntro::~TIntro() = default;

void TIntro::putTexts()
{
    setWindowTitle(tr("Introduction"));
    Image1->setAccessibleName(tr("Sedora by the campfire"));
}

void TIntro::languageChanged()
{
    putTexts();
    // A caption in view is shown again in the new language, where it stands.
    for (QLabel* label : {Label1, Label2}) {
        const int caption = label->property(CaptionProperty).toInt();
        if (caption > 0 && !label->text().isEmpty())
            setCaptionText(label, caption);
    }
}

void TIntro::createControls()
{
    Image1 = new platform::PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));

    Label1 = platform::newLabel(this, "Label1", platform::sansFont(19), Qt::yellow, true);
    Label2 = platform::newLabel(this, "Label2", platform::sansFont(21), Qt::cyan, true);
    platform::setLabelColors(Label2, Qt::cyan, Qt::black);
    Label2->hide();
    platform::followCaptionSize(Label1);
    platform::followCaptionSize(Label2);
    platform::addCaptionSizeKeys(this);
    platform::addFullScreenKey(this);
    addPauseKeys(this);

    // A click anywhere on the intro counts: on the window, the picture or a
    // caption.
    for (QWidget* control : {static_cast<QWidget*>(Image1), static_cast<QWidget*>(Label1),
                             static_cast<QWidget*>(Label2)})
        control->installEventFilter(this);
}

void TIntro::createTimers()
{
    Time1 = new QTimer(this);
    Time1->setObjectName(QStringLiteral("Time1"));
    Time1->setInterval(Durations::IntroStep);
    Ends = new QTimer(this);
    Ends->setObjectName(QStringLiteral("Ends"));
    Ends->setInterval(Durations::IntroEnds);
    connect(Time1, &QTimer::timeout, this, guard(this, &TIntro::Time1Timer));
    connect(Ends, &QTimer::timeout, this, guard(this, &TIntro::EndsTimer));
}

void TIntro::createTransitions()
{
    TransitionList1 = new TTransitionList(this);
    Transition1 = TransitionList1->add<TFuseTransition>();
    Transition1->Milliseconds = Durations::IntroDissolve;
    FormTransitions1 = new TFormTransitions(this);
    FormTransitions1->DestroyTransitions = false;
    FormTransitions1->ShowTransition = Transition1;
}

void TIntro::createPlayers()
{
    auto make = [this](const char* name, const char* file) {
        media::MediaPlayer* player = media::createPlayer(this);
        player->setObjectName(QString::fromLatin1(name));
        player->FileName = QString::fromLatin1(file);
        return player;
    };
    MPFace = make("MPFace", MediaFiles::IntroFace);
    MPlay1 = make("MPlay1", MediaFiles::IntroFire);
    MPC1 = make("MPC1", MediaFiles::IntroNarration);
    MPFace->setDisplay(this);
    MPlay1->setDisplay(this);
    connect(MPlay1, &media::MediaPlayer::Notify, this, guard(this, &TIntro::MPlay1Notify));
    connect(MPC1, &media::MediaPlayer::Notify, this, guard(this, &TIntro::MPC1Notify));
    // The intro cannot be told without its files: a missing one ends the
    // start of the game with a message that names it.
    MPFace->Open();
    MPlay1->Open();
    MPC1->Open();
}

void TIntro::FormCreate()
{
    placeMainScreen();
    showCaption(Label1, 1);
}

void TIntro::layOut()
{
    // The campfire keeps to the window's 4:3 stage, with black around it.
    const QRect stage = stageRect();
    const QPoint corner = stage.topLeft();
    layout_ = computeIntroLayout(stage.width(), stage.height());
    Image1->setGeometry(QRect(corner, layout_.image));
    Label1->setFixedWidth(layout_.label1Width);
    Label1->move(corner + layout_.label1);
    Label2->setFixedWidth(layout_.label2Width);
    Label2->move(corner + layout_.label2);
    for (QLabel* caption : {Label1, Label2}) {
        if (!caption->text().isEmpty())
            platform::fitCaption(caption);
    }
    MPFace->setDisplayRect(layout_.face.translated(corner));
    if (!MPlay1->DisplayRect().isEmpty())
        ShowFireAt();
}

void TIntro::ShowFireAt()
{
    MPlay1->setDisplayRect(layout_.fire.translated(stageRect().topLeft()));
}

void TIntro::setCaptionText(QLabel* label, int caption)
{
    label->setProperty(CaptionProperty, caption);
    label->setText(story::introCaption(caption));
    // The caption's height follows its text, as many lines as it wraps to.
    label->resize(label->width(), label->heightForWidth(label->width()));
    platform::fitCaption(label);
}

void TIntro::showCaption(QLabel* label, int caption)
{
    setCaptionText(label, caption);
    label->show();
    // The narration speaks the captions; told in silence, the reader does.
    if (!narrating())
        platform::announce(label, label->text());
}

void TIntro::FormShow()
{
    media::loadJpegInto(Image1, QStringLiteral("i0"));
    ShowFire();
    platform::pumpMessages();
}

void TIntro::ShowFire()
{
    MPlay1->Open();
    ShowFireAt();
}

void TIntro::FormClick()
{
    // Before the first tick the intro has not begun: a click does nothing.
    if (Tag == 0 || closed_)
        return;
    Black();
    IntroSkipped = 1;
    setCursor(Qt::WaitCursor);
    // A second click does not put the end off.
    if (!Ends->isActive())
        Ends->start();
}

void TIntro::EndsTimer()
{
    Ends->stop();
    close();
}

void TIntro::mouseReleaseEvent(QMouseEvent* event)
{
    Form::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        platform::guarded([this] { FormClick(); });
}

void TIntro::mouseDoubleClickEvent(QMouseEvent* event)
{
    Form::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        platform::guarded([this] { FormClick(); });
}

void TIntro::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        event->accept();
        if (!event->isAutoRepeat())
            platform::guarded([this] { FormClick(); });
        return;
    default:
        Form::keyPressEvent(event);
    }
}

bool TIntro::eventFilter(QObject* watched, QEvent* event)
{
    const bool click =
        event->type() == QEvent::MouseButtonRelease || event->type() == QEvent::MouseButtonDblClick;
    if (click && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        platform::guarded([this] { FormClick(); });
        return true;
    }
    return Form::eventFilter(watched, event);
}

void TIntro::FormClose()
{
    closed_ = true;
}

void TIntro::done(int result)
{
    closed_ = true;
    Form::done(result);
}
