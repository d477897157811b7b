#include "journalwords.h"

#include "activities/catchnames.h"
#include "activities/tradelist.h"
#include "shell/gamefacts.h"
#include "shops/catalogue.h"
#include "shops/goodsnames.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <array>
#include <vector>

namespace journalwords {

namespace note {
const char* const TooWeak =
    QT_TRANSLATE_NOOP("Journal", "%1 was too weak to walk on, so your party rested a day in %2.");
const char* const Caught = QT_TRANSLATE_NOOP("Journal", "On the road, %1 %2");
const char* const HuntFoundNothing =
    QT_TRANSLATE_NOOP("Journal", "Your hunters went out %1 and found only old tracks.");
const char* const HuntFound = QT_TRANSLATE_NOOP(
    "Journal", "Your hunters went out %1 and came back with %2.  They gave thanks for it.");
const char* const Rested = QT_TRANSLATE_NOOP("Journal", "Your party let %1 rest by the fire.");
const char* const Remedied =
    QT_TRANSLATE_NOOP("Journal", "Your party gave %1 %2, and %1 was well again.");
const char* const RemedyOfTown = QT_TRANSLATE_NOOP("Journal", "the %1 that %2 gave");
const char* const Ate = QT_TRANSLATE_NOOP("Journal", "Your party ate %1.");
const char* const WellAgainOne = QT_TRANSLATE_NOOP("Journal", "%1 was well again after resting.");
const char* const WellAgainMany = QT_TRANSLATE_NOOP("Journal", "%1 were well again after resting.");
const char* const Hungry = QT_TRANSLATE_NOOP("Journal", "Your party was hungry and grew weaker.");
} // namespace note

namespace {

QString translated(const char* context, const QString& english)
{
    return QCoreApplication::translate(context, english.toUtf8().constData());
}

QString journalText(const char* source)
{
    return QCoreApplication::translate("Journal", source);
}

} // namespace

QString joinedShown(const QStringList& parts)
{
    if (parts.size() <= 1)
        return parts.join(QString());
    return journalText(QT_TRANSLATE_NOOP("Journal", "%1 and %2"))
        .arg(parts.mid(0, parts.size() - 1).join(journalText(QT_TRANSLATE_NOOP("Journal", ", "))),
             parts.back());
}

namespace {

// "A, B and C" as the English wrote it, back into its parts.
QStringList englishParts(const QString& list)
{
    const qsizetype last = list.lastIndexOf(QLatin1String(" and "));
    if (last < 0)
        return {list};
    QStringList parts = list.left(last).split(QStringLiteral(", "));
    parts << list.mid(last + 5);
    return parts;
}

// "3 bags of onions" (or "2 lb of flour", as a meal keeps its pounds): the
// item and its count, the item -1 for words of no item.
std::pair<int, int> countedItemOf(const QString& english)
{
    const qsizetype blank = english.indexOf(QLatin1Char(' '));
    bool number = false;
    const int count = english.left(blank).toInt(&number);
    if (blank <= 0 || !number)
        return {-1, 0};
    for (int item = 0; item < ItemTotal; ++item) {
        if (goods::englishCountedItem(item, count) == english ||
            QStringLiteral("%1 %2").arg(count).arg(goods::ItemName(item)) == english)
            return {item, count};
    }
    return {-1, 0};
}

QString shownGoods(const QString& english)
{
    const auto [item, count] = countedItemOf(english);
    return item < 0 ? english : goods::countedItem(item, count);
}

// What the party ate, as Meal::summary wrote it.
QString shownMeal(QString english)
{
    if (english == QLatin1String("nothing: the food has run out"))
        return journalText(QT_TRANSLATE_NOOP("Journal", "nothing: the food has run out"));
    const QLatin1String last(", the last of the food");
    const bool lastOfIt = english.endsWith(last);
    if (lastOfIt)
        english.chop(last.size());
    static const QRegularExpression pounds(QStringLiteral("^(\\d+) lb of (fish|meat)$"));
    QStringList shown;
    for (const QString& part : englishParts(english)) {
        const QRegularExpressionMatch match = pounds.match(part);
        if (!match.hasMatch())
            shown << shownGoods(part);
        else if (match.captured(2) == QLatin1String("fish"))
            shown << journalText(QT_TRANSLATE_NOOP("Journal", "%1 lb of fish"))
                         .arg(match.captured(1));
        else
            shown << journalText(QT_TRANSLATE_NOOP("Journal", "%1 lb of meat"))
                         .arg(match.captured(1));
    }
    QString text = joinedShown(shown);
    if (lastOfIt)
        text = journalText(QT_TRANSLATE_NOOP("Journal", "%1, the last of the food")).arg(text);
    return text;
}

QString shownRemedy(const QString& english)
{
    static const QRegularExpression ofTown(QStringLiteral("^the (.+) that (.+) gave$"));
    if (const QRegularExpressionMatch match = ofTown.match(english); match.hasMatch())
        return journalText(note::RemedyOfTown)
            .arg(translated("Wellbeing", match.captured(1)), match.captured(2));
    return translated("Wellbeing", english);
}

// What fills in a note.
enum class Words { AsKept, Town, Ailment, Place, Game, Remedy, Meal, Names };

struct NoteForm {
    const char* const* source;
    // The English written out as a pattern: a traveller's name may hold
    // blanks, so what follows it must be told by its own first words.
    const char* pattern;
    std::array<Words, 2> words;
};

const std::array<NoteForm, 10> Forms{{
    {&note::TooWeak,
     "^(.+) was too weak to walk on, so your party rested a day in (.+)\\.$",
     {Words::AsKept, Words::Town}},
    {&note::Caught, "^On the road, (.+?) ((?:has|is|was) .+)$", {Words::AsKept, Words::Ailment}},
    {&note::HuntFoundNothing,
     "^Your hunters went out (.+) and found only old tracks\\.$",
     {Words::Place, Words::AsKept}},
    {&note::HuntFound,
     "^Your hunters went out (.+?) and came back with (.+)\\.  They gave thanks for it\\.$",
     {Words::Place, Words::Game}},
    {&note::Rested, "^Your party let (.+) rest by the fire\\.$", {Words::AsKept, Words::AsKept}},
    {&note::Remedied,
     "^Your party gave (.+?) (.+), and \\1 was well again\\.$",
     {Words::AsKept, Words::Remedy}},
    {&note::Ate, "^Your party ate (.+)\\.$", {Words::Meal, Words::AsKept}},
    {&note::WellAgainOne, "^(.+) was well again after resting\\.$", {Words::Names, Words::AsKept}},
    {&note::WellAgainMany,
     "^(.+) were well again after resting\\.$",
     {Words::Names, Words::AsKept}},
    {&note::Hungry, "^Your party was hungry and grew weaker\\.$", {Words::AsKept, Words::AsKept}},
}};

QString shownWords(Words words, const QString& english)
{
    switch (words) {
    case Words::AsKept:
        return english;
    case Words::Town:
        return translated("Town", english);
    case Words::Ailment:
        return translated("Wellbeing", english);
    case Words::Place:
    case Words::Game:
        return translated("Hunting", english);
    case Words::Remedy:
        return shownRemedy(english);
    case Words::Meal:
        return shownMeal(english);
    case Words::Names:
        return joinedShown(englishParts(english));
    }
    return english;
}

} // namespace

QString joinedNames(const QStringList& names)
{
    if (names.size() <= 1)
        return names.join(QString());
    return names.mid(0, names.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
           names.back();
}

QString shownNote(const QString& english)
{
    // Made once: a long journal's pages hold hundreds of notes.
    static const std::vector<QRegularExpression> patterns = [] {
        std::vector<QRegularExpression> made;
        for (const NoteForm& form : Forms)
            made.emplace_back(QString::fromLatin1(form.pattern));
        return made;
    }();
    for (std::size_t f = 0; f < Forms.size(); ++f) {
        const NoteForm& form = Forms[f];
        const QRegularExpressionMatch match = patterns[f].match(english);
        if (!match.hasMatch())
            continue;
        // Filled in at once: a name the player typed may hold a "%2".
        const QString text = journalText(*form.source);
        const auto shown = [&](int k) {
            return shownWords(form.words[static_cast<std::size_t>(k)], match.captured(k + 1));
        };
        switch (match.lastCapturedIndex()) {
        case 0:
            return text;
        case 1:
            return text.arg(shown(0));
        default:
            return text.arg(shown(0), shown(1));
        }
    }
    return english;
}

QString shownGiven(const QString& english)
{
    return shownGoods(english);
}

QString shownReceived(const QString& english)
{
    return shownTradeLine(english);
}

QString shownTreatment(const QString& english)
{
    // The journal keeps the choice without the blank that may end it.
    for (const QString& source : {english, english + QLatin1Char(' ')}) {
        const QString shown = translated("TGame", source);
        if (shown != source)
            return shown.trimmed();
    }
    return english;
}

QString shownCatch(const QString& english)
{
    return fishing::shownCatch(english);
}

} // namespace journalwords
