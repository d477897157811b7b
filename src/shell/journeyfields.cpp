#include "journeyfields.h"

#include "shell/journeystate.h"
#include "shell/savedgame.h"
#include "shops/possessions.h"
#include "shops/wholenumber.h"
#include "trail/routetable.h"

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

// The catch list can grow over the whole journey; no journey comes near
// this many fish.
constexpr int MostCatchLines = 10000;
constexpr int LongestCatchLine = 120;

// A field added after the first journeys were saved: a journey without it
// takes its starting value.
FieldRule optional(FieldRule rule)
{
    rule.required = false;
    return rule;
}

// The journal writes a line or a few for each event of the journey.
constexpr int MostJournalLines = 20000;
constexpr int LongestJournalLine = 2000;

std::vector<FieldRule> makeTable()
{
    const Ranges Flag{{0, 1}};
    // Bits 1 to 28, one for each town.
    const Ranges TownSet{{0, (qint64(1) << (TownCount + 1)) - 2}};
    const Ranges NotNegative{{0, std::numeric_limits<std::int32_t>::max()}};
    std::vector<FieldRule> table{
        number(field::Town, "the town", {{1, TownCount}}),
        number(field::Stage, "the stage in the town",
               {{0, 0},
                {2, 4},
                {GameState::StageAtCounter, GameState::StageAtCounter},
                {GameState::StageInsidePost, GameState::StageInsidePost}}),
        number(field::Activity, "the activity", {{1, 3}}),
        number(field::Encounter, "the stage of meeting the spirits", {{0, 3}}),
        number(field::PostState, "the visit to the trading post", {{0, 3}}),
        number(field::InstructionShown, "whether an instruction is shown", Flag),
        number(field::GirlSuppliesTold, "whether the girl's advice was given", Flag),
        number(field::TrapperSuppliesTold, "whether the trapper's advice was given", Flag),
        number(field::SnakeVictim, "the traveller bitten by the snake",
               {{0, 7}, {GameState::TradeCompleted, GameState::TradeCompleted}}),
        number(field::HasSnakeroot, "whether the party has snakeroot", Flag),
        number(field::HasTalisman, "whether the party has the talisman", Flag),
        number(field::TradeRound, "the round of trading", widthOf<std::int8_t>()),
        number(field::SpiritNo, "the spirit's trifles", {{1, 3}}),
        number(field::TradeItem, "the good offered in trade", {{-1, goods::ItemTotal - 1}}),
        number(field::TradeOffer, "the thing offered in trade", {{0, goods::TradeFlagTotal - 1}}),
        number(field::SpecialOfferToggle, "the turn of the special offers", Flag),
        number(field::FishCount, "the number of fish caught at this lake", NotNegative),
        number(field::FishLb, "the fish's weight in pounds", NotNegative),
        number(field::FishOz, "the ounces of the fish's weight", {{0, 15}}),
        number(field::MeatLb, "the meat's weight in pounds", NotNegative),
        number(field::Score, "the score", NotNegative),
        numbers(field::Health, "the travellers' health", savedgame::PartySize,
                "the health of traveller %1", 1, {{0, 3}}),
        number(field::HotspotIndex, "the good fishing spot", {{0, 6}}),
        number(field::FishHintsOff, "whether the fishing hints are off", Flag),
        number(field::InstructionStep, "the instruction step", NotNegative),
        number(field::ClicksArmed, "whether the scene takes clicks", Flag),
        number(field::LookStage, "the look-around stage", {{0, 2}}),
        number(field::FishingMode, "whether the town has fishing", Flag),
        number(field::PartyConfirmed, "whether the party is named", Flag),
        optional(number(field::SpiritsHeard, "the spirits that have spoken", TownSet)),
        optional(number(field::SuppliesTold, "the towns where supplies were advised", TownSet)),
        optional(number(field::TravelOnTold, "the towns where the way on was told", TownSet)),
        optional(texts(field::Journal, "the journal", 0, MostJournalLines, "line %1 of the journal",
                       LongestJournalLine)),
        numbers(field::ItemCount, "the goods owned", goods::ItemTotal, "the count of item %1", 0,
                widthOf<std::uint8_t>()),
        numbers(field::TradeDone, "the trades done", goods::TradeFlagTotal, "trade flag %1", 0,
                Flag),
        number(field::Money, "the money", {{0, goods::NumberCeiling}}),
        texts(field::FishList, "the catch list", 0, MostCatchLines, "line %1 of the catch list",
              LongestCatchLine),
        texts(field::Names, "the party's names", savedgame::PartySize, savedgame::PartySize,
              "the name of traveller %1", savedgame::MaxNameLength),
    };
    FieldRule scene;
    scene.name = field::SceneId;
    scene.kind = Kind::Text;
    scene.what = "the scene";
    scene.longestText = 4;
    scene.fitsShape = &isSceneId;
    scene.shape = "a letter and three digits";
    table.push_back(scene);
    return table;
}

QString ruleText(const char* text)
{
    return QString::fromUtf8(text);
}

// "1 to 28", "0 or 1", "0 to 7 or 99".
QString allowedValues(const Ranges& ranges)
{
    QStringList parts;
    for (const auto& [least, most] : ranges) {
        if (least == most)
            parts << QString::number(least);
        else if (most == least + 1)
            parts << QString::number(least) + QStringLiteral(" or ") + QString::number(most);
        else
            parts << QString::number(least) + QStringLiteral(" to ") + QString::number(most);
    }
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last
                           : parts.join(QStringLiteral(", ")) + QStringLiteral(" or ") + last;
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
    return QStringLiteral("%1 is %2, where it can only be %3")
        .arg(what, QString::number(value), allowedValues(rule.ranges));
}

QString elementName(const FieldRule& rule, qsizetype index)
{
    return ruleText(rule.element).arg(index + rule.firstNumber);
}

QString textTooLong(const QString& what, const QString& text, const FieldRule& rule)
{
    return QStringLiteral("%1 is %2 characters long, where it can have at most %3")
        .arg(what)
        .arg(text.size())
        .arg(rule.longestText);
}

QString wrongCount(const FieldRule& rule, qsizetype count)
{
    const QString expected = rule.fewest == rule.most ? QString::number(rule.most)
                                                      : QStringLiteral("at most %1").arg(rule.most);
    return QStringLiteral("there are %1 entries in %2, where %3 belong")
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
            return QStringLiteral("%1 is \"%2\", where it is %3")
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

} // namespace

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
        return QStringLiteral("a whole number");
    case Kind::Text:
        return QStringLiteral("a text");
    case Kind::Texts:
        return QStringLiteral("a list of texts");
    case Kind::Numbers:
        return QStringLiteral("a list of whole numbers");
    }
    return QStringLiteral("something of kind %1").arg(static_cast<int>(kind));
}

QString checkFields(const JourneyState& state)
{
    for (const FieldRule& rule : knownFields()) {
        const std::optional<Kind> kind = state.kindOf(rule.name);
        if (!kind) {
            if (rule.required)
                return QStringLiteral("it does not hold %1").arg(ruleText(rule.what));
            continue;
        }
        if (*kind != rule.kind)
            return QStringLiteral("it holds %1 as %2, where %3 belongs")
                .arg(ruleText(rule.what), kindName(*kind), kindName(rule.kind));
        const QString problem = checkField(rule, state);
        if (!problem.isEmpty())
            return problem;
    }
    return {};
}

} // namespace journey
