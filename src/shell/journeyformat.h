#pragma once

// The bytes of a saved journey (a ".kvj" file). Every number is
// little-endian.
//
//   offset 0   16 bytes  "KELVARIN-JOURNEY"
//          16  2         the format's major version
//          18  2         the format's minor version
//          20  4         the length of the entries, in bytes
//          24  ...       the entries, one after another:
//                          2  the length of the field's name
//                          .. the name, UTF-8
//                          1  what the field holds (journey::Kind)
//                          4  the length of the value
//                          .. the value: a number is 8 bytes, signed; a
//                             text is UTF-8; a list is its count (4 bytes)
//                             and then each number (8 bytes) or each text
//                             (its length in 4 bytes and its UTF-8)
//          end - 4     4     CRC-32 of every byte before it
//
// This frame (the mark, the two versions, the length and the checksum) is
// the same in every version. A later minor version only adds entries, which
// this Kelvarin keeps and ignores; a later major version may change what the
// entries mean, and is refused with a message saying so.

#include "shell/journeystate.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace journey {

inline constexpr char Mark[] = "KELVARIN-JOURNEY";
constexpr int MarkSize = 16;
constexpr quint16 MajorVersion = 1;
constexpr quint16 MinorVersion = 0;
constexpr int HeaderSize = MarkSize + 2 + 2 + 4;
constexpr int ChecksumSize = 4;
// No journey comes near this size (the catch list, the largest part, stays
// under 4 MB even at its longest); a larger file is refused unread.
constexpr qint64 LargestFile = 8 << 20;

// CRC-32 as zip and PNG compute it.
quint32 crc32(QByteArrayView bytes);

// The bytes of the journey. Fields are written in the order of their names,
// so the same journey always gives the same bytes.
QByteArray journeyBytes(const JourneyState& state);

struct Decoding {
    JourneyState state;
    // Why the bytes are not a journey the game can take; empty when they are.
    QString problem;
};
// Reads the bytes of a journey and checks everything: the mark, the length,
// the checksum, the version, every entry's form and every known field's
// value. The journey is empty unless the problem is.
Decoding readJourneyBytes(const QByteArray& bytes);

} // namespace journey
