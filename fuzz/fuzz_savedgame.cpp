// Fuzz target: the saved-game readers on any bytes a player's folder may hold.
// Whatever the bytes, reading ends with either a saved game that keeps the
// rules the reader promises, or a reason; it never crashes.

#include "shell/savedgame.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    const savedgame::MainFileReading reading = savedgame::readMainFile(bytes);
    if (reading.problem.isEmpty()) {
        // An accepted main file is exactly one saved game's size, with trade
        // flags of 0 or 1 and money that is not negative.
        if (bytes.size() != savedgame::FileSize || reading.file.Money < 0)
            std::abort();
        for (std::uint8_t flag : reading.file.TradeDone) {
            if (flag > 1)
                std::abort();
        }
    }

    // The catch list and the party names: no line may keep a line break,
    // or the lines after it would shift.
    for (const QString& line : savedgame::textFileLines(bytes)) {
        if (line.contains(QLatin1Char('\r')) || line.contains(QLatin1Char('\n')))
            std::abort();
    }
    return 0;
}
