#pragma once

// Where the player's own files go. Saved games belong to the player, never
// to the game's data folder (which may be read-only, or the source tree).

#include <QString>

namespace platform {

// The game's folder under the user's data home ("~/.local/share/Kelvarin/
// kelvarin"), made when it is missing; empty when it cannot be made.
QString gameDataHome();

// Where the save and open dialogs start: the user's documents folder, or the
// game's folder under the data home when there is no documents folder.
QString savedGamesFolder();

} // namespace platform
