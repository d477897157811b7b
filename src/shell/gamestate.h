#pragma once

// The values that drive the trail journey, shared by every screen. There is
// one instance for the whole run; nothing resets it while the game runs (a
// new game is a new process). Widths, signedness and initial values are the
// game's own: saved games and the screens' arithmetic depend on them.

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

struct GameState {
    // Stage values that are letters: inside the trading post, at its counter.
    static constexpr std::uint8_t StageInsidePost = 's';
    static constexpr std::uint8_t StageAtCounter = 'i';
    static constexpr std::int32_t TradeCompleted = 99; // held in SnakeVictim
    // Points: 5 for each town's useful good traded for, 5 for treating the
    // snakebite with snakeroot tea.
    static constexpr std::int32_t PointsPerGood = 5;
    static constexpr std::int32_t PointsForCare = 5;
    // Pounds of food and counts of fish stop growing here: a child fishing
    // all day long never comes near it, and no sum of them can overflow.
    static constexpr std::int32_t AmountCeiling = 1'000'000;

    // Journey position and scene flow.
    std::uint8_t Town = 0;    // 1..28 once the trail screen is shown
    std::uint8_t Stage = 0;   // 2 town, 3 post door, 's' inside, 'i' counter, 4 fishing
    std::int8_t Activity = 1; // 1 next town, 2 visit/fish, 3 look around
    std::int8_t Encounter = 0;
    std::array<char, 5> SceneId{'s', '0', '0', '2', '\0'};
    std::uint8_t PostState = 0;
    std::int32_t InstructionShown = 1;
    std::uint8_t ScreenClickable = 0;
    std::uint8_t FishingActive = 0;
    std::uint8_t GirlSuppliesTold = 0;
    std::uint8_t TrapperSuppliesTold = 0;

    // Spirits, trading and hazards.
    std::int32_t SnakeVictim = 0;
    std::uint8_t HasSnakeroot = 0;
    std::uint8_t HasTalisman = 0;
    std::int8_t TradeRound = 0;
    std::int8_t SpiritNo = 1;
    std::int32_t TradeItem = 0;
    std::int32_t TradeOffer = 0;
    std::uint8_t SpecialOfferToggle = 0;

    // Food, catch and score.
    std::int32_t FishCount = 0;
    std::int32_t FishLb = 0;
    std::int32_t FishOz = 0; // 0..15
    std::int32_t MeatLb = 0;
    std::int32_t Score = 0;       // TradePoints + CarePoints
    std::int32_t TradePoints = 0; // earned by useful trades
    std::int32_t CarePoints = 0;  // earned by the snakebite's treatment
    std::array<std::int8_t, 7> Health{}; // party members 1..7 at indexes 0..6

    // How the travellers fare (activities/wellbeing.h): each one's ailment
    // (0 none), the towns whose spirit's good has been given as a remedy (a
    // town set), the points for remedies given, and how the party has eaten
    // and rested. None of these is in the score above: the end adds them.
    std::array<std::int8_t, 7> Ailments{};
    std::uint32_t RemediesUsed = 0;
    std::int32_t RemedyPoints = 0;
    std::int32_t RemediesGiven = 0;
    std::int32_t RestDays = 0;
    std::int32_t HungryTowns = 0;
    std::uint8_t Hungry = 0;     // the last meal was not enough
    std::uint8_t HungerTold = 0; // the panel has said the food ran out
    std::uint32_t HuntedIn = 0;  // the towns where the party went hunting
    std::int32_t AilmentsMet = 0; // travellers who fell ill on the road
    std::int32_t PoundsEaten = 0; // food eaten on the trail

    // Media, pictures and screen geometry.
    std::uint8_t MusicEnabled = 1;
    std::int32_t PicLeft = 0;
    std::int32_t PicTop = 0;
    float VScale = 0;
    float HScale = 0;
    std::int32_t IPicLeft = 0;
    std::int32_t IPicTop = 0;
    float RouteSlope = 0;
    std::int32_t RouteX = 0;
    std::int32_t RouteY = 0;
    std::int32_t RouteEndX = 0;
    std::uint8_t RouteEastward = 0;
    QImage RodBitmap;
    QImage RodCastBitmap;
    QImage FishIcon1;
    QImage FishIcon2;
    std::int32_t HotspotX = 300;
    std::int32_t HotspotY = 300;
    std::int8_t HotspotIndex = 0;
    std::uint8_t FishHintsOff = 0;
    std::int32_t MoneyBefore = 0;
    std::int32_t MoneyAfter = 0;
    QString MyPath;
    QString SavedGameName;

    // Counters the trail screen keeps on its controls.
    std::int32_t InstructionStep = 0; // IPic
    std::int32_t ClicksArmed = 0;     // the IP timer
    std::int32_t LookStage = 0;       // the Look button
    std::int32_t FishingMode = 0;     // the Visit button
    std::int32_t PartyConfirmed = 0;  // the Okay1 button
    std::int32_t RestartConfirmed = 0; // the NewGame1 menu item
    std::int32_t EndTimerMode = 0;    // the EndTime timer: 1 ends the program
    std::int32_t DilemmaUp = 0;       // the Dchoice group

    // Town by town along the whole trail, one bit per town (bit T for town T):
    // whose spirit has told its story, where the supplies hint and the way
    // on have been told. Each spirit speaks once; each town's hints come once.
    std::uint32_t SpiritsHeard = 0;
    std::uint32_t SuppliesTold = 0;
    std::uint32_t TravelOnTold = 0;
    static bool inTownSet(std::uint32_t set, int town) { return town > 0 && town < 32 && (set >> town) & 1u; }
    static void addToTownSet(std::uint32_t& set, int town)
    {
        if (town > 0 && town < 32)
            set |= 1u << town;
    }

    // Points are recorded as they are earned, so that the end can say what
    // the score was made of.
    void earnTradePoints();
    void earnCarePoints();
    // The score when the journey ends: whole tens of pounds of fish count.
    std::int32_t fishPoints() const { return FishLb / 10; }
    // A point for each traveller in good condition at the journey's end.
    std::int32_t conditionPoints() const;
    std::int32_t finalScore() const;

    QString sceneId() const { return QString::fromLatin1(SceneId.data()); }
    void setSceneId(char letter, int town, int stage);
};

// The one instance of the run.
GameState& gameState();
// Back to the values of a fresh run (tests only: the game never resets).
void resetGameState();

// Adds a weight to a store of pounds and ounces; 16 ounces carry into a pound.
// The store holds at most GameState::AmountCeiling pounds.
void addWeight(std::int32_t& pounds, std::int32_t& ounces, std::int32_t addPounds,
               std::int32_t addOunces);
// Counts one more, up to GameState::AmountCeiling.
void countOneMore(std::int32_t& count);
