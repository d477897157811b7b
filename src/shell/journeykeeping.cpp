#include "journeykeeping.h"

#include "platform/filenames.h"
#include "shell/journeysave.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace journey {

namespace {

// Moves the file to the new name unless a file has that name already.
bool moveWithoutReplacing(const QString& from, const QString& to)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // A file system without that rename: a link cannot replace a file.
    if (::link(source.constData(), target.constData()) == 0)
        return ::unlink(source.constData()) == 0;
    return false;
}

} // namespace

SetAside setAsideAutosave()
{
    SetAside aside;
    const QString slot = autosaveFile();
    if (slot.isEmpty() || (!QFileInfo(slot).exists() && !QFileInfo(slot).isSymLink())) {
        aside.why = QCoreApplication::translate("Saves", "there is no journey saved automatically");
        return aside;
    }
    const QString stem = QFileInfo(slot).completeBaseName();
    const QString when = QDateTime::currentDateTime().toString(
        QCoreApplication::translate("Saves", "yyyy-MM-dd-hhmmss"));
    const QDir folder = QFileInfo(slot).dir();
    for (int attempt = 1; attempt <= 100; ++attempt) {
        const QString name =
            QStringLiteral("%1.damaged-%2%3.%4")
                .arg(stem, when, attempt == 1 ? QString() : QStringLiteral("-%1").arg(attempt),
                     FileExtension);
        const QString kept = folder.filePath(name);
        if (moveWithoutReplacing(slot, kept)) {
            aside.keptAs = kept;
            return aside;
        }
        if (errno != EEXIST)
            break;
    }
    aside.why = QString::fromLocal8Bit(std::strerror(errno));
    return aside;
}

QString keepDamagedAutosave(const QString& problem)
{
    const SetAside aside = setAsideAutosave();
    QString told = problem;
    const QString unchanged =
        QCoreApplication::translate("Saves", "  Nothing in the game was changed.");
    if (told.endsWith(unchanged))
        told.chop(unchanged.size());
    if (aside.keptAs.isEmpty())
        return told + QCoreApplication::translate(
                          "Saves", "  It could not be moved aside (%1), so no journey will be "
                                   "saved automatically in its place.")
                          .arg(aside.why);
    return told + QCoreApplication::translate("Saves",
                                              "  It is kept as \"%1\", where the journeys saved "
                                              "automatically from now on do not replace it.")
                      .arg(platform::shownName(aside.keptAs));
}

QString keepAutosaveThatWouldNotOpen(const JourneyState& state)
{
    const Reading slot = readAutosave();
    if (!slot.problem.isEmpty() || !(slot.state == state))
        return {};
    const SetAside aside = setAsideAutosave();
    if (aside.keptAs.isEmpty())
        return {};
    return QCoreApplication::translate(
               "Saves", "The journey saved automatically is kept as \"%1\", where the journeys "
                        "saved automatically from now on do not replace it.")
        .arg(platform::shownName(aside.keptAs));
}

} // namespace journey
