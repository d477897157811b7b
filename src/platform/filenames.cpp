#include "filenames.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <climits>
#include <unistd.h>

namespace platform {

namespace {

// Enough for a full name in any common folder; a longer one is cut.
constexpr qsizetype LongestShown = 100;
constexpr qsizetype EndShown = 44;
constexpr qsizetype OwnNameShown = 60;

long systemLimit(const QString& folder, int which, long fallback)
{
    const long limit = pathconf(QFile::encodeName(folder).constData(), which);
    return limit > 0 ? limit : fallback;
}

} // namespace

QString shownName(const QString& fileName)
{
    if (fileName.size() <= LongestShown)
        return fileName;
    // A file's own name of a usual length shows whole, with a little of its
    // folder: it is what the player looks for.
    const qsizetype ownName = fileName.size() - fileName.lastIndexOf(QLatin1Char('/')) - 1;
    const qsizetype end = ownName <= OwnNameShown ? std::max(EndShown, ownName + 12) : EndShown;
    const qsizetype begin = LongestShown - end - 3;
    return fileName.left(begin) + QStringLiteral("...") + fileName.right(end);
}

QString whyNameDoesNotFit(const QString& fileName, qsizetype growth)
{
    const QFileInfo file(fileName);
    const QString folder = file.absolutePath();
    const qsizetype nameBytes = QFile::encodeName(file.fileName()).size() + growth;
    const long longestName = systemLimit(folder, _PC_NAME_MAX, NAME_MAX);
    if (nameBytes > longestName)
        return QCoreApplication::translate(
                   "Saves", "the name \"%1\" is too long for its folder (a name there has at "
                            "most %2 bytes)")
            .arg(shownName(file.fileName()))
            .arg(longestName - growth);
    const qsizetype pathBytes = QFile::encodeName(file.absoluteFilePath()).size() + growth;
    const long longestPath = systemLimit(folder, _PC_PATH_MAX, PATH_MAX);
    if (pathBytes >= longestPath)
        return QCoreApplication::translate(
                   "Saves", "the name \"%1\" with its folders is too long (the system takes at "
                            "most %2 bytes)")
            .arg(shownName(file.absoluteFilePath()))
            .arg(longestPath - 1 - growth);
    return {};
}

} // namespace platform

namespace platform {

QString withExtension(const QString& fileName, const QString& extension)
{
    const QString ending = QLatin1Char('.') + extension;
    if (extension.isEmpty() || fileName.endsWith(ending, Qt::CaseInsensitive))
        return fileName;
    return fileName + ending;
}

} // namespace platform
