#include "purchase.h"

#include "shell/wholenumber.h"
#include "shops/possessions.h"

#include <QCoreApplication>
#include <algorithm>
#include <numeric>

namespace goods {

void StoreVisit::start(int list)
{
    PageStart = 0;
    ListBase = list * ListLength;
    BuyQty.fill(0);
    RowCost.fill(0);
}

int StoreVisit::setRow(int position, int quantity)
{
    const auto k = static_cast<std::size_t>(position);
    const int cost = quantity * ItemPrice(ListBase + position);
    BuyQty.at(k) = static_cast<std::int8_t>(quantity);
    RowCost.at(k) = cost;
    return cost;
}

int StoreVisit::total() const
{
    return std::accumulate(RowCost.begin(), RowCost.end(), 0);
}

void StoreVisit::addTo(Possessions& owned) const
{
    for (int k = 0; k < ListLength; ++k) {
        auto& count = owned.ItemCount.at(static_cast<std::size_t>(ListBase + k));
        // The limit on typed quantities keeps a count at most MostOwned;
        // holding it at the count's range is a second line of defence.
        count = static_cast<std::uint8_t>(
            std::clamp(count + BuyQty[static_cast<std::size_t>(k)], 0, 255));
    }
}

bool StoreVisit::pageForward()
{
    if (onLastPage())
        return false;
    PageStart = static_cast<std::int8_t>(PageStart + PageRows);
    return true;
}

bool StoreVisit::pageBack()
{
    if (onFirstPage())
        return false;
    PageStart = static_cast<std::int8_t>(PageStart - PageRows);
    return true;
}

QuantityReading readQuantity(const QString& typed, int owned)
{
    if (typed.trimmed().isEmpty())
        return {};
    const auto value = wholeNumber(typed);
    if (!value)
        return {0, QuantityProblem::NotANumber};
    if (*value < 0)
        return {0, QuantityProblem::BelowZero};
    if (*value + owned > MostOwned)
        return {0, QuantityProblem::OverLimit};
    return {static_cast<int>(*value), QuantityProblem::None};
}

QString refusedQuantityMessage(const QString& typed, QuantityProblem problem, int owned)
{
    const QString shown = typed.trimmed();
    switch (problem) {
    case QuantityProblem::NotANumber:
        return QCoreApplication::translate(
                   "TStore", "\"%1\" is not a number.  Type how many you want to buy, "
                             "like 2.")
            .arg(shown);
    case QuantityProblem::BelowZero:
        return QCoreApplication::translate(
                   "TStore", "%1 is less than nothing.  Type how many you want to buy, "
                             "like 2.")
            .arg(shown);
    case QuantityProblem::OverLimit:
        if (owned >= MostOwned)
            return QCoreApplication::translate(
                       "TStore", "You can have at most %1 of each thing, and you have %2 "
                                 "already.")
                .arg(MostOwned)
                .arg(owned);
        if (owned > 0)
            return QCoreApplication::translate(
                       "TStore", "You can have at most %1 of each thing.  You have %2 already, "
                                 "so you can buy up to %3.")
                .arg(MostOwned)
                .arg(owned)
                .arg(MostOwned - owned);
        return QCoreApplication::translate(
                   "TStore", "You can have at most %1 of each thing, so you can buy up to %1.")
            .arg(MostOwned);
    case QuantityProblem::None:
        break;
    }
    return {};
}

} // namespace goods
