#pragma once

// The game's screens, one instance each, reachable from every screen. The
// entry sequence creates and frees them; a pointer is null while its screen
// does not exist.

class TIntro;
class TBlackScreen;
class TGame;
class TStore;
class TInventory;
class TFleaMarket;
class TAbout1;

extern TIntro* Intro;
extern TBlackScreen* BlackScreen;
extern TGame* Game;
extern TStore* Store;
extern TInventory* Inventory;
extern TFleaMarket* FleaMarket;
extern TAbout1* About1;
