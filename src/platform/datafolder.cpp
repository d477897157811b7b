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
        const QFileInfo info(candidate);
        if (info.isDir() && QDir::setCurrent(info.absoluteFilePath()))
            return info.canonicalFilePath();
    }
    return {};
}

} // namespace platform
