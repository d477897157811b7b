// The flea market's menu: saved games, quitting, music, volume, help (with
// the teachers' items) and the about box.

#include "fleamarket.h"
#include "journal/teachersmenu.h"
#include "media/helpwindow.h"
#include "media/volumedialog.h"
#include "platform/errorreport.h"
#include "platform/windowmode.h"
#include "presentation/about.h"
#include "shell/application.h"
#include "shell/gamepause.h"
#include "shell/gamestate.h"
#include "shell/keptsettings.h"
#include "shell/screens.h"
#include "trail/game.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using platform::guard;

void TFleaMarket::createMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);

    Options1 = MainMenu1->addMenu(QStringLiteral("&Options"));
    Options1->setObjectName(QStringLiteral("Options1"));
    OpenGame1 = Options1->addAction(QStringLiteral("&Open Saved Game"));
    OpenGame1->setObjectName(QStringLiteral("OpenGame1"));
    SaveGame1 = Options1->addAction(QStringLiteral("&Save Game"));
    SaveGame1->setObjectName(QStringLiteral("SaveGame1"));
    Exit = Options1->addAction(QStringLiteral("Exit Program"));
    Exit->setObjectName(QStringLiteral("Exit"));

    Sound1 = MainMenu1->addMenu(QStringLiteral("&Sound"));
    Sound1->setObjectName(QStringLiteral("Sound1"));
    M_On = Sound1->addAction(QStringLiteral("Music On"));
    M_On->setObjectName(QStringLiteral("M_On"));
    M_Off = Sound1->addAction(QStringLiteral("Music Off"));
    M_Off->setObjectName(QStringLiteral("M_Off"));
    M_On->setCheckable(true);
    M_Off->setCheckable(true);
    // As the player left the music last time.
    M_On->setChecked(gameState().MusicEnabled != 0);
    M_Off->setChecked(gameState().MusicEnabled == 0);
    Volume1 = Sound1->addAction(QStringLiteral("&Volume"));
    Volume1->setObjectName(QStringLiteral("Volume1"));

    View1 = MainMenu1->addMenu(QStringLiteral("&View"));
    View1->setObjectName(QStringLiteral("View1"));
    platform::addFullScreenItem(View1);
    addPauseItem(View1, this);

    Help1 = MainMenu1->addMenu(QStringLiteral("&Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    Contents1 = Help1->addAction(QStringLiteral("&Contents"));
    Contents1->setObjectName(QStringLiteral("Contents1"));
    journey::addTeachersMenu(Help1);
    About = Help1->addAction(QStringLiteral("&About Kelvarin"));
    About->setObjectName(QStringLiteral("About"));

    connect(OpenGame1, &QAction::triggered, this, guard(this, &TFleaMarket::OpenGame1Click));
    connect(SaveGame1, &QAction::triggered, this, guard(this, &TFleaMarket::SaveGame1Click));
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

void TFleaMarket::AboutClick()
{
    TAbout1::Ask(TAbout1::AboutBox);
}

void TFleaMarket::M_OnClick()
{
    M_On->setChecked(true);
    M_Off->setChecked(false);
    kept::keepMusic(true);
    if (Game)
        Game->MusicOn(1);
}

void TFleaMarket::M_OffClick()
{
    M_Off->setChecked(true);
    M_On->setChecked(false);
    kept::keepMusic(false);
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
