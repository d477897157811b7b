// Saving and opening a game at the flea market. The store gives the goods,
// the trail screen the catch list and the party names, the market its scene
// and the money. A game is read and checked whole before any of it is taken,
// so a file that is refused changes nothing.

#include "fleamarket.h"
#include "platform/errorreport.h"
#include "platform/filenames.h"
#include "platform/picturebox.h"
#include "shell/durations.h"
#include "shell/journeykeeping.h"
#include "shell/journeysave.h"
#include "shell/savedgame.h"
#include "shell/screens.h"
#include "shops/fleascenes.h"
#include "shops/inventory.h"
#include "shops/journeychooser.h"
#include "shops/store.h"
#include "trail/game.h"
#include "trail/towncontent.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

namespace {

// The file dialogs may change the current folder; the game's media files
// are found through it, so it is put back.
class CurrentFolderKept {
public:
    CurrentFolderKept() : folder_(QDir::currentPath()) {}
    ~CurrentFolderKept() { QDir::setCurrent(folder_); }
    CurrentFolderKept(const CurrentFolderKept&) = delete;
    CurrentFolderKept& operator=(const CurrentFolderKept&) = delete;

private:
    QString folder_;
};

// The instruction steps wait while a file dialog is up, so that the market
// does not move on (or close) behind it.
class StepsHeld {
public:
    explicit StepsHeld(QTimer* timer) : timer_(timer), wasRunning_(timer->isActive())
    {
        timer_->stop();
    }
    ~StepsHeld()
    {
        if (wasRunning_ && !released_)
            timer_->start();
    }
    StepsHeld(const StepsHeld&) = delete;
    StepsHeld& operator=(const StepsHeld&) = delete;
    // The steps are set anew; the timer is left as they set it.
    void release() { released_ = true; }

private:
    QTimer* timer_;
    bool wasRunning_;
    bool released_ = false;
};

} // namespace

void TFleaMarket::SaveStart(const QString& fileName)
{
    StartFile = fileName;
}

void TFleaMarket::SaveGame1Click()
{
    CurrentFolderKept folder;
    StepsHeld steps(T1);
    const QString fileName = Game->ExecuteDialog(Game->SaveDialog, this);
    if (fileName.isEmpty())
        return;
    savedgame::SavedGame game;
    Store->SaveData(game);
    game.main.GridPos = GridPos;
    game.main.Money = Store->money();
    const QString problem = savedgame::write(fileName, game);
    if (!problem.isEmpty())
        platform::raise(problem);
}

void TFleaMarket::OpenGame1Click()
{
    OpenGame();
}

void TFleaMarket::OpenGame()
{
    CurrentFolderKept folder;
    StepsHeld steps(T1);
    QString fileName = StartFile;
    if (fileName.isEmpty()) {
        fileName = Game->ExecuteDialog(Game->OpenDialog, this);
        if (fileName.isEmpty())
            return;
    }
    // A journey saved on the trail: the market sends the party straight on
    // to its town.
    if (journey::isJourneyFile(fileName)) {
        const journey::Reading journey = journey::read(fileName);
        if (!journey.problem.isEmpty())
            platform::raise(journey.problem);
        goOnWithJourney(journey.state);
        return;
    }
    const savedgame::Reading reading = savedgame::read(fileName);
    if (!reading.problem.isEmpty())
        platform::raise(reading.problem);
    const savedgame::SavedGame& game = reading.game;
    if (!canShowFleaScene(game.main.GridPos)) {
        platform::raise(
            QCoreApplication::translate("Saves",
                                        "The saved game \"%1\" cannot be opened: it places the "
                                        "party in scene %2, which the market does not have.  "
                                        "Nothing in the game was changed.")
                .arg(platform::shownName(fileName), QString::number(game.main.GridPos)));
    }

    Store->ReadData(game);
    GridPos = game.main.GridPos;
    Store->setMoney(game.main.Money);
    GetGrid();
    // The goods have changed: the inventory shows the restored ones.
    if (Inventory)
        Inventory->ReadData();
    steps.release();
    ResumeWalk();
}

void TFleaMarket::goOnWithJourney(const journey::JourneyState& state)
{
    if (const QString problem = state.check(); !problem.isEmpty())
        platform::raise(problem);
    Game->prepareJourney(state);
    T1->stop();
    SetOut();
}

void TFleaMarket::offerSavedJourney()
{
    // With no journey on this computer there is nothing to ask: a single
    // player's first journey has no name, as it always had.
    const QList<journey::Listing> journeys = journey::journeysOnThisComputer();
    if (journeys.isEmpty() || !Game)
        return;
    const JourneyChoice choice = chooseJourney(this, journeys);
    journey::setCurrentParty(choice.party);
    if (!choice.goOn)
        return;
    const journey::Reading saved = journey::read(choice.file);
    if (!saved.problem.isEmpty())
        platform::raise(saved.problem);
    goOnWithJourney(saved.state);
}

void TFleaMarket::ResumeWalk()
{
    // The walk goes on from the restored scene, as if the party had just
    // come there: in the lane the next tick shows the door, in the shop it
    // shows how to open the store. Without this the instructions could point
    // at a door that is not in the scene, and the walk could not go on.
    IfOff();
    InfoShown = true;
    Door2->hide();
    Image1->setEnabled(false);
    ScreenArmed = false;
    T1Tag = GridPos == 22 ? 2 : 1;
    T1->setInterval(Durations::FleaStep);
    T1->start();
}
