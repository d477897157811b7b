#pragma once

// The arithmetic of one visit to the store: the quantity chosen for each of
// the 24 items of the shown list, what each row costs, the page shown, and
// the rules that decide whether a typed quantity is taken and whether the
// party can pay.

#include "shops/catalogue.h"

#include <QString>
#include <array>
#include <cstdint>

namespace goods {

struct Possessions;

// The store shows a list in three pages of this many rows.
constexpr int PageRows = 8;
// A purchase may bring an item up to this many owned, no further.
constexpr int MostOwned = 100;

struct StoreVisit {
    std::array<std::int8_t, ListLength> BuyQty{};
    std::array<std::int32_t, ListLength> RowCost{};
    std::int8_t PageStart = 0; // 0, 8 or 16
    std::int32_t ListBase = 0; // first item number of the shown list

    // A fresh visit to this list: page 1, nothing chosen.
    void start(int list);
    // Chooses a quantity for a position (0..23) of the list; returns its cost.
    int setRow(int position, int quantity);
    // What every row of all three pages costs together.
    int total() const;
    // Adds the chosen quantities of all 24 positions to the owned counts.
    void addTo(Possessions& owned) const;

    bool onFirstPage() const { return PageStart == 0; }
    bool onLastPage() const { return PageStart > ListLength - 1 - PageRows; }
    // Turns a page; false when there is none that way.
    bool pageForward();
    bool pageBack();
};

enum class QuantityProblem {
    None,
    NotANumber,
    BelowZero,
    // Owned and chosen together would pass MostOwned.
    OverLimit,
};

struct QuantityReading {
    int quantity = 0;
    QuantityProblem problem = QuantityProblem::None;
};

// Reads a row's quantity box. An empty box means 0. A text that is not a
// whole number, or a number below 0, is refused: the row keeps what it had.
QuantityReading readQuantity(const QString& typed, int owned);

// The message for a refused quantity, plain enough for a young player, saying
// what can be bought instead; empty for a quantity that is taken. `owned` is
// how many of the item the party has.
QString refusedQuantityMessage(const QString& typed, QuantityProblem problem, int owned = 0);

} // namespace goods
