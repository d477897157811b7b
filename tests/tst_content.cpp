// The game's content: every picture and media file the screens name exists,
// decodes at its size, lasts as long as the screens rely on, and agrees with
// the game's own tables (roads under the route, water under the good spots).

#include "activities/fishingtables.h"
#include "activities/tradelist.h"
#include "media/artworknames.h"
#include "media/jpegdecoder.h"
#include "media/mediafiles.h"
#include "media/pictures.h"
#include "mediaprobe.h"
#include "platform/fonts.h"
#include "presentation/storytexts.h"
#include "trail/routetable.h"
#include "trail/towncontent.h"

#include <QAudioDecoder>
#include <QAudioOutput>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMediaPlayer>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <cmath>

namespace {

const QString Source = QStringLiteral(KELVARIN_SOURCE_DIR);
QString dataFile(const QString& name)
{
    return Source + QStringLiteral("/data/") + name;
}

// How far two colours are apart: the largest channel difference.
int distance(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Mean channel difference of two equally sized images.
double meanDifference(const QImage& a, const QImage& b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

QImage frame(const mediaprobe::Avi& avi, qsizetype index)
{
    return media::decodeJpeg(avi.videoFrames.at(index), QStringLiteral("frame"));
}

// A town's pictures, as the screens name them: "s042" (the look picture),
// "x042" (the spirit standing in it), "s040" (the route map).
QString townPicture(char letter, int town, char last)
{
    return QStringLiteral("%1%2%3")
        .arg(QLatin1Char(letter))
        .arg(town, 2, 10, QLatin1Char('0'))
        .arg(QLatin1Char(last));
}
QString lookPicture(int town)
{
    return townPicture('s', town, '2');
}
QString spiritPicture(int town)
{
    return townPicture('x', town, '2');
}

QStringList spiritClips();

QList<int> townsWithSpirits()
{
    QList<int> towns;
    for (int town = 1; town <= TownCount; ++town)
        if (townContent(town).hasSpirit())
            towns << town;
    return towns;
}

QStringList spiritClips()
{
    QStringList clips;
    for (int town : townsWithSpirits())
        clips << townContent(town).ghostClip << townContent(town).charClip;
    return clips;
}

int wordCount(const QString& text)
{
    return static_cast<int>(text.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
}

// How far a frame's edges are from the picture beneath it: a band `width`
// pixels wide along all four sides, compared channel by channel.
struct EdgeDifference {
    double mean = 0;
    int max = 0;
};

EdgeDifference edgeDifference(const QImage& frame, const QImage& beneath, int width)
{
    EdgeDifference d;
    qint64 sum = 0, count = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const bool inBand =
                x < width || y < width || x >= frame.width() - width || y >= frame.height() - width;
            if (!inBand)
                continue;
            const QRgb p = frame.pixel(x, y), q = beneath.pixel(x, y);
            for (int c : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) {
                sum += c;
                d.max = std::max(d.max, c);
                ++count;
            }
        }
    d.mean = count ? double(sum) / count : 0;
    return d;
}

// The decoded sound of a file, mono, as fast as it decodes (nothing plays).
struct Decoded {
    int sampleRate = 0;
    QVector<float> samples;
    // The loudest sample in [fromMs, toMs).
    float peak(int fromMs, int toMs) const
    {
        float top = 0;
        const qsizetype from = qsizetype(fromMs) * sampleRate / 1000;
        const qsizetype to =
            std::min<qsizetype>(samples.size(), qsizetype(toMs) * sampleRate / 1000);
        for (qsizetype i = std::max<qsizetype>(0, from); i < to; ++i)
            top = std::max(top, std::abs(samples[i]));
        return top;
    }
};

Decoded decode(const QString& path)
{
    Decoded out;
    QAudioDecoder decoder;
    QAudioFormat format;
    format.setSampleFormat(QAudioFormat::Float);
    format.setChannelCount(1);
    format.setSampleRate(22050);
    decoder.setAudioFormat(format);
    decoder.setSource(QUrl::fromLocalFile(path));
    QObject::connect(&decoder, &QAudioDecoder::bufferReady, [&] {
        const QAudioBuffer buffer = decoder.read();
        out.sampleRate = buffer.format().sampleRate();
        const float* data = buffer.constData<float>();
        for (qsizetype i = 0; i < buffer.frameCount(); ++i)
            out.samples << data[i * buffer.format().channelCount()];
    });
    QSignalSpy finished(&decoder, &QAudioDecoder::finished);
    QSignalSpy failed(&decoder, qOverload<QAudioDecoder::Error>(&QAudioDecoder::error));
    decoder.start();
    if (!finished.wait(30000) && failed.isEmpty())
        qWarning("decoding %s did not finish", qPrintable(path));
    return out;
}

} // namespace

class TestContent : public QObject {
    Q_OBJECT

private slots:
    void everyPictureDecodesAtItsSize_data();
    void everyPictureDecodesAtItsSize();
    void everyBitmapLoadsAtItsSize_data();
    void everyBitmapLoadsAtItsSize();
    void artworkHasTheSizeItsNameGives();
    void bitmapArtworkIsTransparentAroundItsShape();
    void instructionPanelsLeaveLightRoomForTheirText();
    void eagleGlyphBesideTheProgramLoadsWithTransparency();
    void panelBackgroundsKeepTheirTextReadable_data();
    void panelBackgroundsKeepTheirTextReadable();

    void routeMapsShowARoadUnderEveryDashAndTheEndDot_data();
    void routeMapsShowARoadUnderEveryDashAndTheEndDot();
    void journeyMapShowsTheTrailUnderTheMapPath();
    void lakeMaskIsWaterUnderEveryGoodSpotAndLandOnTheBank();

    void everyMediaFileTheScreensNameExists_data();
    void everyMediaFileTheScreensNameExists();
    void clipsAreMotionJpegAtTheirRectanglesSizeAndLength_data();
    void clipsAreMotionJpegAtTheirRectanglesSizeAndLength();
    void clipsBeginAndEndOnThePicturesAroundThem_data();
    void clipsBeginAndEndOnThePicturesAroundThem();
    void clipEdgesBlendIntoThePictureBeneath_data();
    void clipEdgesBlendIntoThePictureBeneath();
    void spiritsStandWhereThePanelsLeaveTheSceneFree_data();
    void spiritsStandWhereThePanelsLeaveTheSceneFree();
    void fireClipLoopsOnItself();
    void speakingClipsCarryTheSpiritsVoices_data();
    void speakingClipsCarryTheSpiritsVoices();
    void theIntroFaceIsSilent();
    void everyTownHasItsNameSpiritGoodAndOffers_data();
    void everyTownHasItsNameSpiritGoodAndOffers();
    void everyTownAndSpiritIsItsOwn();
    void storiesAreToldInTheCaptionAboveTheSpirit_data();
    void storiesAreToldInTheCaptionAboveTheSpirit();
    void noTwoTownsLookAlike();
    void theWinterTownsAreEachTheirOwnPlace();
    void teachersFindEveryTownInTheHelp();
    void musicAndSpeechAreConstantBitRateMp3sOfTheirLength_data();
    void musicAndSpeechAreConstantBitRateMp3sOfTheirLength();
    void theThemeIsLosslessInLongBlocks();
    void soundEffectsArePcmWavs_data();
    void soundEffectsArePcmWavs();
    void everyClipAndTrackOpensInTheMediaPlayerAtItsLength_data();
    void everyClipAndTrackOpensInTheMediaPlayerAtItsLength();
    void jinglesSoundOnlyInsideTheirStretches();
    void shopkeeperSpeaksInsideHisTwoStretches();
    void narrationSpeaksWhileEveryCaptionIsShown();

    void storyTextsFillTheirRoles();
    void storyTextsPartSentencesWithTwoBlanks();
    void committedContentStaysWithinItsBudget();
};

void TestContent::everyPictureDecodesAtItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("I0") << "I0" << QSize(1024, 768);
    for (const char* name : {"S010", "X03", "Z03", "P03", "F02", "B02", "SNAKEB"})
        QTest::newRow(name) << name << QSize(600, 450);
    // Every town's route map, and the look and spirit pictures of every
    // town with a spirit.
    for (int town = 2; town <= TownCount; ++town) {
        QStringList names{townPicture('S', town, '0')};
        if (townContent(town).hasSpirit())
            names << townPicture('S', town, '2') << townPicture('X', town, '2');
        for (const QString& name : names)
            QTest::newRow(qPrintable(name)) << name << QSize(600, 450);
    }
    for (const FishKind& kind : FishKinds)
        QTest::newRow(kind.picture) << QString::fromLatin1(kind.picture) << QSize(450, 300);
    QTest::newRow("BLACK") << "BLACK" << QSize(75, 450);
    QTest::newRow("MAP") << "MAP" << QSize(620, 345);
    QTest::newRow("PARTY") << "PARTY" << QSize(403, 395);
    QTest::newRow("POSTLIST") << "POSTLIST" << QSize(640, 450);
    QTest::newRow("STORELIST") << "STORELIST" << QSize(636, 452);
    QTest::newRow("INVLIST") << "INVLIST" << QSize(350, 400);
    QTest::newRow("FM02") << "FM02" << QSize(800, 600);
    QTest::newRow("FM22") << "FM22" << QSize(800, 600);
    QTest::newRow("WOODLFT") << "WOODLFT" << QSize(120, 600);
    QTest::newRow("WOODRT") << "WOODRT" << QSize(115, 606);
    QTest::newRow("WOODBOT") << "WOODBOT" << QSize(1024, 145);
    QTest::newRow("GOSOUTH") << "GOSOUTH" << QSize(55, 96);
}

void TestContent::everyPictureDecodesAtItsSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    // The screens ask in lower case.
    QCOMPARE(media::jpegPicture(name.toLower()).size(), size);
    // Baseline JFIF: a baseline frame header and no progressive one.
    QFile file(QStringLiteral(":/pictures/%1.jpg").arg(name.toUpper()));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.contains(QByteArray("\xFF\xC0", 2)));
    QVERIFY(!bytes.contains(QByteArray("\xFF\xC2", 2)));
}

void TestContent::everyBitmapLoadsAtItsSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::newRow("fp") << "fp" << QSize(75, 265);
    QTest::newRow("fpcast") << "fpcast" << QSize(75, 265);
    QTest::newRow("sf1") << "sf1" << QSize(31, 75);
    QTest::newRow("sf2") << "sf2" << QSize(30, 75);
}

void TestContent::everyBitmapLoadsAtItsSize()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    const QImage bitmap = media::bitmapPicture(name);
    QCOMPARE(bitmap.size(), size);
    // Drawn beside and over other things: the corners show what is behind.
    QCOMPARE(qAlpha(bitmap.pixel(0, size.height() - 1)), 0);
}

void TestContent::artworkHasTheSizeItsNameGives()
{
    for (const artwork::Artwork& a : artwork::All) {
        const QImage image = a.kind == artwork::Kind::Jpeg ? media::jpegPicture(a.name)
                                                           : media::bitmapPicture(a.name);
        QVERIFY2(image.size() == QSize(a.width, a.height), a.name);
    }
}

void TestContent::bitmapArtworkIsTransparentAroundItsShape()
{
    for (const artwork::Artwork& a : artwork::All) {
        if (a.kind != artwork::Kind::Bitmap)
            continue;
        const QImage image = media::bitmapPicture(a.name);
        QVERIFY2(image.hasAlphaChannel(), a.name);
        QVERIFY2(qAlpha(image.pixel(0, 0)) == 0, a.name);
        QVERIFY2(qAlpha(image.pixel(a.width - 1, a.height - 1)) == 0, a.name);
    }
}

