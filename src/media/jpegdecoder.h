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

// Decodes JPEG data into an image of format RGB32. Raises an error naming
// `name` when the data cannot be decoded completely.
QImage decodeJpeg(const QByteArray& data, const QString& name);

} // namespace media
