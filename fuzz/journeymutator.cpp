// libFuzzer's mutator for the journey target: a journey is mutated entry by
// entry (a number set to the ends of its field's ranges or beyond, a text or
// a list changed, an entry dropped, repeated, moved, renamed or given another
// kind, the version changed) and then put together again with its length
// and checksum made to agree, so that nearly every input passes the frame
// and reaches the entries and the field table. Now and then, and for bytes
// that do not come apart into entries, the bytes are mutated as they are and
// the checksum made anew. Built only with libFuzzer (the fuzz preset).

#include "journeyentries.h"
#include "shell/journeyformat.h"

#include <QList>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

using journey::Kind;
using journeyfuzz::Entries;
using journeyfuzz::Entry;
using Random = std::mt19937_64;

// Room a mutated value may take beyond its current size.
constexpr std::size_t Growth = 64;

std::size_t below(Random& random, std::size_t count)
{
    return count == 0 ? 0 : static_cast<std::size_t>(random() % count);
}

bool oneIn(Random& random, unsigned count)
{
    return random() % count == 0;
}

// libFuzzer's own byte mutations on a stretch of bytes.
QByteArray mutatedBytes(const QByteArray& bytes, std::size_t room = Growth)
{
    QByteArray buffer = bytes;
    const std::size_t size = static_cast<std::size_t>(bytes.size());
    buffer.resize(static_cast<qsizetype>(size + room));
    const std::size_t made =
        LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(buffer.data()), size, size + room);
    buffer.resize(static_cast<qsizetype>(made));
    return buffer;
}

const journey::FieldRule* ruleOf(const Entry& entry)
{
    return journey::knownField(QString::fromUtf8(entry.name));
}

qint64 sum(qint64 a, qint64 b)
{
    qint64 result = 0;
    return __builtin_add_overflow(a, b, &result)
               ? (b < 0 ? std::numeric_limits<qint64>::min() : std::numeric_limits<qint64>::max())
               : result;
}

// A number worth trying: the ends of the field's ranges and just beyond,
// the ends of the game's widths, a small change or anything at all.
qint64 interestingNumber(Random& random, const journey::FieldRule* rule, qint64 current)
{
    if (rule && !rule->ranges.empty() && oneIn(random, 2)) {
        const auto& [least, most] = rule->ranges[below(random, rule->ranges.size())];
        switch (random() % 5) {
        case 0:
            return least;
        case 1:
            return most;
        case 2:
            return sum(least, -1);
        case 3:
            return sum(most, 1);
        default: {
            // Anywhere within, in unsigned arithmetic so that no range is too wide.
            const quint64 span = static_cast<quint64>(most) - static_cast<quint64>(least);
            const quint64 step =
                span == std::numeric_limits<quint64>::max() ? random() : random() % (span + 1);
            return static_cast<qint64>(static_cast<quint64>(least) + step);
        }
        }
    }
    static const qint64 widths[] = {0,
                                    1,
                                    -1,
                                    2,
                                    7,
                                    15,
                                    16,
                                    28,
                                    29,
                                    99,
                                    127,
                                    128,
                                    -128,
                                    -129,
                                    255,
                                    256,
                                    32767,
                                    65535,
                                    65536,
                                    std::numeric_limits<std::int32_t>::max(),
                                    qint64(std::numeric_limits<std::int32_t>::max()) + 1,
                                    std::numeric_limits<std::int32_t>::min(),
                                    qint64(std::numeric_limits<std::int32_t>::min()) - 1,
                                    std::numeric_limits<std::uint32_t>::max(),
                                    qint64(std::numeric_limits<std::uint32_t>::max()) + 1,
                                    std::numeric_limits<qint64>::max(),
                                    std::numeric_limits<qint64>::min()};
    switch (random() % 4) {
    case 0:
        return widths[below(random, std::size(widths))];
    case 1:
        return sum(current, static_cast<qint64>(random() % 21) - 10);
    case 2:
        return static_cast<qint64>(random() % 1000);
    default:
        return static_cast<qint64>(random());
    }
}

QByteArray townNumber(Random& random)
{
    static const int towns[] = {-1, 0, 1, 2, 3, 9, 27, 28, 29, 100};
    if (oneIn(random, 3))
        return QByteArray::number(towns[below(random, std::size(towns))]);
    return QByteArray::number(1 + static_cast<int>(random() % 28));
}

