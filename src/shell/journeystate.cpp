#include "journeystate.h"

#include "journal/journal.h"

#include <QCoreApplication>
#include <type_traits>

namespace journey {

namespace {

// One whole-number value of the game state, read and written whatever its
// width.
struct StateNumber {
    QLatin1String name;
    qint64 (*get)(const GameState&);
    void (*set)(GameState&, qint64);
};

template <auto Member> qint64 getMember(const GameState& state)
{
    return state.*Member;
}

template <auto Member> void setMember(GameState& state, qint64 value)
{
    using Width = std::remove_reference_t<decltype(state.*Member)>;
    state.*Member = static_cast<Width>(value);
}

template <auto Member> constexpr StateNumber stateNumber(QLatin1String name)
{
    return {name, &getMember<Member>, &setMember<Member>};
}

// The game state's values that a journey holds; each has a row in the table
// of known fields, which bounds it to what its member can hold.
constexpr StateNumber StateNumbers[] = {
    stateNumber<&GameState::Town>(field::Town),
    stateNumber<&GameState::Stage>(field::Stage),
    stateNumber<&GameState::Activity>(field::Activity),
    stateNumber<&GameState::Encounter>(field::Encounter),
    stateNumber<&GameState::PostState>(field::PostState),
    stateNumber<&GameState::InstructionShown>(field::InstructionShown),
    stateNumber<&GameState::GirlSuppliesTold>(field::GirlSuppliesTold),
    stateNumber<&GameState::TrapperSuppliesTold>(field::TrapperSuppliesTold),
    stateNumber<&GameState::SnakeVictim>(field::SnakeVictim),
    stateNumber<&GameState::HasSnakeroot>(field::HasSnakeroot),
    stateNumber<&GameState::HasTalisman>(field::HasTalisman),
    stateNumber<&GameState::TradeRound>(field::TradeRound),
    stateNumber<&GameState::SpiritNo>(field::SpiritNo),
    stateNumber<&GameState::TradeItem>(field::TradeItem),
    stateNumber<&GameState::TradeOffer>(field::TradeOffer),
    stateNumber<&GameState::SpecialOfferToggle>(field::SpecialOfferToggle),
    stateNumber<&GameState::FishCount>(field::FishCount),
    stateNumber<&GameState::FishLb>(field::FishLb),
    stateNumber<&GameState::FishOz>(field::FishOz),
    stateNumber<&GameState::MeatLb>(field::MeatLb),
    stateNumber<&GameState::Score>(field::Score),
    stateNumber<&GameState::TradePoints>(field::TradePoints),
    stateNumber<&GameState::CarePoints>(field::CarePoints),
    stateNumber<&GameState::HotspotIndex>(field::HotspotIndex),
    stateNumber<&GameState::FishHintsOff>(field::FishHintsOff),
    stateNumber<&GameState::InstructionStep>(field::InstructionStep),
    stateNumber<&GameState::ClicksArmed>(field::ClicksArmed),
    stateNumber<&GameState::LookStage>(field::LookStage),
    stateNumber<&GameState::FishingMode>(field::FishingMode),
    stateNumber<&GameState::PartyConfirmed>(field::PartyConfirmed),
    stateNumber<&GameState::SpiritsHeard>(field::SpiritsHeard),
    stateNumber<&GameState::SuppliesTold>(field::SuppliesTold),
    stateNumber<&GameState::TravelOnTold>(field::TravelOnTold),
    stateNumber<&GameState::RemediesUsed>(field::RemediesUsed),
    stateNumber<&GameState::RemedyPoints>(field::RemedyPoints),
    stateNumber<&GameState::RemediesGiven>(field::RemediesGiven),
    stateNumber<&GameState::RestDays>(field::RestDays),
    stateNumber<&GameState::HungryTowns>(field::HungryTowns),
    stateNumber<&GameState::Hungry>(field::Hungry),
    stateNumber<&GameState::HungerTold>(field::HungerTold),
    stateNumber<&GameState::HuntedIn>(field::HuntedIn),
    stateNumber<&GameState::AilmentsMet>(field::AilmentsMet),
    stateNumber<&GameState::PoundsEaten>(field::PoundsEaten),
};

template <typename Container> QList<qint64> numberList(const Container& values)
{
    return QList<qint64>(values.begin(), values.end());
}

template <typename Container> void copyNumbers(const QList<qint64>& from, Container& to)
{
    using Width = typename Container::value_type;
    for (std::size_t k = 0; k < to.size(); ++k)
        to[k] = static_cast<Width>(from.at(static_cast<qsizetype>(k)));
}

} // namespace

JourneyState JourneyState::fromGame(qint64 money, const GameState& state,
                                    const goods::Possessions& owned)
{
    JourneyState journey;
    for (const StateNumber& value : StateNumbers)
        journey.setNumber(value.name, value.get(state));
    journey.setText(field::SceneId, state.sceneId());
    journey.setNumbers(field::Health, numberList(state.Health));
    journey.setNumbers(field::Ailments, numberList(state.Ailments));
    journey.setNumbers(field::ItemCount, numberList(owned.ItemCount));
    journey.setNumbers(field::TradeDone, numberList(owned.TradeDone));
    journey.setNumber(field::Money, money);
    return journey;
}

qint64 JourneyState::applyToGame(GameState& state, goods::Possessions& owned) const
{
    // Every value is checked first (the lists' lengths among them), so the
    // game takes all of them or none.
    if (!check().isEmpty())
        return -1;
    for (const StateNumber& value : StateNumbers)
        value.set(state, number(value.name));
    const ScoreParts parts = scorePartsOf(*this);
    state.TradePoints = static_cast<std::int32_t>(parts.trade);
    state.CarePoints = static_cast<std::int32_t>(parts.care);
    state.Score = state.TradePoints + state.CarePoints;
    const QString scene = text(field::SceneId);
    state.SceneId.fill('\0');
    for (qsizetype k = 0; k < scene.size() && k + 1 < qsizetype(state.SceneId.size()); ++k)
        state.SceneId[static_cast<std::size_t>(k)] = scene.at(k).toLatin1();
    copyNumbers(numbers(field::Health), state.Health);
    if (contains(field::Ailments))
        copyNumbers(numbers(field::Ailments), state.Ailments);
    else
        state.Ailments.fill(0); // an older journey: everyone is well
    copyNumbers(numbers(field::ItemCount), owned.ItemCount);
    copyNumbers(numbers(field::TradeDone), owned.TradeDone);
    return money();
}

QString JourneyState::check() const
{
    if (const QString why = checkFields(*this); !why.isEmpty())
        return why;
    // The journal is opened with the journey: one that cannot be read makes
    // the journey one that cannot be opened.
    const JournalReading diary = Journal::fromLines(texts(field::Journal));
    if (!diary.problem.isEmpty())
        return QCoreApplication::translate("Saves", "its journal cannot be read (%1)")
            .arg(diary.why);
    return {};
}

std::optional<Kind> JourneyState::kindOf(const QString& name) const
{
    const auto found = values_.constFind(name);
    if (found == values_.cend())
        return std::nullopt;
    switch (found->index()) {
    case 0:
        return Kind::Number;
    case 1:
        return Kind::Text;
    case 2:
        return Kind::Texts;
    case 3:
        return Kind::Numbers;
    default:
        return static_cast<Kind>(std::get<UnknownValue>(*found).kind);
    }
}

namespace {

template <typename T>
const T* valueOf(const QMap<QString, JourneyState::Value>& values, const QString& name)
{
    const auto found = values.constFind(name);
    return found == values.cend() ? nullptr : std::get_if<T>(&*found);
}

} // namespace

qint64 JourneyState::number(const QString& name, qint64 fallback) const
{
    const qint64* value = valueOf<qint64>(values_, name);
    return value ? *value : fallback;
}

void JourneyState::setNumber(const QString& name, qint64 value)
{
    values_.insert(name, value);
}

QString JourneyState::text(const QString& name) const
{
    const QString* value = valueOf<QString>(values_, name);
    return value ? *value : QString();
}

void JourneyState::setText(const QString& name, const QString& value)
{
    values_.insert(name, value);
}

QStringList JourneyState::texts(const QString& name) const
{
    const QStringList* value = valueOf<QStringList>(values_, name);
    return value ? *value : QStringList();
}

void JourneyState::setTexts(const QString& name, const QStringList& value)
{
    values_.insert(name, value);
}

QList<qint64> JourneyState::numbers(const QString& name) const
{
    const QList<qint64>* value = valueOf<QList<qint64>>(values_, name);
    return value ? *value : QList<qint64>();
}

void JourneyState::setNumbers(const QString& name, const QList<qint64>& value)
{
    values_.insert(name, value);
}

} // namespace journey
