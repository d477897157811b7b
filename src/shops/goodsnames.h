#pragma once

// The name of an item of the catalogue as the game shows it for a count, in
// the language in view. In English the one rule of Plural holds exactly
// ("21 bag of onions" keeps its singular, as the game always said it); a
// translated name takes its language's own form for the count ("21 bolsas
// de cebollas", "21 sacs d'oignons"). ItemName stays the item's English
// name, by which the game's rules know it.

#include <QString>

namespace goods {

// "3 bags of onions"
QString countedItem(int item, int count);
// The same in English whatever the language in view: the words the journal
// keeps.
QString englishCountedItem(int item, int count);
// The same without the number: "bags of onions".
QString shownItemName(int item, int count);

} // namespace goods