QByteArray someWords(Random& random)
{
    static const char* const words[] = {"",
                                        "Ama",
                                        "2 lb 5 oz bluegill",
                                        "some snakeroot",
                                        "3 wolf wall hangings",
                                        "Clean the wound thoroughly.",
                                        " padded ",
                                        "tab\there",
                                        "line\nbreak",
                                        "\x7f",
                                        "\xc3\x89lodie",
                                        "\xe5\xb0\x8f\xe6\x9e\x97",
                                        "\xff\xfe",
                                        "\xed\xa0\x80",
                                        "\357\273\277bom"};
    return words[below(random, std::size(words))];
}

// A line the journal might hold, whole or a little off.
QByteArray journalLine(Random& random)
{
    switch (random() % 10) {
    case 0: {
        static const char* const headings[] = {"Kelvarin journal 1",  "Kelvarin journal 2",
                                               "Kelvarin journal 3",  "Kelvarin journal 0",
                                               "Kelvarin journal 01", "Kelvarin journal  2",
                                               "Kelvarin journal -1"};
        return headings[below(random, std::size(headings))];
    }
    case 1:
        return "town\t" + townNumber(random);
    case 2:
        return "spirit\t" + townNumber(random);
    case 3:
        return "trade\t" + townNumber(random) + (oneIn(random, 2) ? "\tuseful\t" : "\ttrifle\t") +
               someWords(random) + "\t" + someWords(random);
    case 4:
        return "snakebite\t" + someWords(random) + "\t" + someWords(random);
    case 5:
        return "fish\t" + someWords(random);
    case 6:
        return "end\t" + QByteArray::number(interestingNumber(random, nullptr, 0));
    case 7:
        return "chapter\t" + QByteArray::number(static_cast<int>(random() % 6) - 1);
    case 8: {
        static const char* const escapes[] = {"", "\\n", "\\t", "\\\\", "\\", "\\x"};
        return "answer\t" + QByteArray::number(static_cast<int>(random() % 6) - 1) + "\t" +
               QByteArray::number(static_cast<int>(random() % 5) - 1) + "\t" + someWords(random) +
               escapes[below(random, std::size(escapes))] + someWords(random);
    }
    default:
        return someWords(random);
    }
}

QByteArray sceneText(Random& random)
{
    static const char letters[] = "sxiadzA0";
    QByteArray scene(1, letters[below(random, sizeof letters - 1)]);
    scene += QByteArray::number(static_cast<int>(random() % 31)).rightJustified(2, '0');
    scene += static_cast<char>('0' + random() % 10);
    if (oneIn(random, 8))
        scene.chop(1);
    else if (oneIn(random, 8))
        scene += '2';
    return scene;
}

// A text for the field: one of its kind, a boundary length, or mutated bytes.
QByteArray someText(Random& random, const Entry& entry, const QByteArray& current)
{
    const journey::FieldRule* rule = ruleOf(entry);
    const QLatin1String name = rule ? rule->name : QLatin1String();
    switch (random() % 5) {
    case 0:
        if (name == journey::field::Journal)
            return journalLine(random);
        if (name == journey::field::SceneId)
            return sceneText(random);
        return someWords(random);
    case 1:
        if (rule && rule->longestText > 0 && rule->longestText < 4096)
            return QByteArray(rule->longestText + static_cast<int>(random() % 2),
                              static_cast<char>('a' + random() % 26));
        return current + current;
    case 2:
        return QByteArray();
    default:
        return mutatedBytes(current);
    }
}

// Grows or shrinks a list to `count`, repeating what it holds.
template <typename T> void resize(QList<T>& list, qsizetype count, const T& filler)
{
    while (list.size() > count)
        list.removeLast();
    const T repeated = list.isEmpty() ? filler : list.constFirst();
    while (list.size() < count)
        list.append(repeated);
}

QByteArray mutatedTexts(Random& random, const Entry& entry, std::size_t room)
{
    std::optional<QList<QByteArray>> parsed = journeyfuzz::textsOf(entry.value);
    if (!parsed)
        return mutatedBytes(entry.value);
    QList<QByteArray>& texts = *parsed;
    const journey::FieldRule* rule = ruleOf(entry);
    const auto at = [&] { return static_cast<qsizetype>(below(random, texts.size())); };
    switch (random() % 8) {
    case 0:
        if (!texts.isEmpty())
            texts.removeAt(at());
        break;
    case 1:
        if (!texts.isEmpty())
            texts.insert(at(), texts.at(at()));
        break;
    case 2:
        texts.insert(texts.isEmpty() ? 0 : at(), someText(random, entry, {}));
        break;
    case 3:
        if (!texts.isEmpty())
            std::swap(texts[at()], texts[at()]);
        break;
    case 4:
        // The fewest or the most the field takes, or one beyond.
        if (rule && rule->most > 0) {
            const int count = oneIn(random, 2) ? rule->fewest - 1 + static_cast<int>(random() % 2)
                                               : rule->most + static_cast<int>(random() % 2);
            if (count >= 0 && static_cast<std::size_t>(count) * 4 <= room + entry.value.size())
                resize(texts, count, QByteArray());
        }
        break;
    default:
        if (texts.isEmpty())
            texts << someText(random, entry, {});
        else {
            const qsizetype k = at();
            texts[k] = someText(random, entry, texts.at(k));
        }
        break;
    }
    return journeyfuzz::textsBytes(texts);
}

