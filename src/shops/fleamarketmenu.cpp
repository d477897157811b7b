// The flea market's menu: saved games, quitting, music, volume, help (with
// the teachers' items) and the about box.

#include "fleamarket.h"
#include "journal/teachersmenu.h"
#include "media/helpwindow.h"
#include "media/volumedialog.h"
#include "platform/errorreport.h"
#include "platform/translatedtext.h"
#include "platform/windowmode.h"
#include "presentation/about.h"
#include "shell/application.h"
#include "shell/gamepause.h"
#include "shell/gamestate.h"
#include "shell/keptsettings.h"
#include "shell/languagemenu.h"
#include "shell/screens.h"
#include "trail/game.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using platform::addItem;
using platform::addMenu;
using platform::guard;

void TFleaMarket::createMenu()
{
    MainMenu1 = new QMenuBar(this);
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    MainMenu1->setNativeMenuBar(false);

    Options1 = addMenu(MainMenu1, "Options1", QT_TRANSLATE_NOOP("Menu", "&Options"));
    OpenGame1 = addItem(Options1, "OpenGame1", QT_TRANSLATE_NOOP("Menu", "&Open Saved Game"));
    SaveGame1 = addItem(Options1, "SaveGame1", QT_TRANSLATE_NOOP("Menu", "&Save Game"));
    Exit = addItem(Options1, "Exit", QT_TRANSLATE_NOOP("Menu", "Exit Program"));

    Sound1 = addMenu(MainMenu1, "Sound1", QT_TRANSLATE_NOOP("Menu", "&Sound"));
    M_On = addItem(Sound1, "M_On", QT_TRANSLATE_NOOP("Menu", "Music On"));
    M_Off = addItem(Sound1, "M_Off", QT_TRANSLATE_NOOP("Menu", "Music Off"));
    M_On->setCheckable(true);
    M_Off->setCheckable(true);
    // As the player left the music last time.
    M_On->setChecked(gameState().MusicEnabled != 0);
    M_Off->setChecked(gameState().MusicEnabled == 0);
    Volume1 = addItem(Sound1, "Volume1", QT_TRANSLATE_NOOP("Menu", "&Volume"));

    View1 = addMenu(MainMenu1, "View1", QT_TRANSLATE_NOOP("Menu", "&View"));
    platform::addFullScreenItem(View1);
    addPauseItem(View1, this);
    addLanguageMenu(View1);

    Help1 = addMenu(MainMenu1, "Help1", QT_TRANSLATE_NOOP("Menu", "&Help"));
    Contents1 = addItem(Help1, "Contents1", QT_TRANSLATE_NOOP("Menu", "&Contents"));
    journey::addTeachersMenu(Help1);
    About = addItem(Help1, "About", QT_TRANSLATE_NOOP("Menu", "&About Kelvarin"));

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
