#pragma once

// The food the party carries besides its goods: the fish in storage, filled
// by every catch, and the meat in storage. The inventory view's "Game
// Reserves" page shows them as two lines of text.

#include <QString>

// "fish in storage: 12 lb 7 oz" (meat false) or "meat in storage: 0 lb"
// (meat true), from the shared game state.
QString GameWeight(bool meat);
// "other food in storage: 12 lb": the food goods the party owns.
QString OtherFood();
// "eaten on the trail so far: 24 lb".
QString FoodEaten();