void TestContent::instructionPanelsLeaveLightRoomForTheirText()
{
    // The labels are drawn in dark text without a background of their own.
    const struct {
        artwork::Artwork panel;
        QRect text;
    } panels[] = {{artwork::InstructionPanel, QRect(20, 40, 280, 140)},
                  {artwork::FleaInstructionPanel, QRect(20, 110, 281, 130)}};
    for (const auto& [panel, text] : panels) {
        const QImage image = media::bitmapPicture(panel.name);
        for (int y = text.top(); y <= text.bottom(); y += 3)
            for (int x = text.left(); x <= text.right(); x += 3) {
                const QRgb p = image.pixel(x, y);
                QVERIFY2(
                    qAlpha(p) == 255 && qGray(p) > 190,
                    qPrintable(QStringLiteral("%1 at (%2, %3)").arg(panel.name).arg(x).arg(y)));
            }
    }
}

void TestContent::eagleGlyphBesideTheProgramLoadsWithTransparency()
{
    const QImage glyph(dataFile(QString::fromLatin1(artwork::EagleGlyphFile)));
    QCOMPARE(glyph.size(), QSize(artwork::EagleGlyphWidth, artwork::EagleGlyphHeight));
    QVERIFY(glyph.hasAlphaChannel());
    QCOMPARE(qAlpha(glyph.pixel(0, 0)), 0);
}

void TestContent::panelBackgroundsKeepTheirTextReadable_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QRect>("text");
    QTest::addColumn<bool>("darkText");
    // The inventory's fifteen lines are dark text; the party's condition lines are white.
    QTest::newRow("inventory lines") << "invlist" << QRect(40, 46, 280, 310) << true;
    QTest::newRow("party lines") << "party" << QRect(30, 32, 260, 255) << false;
}

void TestContent::panelBackgroundsKeepTheirTextReadable()
{
    QFETCH(QString, picture);
    QFETCH(QRect, text);
    QFETCH(bool, darkText);
    const QImage image = media::jpegPicture(picture);
    for (int y = text.top(); y <= text.bottom(); y += 2)
        for (int x = text.left(); x <= text.right(); x += 2) {
            const int grey = qGray(image.pixel(x, y));
            QVERIFY2(darkText ? grey > 170 : grey < 90,
                     qPrintable(QStringLiteral("(%1, %2) is %3").arg(x).arg(y).arg(grey)));
        }
}

void TestContent::routeMapsShowARoadUnderEveryDashAndTheEndDot_data()
{
    QTest::addColumn<int>("town");
    for (int town = 2; town <= TownCount; ++town)
        QTest::addRow("town %d", town) << town;
}

void TestContent::routeMapsShowARoadUnderEveryDashAndTheEndDot()
{
    QFETCH(int, town);
    const QImage map = media::jpegPicture(townPicture('s', town, '0'));
    const QRgb road = artwork::RouteRoadColour.rgb();
    auto onRoad = [&](QPointF at) {
        const QPoint p = at.toPoint();
        return map.rect().contains(p) && distance(map.pixel(p), road) <= 24;
    };
    const RouteSegment s = *routeSegment(town);
    int x = s.startX, y = s.startY, dashes = 0;
    for (;;) {
        const RouteTick tick = advanceRoute(s.slope, s.eastward, s.endX, x, y);
        ++dashes;
        for (int i = 0; i <= 10; ++i) {
            const QPointF at = QPointF(tick.dashFrom) +
                               (QPointF(tick.dashTo) - QPointF(tick.dashFrom)) * (i / 10.0);
            QVERIFY2(
                onRoad(at),
                qPrintable(
                    QStringLiteral("dash %1 at (%2, %3)").arg(dashes).arg(at.x()).arg(at.y())));
        }
        if (tick.complete)
            break;
    }
    for (int dy = -5; dy <= 5; ++dy)
        for (int dx = -5; dx <= 5; ++dx)
            if (dx * dx + dy * dy <= 25)
                QVERIFY2(onRoad(QPointF(x + dx, y + dy)), "the end dot");
    // The road is a road, not the colour of the whole map.
    int roadPixels = 0;
    for (int py = 0; py < map.height(); py += 2)
        for (int px = 0; px < map.width(); px += 2)
            roadPixels += onRoad(QPointF(px, py));
    QVERIFY(roadPixels < map.width() * map.height() / 4 / 8);
}

void TestContent::journeyMapShowsTheTrailUnderTheMapPath()
{
    const QImage map = media::jpegPicture(QStringLiteral("map"));
    const QRgb trail = artwork::MapTrailColour.rgb();
    QPointF from = MapStart;
    int sampled = 0;
    for (int k = 0; k < 27; ++k) {
        const QPointF to(MapPathX[k], MapPathY[k]);
        const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
        // The towns are marked where the segments meet; the trail runs between them.
        for (double d = 6; d <= length - 6; d += 2) {
            const QPoint at = (from + (to - from) * (d / length)).toPoint();
            QVERIFY2(distance(map.pixel(at), trail) <= 28,
                     qPrintable(
                         QStringLiteral("segment %1 at (%2, %3)").arg(k).arg(at.x()).arg(at.y())));
            ++sampled;
        }
        from = to;
    }
    QVERIFY(sampled > 200);
    QVERIFY(distance(map.pixel(300, 300), trail) > 28); // far from the trail
}

