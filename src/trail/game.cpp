#include "game.h"

#include "activities/fishingouting.h"
#include "activities/tradelist.h"
#include "media/artworknames.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "media/pictures.h"
#include "platform/background.h"
#include "platform/bevelpanel.h"
#include "platform/controls.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "presentation/storytexts.h"
#include "presentation/transitions/formtransitions.h"
#include "presentation/transitions/fusetransition.h"
#include "presentation/transitions/radialtransition.h"
#include "presentation/transitions/transitionlist.h"
#include "shell/durations.h"
#include "shell/gamestate.h"

#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using platform::guard;

TGame::TGame(QWidget* parent) : Form(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Game"));
    setWindowTitle(QStringLiteral("Kelvarin"));
    setFont(platform::sansFont(11));

    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    // The window colour of the trail screen, almost black with a touch of blue.
    platform::fillBackground(Client, QColor(3, 2, 10));

    createMenu();
    createScene();
    createBottomBar();
    createStoryAndHazard();
    createMapPanel();
    createPartyPanel();
    createTradePanel();
    createStoryAgain();
    createFishing();
    fishing = new FishingOuting(*this);
    createEnding();
    createInstructionPanel();
    createTimers();
    createPlayers();
    stackControls();
    createTransitions();
    loadArtwork();
    makeButtonsKeyboardFriendly();
    TradeList = tradeListLines();
    for (int line = 0; line < story::StoryLineCount; ++line)
        ctchar << story::storyLine(line);
    FormCreate();
}

TGame::~TGame() = default;

void TGame::createScene()
{
    Image1 = new platform::PictureBox(Client);
    Image1->setObjectName(QStringLiteral("Image1"));
    platform::setTranslatedText(Image1, "TGame", QT_TRANSLATE_NOOP("TGame", "Scene"),
                                platform::TextRole::AccessibleName);
    Image1->setEnabled(false);
    Image1->installEventFilter(this);
    connect(Image1, &platform::PictureBox::mousePressed, this,
            [this](int x, int y, Qt::MouseButton) {
                platform::guarded([&] { Image1MouseDown(x, y); });
            });
}

void TGame::createBottomBar()
{
    BPanel = new QWidget(Client);
    BPanel->setObjectName(QStringLiteral("BPanel"));
    platform::fillBackground(BPanel, QColor(192, 192, 192));
    ImageBot = new platform::PictureBox(BPanel);
    ImageBot->setObjectName(QStringLiteral("ImageBot"));
    platform::setTranslatedText(ImageBot, "TGame", QT_TRANSLATE_NOOP("TGame", "Bottom bar"),
                                platform::TextRole::AccessibleName);

    auto button = [this](const char* name, const char* caption, bool enabled) {
        QPushButton* b = platform::newButton(BPanel, name, QString(), QRect(0, 0, 110, 33));
        platform::setTranslatedText(b, "TGame", caption);
        b->setEnabled(enabled);
        return b;
    };
    Visit = button("Visit", QT_TRANSLATE_NOOP("TGame", "Visit the Trading Post"), false);
    Look = button("Look", QT_TRANSLATE_NOOP("TGame", "Look Around "), false);
    Continue = button("Continue", QT_TRANSLATE_NOOP("TGame", "Go To Next Town"), false);
    Exit1 = button("Exit1", QT_TRANSLATE_NOOP("TGame", "&Exit"), true);

    auto pictureButton = [this](const char* name, const char* hint) {
        auto* b = new QToolButton(BPanel);
        b->setObjectName(QString::fromLatin1(name));
        b->resize(129, 73);
        platform::setTranslatedText(b, "TGame", hint, platform::TextRole::ToolTip);
        platform::setTranslatedText(b, "TGame", hint, platform::TextRole::AccessibleName);
        b->setIconSize(QSize(121, 65));
        b->setAutoRaise(false);
        return b;
    };
    BtnMap = pictureButton("BtnMap", QT_TRANSLATE_NOOP("TGame", "Weyfarra Map"));
    BtnParty = pictureButton("BtnParty", QT_TRANSLATE_NOOP("TGame", "Your Party"));
    BtnInv = pictureButton("BtnInv", QT_TRANSLATE_NOOP("TGame", "Inventory"));
    // A small mark on the party button while a traveller ails or is weak.
    PartyMark = new QLabel(QStringLiteral("!"), BtnParty);
    PartyMark->setObjectName(QStringLiteral("PartyMark"));
    platform::setTranslatedText(PartyMark, "TGame",
                                QT_TRANSLATE_NOOP("TGame", "A traveller needs care"),
                                platform::TextRole::AccessibleName);
    PartyMark->setAlignment(Qt::AlignCenter);
    PartyMark->setFont(platform::sansFont(14, true));
    PartyMark->setStyleSheet(QStringLiteral(
        "QLabel { background: rgb(230, 120, 20); color: white; border: 2px solid white; "
        "border-radius: 12px; }"));
    PartyMark->setGeometry(BtnParty->width() - 30, 4, 26, 26);
    PartyMark->hide();
    NameHint =
        platform::newLabel(BPanel, "NameHint", platform::sansFont(14, true), QColor(255, 230, 140));
    platform::setTranslatedText(NameHint, "TGame",
                                QT_TRANSLATE_NOOP("TGame", "Name your travellers here"));
    NameHint->hide();

    connect(Exit1, &QPushButton::clicked, this, guard(this, &TGame::Exit1Click));
    connect(Continue, &QPushButton::clicked, this, guard(this, &TGame::ContinueClick));
    connect(Look, &QPushButton::clicked, this, guard(this, &TGame::LookClick));
    connect(Visit, &QPushButton::clicked, this, guard(this, &TGame::VisitClick));
    connect(BtnMap, &QToolButton::clicked, this, guard(this, &TGame::BtnMapClick));
    connect(BtnParty, &QToolButton::clicked, this, guard(this, &TGame::BtnPartyClick));
    connect(BtnInv, &QToolButton::clicked, this, guard(this, &TGame::BtnInvClick));
}

