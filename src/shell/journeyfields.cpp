#include "journeyfields.h"

#include "shell/gamefacts.h"
#include "shell/journeysave.h"
#include "shell/journeystate.h"
#include "shell/ownedgoods.h"
#include "shell/savedgame.h"
#include "shell/wholenumber.h"

#include <QCoreApplication>
#include <limits>

namespace journey {

namespace {

using Ranges = std::vector<std::pair<std::int64_t, std::int64_t>>;

// What a member of that width can hold, for the counters whose only bound is
// their width.
template <typename Width> Ranges widthOf()
{
    return {{std::numeric_limits<Width>::min(), std::numeric_limits<Width>::max()}};
}

// A number field.
FieldRule number(QLatin1String name, const char* what, Ranges ranges)
{
    FieldRule rule;
    rule.name = name;
    rule.kind = Kind::Number;
    rule.what = what;
    rule.ranges = std::move(ranges);
    return rule;
}

// A list of exactly `count` numbers.
FieldRule numbers(QLatin1String name, const char* what, int count, const char* element,
                  int firstNumber, Ranges ranges)
{
    FieldRule rule = number(name, what, std::move(ranges));
    rule.kind = Kind::Numbers;
    rule.fewest = count;
    rule.most = count;
    rule.element = element;
    rule.firstNumber = firstNumber;
    return rule;
}

// A list of texts.
FieldRule texts(QLatin1String name, const char* what, int fewest, int most, const char* element,
                int longestText)
{
    FieldRule rule;
    rule.name = name;
    rule.kind = Kind::Texts;
    rule.what = what;
    rule.fewest = fewest;
    rule.most = most;
    rule.element = element;
    rule.longestText = longestText;
    return rule;
}

// A scene's picture name: its letter, the town in two digits and the stage.
bool isSceneId(const QString& text)
{
    if (text.size() != 4 || !text.at(0).isLower() || text.at(0).unicode() > 'z')
        return false;
    for (qsizetype k = 1; k < text.size(); ++k) {
        if (text.at(k) < QLatin1Char('0') || text.at(k) > QLatin1Char('9'))
            return false;
    }
    return true;
}

// The instruction steps of a town run from 0 to about a dozen; a journey
// reopens at a step of its own choosing whatever the step was.
constexpr int MostInstructionStep = 100;

// The useful goods: one for each town with a spirit, every town but the first.
constexpr qint64 UsefulGoods = TownCount - 1;

// A field added after the first journeys were saved: a journey without it
// takes its starting value.
FieldRule optional(FieldRule rule)
{
    rule.required = false;
    return rule;
}

// The journal writes a line or a few for each event of the journey.
constexpr int MostJournalLines = 20000;
constexpr int LongestJournalLine = 4200; // an answer of 2,000 characters, escaped

std::vector<FieldRule> makeTable()
{
    const Ranges Flag{{0, 1}};
    // Bits 1 to 28, one for each town.
    const Ranges TownSet{{0, (qint64(1) << (TownCount + 1)) - 2}};
    // Amounts that grow as the party fishes; the game stops them at a
    // ceiling, so every sum of them stays far from overflowing.
    const Ranges Amount{{0, GameState::AmountCeiling}};
    const qint64 mostTradePoints = qint64(GameState::PointsPerGood) * UsefulGoods;
    std::vector<FieldRule> table{
        number(field::Town, QT_TRANSLATE_NOOP("Saves", "the town"), {{1, TownCount}}),
        number(field::Stage, QT_TRANSLATE_NOOP("Saves", "the stage in the town"),
               {{0, 0},
                {2, 4},
                {GameState::StageAtCounter, GameState::StageAtCounter},
                {GameState::StageInsidePost, GameState::StageInsidePost}}),
        number(field::Activity, QT_TRANSLATE_NOOP("Saves", "the activity"), {{1, 3}}),
        number(field::Encounter, QT_TRANSLATE_NOOP("Saves", "the stage of meeting the spirits"),
               {{0, 3}}),
        number(field::PostState, QT_TRANSLATE_NOOP("Saves", "the visit to the trading post"),
               {{0, 3}}),
        number(field::InstructionShown,
               QT_TRANSLATE_NOOP("Saves", "whether an instruction is shown"), Flag),
        number(field::GirlSuppliesTold,
               QT_TRANSLATE_NOOP("Saves", "whether the girl's advice was given"), Flag),
        number(field::TrapperSuppliesTold,
               QT_TRANSLATE_NOOP("Saves", "whether the trapper's advice was given"), Flag),
        number(field::SnakeVictim, QT_TRANSLATE_NOOP("Saves", "the traveller bitten by the snake"),
               {{0, 7}, {GameState::TradeCompleted, GameState::TradeCompleted}}),
        number(field::HasSnakeroot, QT_TRANSLATE_NOOP("Saves", "whether the party has snakeroot"),
               Flag),
        number(field::HasTalisman, QT_TRANSLATE_NOOP("Saves", "whether the party has the talisman"),
               Flag),
        number(field::TradeRound, QT_TRANSLATE_NOOP("Saves", "the round of trading"),
               {{0, widthOf<std::int8_t>()[0].second}}),
        number(field::SpiritNo, QT_TRANSLATE_NOOP("Saves", "the spirit's trifles"), {{1, 3}}),
        number(field::TradeItem, QT_TRANSLATE_NOOP("Saves", "the good offered in trade"),
               {{-1, ItemTotal - 1}}),
        number(field::TradeOffer, QT_TRANSLATE_NOOP("Saves", "the thing offered in trade"),
               {{0, TradeFlagTotal - 1}}),
        number(field::SpecialOfferToggle,
               QT_TRANSLATE_NOOP("Saves", "the turn of the special offers"), Flag),
        number(field::FishCount,
               QT_TRANSLATE_NOOP("Saves", "the number of fish caught at this lake"), Amount),
        number(field::FishLb, QT_TRANSLATE_NOOP("Saves", "the fish's weight in pounds"), Amount),
        number(field::FishOz, QT_TRANSLATE_NOOP("Saves", "the ounces of the fish's weight"),
               {{0, 15}}),
        number(field::MeatLb, QT_TRANSLATE_NOOP("Saves", "the meat's weight in pounds"), Amount),
        number(field::Score, QT_TRANSLATE_NOOP("Saves", "the score"),
               {{0, mostTradePoints + GameState::PointsForCare}}),
        optional(number(field::TradePoints,
                        QT_TRANSLATE_NOOP("Saves", "the points for useful goods"),
                        {{0, mostTradePoints}})),
        optional(number(field::CarePoints,
                        QT_TRANSLATE_NOOP("Saves", "the points for treating the snakebite"),
                        {{0, 0}, {GameState::PointsForCare, GameState::PointsForCare}})),
        numbers(field::Health, QT_TRANSLATE_NOOP("Saves", "the travellers' health"),
                savedgame::PartySize, QT_TRANSLATE_NOOP("Saves", "the health of traveller %1"), 1,
                {{0, 3}}),
        number(field::HotspotIndex, QT_TRANSLATE_NOOP("Saves", "the good fishing spot"), {{0, 6}}),
        number(field::FishHintsOff, QT_TRANSLATE_NOOP("Saves", "whether the fishing hints are off"),
               Flag),
        number(field::InstructionStep, QT_TRANSLATE_NOOP("Saves", "the instruction step"),
               {{0, MostInstructionStep}}),
        number(field::ClicksArmed, QT_TRANSLATE_NOOP("Saves", "whether the scene takes clicks"),
               Flag),
        number(field::LookStage, QT_TRANSLATE_NOOP("Saves", "the look-around stage"), {{0, 2}}),
        number(field::FishingMode, QT_TRANSLATE_NOOP("Saves", "whether the town has fishing"),
               Flag),
        number(field::PartyConfirmed, QT_TRANSLATE_NOOP("Saves", "whether the party is named"),
               Flag),
        optional(number(field::SpiritsHeard,
                        QT_TRANSLATE_NOOP("Saves", "the spirits that have spoken"), TownSet)),
        optional(number(field::SuppliesTold,
                        QT_TRANSLATE_NOOP("Saves", "the towns where supplies were advised"),
                        TownSet)),
        optional(number(field::TravelOnTold,
                        QT_TRANSLATE_NOOP("Saves", "the towns where the way on was told"),
                        TownSet)),
        optional(numbers(field::Ailments, QT_TRANSLATE_NOOP("Saves", "the travellers' ailments"),
                         savedgame::PartySize,
                         QT_TRANSLATE_NOOP("Saves", "the ailment of traveller %1"), 1,
                         {{0, AilmentKinds - 1}})),
        optional(number(field::RemediesUsed,
                        QT_TRANSLATE_NOOP("Saves", "the goods given as remedies"), TownSet)),
        optional(number(field::RemedyPoints,
                        QT_TRANSLATE_NOOP("Saves", "the points for remedies given"), Amount)),
        optional(
            number(field::RemediesGiven, QT_TRANSLATE_NOOP("Saves", "the remedies given"), Amount)),
        optional(number(field::RestDays, QT_TRANSLATE_NOOP("Saves", "the days the party rested"),
                        Amount)),
        optional(number(field::HungryTowns,
                        QT_TRANSLATE_NOOP("Saves", "the towns the party reached hungry"), Amount)),
        optional(
            number(field::Hungry, QT_TRANSLATE_NOOP("Saves", "whether the party is hungry"), Flag)),
        optional(number(field::HungerTold,
                        QT_TRANSLATE_NOOP("Saves", "whether the food's running out was told"),
                        Flag)),
        optional(number(field::HuntedIn,
                        QT_TRANSLATE_NOOP("Saves", "the towns where the party hunted"), TownSet)),
        optional(
            number(field::AilmentsMet, QT_TRANSLATE_NOOP("Saves", "the ailments met"), Amount)),
        optional(number(field::PoundsEaten, QT_TRANSLATE_NOOP("Saves", "the pounds of food eaten"),
                        Amount)),
        optional(texts(field::Journal, QT_TRANSLATE_NOOP("Saves", "the journal"), 0,
                       MostJournalLines, QT_TRANSLATE_NOOP("Saves", "line %1 of the journal"),
                       LongestJournalLine)),
        numbers(field::ItemCount, QT_TRANSLATE_NOOP("Saves", "the goods owned"), ItemTotal,
                QT_TRANSLATE_NOOP("Saves", "the count of item %1"), 0, widthOf<std::uint8_t>()),
        numbers(field::TradeDone, QT_TRANSLATE_NOOP("Saves", "the trades done"), TradeFlagTotal,
                QT_TRANSLATE_NOOP("Saves", "trade flag %1"), 0, Flag),
        number(field::Money, QT_TRANSLATE_NOOP("Saves", "the money"), {{0, goods::NumberCeiling}}),
        texts(field::FishList, QT_TRANSLATE_NOOP("Saves", "the catch list"), 0,
              savedgame::MostCatchLines, QT_TRANSLATE_NOOP("Saves", "line %1 of the catch list"),
              savedgame::LongestCatchLine),
        texts(field::Names, QT_TRANSLATE_NOOP("Saves", "the party's names"), savedgame::PartySize,
              savedgame::PartySize, QT_TRANSLATE_NOOP("Saves", "the name of traveller %1"),
              savedgame::MaxNameLength),
    };
    FieldRule party;
    party.name = field::PartyName;
    party.kind = Kind::Text;
    party.what = QT_TRANSLATE_NOOP("Saves", "whose journey it is");
    party.longestText = LongestPartyName;
    party.required = false;
    party.fitsShape = &isPartyName;
    party.shape = QT_TRANSLATE_NOOP(
        "Saves", "a name of its own, without control characters or blanks around it");
    table.push_back(party);
    FieldRule scene;
    scene.name = field::SceneId;
    scene.kind = Kind::Text;
    scene.what = QT_TRANSLATE_NOOP("Saves", "the scene");
    scene.longestText = 4;
    scene.fitsShape = &isSceneId;
    scene.shape = QT_TRANSLATE_NOOP("Saves", "a letter and three digits");
    table.push_back(scene);
    return table;
}

// The table's words in the language in view.
QString ruleText(const char* text)
{
    return QCoreApplication::translate("Saves", text);
}

// "1 to 28", "0 or 1", "0 to 7 or 99".
QString allowedValues(const Ranges& ranges)
{
    QStringList parts;
    for (const auto& [least, most] : ranges) {
        if (least == most)
            parts << QString::number(least);
        else if (most == least + 1)
            parts << QString::number(least) + QCoreApplication::translate("Saves", " or ") +
                         QString::number(most);
        else
            parts << QString::number(least) + QCoreApplication::translate("Saves", " to ") +
                         QString::number(most);
    }
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last
                           : parts.join(QStringLiteral(", ")) +
                                 QCoreApplication::translate("Saves", " or ") + last;
}

bool inRanges(qint64 value, const Ranges& ranges)
{
    for (const auto& [least, most] : ranges) {
        if (value >= least && value <= most)
            return true;
    }
    return false;
}

QString outOfRange(const QString& what, qint64 value, const FieldRule& rule)
{
    return QCoreApplication::translate("Saves", "%1 is %2, where it can only be %3")
        .arg(what, QString::number(value), allowedValues(rule.ranges));
}

QString elementName(const FieldRule& rule, qsizetype index)
{
    return ruleText(rule.element).arg(index + rule.firstNumber);
}

QString textTooLong(const QString& what, const QString& text, const FieldRule& rule)
{
    return QCoreApplication::translate("Saves",
                                       "%1 is %2 characters long, where it can have at most %3")
        .arg(what)
        .arg(text.size())
        .arg(rule.longestText);
}

QString wrongCount(const FieldRule& rule, qsizetype count)
{
    const QString expected =
        rule.fewest == rule.most
            ? QString::number(rule.most)
            : QCoreApplication::translate("Saves", "at most %1").arg(rule.most);
    return QCoreApplication::translate("Saves", "there are %1 entries in %2, where %3 belong")
        .arg(QString::number(count), ruleText(rule.what), expected);
}

QString checkField(const FieldRule& rule, const JourneyState& state)
{
    const QString what = ruleText(rule.what);
    switch (rule.kind) {
    case Kind::Number: {
        const qint64 value = state.number(rule.name);
        return inRanges(value, rule.ranges) ? QString() : outOfRange(what, value, rule);
    }
    case Kind::Text: {
        const QString text = state.text(rule.name);
        if (text.size() > rule.longestText)
            return textTooLong(what, text, rule);
        if (rule.fitsShape && !rule.fitsShape(text))
            return QCoreApplication::translate("Saves", "%1 is \"%2\", where it is %3")
                .arg(what, text, ruleText(rule.shape));
        return {};
    }
    case Kind::Texts: {
        const QStringList list = state.texts(rule.name);
        if (list.size() < rule.fewest || list.size() > rule.most)
            return wrongCount(rule, list.size());
        for (qsizetype k = 0; k < list.size(); ++k) {
            if (list.at(k).size() > rule.longestText)
                return textTooLong(elementName(rule, k), list.at(k), rule);
        }
        return {};
    }
    case Kind::Numbers: {
        const QList<qint64> list = state.numbers(rule.name);
        if (list.size() < rule.fewest || list.size() > rule.most)
            return wrongCount(rule, list.size());
        for (qsizetype k = 0; k < list.size(); ++k) {
            if (!inRanges(list.at(k), rule.ranges))
                return outOfRange(elementName(rule, k), list.at(k), rule);
        }
        return {};
    }
    }
    return {};
}

// The chapter of the snakebite that the game is in, in each town: before
// and after the girl's story in her town, before and after the trapper's in
// his, closed after that.
qint64 encounterIn(int town, std::uint32_t heard)
{
    if (town < FirstSpiritTown)
        return 0;
    if (town == FirstSpiritTown)
        return GameState::inTownSet(heard, town) ? 1 : 0;
    if (town == SecondSpiritTown)
        return GameState::inTownSet(heard, town) ? 3 : 2;
    return 3;
}

int usefulTradesDone(const JourneyState& state)
{
    const QList<qint64> done = state.numbers(field::TradeDone);
    int count = 0;
    for (qsizetype line = 0; line < std::min<qsizetype>(done.size(), UsefulGoods); ++line)
        count += done.at(line) != 0;
    return count;
}

// Values that are each in range but that the game could never have brought
// together, and could not show.
QString checkCombination(const JourneyState& state)
{
    const int town = static_cast<int>(state.number(field::Town));
    const TownFacts facts = townFacts(town);
    const auto heard = static_cast<std::uint32_t>(state.number(field::SpiritsHeard));
    for (int other = 1; other <= TownCount; ++other) {
        if (!GameState::inTownSet(heard, other))
            continue;
        if (!townFacts(other).spirit)
            return QCoreApplication::translate(
                       "Saves", "it says the spirit of town %1 has spoken, where that town has "
                                "no spirit")
                .arg(other);
        if (other > town)
            return QCoreApplication::translate(
                       "Saves", "it says the spirit of town %1 has spoken, where the party is "
                                "only in town %2")
                .arg(other)
                .arg(town);
    }
    if (state.number(field::FishingMode) != (facts.lake ? 1 : 0))
        return QCoreApplication::translate("Saves", "it has the party %1 in town %2, where %3")
            .arg(facts.lake ? QCoreApplication::translate("Saves", "unable to fish")
                            : QCoreApplication::translate("Saves", "fishing"))
            .arg(town)
            .arg(facts.lake ? QCoreApplication::translate("Saves", "there is a lake")
                            : QCoreApplication::translate("Saves", "there is no lake"));
    if (state.number(field::SpiritNo) != facts.trifleSet)
        return QCoreApplication::translate(
                   "Saves", "the spirit's trifles are those of set %1, where town %2 has set %3")
            .arg(state.number(field::SpiritNo))
            .arg(town)
            .arg(facts.trifleSet);
    if (const qint64 expected = encounterIn(town, heard);
        state.number(field::Encounter) != expected)
        return QCoreApplication::translate(
                   "Saves", "the stage of meeting the spirits is %1, where in town %2 it is %3")
            .arg(state.number(field::Encounter))
            .arg(town)
            .arg(expected);

    // An ailing traveller is never in good condition, and never more than
    // two ail at once.
    if (state.contains(field::Ailments)) {
        const QList<qint64> ailments = state.numbers(field::Ailments);
        const QList<qint64> health = state.numbers(field::Health);
        int ailing = 0;
        for (qsizetype k = 0; k < ailments.size() && k < health.size(); ++k) {
            if (ailments.at(k) == 0)
                continue;
            ++ailing;
            if (health.at(k) == 0)
                return QCoreApplication::translate("Saves",
                                                   "it has traveller %1 ailing in good condition")
                    .arg(k + 1);
        }
        if (ailing > MostAiling)
            return QCoreApplication::translate(
                       "Saves", "it has %1 travellers ailing at once, where at most %2 can be")
                .arg(ailing)
                .arg(MostAiling);
    }

    // The score is what its parts make; a journey saved before the parts were
    // kept has its parts worked out when it opens.
    if (state.contains(field::TradePoints) != state.contains(field::CarePoints))
        return QCoreApplication::translate("Saves", "it holds only one of the score's two parts");
    if (state.contains(field::TradePoints)) {
        const qint64 trade = state.number(field::TradePoints);
        const qint64 care = state.number(field::CarePoints);
        // A party can hold goods of the towns it earned no points for (a
        // flea market save may carry their trades), never points for more.
        const qint64 most = qint64(GameState::PointsPerGood) * usefulTradesDone(state);
        if (trade > most || trade % GameState::PointsPerGood != 0)
            return QCoreApplication::translate(
                       "Saves", "it gives %1 points for useful goods, where the trades done "
                                "give at most %2, in fives")
                .arg(trade)
                .arg(most);
        if (state.number(field::Score) != trade + care)
            return QCoreApplication::translate("Saves", "the score is %1, where its parts make %2")
                .arg(state.number(field::Score))
                .arg(trade + care);
    }
    return {};
}

} // namespace

ScoreParts scorePartsOf(const JourneyState& state)
{
    ScoreParts parts;
    if (state.contains(field::TradePoints)) {
        parts.trade = state.number(field::TradePoints);
        parts.care = state.number(field::CarePoints);
        return parts;
    }
    // Worked out: five points for each useful good the party has, and what
    // is left of the score, as far as a treatment can give, for the care.
    const qint64 score = state.number(field::Score);
    parts.trade = std::min(score - score % GameState::PointsPerGood,
                           qint64(GameState::PointsPerGood) * usefulTradesDone(state));
    parts.care = state.number(field::Score) - parts.trade >= GameState::PointsForCare
                     ? GameState::PointsForCare
                     : 0;
    return parts;
}

const std::vector<FieldRule>& knownFields()
{
    static const std::vector<FieldRule> table = makeTable();
    return table;
}

const FieldRule* knownField(const QString& name)
{
    for (const FieldRule& rule : knownFields()) {
        if (rule.name == name)
            return &rule;
    }
    return nullptr;
}

QString kindName(Kind kind)
{
    switch (kind) {
    case Kind::Number:
        return QCoreApplication::translate("Saves", "a whole number");
    case Kind::Text:
        return QCoreApplication::translate("Saves", "a text");
    case Kind::Texts:
        return QCoreApplication::translate("Saves", "a list of texts");
    case Kind::Numbers:
        return QCoreApplication::translate("Saves", "a list of whole numbers");
    }
    return QCoreApplication::translate("Saves", "something of kind %1").arg(static_cast<int>(kind));
}

QString checkFields(const JourneyState& state)
{
    for (const FieldRule& rule : knownFields()) {
        const std::optional<Kind> kind = state.kindOf(rule.name);
        if (!kind) {
            if (rule.required)
                return QCoreApplication::translate("Saves", "it does not hold %1")
                    .arg(ruleText(rule.what));
            continue;
        }
        if (*kind != rule.kind)
            return QCoreApplication::translate("Saves", "it holds %1 as %2, where %3 belongs")
                .arg(ruleText(rule.what), kindName(*kind), kindName(rule.kind));
        const QString problem = checkField(rule, state);
        if (!problem.isEmpty())
            return problem;
    }
    return checkCombination(state);
}

} // namespace journey
