#pragma once

// Keeping a journey that the game cannot open. The automatic slot is written
// over at every arrival; a journey there that cannot be opened (damaged,
// from a later Kelvarin, not a file at all) would be lost, so it is first
// moved beside the slot, and the player is told where it is.

#include "shell/journeystate.h"

#include <QString>

namespace journey {

// A journey in the automatic slot that cannot be opened is kept beside the
// slot under a name no file has ("journey-autosave.damaged-2024-03-01-
// 093005.kvj"), so that the next automatic save does not replace it: the
// player may still want it, and a later Kelvarin may open it.
struct SetAside {
    QString keptAs; // where it is now; empty when it could not be moved
    QString why;    // why not, then
};
SetAside setAsideAutosave();
// Sets the slot's journey aside and tells the player, in one message that
// begins with the problem the slot's check found, where it was kept.
QString keepDamagedAutosave(const QString& problem);
// After the journey taken from the slot could not be opened: when the slot
// still holds it, sets it aside and says where (empty otherwise).
QString keepAutosaveThatWouldNotOpen(const JourneyState& state);

} // namespace journey