void TGame::createTimers()
{
    auto timer = [this](const char* name, int interval) {
        auto* t = new QTimer(this);
        t->setObjectName(QString::fromLatin1(name));
        t->setInterval(interval);
        return t;
    };
    Go = timer("Go", Durations::RouteTick);
    IP = timer("IP", Durations::FirstInstruction);
    EndTime = timer("EndTime", Durations::EndTime);
    TownNameTime = timer("TownNameTime", Durations::TownName);
    TownNameTime->setSingleShot(true);
    connect(Go, &QTimer::timeout, this, guard(this, &TGame::GoTimer));
    connect(IP, &QTimer::timeout, this, guard(this, &TGame::IPTimer));
    connect(EndTime, &QTimer::timeout, this, guard(this, &TGame::EndTimeTimer));
    connect(TownNameTime, &QTimer::timeout, this, guard(this, &TGame::hideTownName));
}

void TGame::createPlayers()
{
    auto make = [this](const char* name, const char* file) {
        media::MediaPlayer* player = media::createPlayer(this);
        player->setObjectName(QString::fromLatin1(name));
        player->FileName = QString::fromLatin1(file);
        return player;
    };
    MPmus = make("MPmus", MediaFiles::Theme);
    MPmus2 = make("MPmus2", MediaFiles::Jingles);
    MPchar = make("MPchar", "");
    MPghost = make("MPghost", "");
    MPfish = make("MPfish", "");
    MPfish2 = make("MPfish2", "");
    MPreel = make("MPreel", MediaFiles::ReelClip);
    MPskel = make("MPskel", MediaFiles::KeepersClip);
    MPend = make("MPend", "");
    MPwords = make("MPwords", "");
    for (media::MediaPlayer* clip : {MPchar, MPghost, MPfish, MPfish2, MPreel, MPskel, MPend})
        clip->setDisplay(Client);
    connect(MPghost, &media::MediaPlayer::Notify, this, guard(this, &TGame::MPghostNotify));
    connect(MPchar, &media::MediaPlayer::Notify, this, guard(this, &TGame::MPcharNotify));
    connect(MPskel, &media::MediaPlayer::Notify, this, guard(this, &TGame::MPskelNotify));
    connect(MPend, &media::MediaPlayer::Notify, this, guard(this, &TGame::MPendNotify));
    for (media::MediaPlayer* clip : {MPfish, MPfish2, MPreel}) {
        connect(clip, &media::MediaPlayer::Notify, this,
                [this, clip] { platform::guarded([&] { fishing->clipEnded(clip); }); });
    }
    // The music and the reel open with the window: without them the trail
    // cannot be played, and start-up reports which file is missing.
    MPmus->Open();
    MPmus2->Open();
    MPreel->Open();
}

void TGame::stackControls()
{
    // Pictures and labels lie on the scene; the panels and the bottom bar lie
    // above all of them, whatever is shown when. Clips are raised over
    // everything while they play.
    const QList<QWidget*> panels{BPanel, Dchoice, TradePanel, FishPanel, Map, PartyPanel};
    for (QWidget* panel : panels)
        panel->raise();
}

void TGame::createTransitions()
{
    TransitionList1 = new TTransitionList(this);
    Transition1 = TransitionList1->add<TFuseTransition>();
    Transition1->Milliseconds = Durations::Transition;
    Transition1->OnEndTransition = [this](TTransitionEffect* sender) {
        platform::guarded([&] { Transition1EndTransition(sender); });
    };
    Transition1->OnAbortQuery = [this](TTransitionEffect* sender, TTransitionEffect* transition,
                                       bool& abort) {
        platform::guarded([&] { Transition1AbortQuery(sender, transition, abort); });
    };
    Transition2 = TransitionList1->add<TRadialTransition>();
    Transition2->Milliseconds = Durations::Transition;
    Trans1 = new TFormTransitions(this);
    Trans1->DestroyTransitions = false;
    Trans1->ShowTransition = Transition1;
}

void TGame::loadArtwork()
{
    // The panel, the bar and the glyphs are part of the screen's design:
    // without them the screen cannot be shown as it should, and creating it
    // reports which picture is missing.
    IPic->setPicture(media::bitmapPicture(QString::fromLatin1(artwork::InstructionPanel.name)));
    ImageBot->setPicture(media::jpegPicture(QString::fromLatin1(artwork::BottomBar.name)));
    const std::pair<QToolButton*, artwork::Artwork> glyphs[] = {{BtnMap, artwork::MapGlyph},
                                                                {BtnParty, artwork::PartyGlyph},
                                                                {BtnInv, artwork::InventoryGlyph}};
    for (const auto& [button, glyph] : glyphs) {
        const QImage image = media::bitmapPicture(QString::fromLatin1(glyph.name));
        button->setIcon(QIcon(QPixmap::fromImage(image)));
        button->setIconSize(image.size());
    }
    fishies->setPicture(media::bitmapPicture(QString::fromLatin1(artwork::Ripple.name)));
    Bobber->setPicture(media::bitmapPicture(QString::fromLatin1(artwork::Bobber.name)));
}

void TGame::setSceneClickable(bool clickable)
{
    Image1->setEnabled(clickable);
    gameState().ScreenClickable = clickable ? 1 : 0;
}
