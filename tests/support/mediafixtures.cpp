#include "mediafixtures.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QtEndian>

#include <cmath>
#include <numbers>
#include <vector>

namespace {

void put16(QByteArray& out, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    out.append(b, 2);
}

void put32(QByteArray& out, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    out.append(b, 4);
}

void putTag(QByteArray& out, const char* tag)
{
    out.append(tag, 4);
}

// A chunk: tag, size, data, padded to an even length.
QByteArray chunk(const char* tag, const QByteArray& data)
{
    QByteArray out;
    putTag(out, tag);
    put32(out, static_cast<quint32>(data.size()));
    out += data;
    if (data.size() % 2)
        out.append('\0');
    return out;
}

QByteArray list(const char* type, const QByteArray& content)
{
    QByteArray data;
    putTag(data, type);
    data += content;
    return chunk("LIST", data);
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

bool writeToneWav(const QString& path, int durationMs, int frequency)
{
    constexpr int rate = 22050;
    const int samples = rate * durationMs / 1000;
    QByteArray pcm;
    for (int i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / rate;
        put16(pcm, static_cast<quint16>(static_cast<qint16>(
                       8000 * std::sin(2 * std::numbers::pi * frequency * t))));
    }
    QByteArray format;
    put16(format, 1); // PCM
    put16(format, 1); // mono
    put32(format, rate);
    put32(format, rate * 2);
    put16(format, 2);
    put16(format, 16);
    QByteArray riff;
    putTag(riff, "WAVE");
    riff += chunk("fmt ", format) + chunk("data", pcm);
    return writeFile(path, chunk("RIFF", riff));
}

bool writeColourAvi(const QString& path, int width, int height, int fps, int frames)
{
    std::vector<QByteArray> jpegs;
    for (int i = 0; i < frames; ++i) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(QColor::fromHsv((i * 37) % 360, 200, 220));
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpg");
        writer.setQuality(80);
        if (!writer.write(image))
            return false;
        jpegs.push_back(bytes);
    }

    QByteArray avih;
    put32(avih, static_cast<quint32>(1000000 / fps)); // microseconds per frame
    put32(avih, 0);
    put32(avih, 0);
    put32(avih, 0x10); // has an index
    put32(avih, static_cast<quint32>(frames));
    put32(avih, 0);
    put32(avih, 1); // streams
    put32(avih, 0);
    put32(avih, static_cast<quint32>(width));
    put32(avih, static_cast<quint32>(height));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);

    QByteArray strh;
    putTag(strh, "vids");
    putTag(strh, "MJPG");
    put32(strh, 0);
    put32(strh, 0);
    put32(strh, 0);
    put32(strh, 1);   // scale
    put32(strh, static_cast<quint32>(fps)); // rate
    put32(strh, 0);   // start
    put32(strh, static_cast<quint32>(frames));
    put32(strh, 0);
    put32(strh, 0xFFFFFFFF);
    put32(strh, 0);
    put16(strh, 0);
    put16(strh, 0);
    put16(strh, static_cast<quint16>(width));
    put16(strh, static_cast<quint16>(height));

    QByteArray strf; // BITMAPINFOHEADER
    put32(strf, 40);
    put32(strf, static_cast<quint32>(width));
    put32(strf, static_cast<quint32>(height));
    put16(strf, 1);
    put16(strf, 24);
    putTag(strf, "MJPG");
    put32(strf, static_cast<quint32>(width * height * 3));
    for (int i = 0; i < 4; ++i)
        put32(strf, 0);

    const QByteArray header =
        list("hdrl", chunk("avih", avih) + list("strl", chunk("strh", strh) + chunk("strf", strf)));

    QByteArray movie;
    QByteArray index;
    quint32 offset = 4; // offsets count from the 'movi' tag
    for (const QByteArray& jpeg : jpegs) {
        const QByteArray frame = chunk("00dc", jpeg);
        putTag(index, "00dc");
        put32(index, 0x10); // key frame
        put32(index, offset);
        put32(index, static_cast<quint32>(jpeg.size()));
        movie += frame;
        offset += static_cast<quint32>(frame.size());
    }

    QByteArray riff;
    putTag(riff, "AVI ");
    riff += header + list("movi", movie) + chunk("idx1", index);
    return writeFile(path, chunk("RIFF", riff));
}
