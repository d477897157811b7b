// The trail screen's menu.

#include "game.h"
#include "journal/journalview.h"
#include "journal/teachersmenu.h"
#include "platform/captionsize.h"
#include "platform/errorreport.h"
#include "platform/picturebox.h"
#include "platform/translatedtext.h"
#include "platform/windowmode.h"
#include "shell/gamepause.h"
#include "shell/languagemenu.h"
#include "shell/gamestate.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

using platform::addItem;
using platform::addMenu;
using platform::guard;

namespace {

// The menu has an empty gap between its menus: a separator, which screen
// readers pass over as a gap rather than an item without a name.
void addEmptyItem(QMenuBar* bar)
{
    bar->addSeparator();
}

} // namespace

void TGame::createMenu()
{
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    MainMenu->setNativeMenuBar(false);

    File1 = addMenu(MainMenu, "File1", QT_TRANSLATE_NOOP("Menu", "&File"));
    NewGame1 = addItem(File1, "NewGame1", QT_TRANSLATE_NOOP("Menu", "&New Game"));
    OpenJourney1 = addItem(File1, "OpenJourney1", QT_TRANSLATE_NOOP("Menu", "&Open Journey..."));
    SaveJourney1 = addItem(File1, "SaveJourney1", QT_TRANSLATE_NOOP("Menu", "&Save Journey..."));
    OpenJourney1->setShortcut(QKeySequence::Open);
    SaveJourney1->setShortcut(QKeySequence::Save);
    JournalItem = addItem(File1, "JournalItem", QT_TRANSLATE_NOOP("Menu", "&Journal of the Journey..."));
    JournalItem->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_J));
    File1->addSeparator();
    ExitProgram1 = addItem(File1, "ExitProgram1", QT_TRANSLATE_NOOP("Menu", "Exit Program"));
    addEmptyItem(MainMenu);

    Sound = addMenu(MainMenu, "Sound", QT_TRANSLATE_NOOP("Menu", "&Sound"));
    Volume = addItem(Sound, "Volume", QT_TRANSLATE_NOOP("Menu", "&Volume"));
    M_On = addItem(Sound, "M_On", QT_TRANSLATE_NOOP("Menu", "Music On"));
    M_Off = addItem(Sound, "M_Off", QT_TRANSLATE_NOOP("Menu", "Music Off"));
    M_On->setCheckable(true);
    M_Off->setCheckable(true);
    M_On->setChecked(gameState().MusicEnabled != 0);
    M_Off->setChecked(gameState().MusicEnabled == 0);
    addEmptyItem(MainMenu);

    View1 = addMenu(MainMenu, "View1", QT_TRANSLATE_NOOP("Menu", "&View"));
    platform::addFullScreenItem(View1);
    addPauseItem(View1, this);
    addLanguageMenu(View1);
    addEmptyItem(MainMenu);

    Help1 = addMenu(MainMenu, "Help1", QT_TRANSLATE_NOOP("Menu", "&Help"));
    Contents1 = addItem(Help1, "Contents1", QT_TRANSLATE_NOOP("Menu", "&Contents"));
    journey::addTeachersMenu(Help1);
    About = addItem(Help1, "About", QT_TRANSLATE_NOOP("Menu", "&About Kelvarin"));
    Help1->addSeparator();
    platform::addCaptionSizeItems(Help1);
    platform::addCaptionSizeKeys(this);

    connect(NewGame1, &QAction::triggered, this, guard(this, &TGame::NewGame1Click));
    connect(JournalItem, &QAction::triggered, this, guard(this, &TGame::JournalClick));
    connect(OpenJourney1, &QAction::triggered, this, guard(this, &TGame::OpenJourneyClick));
    connect(SaveJourney1, &QAction::triggered, this, guard(this, &TGame::SaveJourneyClick));
    connect(ExitProgram1, &QAction::triggered, this, guard(this, &TGame::Exit1Click));
    connect(About, &QAction::triggered, this, guard(this, &TGame::AboutClick));
    connect(M_On, &QAction::triggered, this, guard(this, &TGame::M_OnClick));
    connect(M_Off, &QAction::triggered, this, guard(this, &TGame::M_OffClick));
    connect(Volume, &QAction::triggered, this, guard(this, &TGame::VolumeClick));
    connect(Contents1, &QAction::triggered, this, guard(this, &TGame::Contents1Click));
}

void TGame::JournalClick()
{
    QStringList names;
    for (int member = 1; member <= 7; ++member)
        names << Name(member);
    // The pupils' answers are kept with the journey as soon as they are
    // written; while the party is busy they go with the next save.
    TJournal::showJournal(journal, names, gameState().finalScore(), totmap->picture(), this,
                          [this] {
                              if (whyJourneyCannotBeSavedNow().isEmpty())
                                  autosaveJourney();
                          });
}