QByteArray mutatedNumbers(Random& random, const Entry& entry)
{
    std::optional<QList<qint64>> parsed = journeyfuzz::numbersOf(entry.value);
    if (!parsed)
        return mutatedBytes(entry.value);
    QList<qint64>& numbers = *parsed;
    const journey::FieldRule* rule = ruleOf(entry);
    const auto at = [&] { return static_cast<qsizetype>(below(random, numbers.size())); };
    switch (random() % 6) {
    case 0:
        if (!numbers.isEmpty())
            numbers.removeAt(at());
        break;
    case 1:
        numbers.insert(numbers.isEmpty() ? 0 : at(), interestingNumber(random, rule, 0));
        break;
    case 2:
        if (rule && rule->most > 0)
            resize(numbers, std::max(0, rule->most + static_cast<int>(random() % 3) - 1),
                   qint64(0));
        break;
    default:
        // Several at once now and then, so that lists reach far apart values.
        for (int times = oneIn(random, 4) ? 4 : 1; times > 0 && !numbers.isEmpty(); --times) {
            const qsizetype k = at();
            numbers[k] = interestingNumber(random, rule, numbers.at(k));
        }
        break;
    }
    return journeyfuzz::numbersBytes(numbers);
}

// A new value of the entry's own kind.
QByteArray mutatedValue(Random& random, const Entry& entry, std::size_t room)
{
    switch (entry.kind) {
    case static_cast<std::uint8_t>(Kind::Number): {
        qint64 current = 0;
        if (entry.value.size() == 8)
            std::memcpy(&current, entry.value.constData(), 8); // little-endian machines
        return journeyfuzz::numberBytes(interestingNumber(random, ruleOf(entry), current));
    }
    case static_cast<std::uint8_t>(Kind::Text):
        return someText(random, entry, entry.value);
    case static_cast<std::uint8_t>(Kind::Texts):
        return mutatedTexts(random, entry, room);
    case static_cast<std::uint8_t>(Kind::Numbers):
        return mutatedNumbers(random, entry);
    default:
        return mutatedBytes(entry.value);
    }
}

// A value of the kind, for an entry that is new or changes kind.
QByteArray valueOfKind(Random& random, std::uint8_t kind)
{
    switch (kind) {
    case static_cast<std::uint8_t>(Kind::Number):
        return journeyfuzz::numberBytes(interestingNumber(random, nullptr, 0));
    case static_cast<std::uint8_t>(Kind::Text):
        return sceneText(random);
    case static_cast<std::uint8_t>(Kind::Texts):
        return journeyfuzz::textsBytes({journalLine(random)});
    case static_cast<std::uint8_t>(Kind::Numbers):
        return journeyfuzz::numbersBytes({interestingNumber(random, nullptr, 0)});
    default:
        return mutatedBytes(QByteArray(), 16);
    }
}

QByteArray someName(Random& random)
{
    const std::vector<journey::FieldRule>& known = journey::knownFields();
    if (!oneIn(random, 4))
        return QString(known[below(random, known.size())].name).toUtf8();
    static const char* const names[] = {"LaterField",   "Weather",          "",    "town",
                                        "Town\xc3\xa9", "\xef\xbb\xbfTown", "\xff"};
    return names[below(random, std::size(names))];
}

std::uint8_t someKind(Random& random)
{
    static const std::uint8_t kinds[] = {1, 2, 3, 4, 1, 2, 3, 4, 0, 5, 9, 255};
    return kinds[below(random, std::size(kinds))];
}

