#include "fleamarket.h"

#include "platform/background.h"
#include "platform/errorreport.h"
#include "platform/fonts.h"
#include "media/helpwindow.h"
#include "media/mediafiles.h"
#include "media/mediaplayer.h"
#include "media/volumedialog.h"
#include "presentation/about.h"
#include "shell/application.h"
#include "shell/screens.h"
#include "trail/game.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

using platform::guard;

TFleaMarket::TFleaMarket(QWidget* parent)
    : Form(parent, Qt::Window | Qt::FramelessWindowHint), Client(new QWidget(this)),
      ILabel(new QLabel(Client)), IButton(new QPushButton(QStringLiteral("&Okay"), Client))
{
    setObjectName(QStringLiteral("FleaMarket"));
    setWindowTitle(QStringLiteral("Flea Market"));
    platform::fillBackground(Client, Qt::black);
    placeFullScreen();
    createMenu();

    const int menuHeight = MainMenu1->sizeHint().height();
    MainMenu1->setGeometry(0, 0, width(), menuHeight);
    Client->setGeometry(0, menuHeight, width(), height() - menuHeight);

    ILabel->setObjectName(QStringLiteral("ILabel"));
    ILabel->setWordWrap(true);
    ILabel->setFont(platform::sansFont(16));
    ILabel->setAutoFillBackground(true);
    ILabel->setMargin(12);
    ILabel->setStyleSheet(QStringLiteral("color: black; background: white;"));
    ILabel->setText(QStringLiteral(
        "The next day at the flea market, you meet Sedora again, and she tells you a Verunai "
        "legend.  She is ready to send you on a strange adventure, but first you must do some "
        "shopping!"));
    const int half = width() / 2;
    ILabel->setGeometry(half - 90, Client->height() / 2 - 120, 281, 150);
    IButton->setObjectName(QStringLiteral("IButton"));
    IButton->setGeometry(half, ILabel->geometry().bottom() + 12, 75, 25);
    connect(IButton, &QPushButton::clicked, this, guard(this, &TFleaMarket::IButtonClick));

    MPTalk = media::createPlayer(this);
    MPTalk->setObjectName(QStringLiteral("MPTalk"));
    MPTalk->FileName = QString::fromLatin1(MediaFiles::ShopkeeperVoice);
    MPTalk->Open();
    if (Game && !Game->Sound->isEnabled())
        Sound1->setEnabled(false);
}

void TFleaMarket::FormActivate()
{
    unsetCursor();
    if (!Game)
        return;
    Game->TestMusic();
    // Both Sound menus agree: a theme that cannot play switches both off.
    Sound1->setEnabled(Game->Sound->isEnabled());
}

void TFleaMarket::createMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);

    Options1 = MainMenu1->addMenu(QStringLiteral("&Options"));
    SaveGame1 = Options1->addAction(QStringLiteral("&Save Game"));
    SaveGame1->setObjectName(QStringLiteral("SaveGame1"));
    SaveGame1->setEnabled(false); // saved games are not written yet
    Exit = Options1->addAction(QStringLiteral("Exit Program"));
    Exit->setObjectName(QStringLiteral("Exit"));

    Sound1 = MainMenu1->addMenu(QStringLiteral("&Sound"));
    M_On = Sound1->addAction(QStringLiteral("Music On"));
    M_On->setObjectName(QStringLiteral("M_On"));
    M_Off = Sound1->addAction(QStringLiteral("Music Off"));
    M_Off->setObjectName(QStringLiteral("M_Off"));
    M_On->setCheckable(true);
    M_Off->setCheckable(true);
    M_On->setChecked(true);
    Volume1 = Sound1->addAction(QStringLiteral("&Volume"));
    Volume1->setObjectName(QStringLiteral("Volume1"));

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    Contents1 = Help1->addAction(QStringLiteral("&Contents"));
    Contents1->setObjectName(QStringLiteral("Contents1"));
    About = Help1->addAction(QStringLiteral("&About Kelvarin"));
    About->setObjectName(QStringLiteral("About"));

    connect(Exit, &QAction::triggered, this, guard(this, &TFleaMarket::ExitClick));
    connect(About, &QAction::triggered, this, guard(this, &TFleaMarket::AboutClick));
    connect(M_On, &QAction::triggered, this, guard(this, &TFleaMarket::M_OnClick));
    connect(M_Off, &QAction::triggered, this, guard(this, &TFleaMarket::M_OffClick));
    connect(Volume1, &QAction::triggered, this, guard(this, &TFleaMarket::Volume1Click));
    connect(Contents1, &QAction::triggered, this, guard(this, &TFleaMarket::Contents1Click));
}

void TFleaMarket::ExitClick()
{
    ExitTag = 1;
    close();
}

bool TFleaMarket::FormCloseQuery()
{
    // The walk-around's own end closes the window without a question.
    if (ExitTag == 0)
        return true;
    const bool quit = TAbout1::Ask(TAbout1::QuitQuestion) == 0;
    ExitTag = 0;
    // Set on a refusal too; the walk-around's end puts it back to 0.
    App().StartCode = StartCodes::Quit;
    return quit;
}

void TFleaMarket::IButtonClick()
{
    SetOut();
}

void TFleaMarket::SetOut()
{
    App().StartCode = StartCodes::GoOn;
    close();
}

void TFleaMarket::AboutClick()
{
    TAbout1::Ask(TAbout1::AboutBox);
}

void TFleaMarket::M_OnClick()
{
    M_On->setChecked(true);
    M_Off->setChecked(false);
    if (Game)
        Game->MusicOn(1);
}

void TFleaMarket::M_OffClick()
{
    M_Off->setChecked(true);
    M_On->setChecked(false);
    if (Game)
        Game->MusicOn(0);
}

void TFleaMarket::Volume1Click()
{
    media::showVolumeControl();
}

void TFleaMarket::Contents1Click()
{
    media::showHelpContents(App().HelpFile);
}

void TFleaMarket::Speaks(int line)
{
    const MediaStretch stretch = line == 0 ? ShopkeeperLines::Greeting : ShopkeeperLines::Thanks;
    MPTalk->setStartPos(stretch.start);
    MPTalk->setEndPos(stretch.end);
    MPTalk->Play();
    // The theme falls silent while the shopkeeper talks.
    if (Game)
        Game->MusicOn(3);
}
