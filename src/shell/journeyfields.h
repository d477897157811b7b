#pragma once

// The fields a saved journey knows, each with what it may hold. A journey is
// taken exactly as it was saved or not at all: a known field outside its
// range, or a required one that is missing, refuses the whole journey.
// Fields the table does not know are kept and ignored, so that a journey
// saved by a later Kelvarin still opens here.
//
// To add a field, add its name below and a row to the table in
// journeyfields.cpp. A field added within a format version must not be
// required (journeys saved before it do not have it); the trail screen then
// takes its absence as the field's starting value.

#include <QLatin1String>
#include <QString>
#include <cstdint>
#include <initializer_list>
#include <utility>
#include <vector>

namespace journey {

class JourneyState;

// What a field holds. The numbers are written in the file: never change one.
enum class Kind : std::uint8_t {
    Number = 1,  // a whole number
    Text = 2,    // one text
    Texts = 3,   // a list of texts
    Numbers = 4, // a list of whole numbers
};

// The names of the known fields. The game state's values keep its names.
namespace field {
inline constexpr QLatin1String Town{"Town"};
inline constexpr QLatin1String Stage{"Stage"};
inline constexpr QLatin1String Activity{"Activity"};
inline constexpr QLatin1String Encounter{"Encounter"};
inline constexpr QLatin1String SceneId{"SceneId"};
inline constexpr QLatin1String PostState{"PostState"};
inline constexpr QLatin1String InstructionShown{"InstructionShown"};
inline constexpr QLatin1String GirlSuppliesTold{"GirlSuppliesTold"};
inline constexpr QLatin1String TrapperSuppliesTold{"TrapperSuppliesTold"};
inline constexpr QLatin1String SnakeVictim{"SnakeVictim"};
inline constexpr QLatin1String HasSnakeroot{"HasSnakeroot"};
inline constexpr QLatin1String HasTalisman{"HasTalisman"};
inline constexpr QLatin1String TradeRound{"TradeRound"};
inline constexpr QLatin1String SpiritNo{"SpiritNo"};
inline constexpr QLatin1String TradeItem{"TradeItem"};
inline constexpr QLatin1String TradeOffer{"TradeOffer"};
inline constexpr QLatin1String SpecialOfferToggle{"SpecialOfferToggle"};
inline constexpr QLatin1String FishCount{"FishCount"};
inline constexpr QLatin1String FishLb{"FishLb"};
inline constexpr QLatin1String FishOz{"FishOz"};
inline constexpr QLatin1String MeatLb{"MeatLb"};
inline constexpr QLatin1String Score{"Score"};
// The score's parts, as they were earned. Journeys saved before these were
// kept have none: they are worked out from the score and the trades done.
inline constexpr QLatin1String TradePoints{"TradePoints"};
inline constexpr QLatin1String CarePoints{"CarePoints"};
inline constexpr QLatin1String Health{"Health"};
inline constexpr QLatin1String HotspotIndex{"HotspotIndex"};
inline constexpr QLatin1String FishHintsOff{"FishHintsOff"};
inline constexpr QLatin1String InstructionStep{"InstructionStep"};
inline constexpr QLatin1String ClicksArmed{"ClicksArmed"};
inline constexpr QLatin1String LookStage{"LookStage"};
inline constexpr QLatin1String FishingMode{"FishingMode"};
inline constexpr QLatin1String PartyConfirmed{"PartyConfirmed"};
// Town by town (a bit per town): whose spirit has spoken, where the hints
// were given. Journeys saved before these were kept have none.
inline constexpr QLatin1String SpiritsHeard{"SpiritsHeard"};
inline constexpr QLatin1String SuppliesTold{"SuppliesTold"};
inline constexpr QLatin1String TravelOnTold{"TravelOnTold"};
// How the travellers fare: each one's ailment, the towns whose good was
// given as a remedy, the remedies' points and count, the days rested, the
// towns the party arrived hungry in, whether the last meal was short and the
// running out told, and the towns hunted in. Journeys saved before these
// were kept have none: every traveller is well, nothing was eaten.
inline constexpr QLatin1String Ailments{"Ailments"};
inline constexpr QLatin1String RemediesUsed{"RemediesUsed"};
inline constexpr QLatin1String RemedyPoints{"RemedyPoints"};
inline constexpr QLatin1String RemediesGiven{"RemediesGiven"};
inline constexpr QLatin1String RestDays{"RestDays"};
inline constexpr QLatin1String HungryTowns{"HungryTowns"};
inline constexpr QLatin1String Hungry{"Hungry"};
inline constexpr QLatin1String HungerTold{"HungerTold"};
inline constexpr QLatin1String HuntedIn{"HuntedIn"};
inline constexpr QLatin1String AilmentsMet{"AilmentsMet"};
inline constexpr QLatin1String PoundsEaten{"PoundsEaten"};
// The journal of the journey, as its lines.
inline constexpr QLatin1String Journal{"Journal"};
// What the party owns, and its money.
inline constexpr QLatin1String ItemCount{"ItemCount"};
inline constexpr QLatin1String TradeDone{"TradeDone"};
inline constexpr QLatin1String Money{"Money"};
// The trail screen's own lists: the catch, one fish a line, and the seven
// travellers' names.
inline constexpr QLatin1String FishList{"FishList"};
inline constexpr QLatin1String Names{"Names"};
// Whose journey it is: the name the party chose at the flea market ("Room
// 12, table 3"); none for a single player's journey.
inline constexpr QLatin1String PartyName{"PartyName"};
} // namespace field

// What one field may hold.
struct FieldRule {
    QLatin1String name;
    Kind kind = Kind::Number;
    bool required = true;
    // For the player's messages: "the town", "the party's names".
    const char* what = "";
    // A number, or each number of a list, lies in one of these ranges
    // (both ends included).
    std::vector<std::pair<std::int64_t, std::int64_t>> ranges;
    // A list holds this many values.
    int fewest = 0;
    int most = 0;
    // One value of a list, numbered from `firstNumber`: "trade flag %1".
    const char* element = "";
    int firstNumber = 1;
    // A text, or each text of a list, has at most this many characters.
    int longestText = 0;
    // A text has this shape, when given: `shape` says what it is like.
    bool (*fitsShape)(const QString& text) = nullptr;
    const char* shape = "";
};

// Every known field.
const std::vector<FieldRule>& knownFields();
// The rule of a known field; null for a field the table does not know.
const FieldRule* knownField(const QString& name);

// The score's two parts: as the journey holds them, or, for a journey saved
// before they were kept, as its score and trades show them.
struct ScoreParts {
    qint64 trade = 0;
    qint64 care = 0;
};
ScoreParts scorePartsOf(const JourneyState& state);

// What a kind of field is called in the player's messages.
QString kindName(Kind kind);

// Why the journey is not one the game can take: a required field missing,
// a known field of the wrong kind or outside its range, or values that the
// game could never have brought together (a spirit heard in a town that has
// none, the snakebite's chapter out of step with the town, fishing in a town
// without a lake, a score that its parts do not make). Empty when it is.
QString checkFields(const JourneyState& state);

} // namespace journey
