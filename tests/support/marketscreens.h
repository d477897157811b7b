#pragma once

// The screens the flea market works with, made as the game makes them (the
// trail screen first, whose clock wipe the market borrows, then the store,
// the inventory and the market) and freed in the reverse order, with the
// game's pointers to them cleared. The market's opening transition is off:
// tests do not wait for it.

class TFleaMarket;
class TGame;
class TInventory;
class TStore;

struct MarketScreens {
    MarketScreens();
    ~MarketScreens();
    MarketScreens(const MarketScreens&) = delete;
    MarketScreens& operator=(const MarketScreens&) = delete;

    TGame* game = nullptr;
    TStore* store = nullptr;
    TInventory* inventory = nullptr;
    TFleaMarket* market = nullptr;
};