void TestContent::lakeMaskIsWaterUnderEveryGoodSpotAndLandOnTheBank()
{
    const QImage mask = media::jpegPicture(QStringLiteral("b02"));
    for (const QPoint& spot : HotspotTable) {
        for (int y = spot.y(); y < spot.y() + HotspotSize.height(); ++y)
            for (int x = spot.x(); x < spot.x() + HotspotSize.width(); ++x)
                QVERIFY2((mask.pixel(x, y) & 0xFFFFFF) == 0,
                         qPrintable(QStringLiteral("(%1, %2) of the spot at (%3, %4)")
                                        .arg(x)
                                        .arg(y)
                                        .arg(spot.x())
                                        .arg(spot.y())));
    }
    // The far shore and the near bank are land.
    QVERIFY((mask.pixel(300, 40) & 0xFFFFFF) != 0);
    QVERIFY((mask.pixel(560, 430) & 0xFFFFFF) != 0);
}

void TestContent::everyMediaFileTheScreensNameExists_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"intro/introspeak3.AVI", "intro/intro2.avi", "intro/intro-short.mp3", "intro/closing.mp3",
          "music/Theme.flac", "music/m03.mp3", "fish/f02-1.avi", "fish/f02-2.avi",
          "fish/reelsin.avi", "fish/cast.wav", "fish/yeehaw.wav", "post/post04.avi",
          "fleamart/mayi-short.mp3", "fleamart/eaghd1.bmp"})
        QTest::newRow(name) << name;
    for (const QString& clip : spiritClips())
        QTest::newRow(qPrintable(clip)) << clip;
}

void TestContent::everyMediaFileTheScreensNameExists()
{
    QFETCH(QString, name);
    // Exactly as named, case kept: the file system here minds case.
    const QFileInfo info(dataFile(name));
    QVERIFY2(info.exists(), qPrintable(name));
    QVERIFY(info.dir().entryList(QDir::Files).contains(info.fileName()));
    QVERIFY(info.size() > 0);
}

void TestContent::clipsAreMotionJpegAtTheirRectanglesSizeAndLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    // The face plays with caption 3 only: 16.5 s to 25.6 s.
    QTest::newRow("face") << "intro/introspeak3.AVI" << QSize(300, 330) << 8.0 << 9.1;
    QTest::newRow("fire") << "intro/intro2.avi" << QSize(214, 387) << 2.0 << 10.0;
    for (int town : townsWithSpirits()) {
        const TownContent content = townContent(town);
        QTest::addRow("town %d appears", town)
            << content.ghostClip << content.ghostRect.size() << 3.0 << 8.0;
        QTest::addRow("town %d speaks", town)
            << content.charClip << content.charRect.size() << 8.0 << 40.0;
    }
    QTest::newRow("lake 1") << "fish/f02-1.avi" << QSize(LakeClip1Rect.size()) << 2.0 << 10.0;
    QTest::newRow("lake 2") << "fish/f02-2.avi" << QSize(LakeClip2Rect.size()) << 2.0 << 10.0;
    QTest::newRow("reel") << "fish/reelsin.avi" << QSize(23, 34) << 0.5 << 3.0;
    QTest::newRow("keepers") << "post/post04.avi" << QSize(150, 133) << 2.0 << 8.0;
}

void TestContent::clipsAreMotionJpegAtTheirRectanglesSizeAndLength()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    const mediaprobe::Avi avi = mediaprobe::readAvi(dataFile(name));
    QVERIFY2(avi.error.isEmpty(), qPrintable(avi.error));
    QCOMPARE(QSize(avi.width, avi.height), size);
    QCOMPARE(avi.videoCompression, QByteArray("MJPG"));
    QCOMPARE(avi.videoFrames.size(), avi.frameCount);
    QVERIFY2(avi.seconds() >= shortest && avi.seconds() <= longest,
             qPrintable(QString::number(avi.seconds())));
    // Every frame is a JPEG our own decoder reads.
    QCOMPARE(frame(avi, 0).size(), size);
    QCOMPARE(frame(avi, avi.frameCount - 1).size(), size);
}

void TestContent::clipsBeginAndEndOnThePicturesAroundThem_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QRect>("rect");
    for (int town : townsWithSpirits()) {
        const TownContent content = townContent(town);
        QTest::addRow("town %d appears", town)
            << content.ghostClip << lookPicture(town) << spiritPicture(town) << content.ghostRect;
        QTest::addRow("town %d speaks", town)
            << content.charClip << spiritPicture(town) << spiritPicture(town) << content.charRect;
    }
    QTest::newRow("keepers") << "post/post04.avi"
                             << "x03"
                             << "z03" << QRect(244, 206, 150, 133);
    QTest::newRow("lake 1") << "fish/f02-1.avi"
                            << "f02"
                            << "f02" << LakeClip1Rect;
    QTest::newRow("lake 2") << "fish/f02-2.avi"
                            << "f02"
                            << "f02" << LakeClip2Rect;
}

void TestContent::clipsBeginAndEndOnThePicturesAroundThem()
{
    QFETCH(QString, clip);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QRect, rect);
    const mediaprobe::Avi avi = mediaprobe::readAvi(dataFile(clip));
    QVERIFY2(avi.error.isEmpty(), qPrintable(avi.error));
    const QImage first = frame(avi, 0), last = frame(avi, avi.frameCount - 1);
    const QImage start = media::jpegPicture(before).copy(rect),
                 end = media::jpegPicture(after).copy(rect);
    // Both were compressed on their own: alike, not equal.
    QVERIFY2(meanDifference(first, start) < 4,
             qPrintable(QString::number(meanDifference(first, start))));
    QVERIFY2(meanDifference(last, end) < 4, qPrintable(QString::number(meanDifference(last, end))));
    if (before != after) // something happens in between
        QVERIFY(meanDifference(start, end) > 8);
}

