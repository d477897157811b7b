// A small program for tst_journeysave: it saves large journeys in the
// automatic slot one after another, as the game does on arrival in each
// town, until the test kills it. It says on its output when each save begins
// ("writing N") and when it is in place ("saved N"); asked to, it stops
// half-way through one save ("midway N") and waits there to be killed.
//
//   kelvarin_journeywriter FIRST PAUSE [LINES]
//
// saves generations FIRST on, stops in PAUSE, with LINES fish in the catch
// list (the most a journey can hold unless told).

#include "journeysample.h"
#include "shell/journeysave.h"

#include <QCoreApplication>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int LastGeneration = 10000;

void say(const char* what, int generation)
{
    std::printf("%s %d\n", what, generation);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    // The slot is where the game puts it.
    QCoreApplication::setApplicationName(QStringLiteral("kelvarin"));
    QCoreApplication::setOrganizationName(QStringLiteral("Kelvarin"));
    if (argc < 3)
        return 2;
    const int first = std::atoi(argv[1]);
    const int pause = std::atoi(argv[2]);
    const int catchLines = argc > 3 ? std::atoi(argv[3]) : 10000;

    int generation = first;
    journey::setWriteProgress([&](qint64 written, qint64 total) {
        if (generation == pause && written * 2 >= total && written < total) {
            say("midway", generation);
            ::pause(); // until killed
        }
    });
    for (; generation <= LastGeneration; ++generation) {
        const journey::JourneyState state = sampleJourney(generation, catchLines);
        say("writing", generation);
        const QString problem = journey::writeAutosave(state);
        if (!problem.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(problem));
            return 1;
        }
        say("saved", generation);
    }
    return 3; // never killed: the test did not do its part
}
