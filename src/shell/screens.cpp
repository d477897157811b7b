#include "screens.h"

TIntro* Intro = nullptr;
TBlackScreen* BlackScreen = nullptr;
TGame* Game = nullptr;
TStore* Store = nullptr;
TInventory* Inventory = nullptr;
TFleaMarket* FleaMarket = nullptr;
TAbout1* About1 = nullptr;
