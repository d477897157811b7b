#pragma once

// Reading the numbers the store keeps as text: the money ("50"), the visit's
// total and the quantities the player types.

#include <QString>
#include <cstdint>
#include <optional>

namespace goods {

// The largest number the store's texts hold: larger ones read as this.
constexpr std::int64_t NumberCeiling = 1'000'000'000;

// The whole number written in decimal, with an optional sign and blanks
// around it ("12", " -3 ", "+4"); nothing for any other text. Numbers too
// large to matter are held at a billion, keeping their sign.
std::optional<std::int64_t> wholeNumber(const QString& text);

// The same, for a text the game wrote itself: any other text raises
// "\"...\" is not a number." Every reading of the money and of the total goes
// through here.
int toWholeNumber(const QString& text);

} // namespace goods
