// Writes the fuzz targets' seed corpus with the game's own writers: saved
// games as the flea market's "Save Game" writes them, journeys as "Save
// Journey" writes them, and small JPEG pictures encoded as the content
// generator encodes the game's pictures.
//
//   kelvarin-fuzz-seeds OUTPUT_FOLDER
//
// makes OUTPUT_FOLDER/corpus/savedgame, OUTPUT_FOLDER/corpus/journey,
// OUTPUT_FOLDER/corpus/jpeg and the oversized picture of
// OUTPUT_FOLDER/regressions/jpeg. The files are committed under fuzz/; run
// this again when the file formats change.

#include "journeyentries.h"
#include "shell/journeyformat.h"
#include "shell/journeysave.h"
#include "shell/savedgame.h"
#include "journal/journal.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

bool writeFile(const QString& name, const QByteArray& bytes)
{
    QFile file(name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(name));
        return false;
    }
    return true;
}

QByteArray readFile(const QString& name)
{
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

savedgame::SavedGame freshGame()
{
    savedgame::SavedGame game;
    game.names = QStringList(savedgame::PartySize, QString());
    return game;
}

savedgame::SavedGame shoppedGame()
{
    savedgame::SavedGame game = freshGame();
    for (std::size_t item = 0; item < game.main.ItemCount.size(); item += 7)
        game.main.ItemCount[item] = static_cast<std::uint8_t>(1 + item % 5);
    game.main.TradeDone[0] = 1;
    game.main.TradeDone[3] = 1;
    game.main.GridPos = 5;
    game.main.Money = 17;
    game.FishList = {QStringLiteral("2 lb 5 oz bluegill"), QStringLiteral("1 lb 12 oz perch")};
    game.names = {QStringLiteral("Sedora"), QStringLiteral("Ama"),  QStringLiteral("Tsali"),
                  QStringLiteral("Nanyé"),  QStringLiteral("Wren"), QStringLiteral("Joel"),
                  QStringLiteral("Élodie")};
    return game;
}

// Saves the game through the game's writer and keeps its three files.
bool keepSavedGame(const QString& corpus, const QString& label, const savedgame::SavedGame& game)
{
    QTemporaryDir folder;
    const QString main = folder.filePath(label);
    const QString problem = savedgame::write(main, game);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "Saving %s failed: %s\n", qPrintable(label), qPrintable(problem));
        return false;
    }
    return writeFile(corpus + "/" + label + ".main", readFile(main)) &&
           writeFile(corpus + "/" + label + ".catch", readFile(savedgame::catchFileName(main))) &&
           writeFile(corpus + "/" + label + ".names", readFile(savedgame::namesFileName(main)));
}

// The party as it arrives in the second town, the first the game saves by
// itself: goods bought, the lake ahead, no name given yet.
journey::JourneyState arrivedInTownTwo()
{
    GameState s;
    goods::Possessions owned;
    s.Town = 2;
    s.Stage = 2;
    s.Activity = 1;
    s.setSceneId('s', 2, 0);
    s.FishingMode = 1;
    s.InstructionStep = 1;
    for (std::size_t item = 0; item < owned.ItemCount.size(); item += 11)
        owned.ItemCount[item] = static_cast<std::uint8_t>(1 + item % 4);
    journey::JourneyState state = journey::JourneyState::fromGame(17, s, owned);
    state.setCatchList({});
    state.setPartyNames(QStringList(savedgame::PartySize, QString()));
    Journal journal;
    journal.arrived(1);
    journal.arrived(2);
    state.setTexts(journey::field::Journal, journal.toLines());
    return state;
}

// A party well on its way: spirits heard, a trade, the snakebite treated,
// fish caught, the travellers named, the journal of it all.
journey::JourneyState playedToTownSix()
{
    constexpr int Town = 6;
    GameState s;
    goods::Possessions owned;
    Journal journal;
    for (int town = 1; town <= Town; ++town) {
        journal.arrived(town);
        if (town < Town && townContent(town).hasSpirit()) {
            journal.metSpirit(town);
            GameState::addToTownSet(s.SpiritsHeard, town);
            GameState::addToTownSet(s.TravelOnTold, town);
        }
        if (town == 2) {
            journal.traded(2, QStringLiteral("a wolf wall hanging"),
                           QStringLiteral("some snakeroot"), true);
            journal.caughtFish(QStringLiteral("2 lb 5 oz bluegill"));
            journal.caughtFish(QStringLiteral("1 lb 12 oz perch"));
            journal.snakebite(QStringLiteral("Tsali"), QStringLiteral("Use the snakeroot tea."));
        }
        if (town == 3 || town == 4)
            GameState::addToTownSet(s.SuppliesTold, town);
    }
    s.Town = Town;
    s.Stage = 2;
    s.Activity = 3;
    s.Encounter = 2;
    s.setSceneId('s', Town, 2);
    s.InstructionShown = 0;
    s.GirlSuppliesTold = 1;
    s.TrapperSuppliesTold = 1;
    s.SnakeVictim = 3;
    s.HasSnakeroot = 1;
    s.SpiritNo = 2;
    s.FishCount = 2;
    s.FishLb = 3;
    s.FishOz = 1;
    s.MeatLb = 6;
    s.Score = 15;
    s.Health = {0, 0, 1, 0, 0, 2, 0};
    s.InstructionStep = 4;
    s.LookStage = 1;
    s.PartyConfirmed = 1;
    owned.ItemCount[5] = 2;
    owned.ItemCount[190] = 1;
    owned.ItemCount[320] = 3;
    owned.TradeDone[0] = 1;
    journey::JourneyState state = journey::JourneyState::fromGame(9, s, owned);
    state.setCatchList({QStringLiteral("2 lb 5 oz bluegill"), QStringLiteral("1 lb 12 oz perch")});
    state.setPartyNames({QStringLiteral("Sedora"), QStringLiteral("Ama"), QStringLiteral("Tsali"),
                         QStringLiteral("Nanyé"), QStringLiteral("Wren"), QStringLiteral("Joel"),
                         QStringLiteral("Élodie")});
    state.setTexts(journey::field::Journal, journal.toLines());
    return state;
}