void TestContent::clipEdgesBlendIntoThePictureBeneath_data()
{
    QTest::addColumn<QString>("clip");
    QTest::addColumn<QString>("frames");  // "first", "last" or "every"
    QTest::addColumn<QString>("beneath"); // a picture, or empty for the black form
    QTest::addColumn<QRect>("rect");
    for (int town : townsWithSpirits()) {
        const TownContent content = townContent(town);
        QTest::addRow("town %d appears, first frame", town)
            << content.ghostClip << "first" << lookPicture(town) << content.ghostRect;
        QTest::addRow("town %d appears, last frame", town)
            << content.ghostClip << "last" << spiritPicture(town) << content.ghostRect;
        // The spirit's light never reaches the edges while it gathers.
        QTest::addRow("town %d appears, every frame", town)
            << content.ghostClip << "every" << lookPicture(town) << content.ghostRect;
        QTest::addRow("town %d speaks, first frame", town)
            << content.charClip << "first" << spiritPicture(town) << content.charRect;
        QTest::addRow("town %d speaks, last frame", town)
            << content.charClip << "last" << spiritPicture(town) << content.charRect;
        QTest::addRow("town %d speaks, every frame", town)
            << content.charClip << "every" << spiritPicture(town) << content.charRect;
    }
    // The storyteller's face plays on the intro's black form, without a picture.
    for (const char* frames : {"first", "last", "every"})
        QTest::addRow("storyteller, %s frame", frames)
            << "intro/introspeak3.AVI" << frames << QString() << QRect(0, 0, 300, 330);
}

void TestContent::clipEdgesBlendIntoThePictureBeneath()
{
    QFETCH(QString, clip);
    QFETCH(QString, frames);
    QFETCH(QString, beneath);
    QFETCH(QRect, rect);
    const mediaprobe::Avi avi = mediaprobe::readAvi(dataFile(clip));
    QVERIFY2(avi.error.isEmpty(), qPrintable(avi.error));
    QImage picture(rect.size(), QImage::Format_RGB32);
    picture.fill(Qt::black);
    if (!beneath.isEmpty())
        picture = media::jpegPicture(beneath).copy(rect);
    qsizetype from = 0, to = avi.frameCount - 1;
    if (frames == QLatin1String("first"))
        to = 0;
    else if (frames == QLatin1String("last"))
        from = to;
    // A clip whose edges differ from what surrounds it shows as a rectangle.
    // The clip's frames and the picture went through JPEG each on its own,
    // which leaves a mean difference under 2 and single pixels up to 20 apart
    // along sharp edges (the worst of all the clips); a rectangle that shows
    // differs by more: the clips made before this rule had means up to 18
    // and pixels up to 133 apart.
    for (qsizetype k = from; k <= to; ++k) {
        if (avi.videoFrames.at(k).isEmpty())
            continue; // an empty chunk repeats the frame before it
        const EdgeDifference d = edgeDifference(frame(avi, k), picture, 4);
        QVERIFY2(
            d.mean <= 4 && d.max <= 24,
            qPrintable(QStringLiteral("frame %1: mean %2, max %3").arg(k).arg(d.mean).arg(d.max)));
    }
}

void TestContent::spiritsStandWhereThePanelsLeaveTheSceneFree_data()
{
    QTest::addColumn<int>("town");
    for (int town : townsWithSpirits())
        QTest::addRow("town %d", town) << town;
}

void TestContent::spiritsStandWhereThePanelsLeaveTheSceneFree()
{
    QFETCH(int, town);
    // The trade panel covers the scene's left half and the instruction panel
    // moves to its left third while a spirit stands there.
    const QRect free(330, 0, 261, 450);
    const TownContent content = townContent(town);
    QVERIFY(free.contains(content.ghostRect));
    QVERIFY(free.contains(content.charRect));
    QVERIFY(content.ghostRect.contains(content.charRect));
    // The spirit, glow and all, is inside the appearance rectangle: away
    // from it the two pictures are the same (past the JPEG blocks that the
    // rectangle's edge runs through).
    const QImage look = media::jpegPicture(lookPicture(town));
    const QImage standing = media::jpegPicture(spiritPicture(town));
    const QRect near = content.ghostRect.adjusted(-16, -16, 16, 16);
    int changed = 0;
    for (int y = 0; y < look.height(); ++y)
        for (int x = 0; x < look.width(); ++x)
            if (!near.contains(x, y) && distance(look.pixel(x, y), standing.pixel(x, y)) > 2)
                ++changed;
    QCOMPARE(changed, 0);
}

void TestContent::fireClipLoopsOnItself()
{
    const mediaprobe::Avi avi = mediaprobe::readAvi(dataFile("intro/intro2.avi"));
    QVERIFY2(avi.error.isEmpty(), qPrintable(avi.error));
    QVERIFY(avi.frameCount > 12);
    QCOMPARE(meanDifference(frame(avi, 0), frame(avi, avi.frameCount - 1)), 0.0);
    QVERIFY(meanDifference(frame(avi, 0), frame(avi, avi.frameCount / 2)) > 1); // the fire moves
    // And it sits where the fire of the intro's picture is.
    const QImage picture = media::jpegPicture("i0").copy(422, 367, 214, 387);
    QVERIFY(meanDifference(frame(avi, 0), picture) < 4);
}

void TestContent::speakingClipsCarryTheSpiritsVoices_data()
{
    QTest::addColumn<int>("town");
    for (int town : townsWithSpirits())
        QTest::addRow("town %d", town) << town;
}

void TestContent::speakingClipsCarryTheSpiritsVoices()
{
    QFETCH(int, town);
    const TownContent content = townContent(town);
    const mediaprobe::Avi avi = mediaprobe::readAvi(dataFile(content.charClip));
    QVERIFY(avi.hasAudio);
    QVERIFY(avi.audioFormat == 1 || avi.audioFormat == 0x55); // PCM or MP3
    const Decoded voice = decode(dataFile(content.charClip));
    QVERIFY(voice.sampleRate > 0);
    // The voice tells the whole story: it speaks from the start to near the
    // end of the clip, at a pace a young listener can follow.
    const int ms = static_cast<int>(avi.seconds() * 1000);
    QVERIFY(voice.peak(500, 3000) > 0.1f);
    QVERIFY(voice.peak(ms - 4000, ms - 1500) > 0.1f);
    const double wordsPerSecond = wordCount(story::storyLine(2 * town - 1)) / avi.seconds();
    QVERIFY2(wordsPerSecond >= 2.0 && wordsPerSecond <= 3.2,
             qPrintable(QString::number(wordsPerSecond)));
    // The spirit appears in silence.
    QVERIFY(!mediaprobe::readAvi(dataFile(content.ghostClip)).hasAudio);
}

