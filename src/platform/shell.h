#pragma once

// The desktop shell's services the game asks for: starting a fresh copy of
// the program for "New Game".

#include <QString>

#include <functional>

namespace platform {

// Starts a program detached from this one; returns whether it started.
using ProgramLauncher = std::function<bool(const QString& program)>;

// The program's own executable.
QString ownProgramPath();

// Starts a fresh copy of this program. Returns false when it cannot be
// started; nothing else is done about it here.
bool startFreshCopy();

// Tests replace the launcher; an empty one restores the real launcher.
ProgramLauncher setProgramLauncher(ProgramLauncher launcher);

} // namespace platform
