#pragma once

// What a save killed part-way leaves behind, cleared at the next start. Only
// the game's own names are touched, and only files old enough that no other
// running game can still be writing them:
//
//   journey-autosave.kvj.XXXXXX  the automatic save on its way into place
//                                (QSaveFile's name), in the game's data home
//   .kelvarin-save-XXXXXX        a flea market save's new file, in the data
//                                home and the folder the dialogs start in
//
// where XXXXXX is six letters or digits. An earlier market file moved aside
// (".kelvarin-earlier-XXXXXX") may be the only copy of a save and is never
// removed.

#include <QString>
#include <QStringList>

namespace saves {

// Whether the name is one of a leftover in that kind of folder.
bool isSlotLeftover(const QString& fileName);
bool isMarketLeftover(const QString& fileName);

// Removes the leftovers in the game's data home and the player's saved
// games folder that were last written more than `age` seconds ago. Returns
// the files removed.
QStringList removeLeftovers(qint64 age = 600);

} // namespace saves
