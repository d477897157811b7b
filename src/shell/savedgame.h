#pragma once

// A saved game: three files that share the name the player chose.
//
//   N        391 bytes: the owned count of every catalogue item (336 bytes),
//            the done flags of the first 50 trades (0 or 1), the market scene
//            plus 30 (one byte) and the money (32-bit signed, little-endian)
//   N~1      the catch list, one fish a line
//   N~12     the seven party names, one a line
//
// Text lines end in CR LF. Saving replaces all three files only when all
// three were written completely; reading checks everything before the game
// takes any of it.

#include "shell/gamefacts.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>

namespace savedgame {

constexpr int SavedTradeFlags = 50;
constexpr int PartySize = 7;
constexpr int FileSize = ItemTotal + SavedTradeFlags + 1 + 4; // 391
constexpr int PositionOffset = ItemTotal + SavedTradeFlags;   // 386
constexpr int MoneyOffset = PositionOffset + 1;                      // 387
// The market scene is kept as a byte with this added.
constexpr int PositionBias = 30;
// The longest name a traveller can have.
constexpr int MaxNameLength = 20;
// The text files are read whole: files far larger than a saved game's can be
// are refused before they are read.
constexpr qint64 MaxCatchFileBytes = 4 << 20;
// The catch list holds at most this many fish, each line at most this long:
// what a saved journey can hold too, so that a game opened here can always
// be saved on the trail. No journey comes near this many fish.
constexpr int MostCatchLines = 10000;
constexpr int LongestCatchLine = 120;
constexpr qint64 MaxNamesFileBytes = 16 << 10;

// While a save is written, its new files stand beside their places under
// names that begin with this, and earlier files moved aside under names
// that begin with the second: a leftover of the first is only half a save,
// one of the second may be the only copy of an earlier one.
inline constexpr char WritingFilePrefix[] = ".kelvarin-save-";
inline constexpr char EarlierFilePrefix[] = ".kelvarin-earlier-";

// The main file's content.
struct MainFile {
    std::array<std::uint8_t, ItemTotal> ItemCount{};
    std::array<std::uint8_t, SavedTradeFlags> TradeDone{};
    std::int32_t GridPos = 2;
    std::int32_t Money = 50;
};

// The 391 bytes of the main file.
QByteArray mainFileBytes(const MainFile& file);

struct MainFileReading {
    MainFile file;
    // Why the bytes are not a saved game; empty when they are.
    QString problem;
};
// Reads the main file's bytes: refused unless there are exactly 391, every
// trade flag is 0 or 1 and the money is neither negative nor more than the
// game can hold.
MainFileReading readMainFile(const QByteArray& bytes);

// A text file: every line followed by CR LF. A line break inside a line
// would split it in two and shift the lines after it, so it is written as a
// blank.
QByteArray textFileBytes(const QStringList& lines);
// The lines of a text file; CR LF, LF and CR all end a line.
QStringList textFileLines(const QByteArray& bytes);

QString catchFileName(const QString& mainFile);
QString namesFileName(const QString& mainFile);

struct SavedGame {
    MainFile main;
    QStringList FishList;
    QStringList names; // party members 1..7
};

// Moves a file to a new name (the names are in the same folder); false when
// it cannot. Tests install a mover that fails at a chosen step.
using FileMover = std::function<bool(const QString& from, const QString& to)>;
FileMover setFileMover(FileMover mover);

// Writes the three files of N. Returns an empty text when all three were
// replaced, or a message for the player saying what went wrong; when a file
// cannot be written, the files of an earlier game saved as N stay as they
// were.
QString write(const QString& mainFile, const SavedGame& game);

struct Reading {
    SavedGame game;
    // Why the game cannot be opened; empty when it can.
    QString problem;
};
// Reads and checks the three files of N. A game is taken exactly as it was
// saved or not at all: names longer than a traveller's name can be, or more
// money than the game can hold, are refused rather than cut.
Reading read(const QString& mainFile);

} // namespace savedgame
