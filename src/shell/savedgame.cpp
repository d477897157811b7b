#include "savedgame.h"

#include "platform/diskwrite.h"
#include "platform/filenames.h"
#include "platform/regularfile.h"
#include "shell/wholenumber.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <utility>
#include <vector>

namespace savedgame {

QByteArray mainFileBytes(const MainFile& file)
{
    QByteArray bytes;
    bytes.reserve(FileSize);
    for (std::uint8_t count : file.ItemCount)
        bytes.append(static_cast<char>(count));
    for (std::uint8_t flag : file.TradeDone)
        bytes.append(static_cast<char>(flag));
    bytes.append(static_cast<char>(static_cast<std::uint8_t>(file.GridPos + PositionBias)));
    const auto money = static_cast<std::uint32_t>(file.Money);
    for (int shift = 0; shift < 32; shift += 8)
        bytes.append(static_cast<char>((money >> shift) & 0xFF));
    return bytes;
}

MainFileReading readMainFile(const QByteArray& bytes)
{
    MainFileReading reading;
    if (bytes.size() != FileSize) {
        reading.problem =
            QCoreApplication::translate("Saves", "it holds %1 bytes, where a saved game holds %2")
                .arg(bytes.size())
                .arg(FileSize);
        return reading;
    }
    auto byteAt = [&bytes](int offset) { return static_cast<std::uint8_t>(bytes[offset]); };
    MainFile& file = reading.file;
    for (int item = 0; item < ItemTotal; ++item)
        file.ItemCount[static_cast<std::size_t>(item)] = byteAt(item);
    for (int trade = 0; trade < SavedTradeFlags; ++trade) {
        const std::uint8_t flag = byteAt(ItemTotal + trade);
        if (flag > 1) {
            reading.problem = QCoreApplication::translate(
                                  "Saves", "trade flag %1 holds %2, where only 0 or 1 can be")
                                  .arg(trade)
                                  .arg(flag);
            return reading;
        }
        file.TradeDone[static_cast<std::size_t>(trade)] = flag;
    }
    file.GridPos = byteAt(PositionOffset) - PositionBias;
    std::uint32_t money = 0;
    for (int k = 3; k >= 0; --k)
        money = (money << 8) | byteAt(MoneyOffset + k);
    file.Money = static_cast<std::int32_t>(money);
    if (file.Money < 0)
        reading.problem =
            QCoreApplication::translate("Saves", "its money is negative (%1)").arg(file.Money);
    else if (file.Money > goods::NumberCeiling)
        reading.problem =
            QCoreApplication::translate("Saves", "it holds more money than the game can hold (%1)")
                .arg(file.Money);
    return reading;
}

QByteArray textFileBytes(const QStringList& lines)
{
    QByteArray bytes;
    for (QString line : lines) {
        line.replace(QLatin1String("\r\n"), QLatin1String(" "));
        line.replace(QLatin1Char('\r'), QLatin1Char(' '));
        line.replace(QLatin1Char('\n'), QLatin1Char(' '));
        bytes += line.toUtf8();
        bytes += "\r\n";
    }
    return bytes;
}

QStringList textFileLines(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QStringList lines;
    QString line;
    bool open = false; // a line has begun that no line break has ended yet
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            lines << line;
            line.clear();
            open = false;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines << line;
    return lines;
}

QString catchFileName(const QString& mainFile)
{
    return mainFile + QStringLiteral("~1");
}

QString namesFileName(const QString& mainFile)
{
    return catchFileName(mainFile) + QLatin1Char('2');
}

namespace {

FileMover& installedMover()
{
    static FileMover mover;
    return mover;
}

bool moveFile(const QString& from, const QString& to)
{
    if (installedMover())
        return installedMover()(from, to);
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A name in the folder that no file has, for a file being written or an
// earlier file moved aside; empty when the folder takes no new file.
QString freeName(const QString& folder)
{
    QTemporaryFile reserved(folder + QLatin1Char('/') + QLatin1String(EarlierFilePrefix) +
                            QStringLiteral("XXXXXX"));
    if (!reserved.open())
        return {};
    return reserved.fileName(); // removed again when `reserved` goes
}

QString notSaved(const QString& why)
{
    return QCoreApplication::translate(
               "Saves", "The game could not be saved: %1.  A game saved earlier under this "
                        "name is unchanged.")
        .arg(why);
}

// One file of the save on its way into place.
struct Placement {
    QString target;
    QByteArray bytes;
    QString written; // the new content, beside its place
    QString aside;   // the earlier file of that name, moved aside
    bool placed = false;
};

bool writeBeside(Placement& file, QString& why)
{
    const QString folder = QFileInfo(file.target).absolutePath();
    const QString shown = platform::shownName(file.target);
    QTemporaryFile out(folder + QLatin1Char('/') + QLatin1String(WritingFilePrefix) +
                       QStringLiteral("XXXXXX"));
    out.setAutoRemove(false);
    auto cannotWrite = [&](int error, const QString& qtReason) {
        if (platform::diskIsFull(error, folder, file.bytes.size()))
            why = QCoreApplication::translate("Saves", "%1 for \"%2\"")
                      .arg(platform::diskFullWords(), shown);
        else
            why = QCoreApplication::translate("Saves", "\"%1\" cannot be written (%2)")
                      .arg(shown, error ? QString::fromLocal8Bit(std::strerror(error)) : qtReason);
        return false;
    };
    if (!out.open()) {
        const int error = errno;
        return cannotWrite(error, out.errorString());
    }
    file.written = out.fileName();
    if (const int error =
            platform::writeAll(out.handle(), file.bytes.constData(), file.bytes.size()))
        return cannotWrite(error, {});
    if (fsync(out.handle()) != 0) {
        const int error = errno;
        return cannotWrite(error, {});
    }
    out.close();
    return true;
}

// Puts every file in its place, or none: an earlier file of the same name is
// moved aside first, so that a step that fails can be undone.
bool putInPlace(std::vector<Placement>& files, QString& why)
{
    for (Placement& file : files) {
        if (QFileInfo::exists(file.target)) {
            file.aside = freeName(QFileInfo(file.target).absolutePath());
            if (file.aside.isEmpty() || !moveFile(file.target, file.aside)) {
                file.aside.clear();
                why = QCoreApplication::translate("Saves", "\"%1\" cannot be replaced")
                          .arg(platform::shownName(file.target));
                return false;
            }
        }
        if (!moveFile(file.written, file.target)) {
            why = QCoreApplication::translate("Saves", "\"%1\" cannot be put in place")
                      .arg(platform::shownName(file.target));
            return false;
        }
        file.placed = true;
    }
    return true;
}

void undoPlacing(std::vector<Placement>& files)
{
    for (auto file = files.rbegin(); file != files.rend(); ++file) {
        if (file->placed && moveFile(file->target, file->written))
            file->placed = false;
        if (!file->aside.isEmpty() && !file->placed && moveFile(file->aside, file->target))
            file->aside.clear();
    }
}

} // namespace

QString write(const QString& mainFile, const SavedGame& game)
{
    std::vector<Placement> files(3);
    files[0].target = mainFile;
    files[0].bytes = mainFileBytes(game.main);
    files[1].target = catchFileName(mainFile);
    files[1].bytes = textFileBytes(game.FishList);
    files[2].target = namesFileName(mainFile);
    files[2].bytes = textFileBytes(game.names);

    // Every name is checked before anything is written.
    // The names file's name is the longest: the main file's and "~12".
    if (QString why = platform::whyNameDoesNotFit(mainFile, 3); !why.isEmpty())
        return notSaved(
            why + QCoreApplication::translate("Saves", " (the game also writes a file of that name "
                                                       "followed by \"~12\")"));
    const QString folder = QFileInfo(mainFile).absolutePath();
    if (!QFileInfo(folder).isDir())
        return notSaved(QCoreApplication::translate("Saves", "the folder \"%1\" does not exist")
                            .arg(platform::shownName(folder)));

    // Each file is written completely beside its place, and only then are all
    // three put in place; until that succeeds nothing of an earlier save is
    // touched, and if it fails part-way what was done is undone.
    QString why;
    bool saved = true;
    for (Placement& file : files) {
        if (!writeBeside(file, why)) {
            saved = false;
            break;
        }
    }
    if (saved && !putInPlace(files, why)) {
        saved = false;
        undoPlacing(files);
    }
    bool undone = true;
    for (const Placement& file : files) {
        if (!file.written.isEmpty() && !file.placed)
            QFile::remove(file.written);
        if (!file.aside.isEmpty()) {
            if (saved)
                QFile::remove(file.aside);
            else
                undone = false;
        }
    }
    if (saved)
        return {};
    if (!undone)
        return QCoreApplication::translate(
                   "Saves", "The game was only partly saved: %1, and the earlier files could "
                            "not all be put back.  Please save the game again under another "
                            "name.")
            .arg(why);
    return notSaved(why);
}

FileMover setFileMover(FileMover mover)
{
    return std::exchange(installedMover(), std::move(mover));
}

namespace {

QString refusal(const QString& mainFile, const QString& reason)
{
    return QCoreApplication::translate(
               "Saves", "The saved game \"%1\" cannot be opened: %2.  Nothing in the game was "
                        "changed.")
        .arg(platform::shownName(mainFile), reason);
}

// Reads the whole file when it is a regular file; otherwise says why not
// ("is missing", "cannot be read (...)", "is far larger ...").
bool readWhole(const QString& name, qint64 largest, QByteArray& bytes, QString& reason)
{
    const platform::FileReading reading = platform::readRegularFile(name, largest);
    if (reading.outcome == platform::FileReading::Outcome::Read) {
        bytes = reading.bytes;
        return true;
    }
    if (reading.outcome == platform::FileReading::Outcome::TooLarge)
        reason =
            QCoreApplication::translate("Saves", "holds %1 bytes, far more than a saved game's can")
                .arg(reading.size);
    else
        reason = platform::describeFailure(reading);
    return false;
}

} // namespace

Reading read(const QString& mainFile)
{
    Reading reading;
    QString reason;

    if (QFileInfo(mainFile).isFile() && QFileInfo(mainFile).size() != FileSize) {
        reading.problem = refusal(
            mainFile, QCoreApplication::translate("Saves", "it holds %1 bytes, where a saved game "
                                                           "holds %2")
                          .arg(QFileInfo(mainFile).size())
                          .arg(FileSize));
        return reading;
    }
    QByteArray bytes;
    if (!readWhole(mainFile, FileSize, bytes, reason)) {
        reading.problem =
            refusal(mainFile, QCoreApplication::translate("Saves", "the file ") + reason);
        return reading;
    }
    const MainFileReading main = readMainFile(bytes);
    if (!main.problem.isEmpty()) {
        reading.problem = refusal(mainFile, main.problem);
        return reading;
    }
    reading.game.main = main.file;

    const QString catchFile = catchFileName(mainFile);
    if (!readWhole(catchFile, MaxCatchFileBytes, bytes, reason)) {
        reading.problem =
            refusal(mainFile, QCoreApplication::translate("Saves", "its catch list \"%1\" %2")
                                  .arg(platform::shownName(catchFile), reason));
        return reading;
    }
    reading.game.FishList = textFileLines(bytes);
    if (reading.game.FishList.size() > MostCatchLines) {
        reading.problem = refusal(
            mainFile, QCoreApplication::translate("Saves", "its catch list \"%1\" holds %2 lines, "
                                                           "where a catch list has at most %3")
                          .arg(catchFile)
                          .arg(reading.game.FishList.size())
                          .arg(MostCatchLines));
        return reading;
    }
    for (qsizetype line = 0; line < reading.game.FishList.size(); ++line) {
        const qsizetype length = reading.game.FishList.at(line).size();
        if (length > LongestCatchLine) {
            reading.problem = refusal(
                mainFile, QCoreApplication::translate(
                              "Saves", "line %1 of its catch list \"%2\" is %3 characters long, "
                                       "where a line of the catch list has at most %4")
                              .arg(line + 1)
                              .arg(catchFile)
                              .arg(length)
                              .arg(LongestCatchLine));
            return reading;
        }
    }

    const QString namesFile = namesFileName(mainFile);
    if (!readWhole(namesFile, MaxNamesFileBytes, bytes, reason)) {
        reading.problem = refusal(
            mainFile, QCoreApplication::translate("Saves", "its file of party names \"%1\" %2")
                          .arg(platform::shownName(namesFile), reason));
        return reading;
    }
    reading.game.names = textFileLines(bytes);
    if (reading.game.names.size() != PartySize) {
        reading.problem = refusal(
            mainFile,
            QCoreApplication::translate("Saves", "its file of party names \"%1\" holds %2 "
                                                 "lines, where the %3 names belong")
                .arg(platform::shownName(namesFile), QString::number(reading.game.names.size()),
                     QString::number(PartySize)));
        return reading;
    }
    for (int member = 0; member < PartySize; ++member) {
        const qsizetype length = reading.game.names.at(member).size();
        if (length > MaxNameLength) {
            reading.problem = refusal(
                mainFile, QCoreApplication::translate(
                              "Saves", "the name of traveller %1 is %2 characters long, where "
                                       "a traveller's name has at most %3")
                              .arg(member + 1)
                              .arg(length)
                              .arg(MaxNameLength));
            return reading;
        }
    }
    return reading;
}

} // namespace savedgame
