#pragma once

#include <QString>

namespace goods {

// Turns "3 bag of onions" into "3 bags of onions", the one rule for every
// count of goods the game shows. The text is a decimal count, a blank and a
// catalogue name. A text with "1 " in it stays as it is, so every count whose
// last digit is 1 keeps the singular ("21 lb of flour"). A name with " of "
// gets its plural before the first " of " ("bunches of grapes", "lbs of
// flour"); otherwise a name ending in "s" or "h" stays, one ending in "x" gets
// "es" and any other gets "s".
QString Plural(const QString& text);

} // namespace goods
