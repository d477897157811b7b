#pragma once

// Reads what the game's media files say about themselves without playing
// them: AVI headers and their video frames, WAV headers, MP3 frame headers,
// FLAC stream information.

#include <QByteArray>
#include <QList>
#include <QString>

namespace mediaprobe {

struct Avi {
    QString error; // empty when the file was read
    int width = 0;
    int height = 0;
    int frameCount = 0; // from the main header
    qint64 microsPerFrame = 0;
    QByteArray videoHandler; // fourcc of the video stream, e.g. "MJPG"
    QByteArray videoCompression;
    bool hasAudio = false;
    quint16 audioFormat = 0;       // 1 PCM, 0x55 MP3
    QList<QByteArray> videoFrames; // the compressed frames, in order
    double seconds() const { return frameCount * microsPerFrame / 1e6; }
};
Avi readAvi(const QString& path);

struct Wav {
    QString error;
    quint16 format = 0; // 1 = PCM
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qint64 dataBytes = 0;
    double seconds() const;
};
Wav readWav(const QString& path);

struct Mp3 {
    QString error;
    int firstBitrateKbps = 0; // from the first frame header
    int sampleRate = 0;
    int audioFrames = 0; // frames that carry sound (an info frame is not counted)
    bool constantBitrate = true;
    double seconds() const;
};
Mp3 readMp3(const QString& path);

struct Flac {
    QString error;
    int minBlockSamples = 0; // the shortest block of samples the stream is cut into
    int sampleRate = 0;
    int channels = 0;
    int bitsPerSample = 0;
    qint64 totalSamples = 0; // per channel
    double seconds() const { return sampleRate ? double(totalSamples) / sampleRate : 0; }
};
Flac readFlac(const QString& path);

} // namespace mediaprobe
