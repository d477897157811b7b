// Writes the fuzz targets' seed corpus with the game's own writers: saved
// games as the flea market's "Save Game" writes them, and small JPEG
// pictures encoded as the content generator encodes the game's pictures.
//
//   kelvarin-fuzz-seeds OUTPUT_FOLDER
//
// makes OUTPUT_FOLDER/corpus/savedgame, OUTPUT_FOLDER/corpus/jpeg and the
// oversized picture of OUTPUT_FOLDER/regressions/jpeg. The files are
// committed under fuzz/; run this again when the file formats change.

#include "shell/savedgame.h"

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
    const QString pictures = output.filePath("corpus/jpeg");
    const QString regressions = output.filePath("regressions/jpeg");
    for (const QString& folder : {savedGames, pictures, regressions})
        QDir().mkpath(folder);

    bool ok = keepSavedGame(savedGames, "fresh", freshGame()) &&
              keepSavedGame(savedGames, "shopped", shoppedGame());

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
