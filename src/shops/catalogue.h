#pragma once

// The catalogue of goods the party can buy: 336 items in 14 lists of 24,
// each with a name and a price in whole dollars. Each shop of the flea market
// sells one list; the trading posts sell the last one, the provisions. Some
// names occur in two lists; they are separate items with their own numbers.

#include "shell/gamefacts.h"

#include <QString>
#include <cstdint>

namespace goods {

// ItemTotal and ListLength are the game's facts (shell/gamefacts.h).
constexpr int ListTotal = ItemTotal / ListLength;
// The provisions sold at the trading posts: the last list.
constexpr int ProvisionsList = ListTotal - 1;
constexpr int FirstProvision = ProvisionsList * ListLength; // 312

struct CatalogueItem {
    const char* name;
    std::int8_t price; // whole dollars, 1..10
};

// The item with this number (0..335).
const CatalogueItem& catalogueItem(int item);
QString ItemName(int item);
int ItemPrice(int item);

// The list a store visit shows for the store window's Tag: the flea market
// opens the store with its scene number, the trading posts with 50. Every
// tag the openers do not use shows the first list.
int Converts(int storeTag);

} // namespace goods
