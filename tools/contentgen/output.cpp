#include "output.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QtEndian>
#include <cstdio>
#include <cstdlib>

namespace gen {

void fail(const QString& message)
{
    std::fprintf(stderr, "contentgen: %s\n", qPrintable(message));
    std::exit(1);
}

void ensureFolder(const QString& path)
{
    if (!QDir().mkpath(path))
        fail(QStringLiteral("cannot create the folder %1").arg(path));
}

namespace {

void writeFile(const QString& path, const QByteArray& bytes)
{
    ensureFolder(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(QStringLiteral("cannot write %1").arg(path));
}

void put16(QByteArray& b, quint16 v)
{
    char x[2];
    qToLittleEndian(v, x);
    b.append(x, 2);
}

void put32(QByteArray& b, quint32 v)
{
    char x[4];
    qToLittleEndian(v, x);
    b.append(x, 4);
}

} // namespace

void saveJpeg(const QImage& image, const QString& path, int quality)
{
    ensureFolder(QFileInfo(path).absolutePath());
    QImageWriter writer(path, "jpeg");
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(false); // baseline: the game's decoder expects it
    writer.setOptimizedWrite(true);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        fail(QStringLiteral("cannot write %1: %2").arg(path, writer.errorString()));
}

void saveBmp24(const QImage& image, const QString& path)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const int w = rgb.width(), h = rgb.height();
    const int stride = (w * 3 + 3) & ~3;
    QByteArray b;
    b.append("BM");
    put32(b, static_cast<quint32>(14 + 40 + stride * h));
    put32(b, 0);
    put32(b, 14 + 40);
    put32(b, 40);
    put32(b, static_cast<quint32>(w));
    put32(b, static_cast<quint32>(h));
    put16(b, 1);
    put16(b, 24);
    put32(b, 0);
    put32(b, static_cast<quint32>(stride * h));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        QByteArray row;
        for (int x = 0; x < w; ++x) {
            row.append(static_cast<char>(qBlue(line[x])));
            row.append(static_cast<char>(qGreen(line[x])));
            row.append(static_cast<char>(qRed(line[x])));
        }
        row.append(QByteArray(stride - w * 3, '\0'));
        b.append(row);
    }
    writeFile(path, b);
}

void saveBmp32(const QImage& image, const QString& path)
{
    // A version 5 header with an alpha mask: read with its transparency.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width(), h = argb.height();
    QByteArray b;
    b.append("BM");
    put32(b, static_cast<quint32>(14 + 124 + w * h * 4));
    put32(b, 0);
    put32(b, 14 + 124);
    put32(b, 124);
    put32(b, static_cast<quint32>(w));
    put32(b, static_cast<quint32>(h));
    put16(b, 1);
    put16(b, 32);
    put32(b, 3); // bit fields
    put32(b, static_cast<quint32>(w * h * 4));
    put32(b, 2835);
    put32(b, 2835);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0x00FF0000);
    put32(b, 0x0000FF00);
    put32(b, 0x000000FF);
    put32(b, 0xFF000000);
    put32(b, 0x73524742); // sRGB
    b.append(QByteArray(36 + 12, '\0'));
    put32(b, 4); // intent: perceptual
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    for (int y = h - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < w; ++x)
            put32(b, line[x]);
    }
    writeFile(path, b);
}

void savePng(const QImage& image, const QString& path)
{
    ensureFolder(QFileInfo(path).absolutePath());
    if (!image.convertToFormat(QImage::Format_RGB32).save(path, "PNG"))
        fail(QStringLiteral("cannot write %1").arg(path));
}

} // namespace gen
