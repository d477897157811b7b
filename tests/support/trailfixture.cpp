#include "trailfixture.h"

#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/inventory.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"
#include "presentation/transitions/fusetransition.h"

#include <QCoreApplication>
#include <QTimer>

TrailFixture::TrailFixture(const std::function<void()>& beforeScreens)
{
    resetGameState();
    resetApplication();
    goods::resetPossessions();
    if (beforeScreens)
        beforeScreens();
    game = new TGame;
    // The travellers' fare has suites of its own (tst_wellbeingtrail,
    // tst_wholejourney); the others' towns follow one another undisturbed.
    game->travellersFare = false;
    game->partsOfTheTrail = false;
    Game = game;
    Store = new TStore;
    Inventory = new TInventory;
}

TrailFixture::~TrailFixture()
{
    delete Inventory;
    delete Store;
    delete game;
    Inventory = nullptr;
    Store = nullptr;
    Game = nullptr;
}

void TrailFixture::startTheTrail()
{
    game->FormShow();
    game->FormActivate();
    game->Transition1EndTransition(game->Transition1);
    game->IPTimer();
}

void TrailFixture::drawRoute()
{
    for (int ticks = 0; game->Go->isActive() && ticks < 200; ++ticks)
        game->GoTimer();
}

bool TrailFixture::lookAround()
{
    game->LookClick();
    fake(game->MPghost)->finishPlay();
    QCoreApplication::processEvents();
    if (!game->MPchar->isPlaying())
        return false;
    fake(game->MPchar)->finishPlay();
    QCoreApplication::processEvents();
    return true;
}