// One change to the journey's entries or version.
void mutateEntries(Random& random, Entries& journey, std::size_t room)
{
    std::vector<Entry>& entries = journey.entries;
    const auto at = [&] { return below(random, entries.size()); };
    const unsigned choice = static_cast<unsigned>(random() % 20);
    // Only adding an entry or changing the version needs none to be there.
    if (entries.empty() && (choice < 14 || choice > 17)) {
        const std::uint8_t kind = someKind(random);
        entries.push_back(Entry{someName(random), kind, valueOfKind(random, kind)});
        return;
    }
    switch (choice) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
    case 5: {
        Entry& entry = entries[at()];
        entry.value = mutatedValue(random, entry, room);
        break;
    }
    case 6:
        entries[at()].value = mutatedBytes(entries[at()].value);
        break;
    case 7:
        entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(at()));
        break;
    case 8: {
        const Entry copy = entries[at()];
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at()), copy);
        break;
    }
    case 9:
        std::swap(entries[at()], entries[at()]);
        break;
    case 10: {
        Entry& entry = entries[at()];
        entry.kind = someKind(random);
        if (oneIn(random, 2))
            entry.value = valueOfKind(random, entry.kind);
        break;
    }
    case 11: {
        Entry& entry = entries[at()];
        entry.name = oneIn(random, 3) ? mutatedBytes(entry.name, 8) : someName(random);
        break;
    }
    case 12: {
        // One field's value in another's place.
        const QByteArray value = entries[at()].value;
        entries[at()].value = value;
        break;
    }
    case 13:
        std::sort(entries.begin(), entries.end(),
                  [](const Entry& a, const Entry& b) { return a.name < b.name; });
        break;
    case 14:
    case 15: {
        // A field the journey does not hold yet, of its own kind or another.
        const QByteArray name = someName(random);
        const journey::FieldRule* rule = journey::knownField(QString::fromUtf8(name));
        const std::uint8_t kind =
            rule && !oneIn(random, 4) ? static_cast<std::uint8_t>(rule->kind) : someKind(random);
        entries.insert(entries.begin() + static_cast<std::ptrdiff_t>(at()),
                       Entry{name, kind, valueOfKind(random, kind)});
        break;
    }
    case 16:
        if (oneIn(random, 2)) {
            static const quint16 majors[] = {0, 2, 0xFFFF};
            journey.major = majors[below(random, std::size(majors))];
        } else {
            journey.minor = oneIn(random, 2) ? static_cast<quint16>(random() % 3)
                                             : static_cast<quint16>(random());
        }
        break;
    case 17:
        // Many numbers at the ends of their fields' ranges at once: the
        // largest score with the heaviest catch, and the like.
        for (Entry& entry : entries) {
            const journey::FieldRule* rule = ruleOf(entry);
            if (rule && rule->kind == Kind::Number && !rule->ranges.empty() &&
                entry.kind == static_cast<std::uint8_t>(Kind::Number) && oneIn(random, 2))
                entry.value = journeyfuzz::numberBytes(
                    oneIn(random, 4) ? rule->ranges.front().first : rule->ranges.back().second);
        }
        break;
    default: {
        // Several changes of values at once, for fields that must agree.
        for (int times = 2 + static_cast<int>(random() % 4); times > 0; --times) {
            Entry& entry = entries[at()];
            entry.value = mutatedValue(random, entry, room);
        }
        break;
    }
    }
}

// Undoes what keeps a journey from being read at all, so that a mutant the
// reader refuses can come back to one it takes: the version this Kelvarin
// writes, each name once and in UTF-8, and every required field there.
void repair(Random& random, Entries& journey)
{
    journey.major = journey::MajorVersion;
    std::vector<Entry> kept;
    for (Entry& entry : journey.entries) {
        const bool seen = std::any_of(kept.begin(), kept.end(),
                                      [&](const Entry& e) { return e.name == entry.name; });
        const bool readable = QString::fromUtf8(entry.name).toUtf8() == entry.name;
        if (!seen && readable && !entry.name.isEmpty())
            kept.push_back(std::move(entry));
    }
    for (const journey::FieldRule& rule : journey::knownFields()) {
        const QByteArray name = QString(rule.name).toUtf8();
        const auto found =
            std::find_if(kept.begin(), kept.end(), [&](const Entry& e) { return e.name == name; });
        if (found != kept.end() || !rule.required)
            continue;
        const qint64 least = rule.ranges.empty() ? 0 : rule.ranges.front().first;
        Entry entry{name, static_cast<std::uint8_t>(rule.kind), {}};
        switch (rule.kind) {
        case Kind::Number:
            entry.value = journeyfuzz::numberBytes(least);
            break;
        case Kind::Numbers:
            entry.value = journeyfuzz::numbersBytes(QList<qint64>(rule.fewest, least));
            break;
        case Kind::Texts:
            entry.value = journeyfuzz::textsBytes(QList<QByteArray>(rule.fewest));
            break;
        case Kind::Text:
            entry.value = sceneText(random);
            break;
        }
        kept.push_back(std::move(entry));
    }
    journey.entries = std::move(kept);
}

