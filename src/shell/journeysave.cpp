#include "journeysave.h"

#include "platform/diskwrite.h"
#include "platform/filenames.h"
#include "platform/playerfolders.h"
#include "platform/regularfile.h"
#include "shell/journeyformat.h"
#include "shell/journeykeeping.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <utility>

namespace journey {

bool isJourneyFile(const QString& fileName)
{
    if (fileName.endsWith(QLatin1Char('.') + FileExtension, Qt::CaseInsensitive))
        return true;
    return beginsAsAJourney(fileName);
}

bool beginsAsAJourney(const QString& fileName)
{
    const platform::FileReading start = platform::readFileStart(fileName, MarkSize);
    return start.outcome == platform::FileReading::Outcome::Read &&
           start.bytes == QByteArray(Mark, MarkSize);
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
    const QString shown = platform::shownName(fileName);
    why = platform::whyNameDoesNotFit(fileName, WritingSuffix);
    if (!why.isEmpty())
        return false;
    if (!QFileInfo(folder).isDir()) {
        why = QCoreApplication::translate("Saves", "the folder \"%1\" does not exist")
                  .arg(platform::shownName(folder));
        return false;
    }
    if (target.isDir()) {
        why = QCoreApplication::translate("Saves", "\"%1\" is a folder").arg(shown);
        return false;
    }

    QSaveFile out(fileName);
    // The system's reason, kept before anything else can change errno; a
    // full disk is told in the game's words.
    auto cannotWrite = [&](int error, const QString& qtReason) {
        if (platform::diskIsFull(error, folder, bytes.size()))
            why = QCoreApplication::translate("Saves", "%1 for \"%2\"")
                      .arg(platform::diskFullWords(), shown);
        else
            why = QCoreApplication::translate("Saves", "\"%1\" cannot be written (%2)")
                      .arg(shown, error ? QString::fromLocal8Bit(std::strerror(error)) : qtReason);
        out.cancelWriting();
        return false;
    };
    if (!out.open(QIODevice::WriteOnly)) {
        const int error = errno;
        return cannotWrite(error, out.errorString());
    }
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 stretch = std::min(Stretch, bytes.size() - written);
        if (const int error =
                platform::writeAll(out.handle(), bytes.constData() + written, stretch))
            return cannotWrite(error, {});
        written += stretch;
        if (installedProgress())
            installedProgress()(written, bytes.size());
    }
    if (fsync(out.handle()) != 0) {
        const int error = errno;
        return cannotWrite(error, {});
    }
    if (!out.commit()) {
        if (out.error() == QFileDevice::ResourceError ||
            platform::diskIsFull(0, folder, bytes.size()))
            why = QCoreApplication::translate("Saves", "%1 for \"%2\"")
                      .arg(platform::diskFullWords(), shown);
        else
            why = QCoreApplication::translate("Saves", "\"%1\" cannot be put in place (%2)")
                      .arg(shown, out.errorString());
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
        why =
            QCoreApplication::translate("Saves", "it would take %1 bytes, more than a journey can")
                .arg(bytes.size());
        return false;
    }
    return writeInPlace(fileName, bytes, why);
}

// Reads the whole file, unless it is larger than any journey can be or not
// a regular file; says why not otherwise.
bool readWhole(const QString& fileName, QByteArray& bytes, QString& reason)
{
    const platform::FileReading reading = platform::readRegularFile(fileName, LargestFile);
    switch (reading.outcome) {
    case platform::FileReading::Outcome::Read:
        bytes = reading.bytes;
        return true;
    case platform::FileReading::Outcome::Folder:
        reason = QCoreApplication::translate("Saves", "it is a folder, not a file");
        return false;
    case platform::FileReading::Outcome::NotRegular:
        reason = QCoreApplication::translate(
            "Saves", "it is not a file the game can read (a device, a pipe or a "
                     "socket)");
        return false;
    case platform::FileReading::Outcome::TooLarge:
        reason = QCoreApplication::translate(
                     "Saves", "the file holds %1 bytes, far more than any journey's can")
                     .arg(reading.size);
        return false;
    default:
        reason =
            QCoreApplication::translate("Saves", "the file ") + platform::describeFailure(reading);
        return false;
    }
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
            opening + decoding.problem +
            QCoreApplication::translate("Saves", ".  Nothing in the game was changed.");
    else
        reading.state = std::move(decoding.state);
    return reading;
}

