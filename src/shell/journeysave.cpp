#include "journeysave.h"

#include "platform/playerfolders.h"
#include "shell/journeyformat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace journey {

bool isJourneyFile(const QString& fileName)
{
    if (fileName.endsWith(QLatin1Char('.') + FileExtension, Qt::CaseInsensitive))
        return true;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return file.read(MarkSize) == QByteArray(Mark, MarkSize);
}

namespace {

// The bytes go out in stretches, so that the progress can be told.
constexpr qint64 Stretch = 64 << 10;
// While it is written, the new file has its final name followed by a dot
// and six characters, beside its place (QSaveFile's way).
constexpr qsizetype WritingSuffix = 7;

WriteProgress& installedProgress()
{
    static WriteProgress progress;
    return progress;
}

// The longest file name the folder takes, in bytes.
qsizetype longestName(const QString& folder)
{
    const long longest = pathconf(QFile::encodeName(folder).constData(), _PC_NAME_MAX);
    return longest > 0 ? longest : 255;
}

// A rename is only lasting once the folder that holds it is on the disk.
void syncFolder(const QString& folder)
{
    const int handle = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY);
    if (handle < 0)
        return;
    fsync(handle);
    ::close(handle);
}

// Writes the bytes beside the file and then puts them in its place; says why
// not otherwise.
bool writeInPlace(const QString& fileName, const QByteArray& bytes, QString& why)
{
    const QFileInfo target(fileName);
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir()) {
        why = QStringLiteral("the folder \"%1\" does not exist").arg(folder);
        return false;
    }
    if (target.isDir()) {
        why = QStringLiteral("\"%1\" is a folder").arg(fileName);
        return false;
    }
    if (QFile::encodeName(target.fileName()).size() + WritingSuffix > longestName(folder)) {
        why = QStringLiteral("the name \"%1\" is too long for its folder").arg(target.fileName());
        return false;
    }

    QSaveFile out(fileName);
    auto cannotWrite = [&] {
        why = QStringLiteral("\"%1\" cannot be written (%2)").arg(fileName, out.errorString());
        out.cancelWriting();
        return false;
    };
    if (!out.open(QIODevice::WriteOnly))
        return cannotWrite();
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 stretch = std::min(Stretch, bytes.size() - written);
        if (out.write(bytes.constData() + written, stretch) != stretch || !out.flush())
            return cannotWrite();
        written += stretch;
        if (installedProgress())
            installedProgress()(written, bytes.size());
    }
    if (fsync(out.handle()) != 0)
        return cannotWrite();
    if (!out.commit()) {
        why = QStringLiteral("\"%1\" cannot be put in place (%2)").arg(fileName, out.errorString());
        return false;
    }
    syncFolder(folder);
    return true;
}

// Checks the journey and writes it; says why not otherwise.
bool save(const QString& fileName, const JourneyState& state, QString& why)
{
    why = state.check();
    if (!why.isEmpty())
        return false;
    const QByteArray bytes = journeyBytes(state);
    if (bytes.size() > LargestFile) {
        why = QStringLiteral("it would take %1 bytes, more than a journey can").arg(bytes.size());
        return false;
    }
    return writeInPlace(fileName, bytes, why);
}

// Reads the whole file, unless it is larger than any journey can be; says
// why not otherwise.
bool readWhole(const QString& fileName, QByteArray& bytes, QString& reason)
{
    const QFileInfo info(fileName);
    if (!info.exists()) {
        reason = QStringLiteral("the file is missing");
        return false;
    }
    if (info.isDir()) {
        reason = QStringLiteral("it is a folder, not a file");
        return false;
    }
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
        return false;
    }
    auto tooLarge = [&](qint64 size) {
        reason =
            QStringLiteral("the file holds %1 bytes, far more than any journey's can").arg(size);
        return false;
    };
    if (file.size() > LargestFile)
        return tooLarge(file.size());
    // At most one byte more than a journey can have: a file that grew since
    // it was measured is still refused without being read whole.
    bytes = file.read(LargestFile + 1);
    if (file.error() != QFileDevice::NoError) {
        reason = QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
        return false;
    }
    if (bytes.size() > LargestFile)
        return tooLarge(bytes.size());
    return true;
}

// Reads and checks the journey in the file; a refusal begins with the
// opening given ("The journey \"trip.kvj\" cannot be opened: ").
Reading readChecked(const QString& fileName, const QString& opening)
{
    Reading reading;
    QByteArray bytes;
    QString reason;
    Decoding decoding;
    if (!readWhole(fileName, bytes, reason))
        decoding.problem = reason;
    else
        decoding = readJourneyBytes(bytes);
    if (!decoding.problem.isEmpty())
        reading.problem =
            opening + decoding.problem + QStringLiteral(".  Nothing in the game was changed.");
    else
        reading.state = std::move(decoding.state);
    return reading;
}

QString noDataHome()
{
    return QStringLiteral("there is no folder for the game's own files in your data home, and "
                          "none can be made");
}

} // namespace

QString write(const QString& fileName, const JourneyState& state)
{
    QString why;
    if (save(fileName, state, why))
        return {};
    return QStringLiteral("The journey could not be saved: %1.  A journey saved earlier under "
                          "this name is unchanged.")
        .arg(why);
}

Reading read(const QString& fileName)
{
    return readChecked(fileName,
                       QStringLiteral("The journey \"%1\" cannot be opened: ").arg(fileName));
}

QString autosaveFile()
{
    const QString folder = platform::gameDataHome();
    return folder.isEmpty() ? QString() : QDir(folder).filePath(AutosaveFileName);
}

QString writeAutosave(const JourneyState& state)
{
    const QString slot = autosaveFile();
    QString why = noDataHome();
    if (!slot.isEmpty() && save(slot, state, why))
        return {};
    return QStringLiteral("The journey could not be saved automatically: %1.  The journey saved "
                          "automatically before is unchanged.")
        .arg(why);
}

SlotCheck checkAutosave()
{
    SlotCheck check;
    const QString slot = autosaveFile();
    if (slot.isEmpty() || !QFileInfo::exists(slot))
        return check;
    check.problem = readAutosave().problem;
    check.state = check.problem.isEmpty() ? SlotState::Whole : SlotState::Damaged;
    return check;
}

Reading readAutosave()
{
    const QString slot = autosaveFile();
    if (slot.isEmpty()) {
        Reading reading;
        reading.problem = QStringLiteral("The journey saved automatically cannot be opened: %1.  "
                                         "Nothing in the game was changed.")
                              .arg(noDataHome());
        return reading;
    }
    return readChecked(
        slot,
        QStringLiteral("The journey saved automatically (\"%1\") cannot be opened: ").arg(slot));
}

WriteProgress setWriteProgress(WriteProgress progress)
{
    return std::exchange(installedProgress(), std::move(progress));
}

} // namespace journey
