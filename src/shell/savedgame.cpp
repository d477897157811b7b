#include "savedgame.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>

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
        reading.problem = QStringLiteral("it holds %1 bytes, where a saved game holds %2")
                              .arg(bytes.size())
                              .arg(FileSize);
        return reading;
    }
    auto byteAt = [&bytes](int offset) { return static_cast<std::uint8_t>(bytes[offset]); };
    MainFile& file = reading.file;
    for (int item = 0; item < goods::ItemTotal; ++item)
        file.ItemCount[static_cast<std::size_t>(item)] = byteAt(item);
    for (int trade = 0; trade < SavedTradeFlags; ++trade) {
        const std::uint8_t flag = byteAt(goods::ItemTotal + trade);
        if (flag > 1) {
            reading.problem = QStringLiteral("trade flag %1 holds %2, where only 0 or 1 can be")
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
        reading.problem = QStringLiteral("its money is negative (%1)").arg(file.Money);
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

QString write(const QString& mainFile, const SavedGame& game)
{
    const struct {
        QString name;
        QByteArray bytes;
    } files[] = {{mainFile, mainFileBytes(game.main)},
                 {catchFileName(mainFile), textFileBytes(game.FishList)},
                 {namesFileName(mainFile), textFileBytes(game.names)}};

    // Each file is written beside its place under a name of its own; a file
    // not committed is thrown away, so nothing of an earlier save is touched
    // until all three are complete.
    std::unique_ptr<QSaveFile> written[std::size(files)];
    for (std::size_t k = 0; k < std::size(files); ++k) {
        auto out = std::make_unique<QSaveFile>(files[k].name);
        if (!out->open(QIODevice::WriteOnly) ||
            out->write(files[k].bytes) != files[k].bytes.size() || !out->flush()) {
            return QStringLiteral("The game could not be saved: \"%1\" cannot be written (%2).  "
                                  "A game saved earlier under this name is unchanged.")
                .arg(files[k].name, out->errorString());
        }
        written[k] = std::move(out);
    }
    for (std::size_t k = 0; k < std::size(files); ++k) {
        if (!written[k]->commit()) {
            return QStringLiteral("The game was only partly saved: \"%1\" could not be put in "
                                  "place (%2).  Please save the game again.")
                .arg(files[k].name, written[k]->errorString());
        }
    }
    return {};
}

namespace {

QString refusal(const QString& mainFile, const QString& reason)
{
    return QStringLiteral("The saved game \"%1\" cannot be opened: %2.  Nothing in the game was "
                          "changed.")
        .arg(mainFile, reason);
}

// Reads the whole file; otherwise says why not ("is missing", "cannot be read
// (...)").
bool readWhole(const QString& name, QByteArray& bytes, QString& reason)
{
    QFile file(name);
    if (!QFileInfo(name).isFile()) {
        reason = QStringLiteral("is missing");
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        reason = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        reason = QStringLiteral("cannot be read (%1)").arg(file.errorString());
        return false;
    }
    return true;
}

} // namespace

Reading read(const QString& mainFile)
{
    Reading reading;
    QString reason;

    if (QFileInfo(mainFile).isFile() && QFileInfo(mainFile).size() != FileSize) {
        reading.problem = refusal(mainFile, QStringLiteral("it holds %1 bytes, where a saved game "
                                                           "holds %2")
                                                .arg(QFileInfo(mainFile).size())
                                                .arg(FileSize));
        return reading;
    }
    QByteArray bytes;
    if (!readWhole(mainFile, bytes, reason)) {
        reading.problem = refusal(mainFile, QStringLiteral("the file ") + reason);
        return reading;
    }
    const MainFileReading main = readMainFile(bytes);
    if (!main.problem.isEmpty()) {
        reading.problem = refusal(mainFile, main.problem);
        return reading;
    }
    reading.game.main = main.file;

    const QString catchFile = catchFileName(mainFile);
    if (!readWhole(catchFile, bytes, reason)) {
        reading.problem =
            refusal(mainFile, QStringLiteral("its catch list \"%1\" %2").arg(catchFile, reason));
        return reading;
    }
    reading.game.FishList = textFileLines(bytes);

    const QString namesFile = namesFileName(mainFile);
    if (!readWhole(namesFile, bytes, reason)) {
        reading.problem = refusal(
            mainFile, QStringLiteral("its file of party names \"%1\" %2").arg(namesFile, reason));
        return reading;
    }
    reading.game.names = textFileLines(bytes);
    if (reading.game.names.size() != PartySize) {
        reading.problem =
            refusal(mainFile, QStringLiteral("its file of party names \"%1\" holds %2 "
                                             "lines, where the %3 names belong")
                                  .arg(namesFile, QString::number(reading.game.names.size()),
                                       QString::number(PartySize)));
    }
    return reading;
}

} // namespace savedgame
