#include "journeyentries.h"

#include "shell/journeyformat.h"

#include <QStringDecoder>

namespace journeyfuzz {

namespace {

void put(QByteArray& out, quint64 value, int size)
{
    for (int k = 0; k < size; ++k)
        out.append(static_cast<char>((value >> (8 * k)) & 0xFF));
}

void putAt(QByteArray& out, qsizetype at, quint64 value, int size)
{
    for (int k = 0; k < size; ++k)
        out[at + k] = static_cast<char>((value >> (8 * k)) & 0xFF);
}

// Takes little-endian numbers and stretches of bytes, never past the end.
class Taker {
public:
    explicit Taker(QByteArrayView bytes) : bytes_(bytes) {}

    qsizetype left() const { return bytes_.size() - at_; }
    bool atEnd() const { return at_ == bytes_.size(); }

    bool number(int size, quint64& value)
    {
        if (left() < size)
            return false;
        value = 0;
        for (int k = size - 1; k >= 0; --k)
            value = (value << 8) | static_cast<std::uint8_t>(bytes_[at_ + k]);
        at_ += size;
        return true;
    }

    bool stretch(quint64 size, QByteArrayView& out)
    {
        if (size > static_cast<quint64>(left()))
            return false;
        out = bytes_.sliced(at_, static_cast<qsizetype>(size));
        at_ += static_cast<qsizetype>(size);
        return true;
    }

private:
    QByteArrayView bytes_;
    qsizetype at_ = 0;
};

std::optional<QString> utf8(QByteArrayView bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<journey::JourneyState::Value> valueOf(const Entry& entry)
{
    using journey::Kind;
    switch (entry.kind) {
    case static_cast<std::uint8_t>(Kind::Number): {
        if (entry.value.size() != 8)
            return std::nullopt;
        Taker taker(entry.value);
        quint64 number = 0;
        taker.number(8, number);
        return static_cast<qint64>(number);
    }
    case static_cast<std::uint8_t>(Kind::Text): {
        const std::optional<QString> text = utf8(entry.value);
        if (!text)
            return std::nullopt;
        return *text;
    }
    case static_cast<std::uint8_t>(Kind::Texts): {
        const std::optional<QList<QByteArray>> parts = textsOf(entry.value);
        if (!parts)
            return std::nullopt;
        QStringList texts;
        for (const QByteArray& part : *parts) {
            const std::optional<QString> text = utf8(part);
            if (!text)
                return std::nullopt;
            texts << *text;
        }
        return texts;
    }
    case static_cast<std::uint8_t>(Kind::Numbers): {
        const std::optional<QList<qint64>> numbers = numbersOf(entry.value);
        if (!numbers)
            return std::nullopt;
        return *numbers;
    }
    default:
        return journey::UnknownValue{entry.kind, entry.value};
    }
}

} // namespace

std::optional<Entries> entriesOf(QByteArrayView bytes, bool salvage)
{
    if (bytes.size() < journey::HeaderSize + journey::ChecksumSize ||
        bytes.first(journey::MarkSize) != QByteArrayView(journey::Mark, journey::MarkSize))
        return std::nullopt;
    Entries journey;
    Taker header(bytes.sliced(journey::MarkSize));
    quint64 major = 0;
    quint64 minor = 0;
    header.number(2, major);
    header.number(2, minor);
    journey.major = static_cast<quint16>(major);
    journey.minor = static_cast<quint16>(minor);

    Taker taker(bytes.sliced(journey::HeaderSize,
                             bytes.size() - journey::HeaderSize - journey::ChecksumSize));
    while (!taker.atEnd()) {
        Entry entry;
        quint64 nameSize = 0;
        quint64 kind = 0;
        quint64 valueSize = 0;
        QByteArrayView name;
        QByteArrayView value;
        if (!taker.number(2, nameSize) || !taker.stretch(nameSize, name) ||
            !taker.number(1, kind) || !taker.number(4, valueSize) ||
            !taker.stretch(valueSize, value)) {
            if (salvage)
                break;
            return std::nullopt;
        }
        entry.name = name.toByteArray();
        entry.kind = static_cast<std::uint8_t>(kind);
        entry.value = value.toByteArray();
        journey.entries.push_back(std::move(entry));
    }
    return journey;
}

QByteArray bytesOf(const Entries& journey)
{
    QByteArray bytes(journey::Mark, journey::MarkSize);
    put(bytes, journey.major, 2);
    put(bytes, journey.minor, 2);
    put(bytes, 0, 4);
    for (const Entry& entry : journey.entries) {
        put(bytes, static_cast<quint64>(entry.name.size()), 2);
        bytes += entry.name;
        put(bytes, entry.kind, 1);
        put(bytes, static_cast<quint64>(entry.value.size()), 4);
        bytes += entry.value;
    }
    put(bytes, 0, journey::ChecksumSize);
    return resealed(bytes);
}

QByteArray resealed(QByteArray bytes, bool length)
{
    const qsizetype checked = bytes.size() - journey::ChecksumSize;
    if (checked < 0)
        return bytes;
    if (length && checked >= journey::HeaderSize)
        putAt(bytes, journey::HeaderSize - 4, static_cast<quint64>(checked - journey::HeaderSize),
              4);
    putAt(bytes, checked, journey::crc32(QByteArrayView(bytes).first(checked)),
          journey::ChecksumSize);
    return bytes;
}

std::optional<journey::JourneyState> stateOf(const Entries& journey)
{
    journey::JourneyState state;
    for (const Entry& entry : journey.entries) {
        const std::optional<QString> name = utf8(entry.name);
        if (!name || name->isEmpty() || state.contains(*name))
            return std::nullopt;
        const std::optional<journey::JourneyState::Value> value = valueOf(entry);
        if (!value)
            return std::nullopt;
        state.setValue(*name, *value);
    }
    return state;
}

QByteArray numberBytes(qint64 value)
{
    QByteArray bytes;
    put(bytes, static_cast<quint64>(value), 8);
    return bytes;
}

QByteArray numbersBytes(const QList<qint64>& values)
{
    QByteArray bytes;
    put(bytes, static_cast<quint64>(values.size()), 4);
    for (qint64 value : values)
        put(bytes, static_cast<quint64>(value), 8);
    return bytes;
}

QByteArray textsBytes(const QList<QByteArray>& texts)
{
    QByteArray bytes;
    put(bytes, static_cast<quint64>(texts.size()), 4);
    for (const QByteArray& text : texts) {
        put(bytes, static_cast<quint64>(text.size()), 4);
        bytes += text;
    }
    return bytes;
}

std::optional<QList<qint64>> numbersOf(QByteArrayView bytes)
{
    Taker taker(bytes);
    quint64 count = 0;
    if (!taker.number(4, count) || count * 8 != static_cast<quint64>(taker.left()))
        return std::nullopt;
    QList<qint64> values;
    values.reserve(static_cast<qsizetype>(count));
    for (quint64 k = 0; k < count; ++k) {
        quint64 value = 0;
        taker.number(8, value);
        values << static_cast<qint64>(value);
    }
    return values;
}

std::optional<QList<QByteArray>> textsOf(QByteArrayView bytes)
{
    Taker taker(bytes);
    quint64 count = 0;
    if (!taker.number(4, count) || count > static_cast<quint64>(taker.left() / 4))
        return std::nullopt;
    QList<QByteArray> texts;
    for (quint64 k = 0; k < count; ++k) {
        quint64 size = 0;
        QByteArrayView text;
        if (!taker.number(4, size) || !taker.stretch(size, text))
            return std::nullopt;
        texts << text.toByteArray();
    }
    if (!taker.atEnd())
        return std::nullopt;
    return texts;
}

} // namespace journeyfuzz
