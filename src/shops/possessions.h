#pragma once

// Counting and naming what the party owns (shell/ownedgoods.h): the
// inventory view and the spirits' trades list and name the goods with these.

#include "shell/ownedgoods.h"
#include "shops/catalogue.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace goods {

// The inventory view shows this many lines a page.
constexpr int InventoryLines = 15;

// Distinct owned goods bought at the flea market (items 0..311) or at the
// trading posts (312..335); the count is also kept in GoodsCount.
int FMItems();
int TPItems();

// The item number of the n-th owned item counting from item 0 (n from 1);
// -1 when n is 0 or less or there are not that many.
int GetListNumber(int n);
// How many owned items have a smaller item number.
int GetItemNumber(int item);
// "3 bags of onions": the owned count and the name, pluralised.
QString GetItemName(int item);

// Whether the party can pay with this item for the thing on this line of the
// trade list: it owns some, and that trade has not been done yet.
bool YouHave(int trade, int item);
// Records a completed trade: the thing is marked as received and the whole
// stock of the item paid with is given away.
void recordTrade(int trade, int item);
// The lines of the trade list received in trades so far, in line order.
QStringList receivedThings(const QStringList& tradeList);

// One inventory line: from item i on, the next owned item as "count name",
// unless GoodsCount says the list ended before this line (limit is the
// line's place in the list). Returns the item number to go on from.
int Process(QString& line, int i, int limit);

struct GoodsPage {
    std::array<QString, InventoryLines> lines;
    // The page reaches the end of the list: nothing to page forward to.
    bool reachesEnd = false;
};
// The page of owned goods that starts with the n-th (from 0) owned item at or
// after item s, counted against the last FMItems or TPItems.
GoodsPage SetItems(int n, int s);

} // namespace goods
