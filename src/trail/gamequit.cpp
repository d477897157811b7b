// Quitting the trail screen, restarting the game, and the about box.

#include "game.h"

#include "shell/durations.h"

#include "platform/errorreport.h"
#include "platform/shell.h"
#include "presentation/about.h"
#include "shell/application.h"
#include "shell/gamestate.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>

void TGame::Exit1Click()
{
    close();
}

bool TGame::FormCloseQuery()
{
    // After a confirmed restart the old copy closes without a second question.
    if (gameState().RestartConfirmed == 1)
        return true;
    return TAbout1::Ask(TAbout1::QuitQuestion) == 0;
}

void TGame::FormClose()
{
    App().Terminate();
}

void TGame::NewGame1Click()
{
    GameState& s = gameState();
    s.RestartConfirmed = TAbout1::Ask(TAbout1::RestartQuestion) == 0 ? 1 : 0;
    if (s.RestartConfirmed == 0)
        return;
    if (!platform::startFreshCopy()) {
        // Quitting now would leave the player with no game at all.
        s.RestartConfirmed = 0;
        platform::reportError(QStringLiteral(
            "A new game could not be started, so this game goes on.  You can try again "
            "from the File menu."));
        return;
    }
    leaveSpiritsStory();
    // This copy ends on the next tick, once the new one is on its way.
    s.EndTimerMode = 1;
    EndTime->start();
}

void TGame::EndTimeTimer()
{
    if (gameState().EndTimerMode != 0) {
        App().Terminate();
        return;
    }
    // Otherwise the timer carries the journey on after the snakebite decision
    // or an ailment's.
    EndTime->stop();
    EndTime->setInterval(Durations::EndTime);
    Dlabel->hide();
    Continue->setEnabled(true);
    Continues();
}

void TGame::AboutClick()
{
    TAbout1::Ask(TAbout1::AboutBox);
}

void TGame::Init()
{
    if (App().StartCode <= StartCodes::SlowMachine)
        App().StartCode = StartCodes::TrailEntered;
}
