// Pictures: our libjpeg decoder on good, damaged and foreign data, and what
// the screens see when a picture is missing.

#include "errorcapture.h"
#include "media/jpegdecoder.h"
#include "media/pictures.h"
#include "media/yuvconversion.h"
#include "platform/errorreport.h"
#include "platform/picturebox.h"

#include <QBuffer>
#include <QImageWriter>
#include <QPainter>
#include <QTest>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <algorithm>

namespace {

QImage testPattern(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.fillRect(image.rect(), QColor(200, 120, 40));
    painter.fillRect(QRect(QPoint(0, 0), size / 2), QColor(20, 40, 160));
    return image;
}

QByteArray encode(const QImage& image, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(90);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

// The picture with the size its frame header declares changed to `size`;
// the compressed data stays that of the original.
QByteArray withDeclaredSize(QByteArray jpeg, QSize size)
{
    // The frame header: FF C0 (baseline) or FF C2 (progressive), a 16-bit
    // length, the precision, then height and width, big-endian.
    for (int i = 0; i + 8 < jpeg.size(); ++i) {
        const auto marker = static_cast<unsigned char>(jpeg[i + 1]);
        if (static_cast<unsigned char>(jpeg[i]) == 0xFF && (marker == 0xC0 || marker == 0xC2)) {
            jpeg[i + 5] = static_cast<char>(size.height() >> 8);
            jpeg[i + 6] = static_cast<char>(size.height() & 0xFF);
            jpeg[i + 7] = static_cast<char>(size.width() >> 8);
            jpeg[i + 8] = static_cast<char>(size.width() & 0xFF);
            return jpeg;
        }
    }
    return {};
}

// Decodes, reporting instead of throwing; returns the image or a null one.
QImage tryDecode(const QByteArray& data)
{
    QImage image;
    platform::guarded([&] { image = media::decodeJpeg(data, QStringLiteral("test")); });
    return image;
}

} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void goodPicturesDecodeAtTheirSizeAndColours_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("progressive");
        QTest::addColumn<bool>("grey");
        QTest::newRow("scene 600x450") << QSize(600, 450) << false << false;
        QTest::newRow("odd size") << QSize(75, 265) << false << false;
        QTest::newRow("progressive") << QSize(320, 200) << true << false;
        QTest::newRow("greyscale") << QSize(120, 90) << false << true;
    }

    void goodPicturesDecodeAtTheirSizeAndColours()
    {
        QFETCH(QSize, size);
        QFETCH(bool, progressive);
        QFETCH(bool, grey);
        QImage source = testPattern(size);
        if (grey)
            source = source.convertToFormat(QImage::Format_Grayscale8);
        ErrorCapture errors;
        const QImage decoded = tryDecode(encode(source, progressive));
        QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
        QCOMPARE(decoded.size(), size);
        QCOMPARE(decoded.format(), QImage::Format_RGB32);
        const QColor corner = decoded.pixelColor(size.width() - 2, size.height() - 2);
        const QColor expected = source.pixelColor(size.width() - 2, size.height() - 2);
        QVERIFY(qAbs(corner.red() - expected.red()) < 12);
        QVERIFY(qAbs(corner.blue() - expected.blue()) < 12);
    }

    void damagedPicturesBecomeAnErrorNamingThem_data()
    {
        QTest::addColumn<QByteArray>("data");
        const QByteArray good = encode(testPattern(QSize(300, 200)));
        QByteArray corrupt = good;
        for (int i = good.size() / 2; i < good.size() / 2 + 400; ++i)
            corrupt[i] = static_cast<char>(0xFF);
        QTest::newRow("truncated") << good.left(good.size() / 2);
        QTest::newRow("corrupt scan data") << corrupt;
        QTest::newRow("header only") << good.left(40);
        QTest::newRow("not a jpeg") << QByteArray("BM this is a bitmap, not a photograph");
        QTest::newRow("empty") << QByteArray();
    }

    void damagedPicturesBecomeAnErrorNamingThem()
    {
        QFETCH(QByteArray, data);
        ErrorCapture errors;
        QVERIFY(!platform::guarded([&] { media::decodeJpeg(data, QStringLiteral("s020")); }));
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().contains("\"s020\""));
    }

    // A header may declare any size up to 65535 on a side: 65500 x 65500 would
    // ask for 17 GB before the first line is read. The game never shows a
    // picture larger than a screen, so such a size is refused from the header.
    void picturesLargerThanTheGameCanShowAreRefusedFromTheirHeader_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<bool>("refused");
        const QByteArray small = encode(testPattern(QSize(64, 48)));
        QTest::newRow("65500 x 65500") << withDeclaredSize(small, QSize(65500, 65500)) << true;
        QTest::newRow("one pixel too wide") << withDeclaredSize(small, QSize(4097, 48)) << true;
        QTest::newRow("one pixel too tall") << withDeclaredSize(small, QSize(64, 4097)) << true;
        QTest::newRow("progressive, too wide")
            << withDeclaredSize(encode(testPattern(QSize(64, 48)), true), QSize(5000, 48)) << true;
        QTest::newRow("4096 wide is shown") << encode(testPattern(QSize(4096, 8))) << false;
        QTest::newRow("4096 tall is shown") << encode(testPattern(QSize(8, 4096))) << false;
    }

    void picturesLargerThanTheGameCanShowAreRefusedFromTheirHeader()
    {
        QFETCH(QByteArray, data);
        QFETCH(bool, refused);
        QVERIFY(!data.isEmpty());
        ErrorCapture errors;
        const QImage image = tryDecode(data);
        if (!refused) {
            QVERIFY2(errors.messages.isEmpty(), qPrintable(errors.messages.join('\n')));
            QVERIFY(!image.isNull());
            return;
        }
        QVERIFY(image.isNull());
        QCOMPARE(errors.messages.size(), 1);
        const QString& message = errors.messages.first();
        QVERIFY2(message.contains("\"test\"") && message.contains("too large"),
                 qPrintable(message));
    }

    void aMissingPictureIsReportedAndThePreviousOneStays()
    {
        platform::PictureBox box;
        const QImage previous = testPattern(QSize(60, 45));
        box.setPicture(previous);
        ErrorCapture errors;
        QVERIFY(!platform::guarded([&] { media::loadJpegInto(&box, QStringLiteral("s990")); }));
        QCOMPARE(errors.messages.size(), 1);
        QVERIFY(errors.messages.first().contains("s990"));
        QCOMPARE(box.picture(), previous);
    }

    void videoFramesKeepTheColoursTheyWereEncodedWith_data()
    {
        QTest::addColumn<int>("range");
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("u");
        QTest::addColumn<int>("v");
        QTest::addColumn<QColor>("expected");
        const int full = QVideoFrameFormat::ColorRange_Full;
        const int video = QVideoFrameFormat::ColorRange_Video;
        // Values worked out with the BT.601 equations.
        QTest::newRow("full-range grey") << full << 128 << 128 << 128 << QColor(128, 128, 128);
        QTest::newRow("full-range firelight") << full << 79 << 97 << 158 << QColor(121, 68, 24);
        QTest::newRow("video-range black") << video << 16 << 128 << 128 << QColor(0, 0, 0);
        QTest::newRow("video-range white") << video << 235 << 128 << 128 << QColor(255, 255, 255);
        QTest::newRow("unknown range is full") << int(QVideoFrameFormat::ColorRange_Unknown) << 200
                                               << 128 << 128 << QColor(200, 200, 200);
    }

    void videoFramesKeepTheColoursTheyWereEncodedWith()
    {
        QFETCH(int, range);
        QFETCH(int, y);
        QFETCH(int, u);
        QFETCH(int, v);
        QFETCH(QColor, expected);
        QVideoFrameFormat format(QSize(4, 4), QVideoFrameFormat::Format_YUV420P);
        format.setColorSpace(QVideoFrameFormat::ColorSpace_BT601);
        format.setColorRange(static_cast<QVideoFrameFormat::ColorRange>(range));
        QVideoFrame frame(format);
        QVERIFY(frame.map(QVideoFrame::WriteOnly));
        for (int plane = 0; plane < 3; ++plane) {
            const int value = plane == 0 ? y : plane == 1 ? u : v;
            std::fill_n(frame.bits(plane), frame.mappedBytes(plane), static_cast<uchar>(value));
        }
        frame.unmap();
        const QColor got = media::frameToImage(frame).pixelColor(2, 2);
        QVERIFY2(qAbs(got.red() - expected.red()) <= 1 &&
                     qAbs(got.green() - expected.green()) <= 1 &&
                     qAbs(got.blue() - expected.blue()) <= 1,
                 qPrintable(got.name() + " instead of " + expected.name()));
    }

    void aTargetThatDoesNotExistIsRefused()
    {
        ErrorCapture errors;
        QVERIFY(!platform::guarded([] { media::loadJpegInto(nullptr, QStringLiteral("s010")); }));
        QCOMPARE(errors.messages, QStringList{"The Image Property is empty!"});
    }
};

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