// The bytes mutated as they are, then mostly made whole again: the checksum
// (and usually the length) made to agree with them.
QByteArray rawMutation(Random& random, QByteArrayView bytes, std::size_t maxSize)
{
    QByteArray buffer = bytes.toByteArray();
    buffer.resize(static_cast<qsizetype>(maxSize));
    const std::size_t made = LLVMFuzzerMutate(reinterpret_cast<std::uint8_t*>(buffer.data()),
                                              static_cast<std::size_t>(bytes.size()), maxSize);
    buffer.resize(static_cast<qsizetype>(made));
    switch (random() % 8) {
    case 0:
        return buffer;
    case 1:
        return journeyfuzz::resealed(buffer, false);
    default:
        return journeyfuzz::resealed(buffer);
    }
}

std::size_t deliver(const QByteArray& bytes, std::uint8_t* data, std::size_t maxSize)
{
    const std::size_t size = std::min(static_cast<std::size_t>(bytes.size()), maxSize);
    std::memcpy(data, bytes.constData(), size);
    return size;
}

} // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size,
                                               std::size_t maxSize, unsigned int seed)
{
    Random random(seed);
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    std::optional<Entries> journey = journeyfuzz::entriesOf(bytes);
    // Bytes a raw mutation damaged come back to entries now and then: those
    // before the damage, or none.
    if (!journey && oneIn(random, 2))
        journey = journeyfuzz::entriesOf(bytes, true);
    if (!journey && oneIn(random, 8))
        journey = Entries{journey::MajorVersion, journey::MinorVersion, {}};
    // libFuzzer stacks several mutations on one input: raw ones stay rare so
    // that most inputs keep their form.
    if (journey && !oneIn(random, 25)) {
        const std::size_t room = maxSize > size ? maxSize - size : 0;
        // A journey the version alone keeps from being read goes back to
        // this Kelvarin's half the time, or every input soon has a strange one.
        if (journey->major != journey::MajorVersion && oneIn(random, 2))
            journey->major = journey::MajorVersion;
        if (oneIn(random, 3))
            repair(random, *journey);
        else {
            for (int times = 1 + static_cast<int>(random() % 3); times > 0; --times)
                mutateEntries(random, *journey, room);
        }
        const QByteArray mutated = journeyfuzz::bytesOf(*journey);
        if (static_cast<std::size_t>(mutated.size()) <= maxSize)
            return deliver(mutated, data, maxSize);
    }
    return deliver(rawMutation(random, bytes, maxSize), data, maxSize);
}

// Two journeys crossed field by field: each field of either, from one of
// them (of damaged ones, the entries before the damage). Now and then, and
// when either has no header, the bytes are joined as they are and resealed.
extern "C" std::size_t LLVMFuzzerCustomCrossOver(const std::uint8_t* data1, std::size_t size1,
                                                 const std::uint8_t* data2, std::size_t size2,
                                                 std::uint8_t* out, std::size_t maxOutSize,
                                                 unsigned int seed)
{
    Random random(seed);
    const QByteArrayView first(reinterpret_cast<const char*>(data1), static_cast<qsizetype>(size1));
    const QByteArrayView second(reinterpret_cast<const char*>(data2),
                                static_cast<qsizetype>(size2));
    const std::optional<Entries> a = journeyfuzz::entriesOf(first, true);
    const std::optional<Entries> b = journeyfuzz::entriesOf(second, true);
    if (a && b && !oneIn(random, 25)) {
        Entries crossed{
            oneIn(random, 2) ? a->major : b->major, oneIn(random, 2) ? a->minor : b->minor, {}};
        for (const Entry& entry : a->entries) {
            const auto other = std::find_if(b->entries.begin(), b->entries.end(),
                                            [&](const Entry& e) { return e.name == entry.name; });
            crossed.entries.push_back(other != b->entries.end() && oneIn(random, 2) ? *other
                                                                                    : entry);
        }
        for (const Entry& entry : b->entries) {
            const bool inFirst = std::any_of(a->entries.begin(), a->entries.end(),
                                             [&](const Entry& e) { return e.name == entry.name; });
            if (!inFirst && oneIn(random, 2))
                crossed.entries.push_back(entry);
        }
        const QByteArray bytes = journeyfuzz::bytesOf(crossed);
        if (static_cast<std::size_t>(bytes.size()) <= maxOutSize)
            return deliver(bytes, out, maxOutSize);
    }
    QByteArray joined = first.first(static_cast<qsizetype>(below(random, size1 + 1))).toByteArray();
    joined += second.sliced(static_cast<qsizetype>(below(random, size2 + 1)));
    return deliver(journeyfuzz::resealed(joined), out, maxOutSize);
}