void TestContent::theIntroFaceIsSilent()
{
    // Its words are in the narration.
    QVERIFY(!mediaprobe::readAvi(dataFile("intro/introspeak3.AVI")).hasAudio);
}

void TestContent::everyTownHasItsNameSpiritGoodAndOffers_data()
{
    QTest::addColumn<int>("town");
    for (int town = 1; town <= TownCount; ++town)
        QTest::addRow("town %d", town) << town;
}

void TestContent::everyTownHasItsNameSpiritGoodAndOffers()
{
    QFETCH(int, town);
    const TownContent content = townContent(town);
    QVERIFY(!content.townName.isEmpty());
    QVERIFY(!content.sceneDescription.isEmpty());
    QCOMPARE(content.fishing, town == 2);
    if (town == 1)
        return; // the journey starts here
    QVERIFY(content.hasSpirit());
    QVERIFY(!content.spiritName.isEmpty());
    QVERIFY(!content.spiritWho.isEmpty() && content.spiritWho.at(0).isLower());
    QVERIFY(content.spiritCalled.startsWith(QLatin1String("the ")));
    // The good is the town's line of the trade list, named in capitals.
    QString good = content.goodInCapitals;
    QCOMPARE(good.toUpper().section(QLatin1Char(' '), 1), good.section(QLatin1Char(' '), 1));
    QVERIFY(good.startsWith(QLatin1String("some ")) || good.startsWith(QLatin1String("a ")));
    good = good.section(QLatin1Char(' '), 1).toLower();
    QString listed = tradeListLines().at(town - 2);
    listed.remove(QRegularExpression(QStringLiteral("^some ")));
    QVERIFY2(good.contains(listed) || listed.contains(good), qPrintable(good + " / " + listed));
    // The first two spirits' praise is the game's own from the start; the
    // later ones say what the good is for in a sentence of its own.
    if (town <= 3)
        QVERIFY(content.goodPraise.endsWith(QLatin1String(", so it was a very good trade!")));
    else
        QVERIFY2(content.goodPraise.endsWith(QLatin1Char('.')), qPrintable(content.goodPraise));
    // From the fourth town on, the story tells of the good: it names what
    // the good is made of (the talisman is "carved from a deer's horn").
    if (town >= 4) {
        const QString madeOf = good.section(QLatin1Char(' '), 0, 0);
        QVERIFY2(story::storyLine(2 * town - 1).toLower().contains(madeOf), qPrintable(good));
    }
    // The special offers ask for what the flea market's reachable shop sells.
    QCOMPARE(content.offerOne.firstCandidate, 201);
    QCOMPARE(content.offerTwo.firstCandidate, 194);
    for (int asked : {content.offerOne.secondCandidate, content.offerTwo.secondCandidate})
        QVERIFY2(asked >= 168 && asked <= 191, qPrintable(QString::number(asked)));
    QVERIFY(content.offerOne.secondCandidate != content.offerTwo.secondCandidate);
    if (town >= 4)
        QVERIFY(content.spiritNo == 1 || content.spiritNo == 3);
}

void TestContent::everyTownAndSpiritIsItsOwn()
{
    QSet<QString> towns, spirits, clips;
    for (int town = 1; town <= TownCount; ++town) {
        const TownContent content = townContent(town);
        towns << content.townName;
        if (content.hasSpirit()) {
            spirits << content.spiritName << content.spiritWho;
            clips << content.ghostClip << content.charClip;
        }
    }
    QCOMPARE(towns.size(), TownCount);
    QCOMPARE(spirits.size(), 2 * (TownCount - 1));
    QCOMPARE(clips.size(), 2 * (TownCount - 1));
}

void TestContent::storiesAreToldInTheCaptionAboveTheSpirit_data()
{
    QTest::addColumn<int>("town");
    for (int town : townsWithSpirits())
        QTest::addRow("town %d", town) << town;
}

void TestContent::storiesAreToldInTheCaptionAboveTheSpirit()
{
    QFETCH(int, town);
    const QString story = story::storyLine(2 * town - 1);
    if (town >= 4) {
        const int words = wordCount(story);
        QVERIFY2(words >= 50 && words <= 90, qPrintable(QString::number(words)));
    }
    // The caption is a bold 13-pixel label, 600 pixels wide, over the top of
    // the picture: the story fits in the picture and leaves the spirit's
    // face free.
    const QFontMetrics metrics(platform::sansFont(13, true));
    const QRect text =
        metrics.boundingRect(QRect(0, 0, 600, 2000), Qt::TextWordWrap | Qt::AlignLeft, story);
    QVERIFY2(text.height() <= 450, qPrintable(QString::number(text.height())));
    QVERIFY2(text.height() < townContent(town).charRect.top(),
             qPrintable(QStringLiteral("%1 against %2")
                            .arg(text.height())
                            .arg(townContent(town).charRect.top())));
}

