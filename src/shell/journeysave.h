#pragma once

// Saving a journey on the trail, so that a child who must stop can go on
// another day: in a file of the player's choosing, and automatically in one
// slot under the user's data home. The file's bytes are in journeyformat.h,
// the record in journeystate.h.
//
// Journey files end in ".kvj" (Kelvarin journey): short, apart from the
// flea market's ".sav" so that each dialog lists only its own kind of file,
// and claimed by no common program's file type.
//
// Writing never leaves a half-written file: the new file is written
// completely beside its place and only then takes the old one's name, so a
// failure, or the game being killed part-way, leaves the earlier file whole.
// Reading checks everything before returning a journey, and never touches
// the game: only JourneyState::applyToGame does.

#include "shell/journeystate.h"

#include <QLatin1String>
#include <QString>
#include <functional>

namespace journey {

inline constexpr QLatin1String FileExtension{"kvj"};
// The automatic slot's file, in the game's folder under the user's data home.
inline constexpr QLatin1String AutosaveFileName{"journey-autosave.kvj"};

// Writes the journey to the file. Returns an empty text when it was saved,
// or a message for the player saying why not; a journey the game could not
// open again (a value out of its range, a required field missing) is not
// written. When the journey cannot be saved, a file of that name stays as it
// was.
QString write(const QString& fileName, const JourneyState& state);

struct Reading {
    JourneyState state;
    // Why the journey cannot be opened, for the player; empty when it can.
    QString problem;
};
// Whether the file is meant to be a journey (its name ends in ".kvj", or it
// begins with a journey's mark), so that an opener can tell it from a flea
// market's saved game and read it as a journey.
bool isJourneyFile(const QString& fileName);

// Whether the file begins with a journey's mark; a file that is not a
// regular file (a FIFO, a device) is none.
bool beginsAsAJourney(const QString& fileName);

// Reads and checks the journey in the file.
Reading read(const QString& fileName);

// Whose journey the automatic saves are: each party name has its own slot,
// so that a class sharing a computer keeps a journey for every group. A
// party without a name (a single player) has the one slot the game always
// had.
constexpr int LongestPartyName = 40;
// A name a party can have: 1..40 characters, no control characters, no
// blanks around it.
bool isPartyName(const QString& name);
// The party whose journey is saved automatically; empty for none.
QString currentParty();
// Only a party name (or empty) is taken; anything else leaves the party
// without a name.
void setCurrentParty(const QString& name);
// The folder of the named parties' slots, in the game's data home.
inline constexpr QLatin1String PartySlotsFolder{"journeys"};
// The slot of the party: "journeys/room-12-table-3-5f2c09a1.kvj" for a name
// (letters and digits, and a number made from the whole name, so that two
// names never share a slot), the old slot for none; empty without a data
// home.
QString partySlotFile(const QString& party);

// Where the automatic save of the current party lives; empty when the
// user's data home has no folder for the game and none can be made.
QString autosaveFile();
// Saves the journey in the automatic slot, replacing the one there; a
// journey there that cannot be opened is moved aside first (see
// setAsideAutosave), never written over.
QString writeAutosave(const JourneyState& state);

enum class SlotState {
    Empty,   // no journey saved automatically
    Whole,   // one that opens
    Damaged, // one that cannot be opened: the problem says why
};
struct SlotCheck {
    SlotState state = SlotState::Empty;
    QString problem;
};
// Whether there is a journey in the automatic slot, and whether it opens. A
// damaged one is reported, never silently passed over.
SlotCheck checkAutosave();
// Reads the journey in the automatic slot; with no journey there, the
// problem says so.
Reading readAutosave();

// Told after each stretch of a journey's bytes is written: how many of how
// many. Tests use it to stop a writer part-way.
using WriteProgress = std::function<void(qint64 written, qint64 total)>;
WriteProgress setWriteProgress(WriteProgress progress);

} // namespace journey
