// Fuzz target: the saved-journey reader on any bytes a journey file may hold
// (journeymutator.cpp makes them mostly whole journeys, so that they pass the
// checksum and reach the field table). Whatever the bytes:
//
//   - a journey the reader takes can be resumed: it goes into a fresh game
//     with its money, its journal reads, the game's values lie in the field
//     table's ranges and the game gives back the values it took;
//   - it is saved again to the same bytes: written out it reads back the
//     same, and written out again it gives the very same bytes;
//   - a journey refused, by the reader or by its check, changes nothing of
//     the game it is put into;
//   - the reader never crashes, and never asks for more memory than a
//     journey's size can explain (fuzz/run.sh bounds it).
//
// A violation prints what was expected and aborts.

#include "journeyentries.h"
#include "shell/journeyformat.h"
#include "journal/journal.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using journey::JourneyState;
namespace field = journey::field;

[[noreturn]] void violated(const char* expected, const QString& detail = {})
{
    std::fprintf(stderr, "fuzz_journey: %s\n", expected);
    if (!detail.isEmpty())
        std::fprintf(stderr, "  %s\n", qPrintable(detail));
    std::abort();
}

QString describe(const JourneyState::Value& value)
{
    if (const auto* number = std::get_if<qint64>(&value))
        return QString::number(*number);
    if (const auto* text = std::get_if<QString>(&value))
        return QLatin1Char('"') + *text + QLatin1Char('"');
    if (const auto* numbers = std::get_if<QList<qint64>>(&value)) {
        QStringList parts;
        for (qint64 each : *numbers)
            parts << QString::number(each);
        return QLatin1Char('[') + parts.join(QLatin1Char(',')) + QLatin1Char(']');
    }
    if (const auto* texts = std::get_if<QStringList>(&value))
        return QStringLiteral("%1 texts").arg(texts->size());
    return QStringLiteral("a value of kind %1").arg(std::get<journey::UnknownValue>(value).kind);
}

// A game well into a journey, with every value the journey does not hold
// set too: what a refused journey must leave exactly as it was.
void playSomeOfTheJourney(GameState& s, goods::Possessions& owned)
{
    s.Town = 9;
    s.Stage = GameState::StageAtCounter;
    s.Activity = 2;
    s.Encounter = 2;
    s.setSceneId('x', 9, 2);
    s.InstructionShown = 0;
    s.ScreenClickable = 1;
    s.FishingActive = 1;
    s.SnakeVictim = 4;
    s.TradeRound = 2;
    s.Score = 35;
    s.FishLb = 12;
    s.FishOz = 11;
    s.Health = {1, 0, 0, 3, 0, 2, 0};
    s.MusicEnabled = 0;
    s.PicLeft = 12;
    s.PicTop = 34;
    s.VScale = 1.5f;
    s.HScale = 1.25f;
    s.RouteSlope = 0.5f;
    s.RouteX = 40;
    s.RouteEastward = 1;
    s.HotspotX = 17;
    s.MoneyBefore = 50;
    s.MoneyAfter = 17;
    s.MyPath = QStringLiteral("/home/player/trip.sav");
    s.SavedGameName = QStringLiteral("trip.sav");
    s.RestartConfirmed = 1;
    s.EndTimerMode = 1;
    s.DilemmaUp = 1;
    s.SpiritsHeard = 0x1F4;
    s.SuppliesTold = 0x3C;
    s.TravelOnTold = 0x3FC;
    owned.ItemCount[12] = 40;
    owned.ItemCount[200] = 255;
    owned.TradeDone[53] = 1;
    owned.GoodsCount = 3;
}

// Whether two games are the same in every value, those a journey holds
// (as a journey holds them) and the others.
bool sameGame(const GameState& a, const goods::Possessions& ownedA, const GameState& b,
              const goods::Possessions& ownedB)
{
    return JourneyState::fromGame(0, a, ownedA) == JourneyState::fromGame(0, b, ownedB) &&
           a.SceneId == b.SceneId && a.ScreenClickable == b.ScreenClickable &&
           a.FishingActive == b.FishingActive && a.MusicEnabled == b.MusicEnabled &&
           a.PicLeft == b.PicLeft && a.PicTop == b.PicTop && a.VScale == b.VScale &&
           a.HScale == b.HScale && a.IPicLeft == b.IPicLeft && a.IPicTop == b.IPicTop &&
           a.RouteSlope == b.RouteSlope && a.RouteX == b.RouteX && a.RouteY == b.RouteY &&
           a.RouteEndX == b.RouteEndX && a.RouteEastward == b.RouteEastward &&
           a.HotspotX == b.HotspotX && a.HotspotY == b.HotspotY && a.MoneyBefore == b.MoneyBefore &&
           a.MoneyAfter == b.MoneyAfter && a.MyPath == b.MyPath &&
           a.SavedGameName == b.SavedGameName && a.RestartConfirmed == b.RestartConfirmed &&
           a.EndTimerMode == b.EndTimerMode && a.DilemmaUp == b.DilemmaUp &&
           ownedA.GoodsCount == ownedB.GoodsCount;
}