void TestContent::noTwoTownsLookAlike()
{
    QList<QImage> scenes;
    for (int town : townsWithSpirits())
        scenes << media::jpegPicture(lookPicture(town))
                      .scaled(60, 45, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (qsizetype a = 0; a < scenes.size(); ++a)
        for (qsizetype b = a + 1; b < scenes.size(); ++b)
            QVERIFY2(meanDifference(scenes[a], scenes[b]) > 6,
                     qPrintable(QStringLiteral("towns %1 and %2")
                                    .arg(townsWithSpirits()[a])
                                    .arg(townsWithSpirits()[b])));
}

void TestContent::theWinterTownsAreEachTheirOwnPlace()
{
    // From the first cold to the last snow the scenes share a season, so
    // each must differ by its place, its weather or its time of day, and by
    // more than towns of different seasons need to: near-copies (the same
    // grey sky, bare trees and tents) measured 12 here.
    constexpr int FirstWinterTown = 8, LastWinterTown = 21;
    QList<QImage> scenes;
    for (int town = FirstWinterTown; town <= LastWinterTown; ++town)
        scenes << media::jpegPicture(lookPicture(town))
                      .scaled(60, 45, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    for (qsizetype a = 0; a < scenes.size(); ++a)
        for (qsizetype b = a + 1; b < scenes.size(); ++b) {
            const double d = meanDifference(scenes[a], scenes[b]);
            QVERIFY2(d > 14, qPrintable(QStringLiteral("towns %1 and %2: %3")
                                            .arg(FirstWinterTown + a)
                                            .arg(FirstWinterTown + b)
                                            .arg(d)));
        }
}

void TestContent::teachersFindEveryTownInTheHelp()
{
    QFile page(dataFile("help/towns.html"));
    QVERIFY(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    for (int town = 1; town <= TownCount; ++town) {
        const TownContent content = townContent(town);
        QVERIFY2(html.contains(content.townName.toHtmlEscaped()), qPrintable(content.townName));
        if (content.hasSpirit())
            QVERIFY2(html.contains(content.spiritName), qPrintable(content.spiritName));
    }
    for (const char* linking : {"help/index.html", "help/teachers.html"}) {
        QFile from(dataFile(linking));
        QVERIFY(from.open(QIODevice::ReadOnly));
        QVERIFY2(from.readAll().contains("href=\"towns.html\""), linking);
    }
}

void TestContent::musicAndSpeechAreConstantBitRateMp3sOfTheirLength_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("shortest");
    QTest::addColumn<double>("longest");
    QTest::newRow("jingles") << "music/m03.mp3" << 51.1 << 60.0;
    // Past the last caption's words, and not much longer.
    QTest::newRow("narration") << "intro/intro-short.mp3" << 36.0 << 45.0;
    QTest::newRow("shopkeeper") << "fleamart/mayi-short.mp3" << 4.4 << 6.0;
    // Sedora's closing words, at a storyteller's pace.
    const double words = wordCount(story::closingWords());
    QTest::newRow("closing words") << "intro/closing.mp3" << words / 3.0 << words / 2.0 + 2;
}

void TestContent::musicAndSpeechAreConstantBitRateMp3sOfTheirLength()
{
    QFETCH(QString, name);
    QFETCH(double, shortest);
    QFETCH(double, longest);
    const mediaprobe::Mp3 mp3 = mediaprobe::readMp3(dataFile(name));
    QVERIFY2(mp3.error.isEmpty(), qPrintable(mp3.error));
    QVERIFY(mp3.constantBitrate);
    QVERIFY(mp3.firstBitrateKbps >= 32);
    QVERIFY2(mp3.seconds() >= shortest && mp3.seconds() <= longest,
             qPrintable(QString::number(mp3.seconds())));
}

void TestContent::theThemeIsLosslessInLongBlocks()
{
    // Long blocks are what make the theme cheap to play while the trail
    // screen waits; a theme cut into MP3-sized frames costs more than twice
    // the CPU.
    const mediaprobe::Flac theme = mediaprobe::readFlac(dataFile(MediaFiles::Theme));
    QVERIFY2(theme.error.isEmpty(), qPrintable(theme.error));
    QVERIFY2(theme.minBlockSamples >= 4096, qPrintable(QString::number(theme.minBlockSamples)));
    QCOMPARE(theme.sampleRate, 44100);
    QCOMPARE(theme.channels, 2);
    QCOMPARE(theme.bitsPerSample, 16);
    QVERIFY2(theme.seconds() >= 60 && theme.seconds() <= 240,
             qPrintable(QString::number(theme.seconds())));
}

void TestContent::soundEffectsArePcmWavs_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("cast") << "fish/cast.wav";
    QTest::newRow("yeehaw") << "fish/yeehaw.wav";
}

void TestContent::soundEffectsArePcmWavs()
{
    QFETCH(QString, name);
    const mediaprobe::Wav wav = mediaprobe::readWav(dataFile(name));
    QVERIFY2(wav.error.isEmpty(), qPrintable(wav.error));
    QCOMPARE(wav.format, quint16(1));
    QCOMPARE(wav.bitsPerSample, 16);
    QVERIFY(wav.seconds() > 0.2 && wav.seconds() < 4);
}

void TestContent::everyClipAndTrackOpensInTheMediaPlayerAtItsLength_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name :
         {"intro/introspeak3.AVI", "intro/intro2.avi", "intro/intro-short.mp3", "intro/closing.mp3",
          "music/Theme.flac", "music/m03.mp3", "fish/f02-1.avi", "fish/f02-2.avi",
          "fish/reelsin.avi", "post/post04.avi", "fleamart/mayi-short.mp3"})
        QTest::newRow(name) << name;
    // One town's pair stands for all: each opens like the others.
    QTest::newRow("anim/gh28.avi") << townContent(28).ghostClip;
    QTest::newRow("anim/ch28.avi") << townContent(28).charClip;
}

