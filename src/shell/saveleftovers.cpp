#include "saveleftovers.h"

#include "platform/playerfolders.h"
#include "shell/journeysave.h"
#include "shell/savedgame.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace saves {

namespace {

// The six characters a temporary file's name ends in.
const QString Unique = QStringLiteral("[A-Za-z0-9]{6}");

bool matches(const QString& fileName, const QString& prefix)
{
    const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QRegularExpression::escape(prefix) + Unique));
    return pattern.match(fileName).hasMatch();
}

void sweep(const QString& folder, bool withSlot, qint64 age, QStringList& removed)
{
    if (folder.isEmpty())
        return;
    const QDateTime before = QDateTime::currentDateTime().addSecs(-age);
    const QFileInfoList files =
        QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        const bool leftover = (withSlot && isSlotLeftover(name)) || isMarketLeftover(name);
        // A regular file only, and one no running game is writing now.
        if (!leftover || !file.isFile() || file.isSymLink() || file.lastModified() > before)
            continue;
        if (QFile::remove(file.absoluteFilePath()))
            removed << file.absoluteFilePath();
    }
}

} // namespace

bool isSlotLeftover(const QString& fileName)
{
    return matches(fileName, QString(journey::AutosaveFileName) + QLatin1Char('.'));
}

bool isMarketLeftover(const QString& fileName)
{
    return matches(fileName, QString::fromLatin1(savedgame::WritingFilePrefix));
}

QStringList removeLeftovers(qint64 age)
{
    QStringList removed;
    const QString dataHome = platform::gameDataHome();
    sweep(dataHome, true, age, removed);
    const QString savedGames = platform::savedGamesFolder();
    if (QDir(savedGames) != QDir(dataHome))
        sweep(savedGames, false, age, removed);
    return removed;
}

} // namespace saves
