// How fast the event pump turns with nothing to do. The intro marks a machine
// as slow when fewer than 10000 rounds pass before its first 500 ms tick: a
// machine counts as fast from 20000 rounds a second (50 us a round).
//
// Run under the display the game uses, e.g.
//   DISPLAY=:0 ./build/dev/bench/bench_messagepump
// or offscreen with QT_QPA_PLATFORM=offscreen.

#include "platform/messagepump.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

void BM_PumpRound(benchmark::State& state)
{
    QWidget window;
    window.resize(640, 480);
    window.show();
    QCoreApplication::processEvents();
    for (auto _ : state)
        platform::pumpMessages();
    state.counters["rounds"] =
        benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_PumpRound)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