void TestContent::everyClipAndTrackOpensInTheMediaPlayerAtItsLength()
{
    QFETCH(QString, name);
    // Opened the way the game opens it, and never played.
    QMediaPlayer player;
    QAudioOutput output;
    output.setMuted(true);
    player.setAudioOutput(&output);
    player.setSource(QUrl::fromLocalFile(dataFile(name)));
    QTRY_VERIFY_WITH_TIMEOUT(player.mediaStatus() == QMediaPlayer::LoadedMedia ||
                                 player.mediaStatus() == QMediaPlayer::InvalidMedia,
                             10000);
    QCOMPARE(player.mediaStatus(), QMediaPlayer::LoadedMedia);
    QTRY_VERIFY_WITH_TIMEOUT(player.duration() > 0, 5000);
    const double probed =
        name.endsWith(QLatin1String(".mp3"))    ? mediaprobe::readMp3(dataFile(name)).seconds()
        : name.endsWith(QLatin1String(".flac")) ? mediaprobe::readFlac(dataFile(name)).seconds()
                                                : mediaprobe::readAvi(dataFile(name)).seconds();
    QVERIFY2(std::abs(player.duration() / 1000.0 - probed) < 0.2,
             qPrintable(
                 QStringLiteral("%1 s against %2 s").arg(player.duration() / 1000.0).arg(probed)));
}

void TestContent::jinglesSoundOnlyInsideTheirStretches()
{
    const struct {
        int start, end;
    } stretches[] = {{3500, 18500}, {18800, 22500}, {22600, 26100}, {26400, 46000}, {46800, 51000}};
    const Decoded music = decode(dataFile("music/m03.mp3"));
    QVERIFY(music.sampleRate > 0);
    int quietFrom = 0;
    for (const auto& s : stretches) {
        // Seeking to a stretch is not exact: its edges are silent.
        QVERIFY2(music.peak(quietFrom, s.start + 60) < 0.01f, qPrintable(QString::number(s.start)));
        QVERIFY2(music.peak(s.start + 300, s.end - 300) > 0.2f,
                 qPrintable(QString::number(s.start)));
        quietFrom = s.end - 60;
    }
    QVERIFY(music.peak(quietFrom, 60000) < 0.01f);
}

void TestContent::shopkeeperSpeaksInsideHisTwoStretches()
{
    const Decoded voice = decode(dataFile("fleamart/mayi-short.mp3"));
    QVERIFY(voice.sampleRate > 0);
    QVERIFY(voice.peak(0, 130) < 0.01f);
    QVERIFY(voice.peak(300, 2000) > 0.2f);   // the greeting
    QVERIFY(voice.peak(2760, 2940) < 0.01f); // between the two
    QVERIFY(voice.peak(3100, 4000) > 0.2f);  // the thanks
    QVERIFY(voice.peak(4360, 10000) < 0.01f);
}

void TestContent::narrationSpeaksWhileEveryCaptionIsShown()
{
    const Decoded narration = decode(dataFile("intro/intro-short.mp3"));
    QVERIFY(narration.sampleRate > 0);
    const int changes[] = {0, 10000, 16500, 25600, 30000, 36000};
    for (int i = 0; i < 5; ++i)
        QVERIFY2(narration.peak(changes[i] + 1500, changes[i + 1] - 500) > 0.2f,
                 qPrintable(QString::number(i + 1)));
}

void TestContent::storyTextsFillTheirRoles()
{
    QCOMPARE(story::storyLine(0), QStringLiteral("We have three stories that will help you."));
    QCOMPARE(story::storyLine(1), QStringLiteral("Would you like to hear another story?"));
    QVERIFY(story::storyLine(2).size() > 80);
    // A story for every town with a spirit, told on arrival; the lines
    // between them stay a single blank.
    for (int index = 3; index < story::StoryLineCount; ++index) {
        const bool told = index % 2 == 1 && townContent((index + 1) / 2).hasSpirit();
        if (told)
            QVERIFY2(story::storyLine(index).size() > 80, qPrintable(QString::number(index)));
        else
            QCOMPARE(story::storyLine(index), QStringLiteral(" "));
    }
    QCOMPARE(story::StoryLineCount, 2 * TownCount);
    QVERIFY(story::storyLine(story::StoryLineCount).isNull());
    for (int n = 1; n <= story::IntroCaptionCount; ++n)
        QVERIFY(!story::introCaption(n).trimmed().isEmpty());
    QVERIFY(story::introCaption(5).contains(QStringLiteral("Weyfarra")));
    for (int n = 1; n <= story::EagleLoreCount; ++n) {
        QVERIFY(story::eagleLore(n).contains(QStringLiteral("eagle"), Qt::CaseInsensitive));
        QVERIFY(story::eagleLore(n).size() <= 110); // two lines of the market's text bar
    }
    QVERIFY(story::fleaMarketFarewell().contains(QStringLiteral("Trail")));
    const int closing = wordCount(story::closingWords());
    QVERIFY2(closing >= 40 && closing <= 100, qPrintable(QString::number(closing)));
    QVERIFY(!story::creditLine().isEmpty());
}

void TestContent::storyTextsPartSentencesWithTwoBlanks()
{
    QStringList texts = {story::fleaMarketFarewell(), story::creditLine(), story::closingWords()};
    for (int i = 0; i < story::StoryLineCount; ++i)
        texts << story::storyLine(i);
    for (int n = 1; n <= story::IntroCaptionCount; ++n)
        texts << story::introCaption(n);
    for (int n = 1; n <= story::EagleLoreCount; ++n)
        texts << story::eagleLore(n);
    // A sentence's end, with the quote that may close it, before one blank
    // (a quote closed on a comma goes on with one: "Then climb on," I said).
    static const QRegularExpression oneBlank(QStringLiteral("[.!?]\"? [A-Z\"]"));
    for (const QString& text : texts)
        QVERIFY2(!text.contains(oneBlank), qPrintable(text));
}

void TestContent::committedContentStaysWithinItsBudget()
{
    qint64 total = 0;
    for (const char* folder : {"/resources", "/data"}) {
        QDirIterator it(Source + folder, QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            it.next();
            total += it.fileInfo().size();
        }
    }
    // The stories tell more, at a child's listening pace, than they did.
    QVERIFY2(total < 48 * 1024 * 1024, qPrintable(QString::number(total)));
}

QTEST_MAIN(TestContent)
#include "tst_content.moc"
