#pragma once

// How the seven travellers fare on the trail: what they eat on arriving in a
// town, the ailments that come with the seasons and places of the trail, the
// remedies the spirits gave that treat them, resting by the fire, and the
// days the party rests in a town when a traveller is too weak to walk on.
// No widget lives here: the trail screen asks and shows, this decides.
//
// Condition grades are the party panel's: 0 good, 1 fair, 2 poor, 3 or more
// critical. No traveller ever dies: a critical traveller makes the party
// rest a day, and a day of rest always brings him or her back to poor.

#include "shell/gamefacts.h"
#include "shell/gamestate.h"
#include "shops/possessions.h"

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {
class RandomSource;
}

namespace wellbeing {

enum class Ailment : std::int8_t {
    None = 0,
    Burns,
    Chill,
    Fever,
    Cough,
    SoreThroat,
    UpsetStomach,
    BadWater,
    Frostbite,
    Bruises,
    Sores,
    Cuts,
    Cold,
    Weariness,
    Worry,
    Snakebite,
};
constexpr int AilmentCount = AilmentKinds; // with None
static_assert(static_cast<int>(Ailment::Snakebite) + 1 == AilmentCount);
// Every ailment but None, in table order.
std::vector<Ailment> allAilments();

enum class Season : std::int8_t { Autumn, FirstSnow, DeepWinter, BareWinter, Thaw, Spring };
constexpr int SeasonCount = 6;

// What a town of the trail is like for the travellers.
struct TrailTown {
    Season season = Season::Autumn;
    bool river = false;    // by a river or a creek: water may be bad
    bool camp = false;     // a camp with its fires
    bool woodland = false; // woods where a hunter may find game
};
TrailTown trailTown(int town);

// Ailments come on the road to this town and every later one: the first
// towns are the girl's, the snakebite's and the trapper's.
constexpr int FirstAilingTown = 4;
// Never more than MostAiling travellers are ailing at once (gamefacts.h).
// Points for a traveller given the right remedy.
constexpr int PointsPerRemedy = 3;
// Pounds of food the party eats on arriving in a town.
constexpr int MealPounds = 2;
// The most meat the party can carry.
constexpr int MostMeatPounds = 100;
constexpr int Critical = 3;

struct AilmentInfo {
    Ailment ailment = Ailment::None;
    // "has caught a chill in the freezing wind." after the traveller's name.
    const char* caught = "";
    // "has a chill." after the traveller's name, on the party panel.
    const char* state = "";
    // A short name for the journal ("a chill").
    const char* name = "";
    int firstGrade = 1; // the condition it brings at once: fair or poor
    // The towns whose spirit's good treats it.
    std::vector<int> goodTowns;
    // The trading post's provision that eases it ("jar of honey"), or none.
    const char* provision = nullptr;
    // How often it comes in each season (0 never), before the places count.
    std::array<int, SeasonCount> weight{};
};
const AilmentInfo& info(Ailment ailment);
// The ailments the good of this town's spirit treats (none for a town
// whose good heals nothing: the spear, which feeds the party instead).
std::vector<Ailment> treatedByGoodOf(int town);
// How the good of a town is given: "willow bark tea" in "Give Avrel willow bark tea."
QString remedyOfTown(int town);
// The catalogue item of a provision's name; -1 when there is none.
int provisionItem(const char* name);

// A way to help an ailing traveller.
struct Remedy {
    enum class Kind { Good, Provision, Rest } kind = Kind::Rest;
    int town = 0;  // the good of this town's spirit (Kind::Good)
    int item = -1; // the provision (Kind::Provision)
    QString what;  // "willow bark tea", "a jar of honey"
};
// The choice panel's choices for this traveller's ailment: at most two goods
// or provisions the party has that treat it, then resting, always there.
std::vector<Remedy> remediesFor(const GameState& s, const goods::Possessions& p, Ailment ailment);
// The choice's words: "Give Avrel willow bark tea." / "Let Avrel rest by the fire."
QString choiceText(const Remedy& remedy, const QString& name);

// The travellers ailing now.
int ailingCount(const GameState& s);
Ailment ailmentOf(const GameState& s, int member); // member 1..7

// A traveller falls ill.
struct NewAilment {
    int member = 0; // 1..7
    Ailment ailment = Ailment::None;
};
// The draw on the road to `town`: whether a traveller falls ill, who, and
// with what. Nothing before FirstAilingTown, and nothing while two are
// ailing. About one town in three; one in two for a hungry party.
std::optional<NewAilment> draw(const GameState& s, int town, platform::RandomSource& random);
// The traveller has the ailment: the condition it brings, at once.
void fallIll(GameState& s, const NewAilment& ill);
// The remedy is given: a good or provision heals at once and is used up;
// resting heals one grade for every town travelled while fed.
void treat(GameState& s, goods::Possessions& p, int member, const Remedy& remedy);

// What the party ate on arriving in a town.
struct Meal {
    int fishPounds = 0;
    int meatPounds = 0;
    int goodsPounds = 0;
    QStringList goodsEaten; // "2 lb of flour"
    bool hungry = false;    // nothing, or not enough, was left to eat
    QString summary() const; // "3 lb of fish", "nothing: the food has run out"
};
// The party eats MealPounds: fish and meat first, then the food it owns.
Meal eat(GameState& s, goods::Possessions& p);
// Pounds of food the party has: fish, meat and food goods.
int foodPounds(const GameState& s, const goods::Possessions& p);
// Whether an item of the catalogue is something to eat.
bool isFood(int item);

// What a town's travel did to the party, after the meal.
struct Passage {
    std::vector<int> recovered; // members whose ailment is over
    std::vector<int> weaker;    // members a grade weaker from hunger
};
// Each ailing traveller heals a grade if fed; a hungry party loses a grade
// each (never beyond critical).
Passage travel(GameState& s, bool hungry);

// A traveller is too weak to walk on: the party rests a day in the town.
bool mustRest(const GameState& s);
// The first traveller who is too weak to walk on (1..7), 0 for none.
int weakestMember(const GameState& s);
// The day of rest: every critical traveller is poor again.
void restDay(GameState& s);

// Travellers in good condition: a point each at the journey's end.
int goodConditionCount(const GameState& s);

} // namespace wellbeing
