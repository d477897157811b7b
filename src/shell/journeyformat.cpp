#include "journeyformat.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <cstring>

namespace journey {

namespace {

constexpr std::array<quint32, 256> makeCrcTable()
{
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 c = n;
        for (int bit = 0; bit < 8; ++bit)
            c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

constexpr std::array<quint32, 256> CrcTable = makeCrcTable();

void putUnsigned(QByteArray& out, quint64 value, int bytes)
{
    for (int k = 0; k < bytes; ++k)
        out.append(static_cast<char>((value >> (8 * k)) & 0xFF));
}

void putUtf8(QByteArray& out, const QString& text, int lengthBytes)
{
    const QByteArray utf8 = text.toUtf8();
    putUnsigned(out, static_cast<quint64>(utf8.size()), lengthBytes);
    out += utf8;
}

// The value of an entry and the number that says what it is.
struct EncodedValue {
    std::uint8_t kind;
    QByteArray bytes;
};

EncodedValue encodeValue(const JourneyState::Value& value)
{
    EncodedValue out{};
    if (const auto* number = std::get_if<qint64>(&value)) {
        out.kind = static_cast<std::uint8_t>(Kind::Number);
        putUnsigned(out.bytes, static_cast<quint64>(*number), 8);
    } else if (const auto* text = std::get_if<QString>(&value)) {
        out.kind = static_cast<std::uint8_t>(Kind::Text);
        out.bytes = text->toUtf8();
    } else if (const auto* texts = std::get_if<QStringList>(&value)) {
        out.kind = static_cast<std::uint8_t>(Kind::Texts);
        putUnsigned(out.bytes, static_cast<quint64>(texts->size()), 4);
        for (const QString& line : *texts)
            putUtf8(out.bytes, line, 4);
    } else if (const auto* numbers = std::get_if<QList<qint64>>(&value)) {
        out.kind = static_cast<std::uint8_t>(Kind::Numbers);
        putUnsigned(out.bytes, static_cast<quint64>(numbers->size()), 4);
        for (qint64 each : *numbers)
            putUnsigned(out.bytes, static_cast<quint64>(each), 8);
    } else {
        const auto& unknown = std::get<UnknownValue>(value);
        out.kind = unknown.kind;
        out.bytes = unknown.bytes;
    }
    return out;
}

// Reads little-endian numbers and UTF-8 texts from a stretch of bytes,
// never past its end.
class Reader {
public:
    explicit Reader(QByteArrayView bytes) : bytes_(bytes) {}

    qsizetype left() const { return bytes_.size() - at_; }
    bool atEnd() const { return at_ == bytes_.size(); }

    bool takeUnsigned(int size, quint64& value)
    {
        if (left() < size)
            return false;
        value = 0;
        for (int k = size - 1; k >= 0; --k)
            value = (value << 8) | static_cast<std::uint8_t>(bytes_[at_ + k]);
        at_ += size;
        return true;
    }

    bool takeBytes(quint64 size, QByteArrayView& out)
    {
        if (size > static_cast<quint64>(left()))
            return false;
        out = bytes_.sliced(at_, static_cast<qsizetype>(size));
        at_ += static_cast<qsizetype>(size);
        return true;
    }

    // A text that is not UTF-8 is refused rather than taken with
    // replacement characters.
    bool takeUtf8(int lengthBytes, QString& text)
    {
        quint64 size = 0;
        QByteArrayView utf8;
        return takeUnsigned(lengthBytes, size) && takeBytes(size, utf8) && decodeUtf8(utf8, text);
    }

    static bool decodeUtf8(QByteArrayView utf8, QString& text)
    {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        text = decoder(utf8);
        return !decoder.hasError();
    }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

// The value of an entry of a known kind; false when its bytes are not one.
bool decodeValue(Kind kind, QByteArrayView bytes, JourneyState::Value& value)
{
    Reader reader(bytes);
    quint64 count = 0;
    switch (kind) {
    case Kind::Number: {
        quint64 number = 0;
        if (!reader.takeUnsigned(8, number))
            return false;
        value = static_cast<qint64>(number);
        break;
    }
    case Kind::Text: {
        QString text;
        if (!Reader::decodeUtf8(bytes, text))
            return false;
        value = text;
        return true;
    }
    case Kind::Texts: {
        // Each text takes at least its 4-byte length: a count beyond that
        // is damage, found before anything is reserved for it.
        if (!reader.takeUnsigned(4, count) || count > static_cast<quint64>(reader.left() / 4))
            return false;
        QStringList texts;
        texts.reserve(static_cast<qsizetype>(count));
        for (quint64 k = 0; k < count; ++k) {
            QString text;
            if (!reader.takeUtf8(4, text))
                return false;
            texts << text;
        }
        value = texts;
        break;
    }
    case Kind::Numbers: {
        if (!reader.takeUnsigned(4, count) || count != static_cast<quint64>(reader.left() / 8))
            return false;
        QList<qint64> numbers;
        numbers.reserve(static_cast<qsizetype>(count));
        for (quint64 k = 0; k < count; ++k) {
            quint64 number = 0;
            reader.takeUnsigned(8, number);
            numbers << static_cast<qint64>(number);
        }
        value = numbers;
        break;
    }
    }
    return reader.atEnd();
}

bool isKnownKind(std::uint8_t kind)
{
    return kind >= static_cast<std::uint8_t>(Kind::Number) &&
           kind <= static_cast<std::uint8_t>(Kind::Numbers);
}

// Reads the entries; a problem in the form of one refuses all of them.
QString readEntries(QByteArrayView body, JourneyState& state)
{
    Reader reader(body);
    for (int entry = 1; !reader.atEnd(); ++entry) {
        QString name;
        quint64 kind = 0;
        quint64 size = 0;
        QByteArrayView bytes;
        if (!reader.takeUtf8(2, name) || name.isEmpty() || !reader.takeUnsigned(1, kind) ||
            !reader.takeUnsigned(4, size) || !reader.takeBytes(size, bytes))
            return QCoreApplication::translate("Saves", "its entry %1 is not in the form of one")
                .arg(entry);
        if (state.contains(name))
            return QCoreApplication::translate("Saves", "it holds the field \"%1\" twice")
                .arg(name);
        const auto kindByte = static_cast<std::uint8_t>(kind);
        JourneyState::Value value = UnknownValue{kindByte, bytes.toByteArray()};
        if (isKnownKind(kindByte) && !decodeValue(static_cast<Kind>(kindByte), bytes, value))
            return QCoreApplication::translate("Saves", "its field \"%1\" is not in the form of %2")
                .arg(name, kindName(static_cast<Kind>(kindByte)));
        state.setValue(name, value);
    }
    return {};
}

} // namespace

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char byte : bytes)
        crc = CrcTable[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray journeyBytes(const JourneyState& state)
{
    QByteArray body;
    for (auto field = state.values().cbegin(); field != state.values().cend(); ++field) {
        const EncodedValue value = encodeValue(field.value());
        putUtf8(body, field.key(), 2);
        putUnsigned(body, value.kind, 1);
        putUnsigned(body, static_cast<quint64>(value.bytes.size()), 4);
        body += value.bytes;
    }
    QByteArray bytes(Mark, MarkSize);
    putUnsigned(bytes, MajorVersion, 2);
    putUnsigned(bytes, MinorVersion, 2);
    putUnsigned(bytes, static_cast<quint64>(body.size()), 4);
    bytes += body;
    putUnsigned(bytes, crc32(bytes), 4);
    return bytes;
}

namespace {

// What the frame of every version holds.
struct Frame {
    quint64 major = 0;
    quint64 minor = 0;
    QByteArrayView entries;
};

// Checks the frame: the mark, the length and the checksum. Says why the
// bytes are not a whole journey file, or fills in the frame.
QString readFrame(QByteArrayView bytes, Frame& frame)
{
    if (bytes.isEmpty())
        return QCoreApplication::translate("Saves", "the file is empty");
    if (!QByteArrayView(Mark, MarkSize)
             .startsWith(bytes.first(std::min<qsizetype>(bytes.size(), MarkSize))))
        return QCoreApplication::translate(
            "Saves", "it is not a Kelvarin journey (it does not begin with the mark of "
                     "one)");
    Reader header(bytes);
    QByteArrayView mark;
    quint64 entriesSize = 0;
    if (!header.takeBytes(MarkSize, mark) || !header.takeUnsigned(2, frame.major) ||
        !header.takeUnsigned(2, frame.minor) || !header.takeUnsigned(4, entriesSize))
        return QCoreApplication::translate(
                   "Saves", "it ends after %1 bytes, before the journey in it begins: it was "
                            "cut short")
            .arg(bytes.size());
    const quint64 whole = HeaderSize + entriesSize + ChecksumSize;
    const auto size = static_cast<quint64>(bytes.size());
    if (size < whole)
        return QCoreApplication::translate(
                   "Saves", "it holds %1 bytes, where the journey in it needs %2: it was cut "
                            "short or is damaged")
            .arg(size)
            .arg(whole);
    if (size > whole)
        return QCoreApplication::translate(
                   "Saves", "it holds %1 bytes, more than the %2 of the journey in it: "
                            "something was added to it or it is damaged")
            .arg(size)
            .arg(whole);
    const qsizetype checked = bytes.size() - ChecksumSize;
    Reader trailer(bytes.sliced(checked));
    quint64 checksum = 0;
    trailer.takeUnsigned(ChecksumSize, checksum);
    if (checksum != crc32(bytes.first(checked)))
        return QCoreApplication::translate(
            "Saves", "it is damaged (its checksum does not match what it holds)");
    frame.entries = bytes.sliced(HeaderSize, static_cast<qsizetype>(entriesSize));
    return {};
}

QString checkVersion(const Frame& frame)
{
    const QString version = QStringLiteral("%1.%2").arg(frame.major).arg(frame.minor);
    if (frame.major > MajorVersion)
        return QCoreApplication::translate(
                   "Saves", "it was saved by a newer Kelvarin (journey format %1), which this "
                            "Kelvarin (journey format %2.%3) cannot read")
            .arg(version)
            .arg(MajorVersion)
            .arg(MinorVersion);
    if (frame.major < 1)
        return QCoreApplication::translate("Saves",
                                           "its journey format %1 is not one Kelvarin has written")
            .arg(version);
    return {};
}

} // namespace

Decoding readJourneyBytes(const QByteArray& bytes)
{
    Decoding decoding;
    Frame frame;
    JourneyState state;
    decoding.problem = readFrame(bytes, frame);
    if (decoding.problem.isEmpty())
        decoding.problem = checkVersion(frame);
    if (decoding.problem.isEmpty())
        decoding.problem = readEntries(frame.entries, state);
    if (decoding.problem.isEmpty())
        decoding.problem = state.check();
    if (decoding.problem.isEmpty())
        decoding.state = std::move(state);
    return decoding;
}

} // namespace journey
