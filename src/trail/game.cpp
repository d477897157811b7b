#include "game.h"

#include "platform/background.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "shell/application.h"
#include "shell/durations.h"
#include "shell/gamestate.h"

#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "platform/picturebox.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>

using platform::guard;

TGame::TGame(QWidget* parent)
    : Form(parent, Qt::Window | Qt::FramelessWindowHint), Client(new QWidget(this)),
      Image1(new platform::PictureBox(Client)), BPanel(new QWidget(Client)), EndTime(new QTimer(this))
{
    setObjectName(QStringLiteral("Game"));
    setWindowTitle(QStringLiteral("Kelvarin"));
    setFont(platform::sansFont(11));
    // The window colour of the trail screen, almost black with a touch of blue.
    platform::fillBackground(Client, QColor(3, 2, 10));

    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("Scene"));

    EndTime->setObjectName(QStringLiteral("EndTime"));
    EndTime->setInterval(Durations::EndTime);
    connect(EndTime, &QTimer::timeout, this, guard(this, &TGame::EndTimeTimer));

    createMenu();
    createBottomBar();
    createPlayers();
    FormCreate();
}

TGame::~TGame() = default;

void TGame::FormCreate()
{
    placeFullScreen();
    applyLayout();
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
    for (media::MediaPlayer* clip : {MPchar, MPghost, MPfish, MPfish2, MPreel, MPskel})
        clip->setDisplay(Client);
    // The music and the reel open with the window: without them the trail
    // cannot be played, and start-up reports which file is missing.
    MPmus->Open();
    MPmus2->Open();
    MPreel->Open();
}

void TGame::createBottomBar()
{
    BPanel->setObjectName(QStringLiteral("BPanel"));
    platform::fillBackground(BPanel, QColor(192, 192, 192));

    auto makeButton = [this](const char* name, const QString& caption, bool enabled) {
        auto* button = new QPushButton(caption, BPanel);
        button->setObjectName(QString::fromLatin1(name));
        button->resize(110, 33);
        button->setEnabled(enabled);
        button->setAutoDefault(false);
        return button;
    };
    Visit = makeButton("Visit", QStringLiteral("Visit the Trading Post"), false);
    Look = makeButton("Look", QStringLiteral("Look Around "), false);
    Continue = makeButton("Continue", QStringLiteral("Go To Next Town"), false);
    Exit1 = makeButton("Exit1", QStringLiteral("&Exit"), true);
    connect(Exit1, &QPushButton::clicked, this, guard(this, &TGame::Exit1Click));
}

void TGame::applyLayout()
{
    const int menuHeight = MainMenu->sizeHint().height();
    MainMenu->setGeometry(0, 0, width(), menuHeight);
    Client->setGeometry(0, menuHeight, width(), height() - menuHeight);

    layout = computeTrailLayout(width(), height());
    GameState& s = gameState();
    s.VScale = layout.VScale;
    s.HScale = layout.HScale;
    s.PicLeft = layout.PicLeft;
    s.PicTop = layout.PicTop;
    s.IPicLeft = layout.IPicLeft;
    s.IPicTop = layout.IPicTop;

    Image1->setGeometry(layout.picture());
    BPanel->setGeometry(0, Client->height() - layout.barH, Client->width(), layout.barH);
    Visit->move(layout.Visit);
    Look->move(layout.Look);
    Continue->move(layout.Continue);
    Exit1->move(layout.Exit1);
    // The reel turns at the foot of the rod.
    MPreel->setDisplayRect(QRect(layout.Rod.x() + 52, layout.Rod.y() + 231, 23, 34));
}
