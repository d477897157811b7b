#include "trailfixture.h"

#include "shell/application.h"
#include "shell/gamestate.h"
#include "shell/screens.h"
#include "shops/inventory.h"
#include "shops/possessions.h"
#include "shops/store.h"
#include "trail/game.h"

TrailFixture::TrailFixture()
{
    resetGameState();
    resetApplication();
    goods::resetPossessions();
    game = new TGame;
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