// (c) A journey the game cannot take is not put into it, not even in part.
void refusedChangesNothing(const JourneyState& state)
{
    GameState game;
    goods::Possessions owned;
    playSomeOfTheJourney(game, owned);
    GameState before;
    goods::Possessions ownedBefore;
    playSomeOfTheJourney(before, ownedBefore);
    if (state.applyToGame(game, owned) != -1)
        violated("a journey refused by its check was taken by applyToGame", state.check());
    if (!sameGame(game, owned, before, ownedBefore))
        violated("a refused journey changed the game it was put into", state.check());
}

bool inRanges(qint64 value, const journey::FieldRule& rule)
{
    for (const auto& [least, most] : rule.ranges) {
        if (value >= least && value <= most)
            return true;
    }
    return false;
}

// (a) The journey goes into a fresh game whole, and the game holds it.
void acceptedResumes(const JourneyState& read)
{
    GameState game;
    goods::Possessions owned;
    const qint64 money = read.applyToGame(game, owned);
    if (money == -1 || money != read.money())
        violated("an accepted journey did not go into the game with its money",
                 QStringLiteral("applyToGame gave %1 for money %2").arg(money).arg(read.money()));

    const JournalReading diary = Journal::fromLines(read.texts(field::Journal));
    if (!diary.problem.isEmpty())
        violated("the journal of an accepted journey cannot be read", diary.problem);
    if (!(Journal::fromLines(diary.journal.toLines()).journal == diary.journal))
        violated("the journal of an accepted journey does not read back as it was saved");

    // The game gives back every value it took; those the journey left out
    // keep a fresh game's. A journey saved before the score's parts were
    // kept has them worked out as it opens, and its score is what they make.
    JourneyState taken = read;
    if (!read.contains(field::TradePoints)) {
        const journey::ScoreParts parts = journey::scorePartsOf(read);
        taken.setNumber(field::TradePoints, parts.trade);
        taken.setNumber(field::CarePoints, parts.care);
        taken.setNumber(field::Score, parts.trade + parts.care);
    }
    const JourneyState back = JourneyState::fromGame(money, game, owned);
    const JourneyState fresh = JourneyState::fromGame(money, GameState(), goods::Possessions());
    for (auto value = back.values().cbegin(); value != back.values().cend(); ++value) {
        const auto held = taken.values().constFind(value.key());
        const JourneyState::Value& expected =
            held != taken.values().cend() ? *held : fresh.values().value(value.key());
        if (*value != expected)
            violated("the game does not give back a value of the journey it took",
                     QStringLiteral("%1: the journey holds %2, the game gives %3")
                         .arg(value.key(), describe(expected), describe(*value)));
    }

    // Every number the game now holds lies in its field's ranges.
    for (const journey::FieldRule& rule : journey::knownFields()) {
        QList<qint64> numbers;
        if (rule.kind == journey::Kind::Number && back.kindOf(rule.name))
            numbers << back.number(rule.name);
        else if (rule.kind == journey::Kind::Numbers)
            numbers = back.numbers(rule.name);
        for (qint64 number : numbers) {
            if (!inRanges(number, rule))
                violated("the game took a value outside its field's ranges",
                         QStringLiteral("%1 is %2").arg(rule.name).arg(number));
        }
    }

    // And as a journey again, with the trail screen's lists, the game is one
    // the check takes.
    JourneyState again = back;
    for (const QLatin1String list : {field::FishList, field::Names, field::Journal}) {
        if (read.contains(list))
            again.setTexts(list, read.texts(list));
    }
    if (const QString why = again.check(); !why.isEmpty())
        violated("the game that took an accepted journey is not one a journey can hold", why);

    // The journey's end can be counted up (no score or weight overflows).
    volatile std::int32_t finalScore = game.finalScore();
    static_cast<void>(finalScore);
}

// (b) Saved again, the journey reads back the same, and has one form.
void acceptedSavesAgain(const JourneyState& read)
{
    const QByteArray saved = journey::journeyBytes(read);
    if (saved.size() > journey::LargestFile)
        violated("an accepted journey is too large to be saved again",
                 QStringLiteral("%1 bytes").arg(saved.size()));
    const journey::Decoding reread = journey::readJourneyBytes(saved);
    if (!reread.problem.isEmpty())
        violated("a journey saved again cannot be read back", reread.problem);
    if (!(reread.state == read))
        violated("a journey saved again reads back different");
    if (journey::journeyBytes(reread.state) != saved)
        violated("a journey saved twice gives different bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The file reader refuses a larger file unread (journeysave.cpp).
    if (size > static_cast<std::size_t>(journey::LargestFile))
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const journey::Decoding decoding = journey::readJourneyBytes(bytes);

    // The journey as its entries say, read apart from the game's reader.
    const std::optional<journeyfuzz::Entries> entries = journeyfuzz::entriesOf(bytes);
    const std::optional<JourneyState> parsed =
        entries ? journeyfuzz::stateOf(*entries) : std::nullopt;

    if (!decoding.problem.isEmpty()) {
        if (!decoding.state.values().isEmpty())
            violated("a refused journey came with values", decoding.problem);
        refusedChangesNothing(decoding.state);
        if (parsed && !parsed->check().isEmpty())
            refusedChangesNothing(*parsed);
        return 0;
    }

    if (!parsed || !(*parsed == decoding.state))
        violated("the reader took a journey other than the one its entries hold");
    acceptedResumes(decoding.state);
    acceptedSavesAgain(decoding.state);
    return 0;
}
