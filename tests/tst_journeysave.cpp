// Saved journeys: a journey comes back from its file exactly as it went in,
// a file that is not a whole journey is refused with a message and changes
// nothing, a later Kelvarin's journey opens when it can, a save that fails
// leaves the earlier file whole, and so does a game killed while it saves
// automatically.

#include "boundedcall.h"
#include "journeysample.h"
#include "platform/diskwrite.h"
#include "shell/journeyformat.h"
#include "shell/journeykeeping.h"
#include "shell/journeysave.h"
#include "shell/saveleftovers.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QtEndian>
#include <csignal>
#include <unistd.h>

using journey::JourneyState;
namespace field = journey::field;

namespace {

void putLittleEndian(QByteArray& bytes, int at, quint32 value, int size)
{
    for (int k = 0; k < size; ++k)
        bytes[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

// The checksum made anew, as a file written that way would have it.
QByteArray resealed(QByteArray bytes)
{
    const qsizetype checked = bytes.size() - journey::ChecksumSize;
    putLittleEndian(bytes, static_cast<int>(checked),
                    journey::crc32(QByteArrayView(bytes).first(checked)), 4);
    return bytes;
}

QByteArray withVersion(QByteArray bytes, quint16 major, quint16 minor)
{
    putLittleEndian(bytes, journey::MarkSize, major, 2);
    putLittleEndian(bytes, journey::MarkSize + 2, minor, 2);
    return resealed(bytes);
}

// The bytes of a journey file around these entries, with the right length
// and checksum.
QByteArray fileAround(const QByteArray& entries)
{
    QByteArray bytes = QByteArray("KELVARIN-JOURNEY\x01\x00\x00\x00", 20);
    bytes += QByteArray(4, '\0');
    putLittleEndian(bytes, 20, quint32(entries.size()), 4);
    bytes += entries + QByteArray(4, '\0');
    return resealed(bytes);
}

// The entries of a journey's file.
QByteArray entriesOf(const JourneyState& state)
{
    const QByteArray bytes = journey::journeyBytes(state);
    return bytes.mid(journey::HeaderSize,
                     bytes.size() - journey::HeaderSize - journey::ChecksumSize);
}

// One entry: the name's length and the name, the kind, the value's length
// and the value.
QByteArray entry(const QByteArray& name, quint8 kind, const QByteArray& value)
{
    QByteArray bytes(2, '\0');
    putLittleEndian(bytes, 0, quint32(name.size()), 2);
    bytes += name;
    bytes += char(kind);
    QByteArray size(4, '\0');
    putLittleEndian(size, 0, quint32(value.size()), 4);
    return bytes + size + value;
}

// Every file in the folder, hidden ones too, with its bytes.
QMap<QString, QByteArray> folderContents(const QString& folder)
{
    QMap<QString, QByteArray> contents;
    const QDir dir(folder);
    for (const QString& name :
         dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot))
        contents.insert(name, fileBytes(dir.filePath(name)));
    return contents;
}

// The game's values as a journey holds them: what a test compares to see
// that the game was or was not changed.
JourneyState gameNow()
{
    return JourneyState::fromGame(1234);
}

void playSomeOfTheJourney()
{
    GameState& s = gameState();
    s.Town = 9;
    s.Encounter = 3;
    s.SpiritNo = static_cast<std::int8_t>(townContent(9).spiritNo);
    s.Stage = GameState::StageAtCounter;
    s.Activity = 2;
    s.setSceneId('x', 9, 2);
    s.earnCarePoints();
    s.FishOz = 11;
    s.Health = {1, 0, 0, 3, 0, 2, 0};
    s.SnakeVictim = 4;
    goods::possessions().ItemCount[12] = 40;
    goods::possessions().TradeDone[53] = 1;
}

} // namespace

class JourneySaveTest : public QObject {
    Q_OBJECT

    QTemporaryDir home;
    QTemporaryDir* folder = nullptr;

    QString inFolder(const QString& name) const { return folder->filePath(name); }
    QString dataHome() const { return home.filePath(QStringLiteral(".local/share")); }

    // A journey with the given field changed; an invalid value removes it.
    static JourneyState changed(JourneyState state, const QString& name, const QVariant& value)
    {
        if (!value.isValid())
            state.remove(name);
        else if (value.typeId() == QMetaType::LongLong)
            state.setNumber(name, value.toLongLong());
        else if (value.typeId() == QMetaType::QString)
            state.setText(name, value.toString());
        else if (value.typeId() == QMetaType::QStringList)
            state.setTexts(name, value.toStringList());
        else
            state.setNumbers(name, value.value<QList<qint64>>());
        return state;
    }

private slots:
    void initTestCase()
    {
        // The slot is where the game puts it, under this suite's own home.
        QCoreApplication::setApplicationName(QStringLiteral("kelvarin"));
        QCoreApplication::setOrganizationName(QStringLiteral("Kelvarin"));
        qputenv("HOME", home.path().toUtf8());
        qputenv("XDG_DATA_HOME", dataHome().toUtf8());
    }

    void init()
    {
        resetGameState();
        goods::resetPossessions();
        folder = new QTemporaryDir;
        QFile::remove(journey::autosaveFile());
    }

    void cleanup()
    {
        journey::setWriteProgress({});
        platform::setRawWrite({});
        delete folder;
    }

    void aJourneyComesBackFieldByField()
    {
        JourneyState saved = sampleJourney(7, 500);
        saved.setNumber(QStringLiteral("LaterCounter"), 0x7fffffffffffffff);
        saved.setNumbers(QStringLiteral("Distances"), {-1, 0, std::numeric_limits<qint64>::min()});
        saved.setTexts(QStringLiteral("Notes"), {QStringLiteral("line\r\nbreak"), QString()});
        const QString file = inFolder("trip.kvj");
        QCOMPARE(journey::write(file, saved), QString());

        const journey::Reading back = journey::read(file);
        QCOMPARE(back.problem, QString());
        QCOMPARE(back.state.names(), saved.names());
        for (const QString& name : saved.names())
            QVERIFY2(back.state.values().value(name) == saved.values().value(name),
                     qPrintable(name));
        QVERIFY(back.state == saved);
        // The same journey always gives the same bytes.
        QCOMPARE(fileBytes(file), journey::journeyBytes(back.state));
    }

