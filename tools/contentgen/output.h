#pragma once

// Writing what the generator paints: baseline JPEGs, BMPs (24-bit, or 32-bit
// with an alpha channel for pictures drawn over other things) and PNG frames
// of the clips. Every writer fails loudly: a half-written content set is
// worse than none.

#include <QImage>
#include <QString>

namespace gen {

// The folders the generator writes into.
struct Folders {
    QString pictures; // resources/pictures
    QString bitmaps;  // resources/bitmaps
    QString data;     // data
    QString work;     // scratch: frames, speech, mixes
};

[[noreturn]] void fail(const QString& message);

void saveJpeg(const QImage& image, const QString& path, int quality = 85);
void saveBmp24(const QImage& image, const QString& path);
void saveBmp32(const QImage& image, const QString& path);
void savePng(const QImage& image, const QString& path);
void ensureFolder(const QString& path);

} // namespace gen
