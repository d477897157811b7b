#pragma once

// Decoding the game's JPEG pictures with libjpeg, straight into a QImage.
//
// libjpeg's own error handling ends the process on bad data. Here a corrupt
// or truncated picture (and anything libjpeg warns about, such as data that
// ends early) becomes an ordinary error that names the picture: the handler
// that asked for it stops, the player sees the message, the game goes on.

#include <QByteArray>
#include <QImage>
#include <QString>

namespace media {

// No screen of the game is larger than this on a side. A header may declare up
// to 65535 x 65535 pixels (17 GB for the image alone), so a picture larger than
// this is refused from its header, before anything is allocated for it.
constexpr int LargestPictureSide = 4096;

// Decodes JPEG data into an image of format RGB32. Raises an error naming
// `name` when the data cannot be decoded completely or declares a picture
// larger than LargestPictureSide on a side.
QImage decodeJpeg(const QByteArray& data, const QString& name);

} // namespace media
