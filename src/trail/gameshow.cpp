// What the trail screen loads when it is shown, and its first activation.

#include "game.h"
#include "media/pictures.h"
#include "platform/errorreport.h"
#include "platform/picturebox.h"
#include "shell/gamestate.h"
#include "shell/journeykeeping.h"
#include "shell/journeysave.h"
#include "shell/screens.h"
#include "shops/inventory.h"
#include "shops/store.h"

#include <QCoreApplication>
#include <QTimer>

void TGame::FormShow()
{
    GameState& s = gameState();
    if (Store)
        Store->LoadBackground(QString::fromLatin1(TStore::TradingPostBackground));
    LoadBMP(Image2, QStringLiteral("party"));
    LoadBMP(totmap, QStringLiteral("map"));
    s.RodBitmap = media::bitmapPicture(QStringLiteral("fp"));
    s.RodCastBitmap = media::bitmapPicture(QStringLiteral("fpcast"));
    s.FishIcon1 = media::bitmapPicture(QStringLiteral("sf1"));
    s.FishIcon2 = media::bitmapPicture(QStringLiteral("sf2"));
    if (Inventory)
        Inventory->ShowList();
    if (pendingJourney_) {
        // A journey chosen at the flea market: the trail starts in its town.
        const journey::JourneyState journey = *pendingJourney_;
        pendingJourney_.reset();
        const QString problem = resumeJourney(journey);
        if (problem.isEmpty()) {
            PlayM1();
            return;
        }
        // The journey saved automatically is kept, not written over later.
        const QString kept = journey::keepAutosaveThatWouldNotOpen(journey);
        platform::reportError(QCoreApplication::translate(
                                  "Saves", "The journey cannot be opened: %1.  The trail starts "
                                           "from its first town.%2")
                                  .arg(problem, kept.isEmpty() ? QString() : "  " + kept));
    }
    GetNewScene();
    PlayM1();
}

void TGame::FormActivate()
{
    unsetCursor();
    GameState& s = gameState();
    if (s.LookStage == 0) {
        s.LookStage = 2;
        s.Stage = 2;
    }
}

// The first instruction comes 4 s after the screen has appeared. The abort
// query asks every 300 ms during a long opening; a timer already running is
// left alone, so the 4 s count from the first of these calls.
void TGame::Transition1EndTransition(TTransitionEffect*)
{
    if (!IP->isActive() && !quietInstructions_)
        IP->start();
}

void TGame::Transition1AbortQuery(TTransitionEffect*, TTransitionEffect*, bool&)
{
    if (!IP->isActive() && !quietInstructions_)
        IP->start();
}