    void theGameComesBackFromAJourney()
    {
        playSomeOfTheJourney();
        gameState().MusicEnabled = 0;
        const JourneyState before = gameNow();
        JourneyState saved = before;
        saved.setCatchList({QStringLiteral("2 lb 5 oz bluegill")});
        saved.setPartyNames(sampleJourney(0).partyNames());
        QCOMPARE(journey::write(inFolder("trip.kvj"), saved), QString());

        resetGameState();
        goods::resetPossessions();
        const journey::Reading back = journey::read(inFolder("trip.kvj"));
        QCOMPARE(back.problem, QString());
        QCOMPARE(back.state.applyToGame(), 1234);
        QVERIFY(gameNow() == before);
        QCOMPARE(gameState().sceneId(), QStringLiteral("x092"));
        QCOMPARE(gameState().Stage, GameState::StageAtCounter);
        QCOMPARE(goods::possessions().TradeDone[53], 1);
        // What a journey does not hold stays as the game has it.
        QCOMPARE(gameState().MusicEnabled, 1);
        QCOMPARE(back.state.catchList(), saved.catchList());
        QCOMPARE(back.state.partyNames(), saved.partyNames());
    }

    void aJourneyThatIsNotWholeIsNotApplied()
    {
        JourneyState partial = sampleJourney(3);
        partial.remove(field::Names);
        playSomeOfTheJourney();
        const JourneyState before = gameNow();
        QCOMPARE(partial.applyToGame(), -1);
        QVERIFY(gameNow() == before);
    }

