#pragma once

// The folder that holds the game's media sub-folders (intro, music, anim,
// fish, post, fleamart, help). The screens name media files relative to it,
// so the program makes it current at start, wherever it was started from.

#include <QString>
#include <QStringList>

namespace platform {

// Where the data folder may be, best first: $KELVARIN_DATA, "data" beside the
// executable (the build tree), the installed share folder.
QStringList dataFolderCandidates(const QString& executableDir);

// Makes the first existing candidate current. Returns it, or an empty text
// when none exists (the current folder is then left alone).
QString enterDataFolder();

} // namespace platform
