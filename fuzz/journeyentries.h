#pragma once

// A saved journey's bytes taken apart into their frame and entries, and put
// together again with lengths and a checksum that agree with what they hold
// (journeyformat.h has the layout). The journey fuzz target mutates journeys
// entry by entry with it, and checks the game's reader against it; the seed
// writer uses it to make a journey of a later minor version.
//
// It reads the entries as the form says and nothing more: it does not check
// values against the field table, so a journey the game refuses still comes
// apart here and can be mutated into one it takes.

#include "shell/journeystate.h"

#include <QByteArray>
#include <QByteArrayView>
#include <optional>
#include <vector>

namespace journeyfuzz {

struct Entry {
    QByteArray name; // UTF-8, as written
    std::uint8_t kind = 0;
    QByteArray value;
};

struct Entries {
    quint16 major = 0;
    quint16 minor = 0;
    std::vector<Entry> entries;
};

// The frame and entries of the bytes. The length in the header and the
// checksum are not looked at (the entries run from the header to the last
// four bytes): a journey whose length or checksum a mutation spoilt still
// comes apart. None when there is no mark, no whole header or the entries
// do not fill their stretch exactly; with `salvage`, the entries that came
// apart before the damage instead.
std::optional<Entries> entriesOf(QByteArrayView bytes, bool salvage = false);

// The bytes of the entries in their order, with the length and the checksum
// that agree with them.
QByteArray bytesOf(const Entries& journey);

// The same bytes with the header's length set to what lies between the
// header and the checksum (when `length` is true) and the checksum made
// anew. Bytes too short for a header keep their length as it is; bytes too
// short for a checksum are returned as they are.
QByteArray resealed(QByteArray bytes, bool length = true);

// The journey the entries hold, each known kind decoded as the format says
// and the others kept as they are; none when an entry's value is not in the
// form of its kind, a name is not UTF-8 or empty, or a name comes twice.
std::optional<journey::JourneyState> stateOf(const Entries& journey);

// A number entry's value: 8 bytes, little-endian.
QByteArray numberBytes(qint64 value);
// A list's bytes: the count in 4 bytes, then each number or each text with
// its 4-byte length.
QByteArray numbersBytes(const QList<qint64>& values);
QByteArray textsBytes(const QList<QByteArray>& texts);
// The parts of a list's bytes; none when they are not in the form of one.
std::optional<QList<qint64>> numbersOf(QByteArrayView bytes);
std::optional<QList<QByteArray>> textsOf(QByteArrayView bytes);

} // namespace journeyfuzz
