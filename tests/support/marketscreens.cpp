#include "marketscreens.h"

#include "presentation/transitions/formtransitions.h"
#include "shell/screens.h"
#include "shops/fleamarket.h"
#include "shops/inventory.h"
#include "shops/store.h"
#include "trail/game.h"

MarketScreens::MarketScreens()
{
    Game = game = new TGame;
    Store = store = new TStore;
    Inventory = inventory = new TInventory;
    FleaMarket = market = new TFleaMarket;
    market->FT1->Enabled = false;
}

MarketScreens::~MarketScreens()
{
    delete FleaMarket;
    FleaMarket = nullptr;
    delete Inventory;
    Inventory = nullptr;
    delete Store;
    Store = nullptr;
    delete Game;
    Game = nullptr;
}