QString noDataHome()
{
    return QCoreApplication::translate(
        "Saves", "there is no folder for the game's own files in your data home, and "
                 "none can be made");
}

} // namespace

QString write(const QString& fileName, const JourneyState& state)
{
    QString why;
    if (save(fileName, state, why))
        return {};
    return QCoreApplication::translate(
               "Saves", "The journey could not be saved: %1.  A journey saved earlier under "
                        "this name is unchanged.")
        .arg(why);
}

Reading read(const QString& fileName)
{
    return readChecked(fileName,
                       QCoreApplication::translate("Saves", "The journey \"%1\" cannot be opened: ")
                           .arg(platform::shownName(fileName)));
}

bool isPartyName(const QString& name)
{
    if (name.isEmpty() || name.size() > LongestPartyName || name.trimmed() != name)
        return false;
    return std::none_of(name.begin(), name.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
               c.category() == QChar::Separator_Paragraph;
    });
}

QString& partyOfTheRun()
{
    static QString party;
    return party;
}

QString currentParty()
{
    return partyOfTheRun();
}

void setCurrentParty(const QString& name)
{
    partyOfTheRun() = isPartyName(name) ? name : QString();
}

QString partySlotFile(const QString& party)
{
    const QString folder = platform::gameDataHome();
    if (folder.isEmpty())
        return {};
    if (!isPartyName(party))
        return QDir(folder).filePath(AutosaveFileName);
    // Letters and digits as far as they are plain ASCII, so the file is
    // easy to find; the hash of the exact name keeps "Table 3" and
    // "table 3!" apart.
    QString stem;
    for (QChar c : party.normalized(QString::NormalizationForm_KD)) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            stem += c.toLower();
        else if (!stem.isEmpty() && !stem.endsWith(QLatin1Char('-')) && c.unicode() < 128)
            stem += QLatin1Char('-');
    }
    stem = stem.left(24);
    while (stem.endsWith(QLatin1Char('-')))
        stem.chop(1);
    const QByteArray hash =
        QCryptographicHash::hash(party.toUtf8(), QCryptographicHash::Sha1).left(4).toHex();
    const QString name = (stem.isEmpty() ? QStringLiteral("party") : stem) + QLatin1Char('-') +
                         QString::fromLatin1(hash) + QLatin1Char('.') + FileExtension;
    return QDir(folder).filePath(QString(PartySlotsFolder) + QLatin1Char('/') + name);
}

QString autosaveFile()
{
    return partySlotFile(currentParty());
}

QString writeAutosave(const JourneyState& state)
{
    const QString slot = autosaveFile();
    QString why = noDataHome();
    if (!slot.isEmpty() && !QDir().mkpath(QFileInfo(slot).absolutePath())) {
        why = QCoreApplication::translate(
                  "Saves", "the folder \"%1\" for the parties' journeys cannot be made")
                  .arg(platform::shownName(QFileInfo(slot).absolutePath()));
    } else if (!slot.isEmpty()) {
        // A journey there that cannot be opened is never written over.
        const SlotCheck check = checkAutosave();
        if (check.state == SlotState::Damaged && setAsideAutosave().keptAs.isEmpty())
            why = QCoreApplication::translate(
                "Saves", "the journey saved there before cannot be opened, and it "
                         "cannot be moved aside");
        else if (save(slot, state, why))
            return {};
    }
    return QCoreApplication::translate(
               "Saves", "The journey could not be saved automatically: %1.  The journey saved "
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
        reading.problem = QCoreApplication::translate(
                              "Saves", "The journey saved automatically cannot be opened: %1.  "
                                       "Nothing in the game was changed.")
                              .arg(noDataHome());
        return reading;
    }
    return readChecked(slot,
                       QCoreApplication::translate(
                           "Saves", "The journey saved automatically (\"%1\") cannot be opened: ")
                           .arg(platform::shownName(slot)));
}

WriteProgress setWriteProgress(WriteProgress progress)
{
    return std::exchange(installedProgress(), std::move(progress));
}

} // namespace journey