// The played journey as a later Kelvarin of the same major version might
// save it: fields this one does not know, of its kinds and of a later one.
journey::JourneyState withLaterFields(journey::JourneyState state)
{
    state.setNumber(QStringLiteral("Weather"), 3);
    state.setTexts(QStringLiteral("SongsHeard"), {QStringLiteral("river song")});
    state.setValue(QStringLiteral("LaterKind"), journey::UnknownValue{9, QByteArray("\x01later")});
    return state;
}

// Saves the journey through the game's writer and keeps its file; with a
// later minor version, that version is put in its header.
bool keepJourney(const QString& corpus, const QString& label, const journey::JourneyState& state,
                 quint16 minor = journey::MinorVersion)
{
    QTemporaryDir folder;
    const QString file = folder.filePath(label + ".kvj");
    const QString problem = journey::write(file, state);
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "Saving %s failed: %s\n", qPrintable(label), qPrintable(problem));
        return false;
    }
    QByteArray bytes = readFile(file);
    if (minor != journey::MinorVersion) {
        std::optional<journeyfuzz::Entries> entries = journeyfuzz::entriesOf(bytes);
        if (!entries)
            return false;
        entries->minor = minor;
        bytes = journeyfuzz::bytesOf(*entries);
    }
    return writeFile(corpus + "/" + label + ".kvj", bytes);
}

QImage paintedScene(QSize size, QImage::Format format)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(30, 30, 70));
    sky.setColorAt(1, QColor(246, 190, 120));
    painter.fillRect(image.rect(), sky);
    painter.setBrush(QColor(90, 60, 80));
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(
        QRectF(-size.width() * 0.2, size.height() * 0.6, size.width() * 1.4, size.height() * 0.8));
    painter.end();
    return image.convertToFormat(format);
}

QByteArray jpeg(const QImage& image, int quality, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// The same picture with the size its frame header declares changed.
QByteArray declaringSize(QByteArray bytes, int width, int height)
{
    for (qsizetype i = 0; i + 8 < bytes.size(); ++i) {
        const auto marker = static_cast<unsigned char>(bytes[i + 1]);
        if (static_cast<unsigned char>(bytes[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            bytes[i + 5] = static_cast<char>(height >> 8);
            bytes[i + 6] = static_cast<char>(height & 0xFF);
            bytes[i + 7] = static_cast<char>(width >> 8);
            bytes[i + 8] = static_cast<char>(width & 0xFF);
            break;
        }
    }
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "Usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir output(QString::fromLocal8Bit(argv[1]));
    const QString savedGames = output.filePath("corpus/savedgame");
    const QString journeys = output.filePath("corpus/journey");
    const QString pictures = output.filePath("corpus/jpeg");
    const QString regressions = output.filePath("regressions/jpeg");
    for (const QString& folder : {savedGames, journeys, pictures, regressions})
        QDir().mkpath(folder);

    bool ok = keepSavedGame(savedGames, "fresh", freshGame()) &&
              keepSavedGame(savedGames, "shopped", shoppedGame());

    ok = ok && keepJourney(journeys, "town2-fresh", arrivedInTownTwo()) &&
         keepJourney(journeys, "town6-played", playedToTownSix()) &&
         keepJourney(journeys, "town6-later-minor-version", withLaterFields(playedToTownSix()),
                     journey::MinorVersion + 1);

    const QImage scene = paintedScene(QSize(40, 30), QImage::Format_RGB32);
    ok = ok && writeFile(pictures + "/baseline.jpg", jpeg(scene, 75, false)) &&
         writeFile(pictures + "/progressive.jpg", jpeg(scene, 75, true)) &&
         writeFile(pictures + "/grey.jpg",
                   jpeg(paintedScene(QSize(24, 16), QImage::Format_Grayscale8), 90, false)) &&
         writeFile(pictures + "/odd-size.jpg",
                   jpeg(paintedScene(QSize(17, 9), QImage::Format_RGB32), 100, false));

    // A header declaring 65500 x 65500 pixels: the decoder must refuse it
    // before it asks for the 17 GB such a picture would take.
    ok = ok && writeFile(regressions + "/oversized-65500x65500.jpg",
                         declaringSize(jpeg(scene, 50, false), 65500, 65500));
    return ok ? 0 : 1;
}
