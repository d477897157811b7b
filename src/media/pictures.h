#pragma once

// The pictures compiled into the program: JPEG scene pictures and a few
// small bitmaps, found by name without regard to case ("S010", "s010").

#include <QImage>
#include <QString>
#include <QStringList>

namespace platform {
class PictureBox;
}

namespace media {

// The decoded JPEG resource. Raises an error naming the picture when it does
// not exist or cannot be decoded.
QImage jpegPicture(const QString& name);
// The bitmap resource ("fp", "fpcast", "sf1", "sf2"). Raises like jpegPicture.
QImage bitmapPicture(const QString& name);
// Names of all JPEG resources, upper case as stored.
QStringList jpegPictureNames();
// Whether the program holds the JPEG resource (any case).
bool hasJpegPicture(const QString& name);

// The language of the pictures that carry a title in words: "MAP-fr" is
// shown for "MAP" while French is in view, where the game holds it; any
// other picture, or a language without its own, is the English one.
void setPictureLanguage(const QString& code);

// Decodes the JPEG resource into the target's picture, replacing it. A target
// that does not exist is refused with "The Image Property is empty!"; on any
// error the previous picture stays.
void loadJpegInto(platform::PictureBox* target, const QString& name);

} // namespace media
