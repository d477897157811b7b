#include "wellbeing.h"

#include "platform/randomsource.h"
#include "shops/catalogue.h"
#include "shops/plural.h"
#include "trail/towncontent.h"

#include <QCoreApplication>
#include <algorithm>

namespace wellbeing {

namespace {

using S = std::array<int, SeasonCount>;
//                  Autumn FirstSnow DeepWinter BareWinter Thaw Spring
// Where an ailment comes only in some places (burns at the camps' fires, bad
// water by the rivers), its weights are for those places; see placeWeight.
const std::array<AilmentInfo, AilmentCount> Table{{
    {Ailment::None, "", "", "", 0, {}, nullptr, S{}},
    {Ailment::Burns,
     QT_TRANSLATE_NOOP("Wellbeing", "has burned a hand on the hot kettle at the campfire."),
     QT_TRANSLATE_NOOP("Wellbeing", "has a burned hand."),
     "a burned hand",
     1,
     {4},
     nullptr,
     S{3, 3, 3, 3, 3, 3}},
    {Ailment::Chill,
     QT_TRANSLATE_NOOP("Wellbeing", "has caught a chill in the freezing wind."),
     QT_TRANSLATE_NOOP("Wellbeing", "has a chill."),
     "a chill",
     1,
     {5, 20},
     "lb of tea",
     S{1, 3, 4, 3, 1, 0}},
    {Ailment::Fever,
     QT_TRANSLATE_NOOP("Wellbeing", "has a fever and aches all over."),
     QT_TRANSLATE_NOOP("Wellbeing", "has a fever and aches."),
     "a fever and aches",
     2,
     {9, 10, 24},
     nullptr,
     S{1, 2, 2, 2, 2, 1}},
    {Ailment::Cough,
     QT_TRANSLATE_NOOP("Wellbeing", "has a bad cough that will not go away."),
     QT_TRANSLATE_NOOP("Wellbeing", "has a bad cough."),
     "a bad cough",
     2,
     {3, 11, 21},
     "jar of honey",
     S{1, 2, 3, 3, 2, 1}},
    {Ailment::SoreThroat,
     QT_TRANSLATE_NOOP("Wellbeing", "has woken up with a sore throat."),
     QT_TRANSLATE_NOOP("Wellbeing", "has a sore throat."),
     "a sore throat",
     1,
     {13, 27, 28},
     "jar of honey",
     S{1, 2, 2, 2, 2, 2}},
    {Ailment::UpsetStomach,
     QT_TRANSLATE_NOOP("Wellbeing", "has an upset stomach."),
     QT_TRANSLATE_NOOP("Wellbeing", "has an upset stomach."),
     "an upset stomach",
     1,
     {14, 26},
     nullptr,
     S{2, 1, 1, 1, 1, 2}},
    {Ailment::BadWater,
     QT_TRANSLATE_NOOP("Wellbeing", "is sick from drinking bad water."),
     QT_TRANSLATE_NOOP("Wellbeing", "is sick from bad water."),
     "sickness from bad water",
     2,
     {15},
     nullptr,
     S{3, 2, 1, 1, 3, 3}},
    {Ailment::Frostbite,
     QT_TRANSLATE_NOOP("Wellbeing", "has frostbitten toes and cheeks from the icy wind."),
     QT_TRANSLATE_NOOP("Wellbeing", "has frostbitten skin."),
     "frostbitten skin",
     2,
     {7, 17},
     nullptr,
     S{0, 2, 4, 3, 0, 0}},
    {Ailment::Bruises,
     QT_TRANSLATE_NOOP("Wellbeing", "has slipped on the ice and is bruised and sore."),
     QT_TRANSLATE_NOOP("Wellbeing", "has sore muscles and bruises."),
     "sore muscles and bruises",
     1,
     {18},
     nullptr,
     S{0, 1, 3, 3, 2, 0}},
    {Ailment::Sores,
     QT_TRANSLATE_NOOP("Wellbeing", "has sores and chapped skin from the cold."),
     QT_TRANSLATE_NOOP("Wellbeing", "has sores and chapped skin."),
     "sores and chapped skin",
     1,
     {16, 19},
     nullptr,
     S{0, 1, 2, 3, 1, 0}},
    {Ailment::Cuts,
     QT_TRANSLATE_NOOP("Wellbeing", "has cut a hand gathering firewood."),
     QT_TRANSLATE_NOOP("Wellbeing", "has a cut hand."),
     "a cut hand",
     1,
     {16, 22},
     nullptr,
     S{2, 2, 1, 2, 2, 2}},
    {Ailment::Cold,
     QT_TRANSLATE_NOOP("Wellbeing", "has caught a cold in the wet weather."),
     QT_TRANSLATE_NOOP("Wellbeing", "has a cold."),
     "a cold",
     1,
     {23},
     "lb of tea",
     S{1, 3, 1, 2, 4, 2}},
    {Ailment::Weariness,
     QT_TRANSLATE_NOOP("Wellbeing", "is weary from the long walk."),
     QT_TRANSLATE_NOOP("Wellbeing", "is weary."),
     "weariness",
     1,
     {25},
     nullptr,
     S{1, 1, 2, 2, 2, 2}},
    {Ailment::Worry,
     QT_TRANSLATE_NOOP("Wellbeing", "is worried and cannot sleep."),
     QT_TRANSLATE_NOOP("Wellbeing", "is worried and sleeps badly."),
     "worry and sleeplessness",
     1,
     {6, 12},
     nullptr,
     S{2, 2, 1, 1, 1, 1}},
    {Ailment::Snakebite,
     QT_TRANSLATE_NOOP("Wellbeing", "was bitten by a snake!"),
     QT_TRANSLATE_NOOP("Wellbeing", "is healing from a snakebite."),
     "a snakebite",
     2,
     {2},
     nullptr,
     S{}},
}};

// How a town's good is given, town by town from town 2; empty for a good
// that heals nothing.
const std::array<const char*, 27> Remedies{{
    QT_TRANSLATE_NOOP("Wellbeing", "snakeroot tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "bear oil rubbed on the chest"),
    QT_TRANSLATE_NOOP("Wellbeing", "aloe"),
    QT_TRANSLATE_NOOP("Wellbeing", "ginger tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "the deer's horn talisman to hold"),
    QT_TRANSLATE_NOOP("Wellbeing", "cayenne pepper in the moccasins"),
    "",
    QT_TRANSLATE_NOOP("Wellbeing", "willow bark tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "boneset tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "lobelia ointment"),
    QT_TRANSLATE_NOOP("Wellbeing", "lemon balm tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "blood root"),
    QT_TRANSLATE_NOOP("Wellbeing", "blackberry tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "cranesbill"),
    QT_TRANSLATE_NOOP("Wellbeing", "spruce pitch"),
    QT_TRANSLATE_NOOP("Wellbeing", "bear oil on the skin"),
    QT_TRANSLATE_NOOP("Wellbeing", "arnica"),
    QT_TRANSLATE_NOOP("Wellbeing", "bittersweet salve"),
    QT_TRANSLATE_NOOP("Wellbeing", "a birchbark fire to get warm by"),
    QT_TRANSLATE_NOOP("Wellbeing", "bugleweed tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "calendula"),
    QT_TRANSLATE_NOOP("Wellbeing", "garlic"),
    QT_TRANSLATE_NOOP("Wellbeing", "dogwood bark tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "tulip poplar bark tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "savory in the stew"),
    QT_TRANSLATE_NOOP("Wellbeing", "sumac-berry water"),
    QT_TRANSLATE_NOOP("Wellbeing", "slippery elm bark"),
}};

// Burns come at the camps, bad water by the rivers, frostbite where the
// wind blows over open land; the others anywhere.
int placeWeight(const AilmentInfo& a, const TrailTown& t)
{
    const int w = a.weight[static_cast<std::size_t>(t.season)];
    switch (a.ailment) {
    case Ailment::Burns:
        return t.camp ? w : 0;
    case Ailment::BadWater:
        return t.river ? w : 0;
    case Ailment::Cuts:
        return t.woodland || t.camp ? w : w / 2;
    default:
        return w;
    }
}

void setHealth(GameState& s, int member, int grade)
{
    s.Health[static_cast<std::size_t>(member - 1)] =
        static_cast<std::int8_t>(std::clamp(grade, 0, Critical));
}

int health(const GameState& s, int member)
{
    return s.Health[static_cast<std::size_t>(member - 1)];
}

void setAilment(GameState& s, int member, Ailment a)
{
    s.Ailments[static_cast<std::size_t>(member - 1)] = static_cast<std::int8_t>(a);
}

bool goodOwned(const GameState& s, const goods::Possessions& p, int town)
{
    const int line = town - 2;
    return line >= 0 && line < TradeFlagTotal && p.TradeDone[static_cast<std::size_t>(line)] &&
           !GameState::inTownSet(s.RemediesUsed, town);
}

QString withArticle(const QString& name)
{
    const bool vowel = !name.isEmpty() && QStringLiteral("aeiou").contains(name.front());
    return (vowel ? QStringLiteral("an ") : QStringLiteral("a ")) + name;
}

} // namespace

std::vector<Ailment> allAilments()
{
    std::vector<Ailment> all;
    for (int a = 1; a < AilmentCount; ++a)
        all.push_back(static_cast<Ailment>(a));
    return all;
}

TrailTown trailTown(int town)
{
    TrailTown t;
    t.season = town <= 7    ? Season::Autumn
               : town <= 10 ? Season::FirstSnow
               : town <= 18 ? Season::DeepWinter
               : town <= 21 ? Season::BareWinter
               : town <= 23 ? Season::Thaw
                            : Season::Spring;
    for (int r : {2, 5, 6, 9, 10, 13, 14, 20, 22, 28})
        t.river = t.river || r == town;
    for (int c : {7, 9, 10, 13, 15, 25})
        t.camp = t.camp || c == town;
    for (int w : {8, 9, 11, 13, 16, 20, 26, 28})
        t.woodland = t.woodland || w == town;
    return t;
}

const AilmentInfo& info(Ailment ailment)
{
    const int index = static_cast<int>(ailment);
    return Table[static_cast<std::size_t>(index >= 0 && index < AilmentCount ? index : 0)];
}

std::vector<Ailment> treatedByGoodOf(int town)
{
    std::vector<Ailment> treated;
    for (Ailment a : allAilments()) {
        const auto& towns = info(a).goodTowns;
        if (std::find(towns.begin(), towns.end(), town) != towns.end())
            treated.push_back(a);
    }
    return treated;
}

QString remedyOfTown(int town)
{
    if (town < 2 || town > 28)
        return {};
    return QString::fromUtf8(Remedies[static_cast<std::size_t>(town - 2)]);
}

int provisionItem(const char* name)
{
    if (!name)
        return -1;
    for (int item = goods::FirstProvision; item < ItemTotal; ++item)
        if (goods::ItemName(item) == QLatin1String(name))
            return item;
    return -1;
}

std::vector<Remedy> remediesFor(const GameState& s, const goods::Possessions& p, Ailment ailment)
{
    std::vector<Remedy> choices;
    const AilmentInfo& a = info(ailment);
    // The latest gift first: it is the one the party remembers best.
    for (auto town = a.goodTowns.rbegin(); town != a.goodTowns.rend() && choices.size() < 2;
         ++town) {
        if (goodOwned(s, p, *town))
            choices.push_back({Remedy::Kind::Good, *town, -1, remedyOfTown(*town)});
    }
    const int item = provisionItem(a.provision);
    if (choices.size() < 2 && item >= 0 && p.ItemCount[static_cast<std::size_t>(item)] > 0) {
        QString name = goods::ItemName(item);
        if (name.startsWith(QLatin1String("lb of ")))
            name = QStringLiteral("hot ") + name.mid(6);
        else
            name = withArticle(name);
        choices.push_back({Remedy::Kind::Provision, 0, item, name});
    }
    choices.push_back({Remedy::Kind::Rest, 0, -1, {}});
    return choices;
}

// The provisions' remedies as choiceText names them, for the translators.
[[maybe_unused]] const char* const ProvisionRemedies[] = {
    QT_TRANSLATE_NOOP("Wellbeing", "hot tea"),
    QT_TRANSLATE_NOOP("Wellbeing", "a jar of honey"),
};

QString choiceText(const Remedy& remedy, const QString& name)
{
    if (remedy.kind == Remedy::Kind::Rest)
        return QCoreApplication::translate("Wellbeing", "Let %1 rest by the fire.").arg(name);
    return QCoreApplication::translate("Wellbeing", "Give %1 %2.")
        .arg(name, QCoreApplication::translate("Wellbeing", remedy.what.toUtf8().constData()));
}

int ailingCount(const GameState& s)
{
    return static_cast<int>(
        std::count_if(s.Ailments.begin(), s.Ailments.end(), [](std::int8_t a) { return a != 0; }));
}

Ailment ailmentOf(const GameState& s, int member)
{
    if (member < 1 || member > 7)
        return Ailment::None;
    const int a = s.Ailments[static_cast<std::size_t>(member - 1)];
    return a > 0 && a < AilmentCount ? static_cast<Ailment>(a) : Ailment::None;
}

std::optional<NewAilment> draw(const GameState& s, int town, platform::RandomSource& random)
{
    if (town < FirstAilingTown || town > 28 || ailingCount(s) >= MostAiling)
        return std::nullopt;
    // A hungry party falls ill more often.
    if (random.next() % (s.Hungry ? 2 : 3) != 0)
        return std::nullopt;
    const TrailTown place = trailTown(town);
    int total = 0;
    for (Ailment a : allAilments())
        total += placeWeight(info(a), place);
    if (total <= 0)
        return std::nullopt;
    int pick = random.next() % total;
    Ailment chosen = Ailment::None;
    for (Ailment a : allAilments()) {
        pick -= placeWeight(info(a), place);
        if (pick < 0) {
            chosen = a;
            break;
        }
    }
    std::vector<int> well;
    for (int member = 1; member <= 7; ++member)
        if (ailmentOf(s, member) == Ailment::None)
            well.push_back(member);
    const int member = well[static_cast<std::size_t>(random.next()) % well.size()];
    return NewAilment{member, chosen};
}

void fallIll(GameState& s, const NewAilment& ill)
{
    if (ill.member < 1 || ill.member > 7 || ill.ailment == Ailment::None)
        return;
    setAilment(s, ill.member, ill.ailment);
    countOneMore(s.AilmentsMet);
    setHealth(s, ill.member, std::max(health(s, ill.member), info(ill.ailment).firstGrade));
}

void treat(GameState& s, goods::Possessions& p, int member, const Remedy& remedy)
{
    if (member < 1 || member > 7 || ailmentOf(s, member) == Ailment::None)
        return;
    switch (remedy.kind) {
    case Remedy::Kind::Rest:
        return; // travel heals a grade a town
    case Remedy::Kind::Good:
        if (!goodOwned(s, p, remedy.town))
            return;
        GameState::addToTownSet(s.RemediesUsed, remedy.town);
        break;
    case Remedy::Kind::Provision: {
        if (remedy.item < 0 || remedy.item >= ItemTotal)
            return;
        auto& count = p.ItemCount[static_cast<std::size_t>(remedy.item)];
        if (count == 0)
            return;
        --count;
        break;
    }
    }
    setAilment(s, member, Ailment::None);
    setHealth(s, member, 0);
    s.RemedyPoints = std::min(s.RemedyPoints + PointsPerRemedy, GameState::AmountCeiling);
    countOneMore(s.RemediesGiven);
}

bool isFood(int item)
{
    if (item >= 0 && item < ListLength)
        return true; // the market's fruit and vegetables
    if (item < goods::FirstProvision || item >= ItemTotal)
        return false;
    const QString name = goods::ItemName(item);
    for (const char* notFood : {"lb of salt", "lb of tea", "lb of coffee"})
        if (name == QLatin1String(notFood))
            return false;
    return true;
}

int foodPounds(const GameState& s, const goods::Possessions& p)
{
    std::int64_t pounds = std::int64_t(s.FishLb) + s.MeatLb;
    for (int item = 0; item < ItemTotal; ++item)
        if (isFood(item))
            pounds += p.ItemCount[static_cast<std::size_t>(item)];
    return static_cast<int>(std::min<std::int64_t>(pounds, GameState::AmountCeiling));
}

QString Meal::summary() const
{
    QStringList parts;
    if (fishPounds > 0)
        parts << QStringLiteral("%1 lb of fish").arg(fishPounds);
    if (meatPounds > 0)
        parts << QStringLiteral("%1 lb of meat").arg(meatPounds);
    parts << goodsEaten;
    if (parts.isEmpty())
        return QStringLiteral("nothing: the food has run out");
    QString text = parts.size() == 1 ? parts.front()
                                     : parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")) +
                                           QStringLiteral(" and ") + parts.back();
    if (hungry)
        text += QStringLiteral(", the last of the food");
    return text;
}

Meal eat(GameState& s, goods::Possessions& p)
{
    Meal meal;
    int wanted = MealPounds;
    const auto take = [&wanted](std::int32_t& store) {
        const int eaten = std::min<int>(wanted, std::max(0, store));
        store -= eaten;
        wanted -= eaten;
        return eaten;
    };
    meal.fishPounds = take(s.FishLb);
    if (s.FishLb == 0 && wanted > 0 && s.FishOz > 0) {
        s.FishOz = 0; // the last ounces go with the last pound
    }
    meal.meatPounds = take(s.MeatLb);
    for (int item = 0; item < ItemTotal && wanted > 0; ++item) {
        if (!isFood(item))
            continue;
        auto& count = p.ItemCount[static_cast<std::size_t>(item)];
        const int eaten = std::min<int>(wanted, count);
        if (eaten == 0)
            continue;
        count = static_cast<std::uint8_t>(count - eaten);
        wanted -= eaten;
        meal.goodsPounds += eaten;
        const QString name = goods::ItemName(item);
        // "2 lb of flour" keeps its pound ("2 lbs" reads oddly in a meal).
        meal.goodsEaten << (name.startsWith(QLatin1String("lb of "))
                                ? QStringLiteral("%1 %2").arg(eaten).arg(name)
                                : goods::Plural(QStringLiteral("%1 %2").arg(eaten).arg(name)));
    }
    meal.hungry = wanted > 0;
    s.PoundsEaten = std::min(s.PoundsEaten + MealPounds - wanted, GameState::AmountCeiling);
    s.Hungry = meal.hungry ? 1 : 0;
    if (meal.hungry)
        countOneMore(s.HungryTowns);
    return meal;
}

Passage travel(GameState& s, bool hungry)
{
    Passage passage;
    for (int member = 1; member <= 7; ++member) {
        if (hungry) {
            if (health(s, member) < Critical) {
                setHealth(s, member, health(s, member) + 1);
                passage.weaker.push_back(member);
            }
            continue;
        }
        if (ailmentOf(s, member) != Ailment::None || health(s, member) > 0) {
            setHealth(s, member, health(s, member) - 1);
            if (health(s, member) == 0 && ailmentOf(s, member) != Ailment::None) {
                setAilment(s, member, Ailment::None);
                passage.recovered.push_back(member);
            }
        }
    }
    return passage;
}

bool mustRest(const GameState& s)
{
    return weakestMember(s) != 0;
}

int weakestMember(const GameState& s)
{
    for (int member = 1; member <= 7; ++member)
        if (health(s, member) >= Critical)
            return member;
    return 0;
}

void restDay(GameState& s)
{
    for (int member = 1; member <= 7; ++member)
        if (health(s, member) >= Critical)
            setHealth(s, member, Critical - 1);
    countOneMore(s.RestDays);
}

int goodConditionCount(const GameState& s)
{
    return s.conditionPoints();
}

} // namespace wellbeing
