// Fuzz target: the JPEG decoder on any bytes. A picture file may be damaged
// or replaced; decoding it gives either the picture or an error naming it.

#include "media/jpegdecoder.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    try {
        const QImage image = media::decodeJpeg(bytes, QStringLiteral("fuzz"));
        if (image.isNull() || image.width() > media::LargestPictureSide ||
            image.height() > media::LargestPictureSide)
            std::abort();
    } catch (const std::exception&) {
        // A refused picture: what the player is told about.
    }
    return 0;
}
