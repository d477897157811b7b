#pragma once

// File names in the game's messages, and names the system cannot take.

#include <QString>

namespace platform {

// A file's name as a message shows it: whole when it is short, otherwise
// its beginning and its end with "..." between, so that the message box
// stays as wide as a readable line and the name's end (its extension) shows.
QString shownName(const QString& fileName);

// Why the file cannot have this name, for the player ("the name \"...\" is
// too long for its folder (at most 255 bytes)"); empty when it can.
// `growth` is how many bytes longer the name is while the file is written.
QString whyNameDoesNotFit(const QString& fileName, qsizetype growth);

} // namespace platform

namespace platform {

// The name with ".extension" added, unless it ends in it already (in any
// case): "trip.sav" becomes "trip.sav.kvj".
QString withExtension(const QString& fileName, const QString& extension);

} // namespace platform