    void theFileBeginsWithItsMarkAndVersion()
    {
        const QByteArray bytes = journey::journeyBytes(sampleJourney(1));
        QCOMPARE(bytes.left(20), QByteArray("KELVARIN-JOURNEY\x01\x00\x00\x00", 20));
        const quint32 body = qFromLittleEndian<quint32>(bytes.constData() + 20);
        QCOMPARE(qsizetype(body), bytes.size() - 24 - 4);
        QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + bytes.size() - 4),
                 journey::crc32(QByteArrayView(bytes).chopped(4)));
        // The checksum zip and PNG use.
        QCOMPARE(journey::crc32("123456789"), 0xCBF43926u);
    }

    void aFileThatIsNotAWholeJourneyIsRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<int>("at");
        QTest::addColumn<QString>("reason");
        const QString cutShort = "it was cut short";
        QTest::newRow("missing") << "remove" << 0 << "the file is missing";
        QTest::newRow("a folder of that name") << "folder" << 0 << "it is a folder";
        QTest::newRow("empty") << "cut" << 0 << "the file is empty";
        QTest::newRow("cut in its mark") << "cut" << 10 << cutShort;
        QTest::newRow("cut after its mark") << "cut" << 16 << cutShort;
        QTest::newRow("cut in its length") << "cut" << 23 << cutShort;
        QTest::newRow("cut before its entries") << "cut" << 24 << cutShort;
        QTest::newRow("cut in an entry") << "cut" << 100 << cutShort;
        QTest::newRow("cut in its checksum") << "cut from end" << 1 << cutShort;
        QTest::newRow("a byte added") << "grow" << 0 << "something was added to it";
        QTest::newRow("a flea market save") << "other" << 0 << "it is not a Kelvarin journey";
        QTest::newRow("far larger than any journey")
            << "huge" << 0 << "far more than any journey's can";
        QTest::newRow("flipped in its mark") << "flip" << 0 << "it is not a Kelvarin journey";
        QTest::newRow("flipped at the mark's end")
            << "flip" << 15 << "it is not a Kelvarin journey";
        QTest::newRow("flipped in its version") << "flip" << 16 << "it is damaged";
        QTest::newRow("flipped in its minor version") << "flip" << 19 << "it is damaged";
        QTest::newRow("flipped in its length") << "flip" << 21 << "the journey in it needs";
        QTest::newRow("flipped in its first entry's name") << "flip" << 27 << "it is damaged";
        QTest::newRow("flipped half-way") << "flip" << -2 << "it is damaged";
        QTest::newRow("flipped in its last value") << "flip" << -5 << "it is damaged";
        QTest::newRow("flipped in its checksum") << "flip" << -1 << "it is damaged";
    }

    void aFileThatIsNotAWholeJourneyIsRefused()
    {
        QFETCH(QString, damage);
        QFETCH(int, at);
        QFETCH(QString, reason);
        const QString file = inFolder("trip.kvj");
        QCOMPARE(journey::write(file, sampleJourney(2)), QString());
        QByteArray bytes = fileBytes(file);
        if (damage == "remove") {
            QFile::remove(file);
        } else if (damage == "folder") {
            QFile::remove(file);
            QVERIFY(QDir().mkdir(file));
        } else if (damage == "cut") {
            writeBytes(file, bytes.left(at));
        } else if (damage == "cut from end") {
            writeBytes(file, bytes.chopped(at));
        } else if (damage == "grow") {
            writeBytes(file, bytes + '\0');
        } else if (damage == "other") {
            writeBytes(file, QByteArray(386, '\0') + QByteArray::fromHex("2032000000"));
        } else if (damage == "huge") {
            QFile big(file);
            QVERIFY(big.open(QIODevice::WriteOnly | QIODevice::Truncate));
            QVERIFY(big.resize(journey::LargestFile + 1)); // sparse: nothing to read in it
        } else if (damage == "flip") {
            const int position = at == -2 ? int(bytes.size() / 2)
                                 : at < 0 ? int(bytes.size()) + at
                                          : at;
            bytes[position] = static_cast<char>(bytes[position] ^ 0x5A);
            writeBytes(file, bytes);
        }
        playSomeOfTheJourney();
        const JourneyState before = gameNow();

        const journey::Reading reading = journey::read(file);
        QVERIFY2(reading.problem.startsWith("The journey \"" + file + "\" cannot be opened: "),
                 qPrintable(reading.problem));
        QVERIFY2(reading.problem.contains(reason), qPrintable(reading.problem));
        QVERIFY(reading.problem.endsWith(".  Nothing in the game was changed."));
        QVERIFY(reading.state == JourneyState());
        QVERIFY(gameNow() == before);
    }

    void everyByteFlippedIsFound()
    {
        const QByteArray bytes = journey::journeyBytes(sampleJourney(4, 3));
        for (qsizetype position = 0; position < bytes.size(); ++position) {
            for (char flip : {'\x01', '\x80', '\xff'}) {
                QByteArray damaged = bytes;
                damaged[position] = static_cast<char>(damaged[position] ^ flip);
                const journey::Decoding decoding = journey::readJourneyBytes(damaged);
                QVERIFY2(!decoding.problem.isEmpty(),
                         qPrintable(QStringLiteral("byte %1 ^ %2").arg(position).arg(int(flip))));
                QVERIFY(decoding.state == JourneyState());
            }
        }
    }

    void anEntryNotInItsFormIsRefused_data()
    {
        // Each is laid before the entries of a whole journey, behind a good
        // checksum: only the reading of the entries can find it.
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QString>("reason");
        const QString notAnEntry = "its entry 1 is not in the form of one";
        QTest::newRow("a name running past the end") << QByteArray("\xff\xffTown", 6) << notAnEntry;
        QByteArray pastTheEnd = entry("Extra", 1, QByteArray(8, 'x'));
        putLittleEndian(pastTheEnd, 2 + 5 + 1, 0x7fffffff, 4); // the value's length
        QTest::newRow("a value running past the end") << pastTheEnd << notAnEntry;
        QTest::newRow("a nameless entry") << entry("", 1, QByteArray(8, '\0')) << notAnEntry;
        QTest::newRow("a name that is not UTF-8")
            << entry("\xff\xfe", 1, QByteArray(8, '\0')) << notAnEntry;
        QTest::newRow("a number of 7 bytes")
            << entry("Extra", 1, QByteArray(7, '\0'))
            << "its field \"Extra\" is not in the form of a whole number";
        QTest::newRow("a text that is not UTF-8")
            << entry("Extra", 2, "Jos\xc3") << "its field \"Extra\" is not in the form of a text";
        QTest::newRow("more texts counted than there is room for")
            << entry("Extra", 3, QByteArray("\xff\xff\xff\xff", 4))
            << "its field \"Extra\" is not in the form of a list of texts";
        QTest::newRow("a byte after the last text")
            << entry("Extra", 3,
                     QByteArray("\x01\x00\x00\x00\x01\x00\x00\x00"
                                "ab",
                                10))
            << "its field \"Extra\" is not in the form of a list of texts";
        QTest::newRow("fewer numbers counted than there are")
            << entry("Extra", 4, QByteArray("\x01\x00\x00\x00", 4) + QByteArray(16, '\0'))
            << "its field \"Extra\" is not in the form of a list of whole numbers";
        QTest::newRow("a field twice") << entry("Town", 1, QByteArray("\x05\0\0\0\0\0\0\0", 8))
                                       << "it holds the field \"Town\" twice";
    }

    void anEntryNotInItsFormIsRefused()
    {
        QFETCH(QByteArray, first);
        QFETCH(QString, reason);
        const journey::Decoding decoding =
            journey::readJourneyBytes(fileAround(first + entriesOf(sampleJourney(3))));
        QCOMPARE(decoding.problem, reason);
        QVERIFY(decoding.state == JourneyState());
    }

    void garbledEntriesAreRefusedOrReadAsAWholeJourney()
    {
        // Bytes changed among the entries, behind a good checksum, as a
        // careless tool might write them: reading either refuses them or
        // gives a journey the game can take, and never reads past them.
        const QByteArray entries = entriesOf(sampleJourney(4, 3));
        QRandomGenerator random(1838);
        int refused = 0;
        for (int attempt = 0; attempt < 3000; ++attempt) {
            QByteArray garbled = entries;
            for (int change = random.bounded(1, 5); change > 0; --change)
                garbled[random.bounded(int(garbled.size()))] = char(random.bounded(256));
            if (attempt % 3 == 0)
                garbled.truncate(random.bounded(int(garbled.size())));
            const journey::Decoding decoding = journey::readJourneyBytes(fileAround(garbled));
            if (!decoding.problem.isEmpty()) {
                ++refused;
                QVERIFY(decoding.state == JourneyState());
            } else {
                QCOMPARE(decoding.state.check(), QString());
            }
        }
        QVERIFY2(refused > 1500, qPrintable(QString::number(refused)));
    }

    void aValueTheGameCannotHoldIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("reason");
        const JourneyState sample = sampleJourney(5);
        auto number = [](qint64 value) { return QVariant::fromValue(value); };
        auto withNumber = [&](const QString& list, int index, qint64 value) {
            QList<qint64> numbers = sample.numbers(list);
            numbers[index] = value;
            return QVariant::fromValue(numbers);
        };
        auto withText = [&](const QString& list, int index, const QString& text) {
            QStringList texts = sample.texts(list);
            texts[index] = text;
            return QVariant(texts);
        };
        QTest::newRow("town 0") << QString(field::Town) << number(0)
                                << "the town is 0, where it can only be 1 to 28";
        QTest::newRow("town 40") << QString(field::Town) << number(40)
                                 << "the town is 40, where it can only be 1 to 28";
        QTest::newRow("stage 1") << QString(field::Stage) << number(1)
                                 << "the stage in the town is 1, where it can only be 0, 2 to 4, "
                                    "105 or 115";
        QTest::newRow("negative money") << QString(field::Money) << number(-1)
                                        << "the money is -1, where it can only be 0 to 1000000000";
        QTest::newRow("more money than the game holds")
            << QString(field::Money) << number(1'000'000'001) << "the money is 1000000001";
        QTest::newRow("a name of 300 characters")
            << QString(field::Names) << withText(field::Names, 2, QString(300, 'c'))
            << "the name of traveller 3 is 300 characters long, where it can have at most 20";
        QTest::newRow("a name of 21 characters")
            << QString(field::Names) << withText(field::Names, 6, QString(21, 'c'))
            << "the name of traveller 7 is 21 characters long";
        QTest::newRow("six names") << QString(field::Names) << QVariant(sample.partyNames().mid(1))
                                   << "there are 6 entries in the party's names, where 7 belong";
        QTest::newRow("trade flag 2")
            << QString(field::TradeDone) << withNumber(field::TradeDone, 3, 2)
            << "trade flag 3 is 2, where it can only be 0 or 1";
        QTest::newRow("53 trade flags")
            << QString(field::TradeDone)
            << QVariant::fromValue(sample.numbers(field::TradeDone).mid(1))
            << "there are 53 entries in the trades done, where 54 belong";
        QTest::newRow("256 of an item")
            << QString(field::ItemCount) << withNumber(field::ItemCount, 335, 256)
            << "the count of item 335 is 256";
        QTest::newRow("16 ounces")
            << QString(field::FishOz) << number(16)
            << "the ounces of the fish's weight is 16, where it can only be 0 to 15";
        QTest::newRow("a ninth traveller bitten")
            << QString(field::SnakeVictim) << number(8) << "where it can only be 0 to 7 or 99";
        QTest::newRow("health 4") << QString(field::Health) << withNumber(field::Health, 0, 4)
                                  << "the health of traveller 1 is 4, where it can only be 0 to 3";
        QTest::newRow("a scene that is no picture's name")
            << QString(field::SceneId) << QVariant(QStringLiteral("s0a2"))
            << "the scene is \"s0a2\", where it is a letter and three digits";
        QTest::newRow("a catch line too long")
            << QString(field::FishList) << QVariant(QStringList{QString(121, 'f')})
            << "line 1 of the catch list is 121 characters long";
        QTest::newRow("a catch list too long")
            << QString(field::FishList)
            << QVariant(QStringList(10001, QStringLiteral("1 lb 0 oz perch")))
            << "there are 10001 entries in the catch list, where at most 10000 belong";
        // What no play reaches, and arithmetic on it would overflow.
        QTest::newRow("a score beyond what the trail gives")
            << QString(field::Score) << number(2147483647)
            << "the score is 2147483647, where it can only be 0 to 140";
        QTest::newRow("more fish than the game keeps")
            << QString(field::FishLb) << number(2147483647)
            << "the fish's weight in pounds is 2147483647, where it can only be 0 to 1000000";
        QTest::newRow("a count of fish past the ceiling")
            << QString(field::FishCount) << number(1'000'001) << "where it can only be 0 to 1000000";
        QTest::newRow("an instruction step of no town")
            << QString(field::InstructionStep) << number(101)
            << "the instruction step is 101, where it can only be 0 to 100";
        QTest::newRow("a trading round below zero")
            << QString(field::TradeRound) << number(-3) << "the round of trading is -3";
        // Values in range that no journey brings together (the sample is in town 6).
        QTest::newRow("a spirit heard in the first town")
            << QString(field::SpiritsHeard) << number(1 << 1)
            << "it says the spirit of town 1 has spoken, where that town has no spirit";
        QTest::newRow("a spirit heard ahead of the party")
            << QString(field::SpiritsHeard) << number(1 << 9)
            << "it says the spirit of town 9 has spoken, where the party is only in town 6";
        QTest::newRow("fishing where there is no lake")
            << QString(field::FishingMode) << number(1)
            << "it has the party fishing in town 6, where there is no lake";
        QTest::newRow("the snakebite still to come in town 6")
            << QString(field::Encounter) << number(1)
            << "the stage of meeting the spirits is 1, where in town 6 it is 3";
        QTest::newRow("the girl's trifles in town 6")
            << QString(field::SpiritNo) << number(2)
            << "the spirit's trifles are those of set 2, where town 6 has set";
        QTest::newRow("one part of the score only")
            << QString(field::TradePoints) << number(45)
            << "it holds only one of the score's two parts";
        // The journal opens with the journey: the reader refuses what opening would.
        QTest::newRow("a journal of a newer Kelvarin")
            << QString(field::Journal) << QVariant(QStringList{QStringLiteral("Kelvarin journal 3")})
            << "it was written by a newer Kelvarin (journal version 3)";
        QTest::newRow("a damaged journal line")
            << QString(field::Journal)
            << QVariant(QStringList{QStringLiteral("Kelvarin journal 1"), QStringLiteral("nonsense")})
            << "line 2 is not an entry of the journal";
        QTest::newRow("no town") << QString(field::Town) << QVariant()
                                 << "it does not hold the town";
        QTest::newRow("no names") << QString(field::Names) << QVariant()
                                  << "it does not hold the party's names";
        QTest::newRow("the town as a text")
            << QString(field::Town) << QVariant(QStringLiteral("9"))
            << "it holds the town as a text, where a whole number belongs";
    }

    void aValueTheGameCannotHoldIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(QString, reason);
        const JourneyState bad = changed(sampleJourney(5), name, value);
        QVERIFY2(bad.check().contains(reason), qPrintable(bad.check()));

        // Not written: the game could not open it again.
        const QString file = inFolder("trip.kvj");
        QCOMPARE(journey::write(file, sampleJourney(1)), QString());
        const QByteArray earlier = fileBytes(file);
        const QString problem = journey::write(file, bad);
        QVERIFY2(problem.startsWith("The journey could not be saved: "), qPrintable(problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
        QVERIFY(problem.endsWith(".  A journey saved earlier under this name is unchanged."));
        QCOMPARE(fileBytes(file), earlier);

        // Nor taken from a file that holds it.
        writeBytes(file, journey::journeyBytes(bad));
        playSomeOfTheJourney();
        const JourneyState before = gameNow();
        const journey::Reading reading = journey::read(file);
        QCOMPARE(reading.problem, "The journey \"" + file + "\" cannot be opened: " + bad.check() +
                                      ".  Nothing in the game was changed.");
        // Said once, as one sentence: a damaged journal's reason is not a
        // message within the message.
        QCOMPARE(reading.problem.count(QStringLiteral("Nothing in the game was changed.")), 1);
        QVERIFY2(!problem.contains(QStringLiteral("Nothing in the game")), qPrintable(problem));
        QVERIFY(reading.state == JourneyState());
        QVERIFY(gameNow() == before);
    }

    void valuesAtTheEndsOfTheirRangesOpen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        const QList<qint64> counts(336, 255);
        QTest::newRow("the most points") << QString(field::Score) << QVariant::fromValue(qint64(140));
        QTest::newRow("the most fish")
            << QString(field::FishLb) << QVariant::fromValue(qint64(1'000'000));
        QTest::newRow("no money") << QString(field::Money) << QVariant::fromValue(qint64(0));
        QTest::newRow("a billion")
            << QString(field::Money) << QVariant::fromValue(qint64(1'000'000'000));
        QTest::newRow("the snakebite treated")
            << QString(field::SnakeVictim) << QVariant::fromValue(qint64(0));
        QTest::newRow("255 of everything")
            << QString(field::ItemCount) << QVariant::fromValue(counts);
        QTest::newRow("no catch") << QString(field::FishList) << QVariant(QStringList());
        QTest::newRow("a nameless party")
            << QString(field::Names) << QVariant(QStringList(7, QString()));
    }

    void valuesAtTheEndsOfTheirRangesOpen()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        const JourneyState state = changed(sampleJourney(6), name, value);
        QCOMPARE(journey::write(inFolder("edge.kvj"), state), QString());
        const journey::Reading reading = journey::read(inFolder("edge.kvj"));
        QCOMPARE(reading.problem, QString());
        QVERIFY(reading.state == state);
    }

    void theFirstAndLastTownsOpen_data()
    {
        QTest::addColumn<int>("town");
        QTest::newRow("town 1") << 1;
        QTest::newRow("the girl's town") << 2;
        QTest::newRow("the trapper's town") << 3;
        QTest::newRow("town 28") << 28;
    }

    void theFirstAndLastTownsOpen()
    {
        QFETCH(int, town);
        JourneyState state = sampleJourney(6);
        moveToTown(state, town);
        QCOMPARE(state.check(), QString());
        QCOMPARE(journey::write(inFolder("edge.kvj"), state), QString());
        QVERIFY(journey::read(inFolder("edge.kvj")).state == state);
    }

    void theScoresPartsAddUpToTheScore_data()
    {
        // The sample in generation 5 has done the trades of nine useful goods.
        QTest::addColumn<qint64>("trade");
        QTest::addColumn<qint64>("care");
        QTest::addColumn<qint64>("score");
        QTest::addColumn<QString>("reason");
        QTest::newRow("goods and care") << qint64(45) << qint64(5) << qint64(50) << QString();
        QTest::newRow("goods only") << qint64(45) << qint64(0) << qint64(45) << QString();
        QTest::newRow("points from nowhere")
            << qint64(45) << qint64(5) << qint64(55)
            << "the score is 55, where its parts make 50";
        QTest::newRow("goods the trades do not show")
            << qint64(50) << qint64(0) << qint64(50)
            << "it gives 50 points for useful goods, where the trades done give at most 45";
        QTest::newRow("points in other steps than a good's")
            << qint64(43) << qint64(0) << qint64(43) << "in fives";
        // Trades the party has without having earned their points (a flea
        // market save can carry them): the journey still opens and saves.
        QTest::newRow("fewer points than goods") << qint64(20) << qint64(0) << qint64(20) << QString();
        QTest::newRow("care worth ten") << qint64(45) << qint64(10) << qint64(55)
                                        << "the points for treating the snakebite is 10";
    }

    void theScoresPartsAddUpToTheScore()
    {
        QFETCH(qint64, trade);
        QFETCH(qint64, care);
        QFETCH(qint64, score);
        QFETCH(QString, reason);
        JourneyState state = sampleJourney(5);
        state.setNumber(field::TradePoints, trade);
        state.setNumber(field::CarePoints, care);
        state.setNumber(field::Score, score);
        if (reason.isEmpty())
            QCOMPARE(state.check(), QString());
        else
            QVERIFY2(state.check().contains(reason), qPrintable(state.check()));
    }

    void aJourneySavedBeforeTheScoresPartsWereKeptHasThemWorkedOut_data()
    {
        QTest::addColumn<qint64>("score");
        QTest::addColumn<int>("trade");
        QTest::addColumn<int>("care");
        QTest::newRow("goods and the tea") << qint64(50) << 45 << 5;
        QTest::newRow("goods alone") << qint64(45) << 45 << 0;
        // A journey that took points from nowhere keeps only what was earned.
        QTest::newRow("points from nowhere") << qint64(47) << 45 << 0;
        QTest::newRow("fewer points than goods") << qint64(20) << 20 << 0;
        QTest::newRow("a score between fives") << qint64(23) << 20 << 0;
    }

    void aJourneySavedBeforeTheScoresPartsWereKeptHasThemWorkedOut()
    {
        QFETCH(qint64, score);
        QFETCH(int, trade);
        QFETCH(int, care);
        JourneyState old = sampleJourney(5); // nine useful goods traded for
        old.setNumber(field::Score, score);
        GameState state;
        goods::Possessions owned;
        QVERIFY(old.applyToGame(state, owned) >= 0);
        QCOMPARE(state.TradePoints, trade);
        QCOMPARE(state.CarePoints, care);
        QCOMPARE(state.Score, trade + care);
        // What the game took can be saved again.
        JourneyState again = JourneyState::fromGame(old.money(), state, owned);
        again.setCatchList(old.catchList());
        again.setPartyNames(old.partyNames());
        QCOMPARE(again.check(), QString());
    }

    void aLaterMinorVersionOpensAndKeepsWhatItAdded()
    {
        JourneyState later = sampleJourney(8);
        later.setNumbers(QStringLiteral("LaterCounters"), {2, 3, 5});
        later.setTexts(QStringLiteral("Journal"),
                       {QStringLiteral("Kelvarin journal 1"), QStringLiteral("town\t1")});
        later.setValue(QStringLiteral("Weather"), journey::UnknownValue{42, "\x01\x02snow"});
        const QString file = inFolder("later.kvj");
        writeBytes(file, withVersion(journey::journeyBytes(later), 1, 3));

        const journey::Reading reading = journey::read(file);
        QCOMPARE(reading.problem, QString());
        QVERIFY(reading.state == later);
        QVERIFY(reading.state.kindOf("Weather") == journey::Kind(42));

        // Saved again here, what the later version added goes with it.
        QCOMPARE(journey::write(file, reading.state), QString());
        QCOMPARE(fileBytes(file), journey::journeyBytes(later));
    }

    void aVersionThisKelvarinCannotReadIsRefused_data()
    {
        QTest::addColumn<int>("major");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a newer major version")
            << 2
            << "it was saved by a newer Kelvarin (journey format 2.4), which this Kelvarin "
               "(journey format 1.0) cannot read";
        QTest::newRow("version 0") << 0 << "its journey format 0.4 is not one Kelvarin has written";
    }

    void aVersionThisKelvarinCannotReadIsRefused()
    {
        QFETCH(int, major);
        QFETCH(QString, reason);
        const QString file = inFolder("other.kvj");
        writeBytes(file, withVersion(journey::journeyBytes(sampleJourney(9)), quint16(major), 4));
        const journey::Reading reading = journey::read(file);
        QCOMPARE(reading.problem, "The journey \"" + file + "\" cannot be opened: " + reason +
                                      ".  Nothing in the game was changed.");
        QVERIFY(reading.state == JourneyState());
    }

    void aSaveThatFailsLeavesTheEarlierFileWhole_data()
    {
        QTest::addColumn<QString>("failure");
        QTest::addColumn<QString>("reason");
        QTest::newRow("the folder is missing") << "no folder"
                                               << "the folder";
        QTest::newRow("a name too long for the folder") << "long name"
                                                        << "is too long for its folder";
        QTest::newRow("the disk is full") << "full disk"
                                          << "cannot be written";
        QTest::newRow("a folder has the name") << "folder"
                                               << "is a folder";
    }

    void aSaveThatFailsLeavesTheEarlierFileWhole()
    {
        QFETCH(QString, failure);
        QFETCH(QString, reason);
        QString file = inFolder("trip.kvj");
        QCOMPARE(journey::write(file, sampleJourney(1, 2000)), QString());
        const QMap<QString, QByteArray> earlier = folderContents(folder->path());

        const JourneyState next = sampleJourney(2, 2000);
        QString problem;
        if (failure == "no folder") {
            problem = journey::write(inFolder("gone/trip.kvj"), next);
        } else if (failure == "long name") {
            const long longest =
                pathconf(QFile::encodeName(folder->path()).constData(), _PC_NAME_MAX);
            problem = journey::write(inFolder(QString(longest - 6, 'j')), next);
        } else if (failure == "full disk") {
            FileSizeLimit fullDisk(64 << 10);
            problem = journey::write(file, next);
        } else if (failure == "folder") {
            QVERIFY(QDir(folder->path()).mkdir("Saves.kvj"));
            problem = journey::write(inFolder("Saves.kvj"), next);
        }
        QVERIFY2(problem.startsWith("The journey could not be saved: "), qPrintable(problem));
        QVERIFY2(problem.contains(reason), qPrintable(problem));
        QVERIFY(problem.endsWith(".  A journey saved earlier under this name is unchanged."));
        QMap<QString, QByteArray> now = folderContents(folder->path());
        now.remove("Saves.kvj");
        QCOMPARE(now.keys(), earlier.keys()); // nothing half-written beside it
        QVERIFY(now == earlier);
    }

    void theLongestNameTheFolderTakesSaves()
    {
        // While it is written the file's name is 7 characters longer.
        const long longest = pathconf(QFile::encodeName(folder->path()).constData(), _PC_NAME_MAX);
        const QString file = inFolder(QString(longest - 7, 'j'));
        QCOMPARE(journey::write(file, sampleJourney(1)), QString());
        QCOMPARE(journey::write(file, sampleJourney(2)), QString());
        QVERIFY(journey::read(file).state == sampleJourney(2));
    }

    void theAutomaticSlotKeepsTheLastJourney()
    {
        const QString slot = journey::autosaveFile();
        QCOMPARE(slot, dataHome() + "/Kelvarin/kelvarin/journey-autosave.kvj");
        QCOMPARE(journey::checkAutosave().state, journey::SlotState::Empty);
        QCOMPARE(journey::checkAutosave().problem, QString());
        QVERIFY(journey::readAutosave().problem.endsWith(
            "cannot be opened: the file is missing.  Nothing in the game was changed."));

        QCOMPARE(journey::writeAutosave(sampleJourney(1)), QString());
        QCOMPARE(journey::writeAutosave(sampleJourney(2)), QString());
        QCOMPARE(journey::checkAutosave().state, journey::SlotState::Whole);
        const journey::Reading reading = journey::readAutosave();
        QCOMPARE(reading.problem, QString());
        QVERIFY(reading.state == sampleJourney(2));
        QCOMPARE(QDir(QFileInfo(slot).path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{"journey-autosave.kvj"});
    }

    void withoutAFolderInTheDataHomeNothingIsSavedAutomatically()
    {
        // The data home lies below a file, where no folder can be made.
        QFile blocker(home.filePath("blocker"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        qputenv("XDG_DATA_HOME", blocker.fileName().toUtf8() + "/share");
        const QString slot = journey::autosaveFile();
        const QString problem = journey::writeAutosave(sampleJourney(1));
        const journey::SlotCheck check = journey::checkAutosave();
        const journey::Reading reading = journey::readAutosave();
        qputenv("XDG_DATA_HOME", dataHome().toUtf8());

        QCOMPARE(slot, QString());
        QVERIFY2(problem.startsWith("The journey could not be saved automatically: there is no "
                                    "folder for the game's own files"),
                 qPrintable(problem));
        QCOMPARE(check.state, journey::SlotState::Empty);
        QVERIFY(reading.problem.endsWith("none can be made.  Nothing in the game was changed."));
    }

    void aDamagedAutomaticSaveIsReported()
    {
        QCOMPARE(journey::writeAutosave(sampleJourney(1)), QString());
        const QString slot = journey::autosaveFile();
        writeBytes(slot, fileBytes(slot).chopped(1));

        const journey::SlotCheck check = journey::checkAutosave();
        QCOMPARE(check.state, journey::SlotState::Damaged);
        QVERIFY2(check.problem.startsWith("The journey saved automatically (\"" + slot +
                                          "\") cannot be opened: "),
                 qPrintable(check.problem));
        QVERIFY(check.problem.contains("it was cut short"));
        QCOMPARE(journey::readAutosave().problem, check.problem);
        QVERIFY(journey::readAutosave().state == JourneyState());
    }

    void anAutomaticSaveThatFailsLeavesTheEarlierOneWhole()
    {
        QCOMPARE(journey::writeAutosave(sampleJourney(1, 2000)), QString());
        const QByteArray earlier = fileBytes(journey::autosaveFile());
        QString problem;
        {
            FileSizeLimit fullDisk(64 << 10);
            problem = journey::writeAutosave(sampleJourney(2, 2000));
        }
        QVERIFY2(problem.startsWith("The journey could not be saved automatically: \"" +
                                    journey::autosaveFile() + "\" cannot be written"),
                 qPrintable(problem));
        QVERIFY(problem.endsWith("The journey saved automatically before is unchanged."));
        QCOMPARE(fileBytes(journey::autosaveFile()), earlier);
    }

    void aGameKilledWhileSavingLeavesAWholeJourney_data()
    {
        // The writer saves generations 1, 2, 3, ... and is killed when it
        // says `killOn`; an earlier save of generation 0 is there or not.
        QTest::addColumn<bool>("earlierSave");
        QTest::addColumn<int>("pauseIn");
        QTest::addColumn<QString>("killOn");
        QTest::newRow("half-way through the first save, over an earlier one")
            << true << 1 << "midway 1";
        QTest::newRow("half-way through the very first save") << false << 1 << "midway 1";
        QTest::newRow("half-way through the fourth save") << true << 4 << "midway 4";
        QTest::newRow("as the second save begins") << true << -1 << "writing 2";
        QTest::newRow("right after the third save") << true << -1 << "saved 3";
        QTest::newRow("as the sixth save begins") << false << -1 << "writing 6";
        QTest::newRow("right after the seventh save") << false << -1 << "saved 7";
    }

    void aGameKilledWhileSavingLeavesAWholeJourney()
    {
        QFETCH(bool, earlierSave);
        QFETCH(int, pauseIn);
        QFETCH(QString, killOn);
        if (earlierSave)
            QCOMPARE(journey::writeAutosave(sampleJourney(0, 10000)), QString());

        QProcess writer;
        writer.start(QStringLiteral(KELVARIN_JOURNEY_WRITER),
                     {QStringLiteral("1"), QString::number(pauseIn)});
        QVERIFY2(writer.waitForStarted(), qPrintable(writer.errorString()));
        QStringList said;
        while (!said.contains(killOn)) {
            if (!writer.canReadLine())
                QVERIFY2(writer.waitForReadyRead(60000),
                         qPrintable(said.join(", ") + writer.readAllStandardError()));
            while (writer.canReadLine())
                said << QString::fromUtf8(writer.readLine()).trimmed();
        }
        QCOMPARE(::kill(static_cast<pid_t>(writer.processId()), SIGKILL), 0);
        QVERIFY(writer.waitForFinished(60000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        said += QString::fromUtf8(writer.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);

        // The slot holds the last save the writer finished, or the one it
        // was putting in place when it was killed; never part of one.
        int lastSaved = earlierSave ? 0 : -1;
        for (const QString& line : said) {
            if (line.startsWith("saved "))
                lastSaved = line.mid(6).toInt();
        }
        const journey::SlotCheck check = journey::checkAutosave();
        const QDir slotFolder = QFileInfo(journey::autosaveFile()).dir();
        if (lastSaved < 0) {
            // Killed before its first save was in place: no slot, as before.
            QCOMPARE(check.state, journey::SlotState::Empty);
            QCOMPARE(slotFolder.entryList(QDir::Files | QDir::Hidden), QStringList());
            return;
        }
        QCOMPARE(check.problem, QString());
        QCOMPARE(check.state, journey::SlotState::Whole);
        const JourneyState slot = journey::readAutosave().state;
        const int generation = int(slot.number(field::Score));
        QVERIFY2(
            generation == lastSaved || generation == lastSaved + 1,
            qPrintable(
                QStringLiteral("generation %1, last saved %2").arg(generation).arg(lastSaved)));
        if (pauseIn > 0)
            QCOMPARE(generation, pauseIn - 1); // the save that was cut off is not there
        QVERIFY(slot == sampleJourney(generation, 10000));
        QCOMPARE(slotFolder.entryList(QDir::Files | QDir::Hidden),
                 QStringList{"journey-autosave.kvj"});
    }
    void onlyARegularFileIsReadAsAJourney_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("the automatic slot at the market's offer") << "slot";
        QTest::newRow("a journey the player opens") << "open";
        QTest::newRow("telling a journey from a market save") << "kind";
    }

    void onlyARegularFileIsReadAsAJourney()
    {
        // A FIFO opened for reading waits for a writer that never comes.
        QFETCH(QString, how);
        const QString fifo = how == "slot" ? journey::autosaveFile() : inFolder("pipe");
        QVERIFY(makeFifo(fifo));
        QString problem;
        bool journeyFile = true;
        journey::SlotState slotState = journey::SlotState::Whole;
        QVERIFY2(returnsWithoutBlocking(
                     [&] {
                         if (how == "slot") {
                             const journey::SlotCheck check = journey::checkAutosave();
                             slotState = check.state;
                             problem = check.problem;
                         } else if (how == "open") {
                             problem = journey::read(fifo).problem;
                         } else {
                             journeyFile = journey::isJourneyFile(fifo);
                         }
                     },
                     {fifo}),
                 "the reader waited in open()");
        QVERIFY(isFifo(fifo)); // left as it was
        if (how == "kind") {
            QVERIFY(!journeyFile);
            return;
        }
        if (how == "slot")
            QCOMPARE(slotState, journey::SlotState::Damaged);
        QVERIFY2(problem.contains("cannot be opened: it is not a file the game can read (a "
                                  "device, a pipe or a socket)"),
                 qPrintable(problem));
        QVERIFY(problem.endsWith("Nothing in the game was changed."));
        QFile::remove(fifo);
    }
    void aFullDiskIsToldInTheGamesWords_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("automatic");
        QTest::newRow("a short write, then no room; the automatic save") << "short" << true;
        QTest::newRow("a short write, then no room; Save Journey") << "short" << false;
        QTest::newRow("no room at all") << "none" << true;
        QTest::newRow("the player's quota reached") << "quota" << false;
    }

    void aFullDiskIsToldInTheGamesWords()
    {
        QFETCH(QString, how);
        QFETCH(bool, automatic);
        const QString file = automatic ? journey::autosaveFile() : inFolder("trip.kvj");
        QCOMPARE(automatic ? journey::writeAutosave(sampleJourney(1, 2000))
                           : journey::write(file, sampleJourney(1, 2000)),
                 QString());
        const QByteArray earlier = fileBytes(file);
        int writes = 0;
        platform::setRawWrite([&](int handle, const void* data, size_t size) -> ssize_t {
            if (how == "short" && writes++ == 0)
                return ::write(handle, data, size / 2);
            errno = how == "quota" ? EDQUOT : ENOSPC;
            return -1;
        });
        const QString problem = automatic ? journey::writeAutosave(sampleJourney(2, 2000))
                                          : journey::write(file, sampleJourney(2, 2000));
        platform::setRawWrite({});
        QVERIFY2(problem.contains("there is not enough room left on the disk"),
                 qPrintable(problem));
        QVERIFY2(!problem.contains("Unknown error"), qPrintable(problem));
        QVERIFY2(!problem.contains("No space left on device"), qPrintable(problem));
        QCOMPARE(fileBytes(file), earlier);
        QCOMPARE(QFileInfo(file).dir().entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(file).fileName()});
    }

    void aShortWriteKeepsTheSystemsReason()
    {
        // A limit on the file's size, not a full disk: the write that
        // crosses it is cut short and the next one refused. The system's
        // reason is told, never "Unknown error".
        QCOMPARE(journey::writeAutosave(sampleJourney(1, 2000)), QString());
        QString problem;
        {
            FileSizeLimit limit((64 << 10) + 100);
            problem = journey::writeAutosave(sampleJourney(2, 2000));
        }
        QVERIFY2(!problem.contains("Unknown error"), qPrintable(problem));
        QVERIFY2(problem.contains("File too large"), qPrintable(problem));
    }

    void leftoversOfTheGamesOwnSavesAreRemovedAtStart()
    {
        QCOMPARE(journey::writeAutosave(sampleJourney(1)), QString());
        const QDir slotFolder = QFileInfo(journey::autosaveFile()).dir();
        const QDateTime longAgo = QDateTime::currentDateTime().addDays(-2);
        auto make = [&](const QString& name, bool old) {
            QFile file(slotFolder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("x");
            file.flush();
            if (old)
                QVERIFY(file.setFileTime(longAgo, QFileDevice::FileModificationTime));
        };
        const QStringList leftovers{"journey-autosave.kvj.Ab3dEf", "journey-autosave.kvj.QRSTUV",
                                    ".kelvarin-save-q7Rtz0"};
        const QStringList others{"journey-autosave.kvj.Ab3dE",
                                 "journey-autosave.kvj.Ab3dEfg",
                                 "journey-autosave.kvj.Ab-dEf",
                                 "journey-autosave.kvjxAb3dEf",
                                 "trip.kvj.Ab3dEf",
                                 "journey-autosave.damaged-2024-01-01-101010.kvj",
                                 ".kelvarin-earlier-Ab3dEf",
                                 ".kelvarin-save-Ab3dE",
                                 "notes.txt"};
        for (const QString& name : leftovers + others)
            make(name, true);
        make("journey-autosave.kvj.Fresh1", false); // another game may be writing it now
        QVERIFY(slotFolder.mkdir("journey-autosave.kvj.Folder"));
        const QStringList before =
            slotFolder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);

        const QStringList removed = saves::removeLeftovers();
        QStringList removedNames;
        for (const QString& file : removed)
            removedNames << QFileInfo(file).fileName();
        QStringList expected = leftovers;
        expected.sort();
        removedNames.sort();
        QCOMPARE(removedNames, expected);
        QStringList now = before;
        for (const QString& name : leftovers)
            now.removeAll(name);
        QCOMPARE(slotFolder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), now);
        QVERIFY(journey::readAutosave().state == sampleJourney(1));
        QVERIFY(slotFolder.rmdir("journey-autosave.kvj.Folder"));
        for (const QString& name : now)
            QFile::remove(slotFolder.filePath(name));
    }

    void theLeftoverPatternsAreTheNamesQtWrites()
    {
        // QSaveFile names its file as QTemporaryFile does: the name, a dot
        // and six characters.
        const QString slot = journey::autosaveFile();
        for (int k = 0; k < 100; ++k) {
            QTemporaryFile file(slot + ".XXXXXX");
            QVERIFY(file.open());
            QVERIFY2(saves::isSlotLeftover(QFileInfo(file.fileName()).fileName()),
                     qPrintable(file.fileName()));
        }
    }

    void twoJourneysSetAsideAreBothKept()
    {
        QCOMPARE(journey::writeAutosave(sampleJourney(1)), QString());
        const journey::SetAside first = journey::setAsideAutosave();
        QCOMPARE(journey::writeAutosave(sampleJourney(2)), QString());
        const journey::SetAside second = journey::setAsideAutosave();
        QVERIFY(!first.keptAs.isEmpty());
        QVERIFY(!second.keptAs.isEmpty());
        QVERIFY(first.keptAs != second.keptAs);
        QVERIFY(journey::read(first.keptAs).state == sampleJourney(1));
        QVERIFY(journey::read(second.keptAs).state == sampleJourney(2));
        QCOMPARE(journey::checkAutosave().state, journey::SlotState::Empty);
        QFile::remove(first.keptAs);
        QFile::remove(second.keptAs);
    }
};

QTEST_GUILESS_MAIN(JourneySaveTest)
#include "tst_journeysave.moc"
