#include "datafolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

QStringList dataFolderCandidates(const QString& executableDir)
{
    QStringList candidates;
    const QString fromEnvironment = qEnvironmentVariable("KELVARIN_DATA");
    if (!fromEnvironment.isEmpty())
        candidates << fromEnvironment;
    candidates << QDir(executableDir).filePath(QStringLiteral("data"))
               << QDir(executableDir).filePath(QStringLiteral("../share/kelvarin"));
    return candidates;
}

QString enterDataFolder()
{
    for (const QString& candidate : dataFolderCandidates(QCoreApplication::applicationDirPath())) {
        // Resolved before the folder is entered: a relative name means the
        // folder where the game was started.
        const QString folder = QFileInfo(candidate).canonicalFilePath();
        if (!folder.isEmpty() && QFileInfo(folder).isDir() && QDir::setCurrent(folder))
            return folder;
    }
    return {};
}

} // namespace platform
