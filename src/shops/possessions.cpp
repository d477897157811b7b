#include "possessions.h"

#include "shops/goodsnames.h"

#include <algorithm>

namespace goods {

namespace {

bool owned(int item)
{
    return possessions().ItemCount.at(static_cast<std::size_t>(item)) != 0;
}

int countOwned(int first, int end)
{
    int count = 0;
    for (int item = first; item < end; ++item)
        count += owned(item) ? 1 : 0;
    return count;
}

} // namespace

int FMItems()
{
    possessions().GoodsCount = countOwned(0, FirstProvision);
    return possessions().GoodsCount;
}

int TPItems()
{
    possessions().GoodsCount = countOwned(FirstProvision, ItemTotal);
    return possessions().GoodsCount;
}

int GetListNumber(int n)
{
    if (n <= 0)
        return -1;
    for (int item = 0; item < ItemTotal; ++item) {
        if (owned(item) && --n == 0)
            return item;
    }
    return -1;
}

int GetItemNumber(int item)
{
    return countOwned(0, std::min(item, ItemTotal));
}

QString GetItemName(int item)
{
    const int count = possessions().ItemCount.at(static_cast<std::size_t>(item));
    return countedItem(item, count);
}

bool YouHave(int trade, int item)
{
    if (trade < 0 || trade >= TradeFlagTotal || item < 0 || item >= ItemTotal)
        return false;
    return owned(item) && possessions().TradeDone[static_cast<std::size_t>(trade)] == 0;
}

void recordTrade(int trade, int item)
{
    Possessions& p = possessions();
    p.TradeDone.at(static_cast<std::size_t>(trade)) = 1;
    p.ItemCount.at(static_cast<std::size_t>(item)) = 0;
}

QStringList receivedThings(const QStringList& tradeList)
{
    QStringList things;
    for (int trade = 0; trade < TradeFlagTotal; ++trade) {
        if (possessions().TradeDone[static_cast<std::size_t>(trade)] != 0)
            things << tradeList.value(trade);
    }
    return things;
}

int Process(QString& line, int i, int limit)
{
    if (possessions().GoodsCount <= limit) {
        line.clear();
        return i;
    }
    while (i < ItemTotal && !owned(i))
        ++i;
    if (i >= ItemTotal) {
        line.clear();
        return i;
    }
    line = GetItemName(i);
    return i + 1;
}

GoodsPage SetItems(int n, int s)
{
    int i = s;
    for (int passed = 0; passed < n && i < ItemTotal; ++i)
        passed += owned(i) ? 1 : 0;

    GoodsPage page;
    for (int k = 0; k < InventoryLines; ++k)
        i = Process(page.lines[static_cast<std::size_t>(k)], i, n + k);
    page.reachesEnd = n + InventoryLines >= possessions().GoodsCount;
    return page;
}

} // namespace goods
