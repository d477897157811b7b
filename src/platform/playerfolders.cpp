#include "playerfolders.h"

#include <QDir>
#include <QStandardPaths>

namespace platform {

QString gameDataHome()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return {};
    return folder;
}

QString savedGamesFolder()
{
    // Without a documents folder of its own the user's documents location
    // is the home folder itself; the game's own folder is tidier then.
    const QString documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QDir(documents) != QDir::home() && QDir(documents).exists())
        return documents;
    const QString own = gameDataHome();
    return own.isEmpty() ? QDir::homePath() : own;
}

} // namespace platform
