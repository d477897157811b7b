#include "mediaprobe.h"

#include <QFile>
#include <QtEndian>

namespace mediaprobe {

namespace {

QByteArray readAll(const QString& path, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1").arg(path);
        return {};
    }
    return file.readAll();
}

quint32 u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Walks the chunks of a RIFF list body [from, to).
void walk(const QByteArray& b, qsizetype from, qsizetype to, Avi& avi, QByteArray& streamType)
{
    qsizetype at = from;
    while (at + 8 <= to) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = u32(b, at + 4);
        const qsizetype body = at + 8;
        if (body + size > b.size())
            return;
        if (id == "LIST") {
            walk(b, body + 4, body + size, avi, streamType);
        } else if (id == "avih" && size >= 40) {
            avi.microsPerFrame = u32(b, body);
            avi.frameCount = static_cast<int>(u32(b, body + 16));
            avi.width = static_cast<int>(u32(b, body + 32));
            avi.height = static_cast<int>(u32(b, body + 36));
        } else if (id == "strh" && size >= 8) {
            streamType = b.mid(body, 4);
            if (streamType == "vids")
                avi.videoHandler = b.mid(body + 4, 4);
            if (streamType == "auds")
                avi.hasAudio = true;
        } else if (id == "strf") {
            if (streamType == "vids" && size >= 20)
                avi.videoCompression = b.mid(body + 16, 4);
            if (streamType == "auds" && size >= 2)
                avi.audioFormat = u16(b, body);
        } else if (id == "00dc" || id == "00db") {
            avi.videoFrames << b.mid(body, size);
        }
        at = body + size + (size & 1);
    }
}

} // namespace

Avi readAvi(const QString& path)
{
    Avi avi;
    const QByteArray b = readAll(path, avi.error);
    if (!avi.error.isEmpty())
        return avi;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "AVI ") {
        avi.error = QStringLiteral("%1 is not an AVI file").arg(path);
        return avi;
    }
    QByteArray streamType;
    walk(b, 12, b.size(), avi, streamType);
    if (avi.frameCount == 0 || avi.microsPerFrame == 0)
        avi.error = QStringLiteral("%1 has no main header").arg(path);
    return avi;
}

double Wav::seconds() const
{
    const int bytesPerSecond = sampleRate * channels * bitsPerSample / 8;
    return bytesPerSecond ? double(dataBytes) / bytesPerSecond : 0;
}

Wav readWav(const QString& path)
{
    Wav wav;
    const QByteArray b = readAll(path, wav.error);
    if (!wav.error.isEmpty())
        return wav;
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") {
        wav.error = QStringLiteral("%1 is not a WAV file").arg(path);
        return wav;
    }
    qsizetype at = 12;
    while (at + 8 <= b.size()) {
        const QByteArray id = b.mid(at, 4);
        const quint32 size = u32(b, at + 4);
        if (id == "fmt " && size >= 16) {
            wav.format = u16(b, at + 8);
            wav.channels = u16(b, at + 10);
            wav.sampleRate = static_cast<int>(u32(b, at + 12));
            wav.bitsPerSample = u16(b, at + 22);
        } else if (id == "data") {
            wav.dataBytes = std::min<qint64>(size, b.size() - at - 8);
        }
        at += 8 + size + (size & 1);
    }
    if (wav.format == 0 || wav.dataBytes == 0)
        wav.error = QStringLiteral("%1 has no format or no sound").arg(path);
    return wav;
}

double Mp3::seconds() const
{
    return sampleRate ? audioFrames * 1152.0 / sampleRate : 0;
}

Mp3 readMp3(const QString& path)
{
    Mp3 mp3;
    const QByteArray b = readAll(path, mp3.error);
    if (!mp3.error.isEmpty())
        return mp3;
    qsizetype at = 0;
    if (b.startsWith("ID3") && b.size() > 10) {
        const auto* s = reinterpret_cast<const uchar*>(b.constData());
        at = 10 + ((s[6] & 0x7f) << 21 | (s[7] & 0x7f) << 14 | (s[8] & 0x7f) << 7 | (s[9] & 0x7f));
    }
    static const int bitrates[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                     112, 128, 160, 192, 224, 256, 320, 0};
    static const int rates[4] = {44100, 48000, 32000, 0};
    bool first = true;
    while (at + 4 <= b.size()) {
        const auto* h = reinterpret_cast<const uchar*>(b.constData() + at);
        // MPEG-1 layer III frames only: the game's music is encoded that way.
        if (h[0] != 0xFF || (h[1] & 0xFE) != 0xFA) {
            mp3.error =
                QStringLiteral("%1: no MPEG-1 layer III frame at byte %2").arg(path).arg(at);
            return mp3;
        }
        const int kbps = bitrates[h[2] >> 4];
        const int rate = rates[(h[2] >> 2) & 3];
        if (kbps == 0 || rate == 0) {
            mp3.error = QStringLiteral("%1: bad frame header at byte %2").arg(path).arg(at);
            return mp3;
        }
        const int length = 144000 * kbps / rate + ((h[2] >> 1) & 1);
        const QByteArray frame = b.mid(at, length);
        const bool info = first && (frame.contains("Info") || frame.contains("Xing"));
        if (first) {
            mp3.firstBitrateKbps = kbps;
            mp3.sampleRate = rate;
        } else if (kbps != mp3.firstBitrateKbps) {
            mp3.constantBitrate = false;
        }
        if (!info)
            ++mp3.audioFrames;
        first = false;
        at += length;
    }
    if (mp3.audioFrames == 0)
        mp3.error = QStringLiteral("%1 holds no audio frames").arg(path);
    return mp3;
}

Flac readFlac(const QString& path)
{
    Flac flac;
    const QByteArray b = readAll(path, flac.error);
    if (!flac.error.isEmpty())
        return flac;
    // "fLaC", then the first metadata block, which is always the stream
    // information: a 4-byte block header and 34 bytes, big-endian bit fields.
    if (b.size() < 42 || !b.startsWith("fLaC") || (b.at(4) & 0x7F) != 0) {
        flac.error = QStringLiteral("%1 is not a FLAC file").arg(path);
        return flac;
    }
    const auto* info = reinterpret_cast<const uchar*>(b.constData() + 8);
    flac.minBlockSamples = qFromBigEndian<quint16>(info);
    const quint64 packed = qFromBigEndian<quint64>(info + 10);
    flac.sampleRate = static_cast<int>(packed >> 44);
    flac.channels = static_cast<int>((packed >> 41) & 0x7) + 1;
    flac.bitsPerSample = static_cast<int>((packed >> 36) & 0x1F) + 1;
    flac.totalSamples = static_cast<qint64>(packed & 0xFFFFFFFFFull);
    if (flac.sampleRate == 0 || flac.totalSamples == 0)
        flac.error = QStringLiteral("%1 has no sound").arg(path);
    return flac;
}

} // namespace mediaprobe
