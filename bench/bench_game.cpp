// The game's budgets, measured on a real display (run it under Xvfb, from
// the release build):
//
//   xvfb-run -a -s "-screen 0 1024x768x24" build/release/bench/bench_game
//
//   firstIntroFrame      from starting the program to the intro's first
//                        painted frame                      (target < 300 ms)
//   peakMemoryOnTheTour  the most memory resident through the intro, the flea
//                        market and towns 1 to 3            (target < 150 MB)
//   idleTrailScreen      the CPU the trail screen takes while the player does
//                        nothing and no clip plays          (target < 1 %)
//
// Each figure comes from a fresh process: the game itself for the start-up,
// and this program started again as a scripted player (`--play tour` or
// `--play idle`, see scriptedplayer.cpp) for the memory and the CPU.

#include "childprocess.h"
#include "scriptedplayer.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <unistd.h>

namespace {

// This program, started again as the scripted player.
std::string self;

// A folder of the game's own data (saved journeys, the journey's autosave)
// that nobody has used yet: a journey saved by an earlier run would make the
// flea market offer to go on with it, and the script would wait for ever.
class FreshDataHome {
public:
    FreshDataHome()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kelvarin-bench-XXXXXX").string();
        if (mkdtemp(pattern.data()))
            folder_ = pattern;
    }
    ~FreshDataHome()
    {
        std::error_code ignored;
        if (!folder_.empty())
            std::filesystem::remove_all(folder_, ignored);
    }
    FreshDataHome(const FreshDataHome&) = delete;
    FreshDataHome& operator=(const FreshDataHome&) = delete;

    std::string variable() const { return "XDG_DATA_HOME=" + folder_; }

private:
    std::string folder_;
};

void firstIntroFrame(benchmark::State& state)
{
    const auto startOnce = [] {
        const auto start = std::chrono::steady_clock::now();
        const FreshDataHome dataHome;
        ChildProcess game({KELVARIN_PROGRAM},
                          {"KELVARIN_REPORT_FIRST_FRAME=1", dataHome.variable()});
        const bool painted = game.waitForLine("first intro frame painted", 20000);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        game.kill();
        return painted ? elapsed.count() : -1.0;
    };
    if (startOnce() < 0) { // the first start also warms the disk cache
        state.SkipWithError("the game never painted its intro");
        return;
    }
    for (auto _ : state) {
        const double seconds = startOnce();
        if (seconds < 0) {
            state.SkipWithError("the game never painted its intro");
            return;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(firstIntroFrame)->UseManualTime()->Iterations(10)->Unit(benchmark::kMillisecond);

void peakMemoryOnTheTour(benchmark::State& state)
{
    for (auto _ : state) {
        const FreshDataHome dataHome;
        ChildProcess player({self, "--play", "tour"}, {dataHome.variable()});
        const ChildProcess::Ending end = player.wait(300000);
        if (end.exitCode != 0) {
            state.SkipWithError("the scripted tour did not finish");
            return;
        }
        state.counters["peak_MB"] = static_cast<double>(end.peakResidentKb) / 1024.0;
    }
}
BENCHMARK(peakMemoryOnTheTour)->Iterations(1)->Unit(benchmark::kSecond);

void idleTrailScreen(benchmark::State& state)
{
    for (auto _ : state) {
        const FreshDataHome dataHome;
        ChildProcess player({self, "--play", "idle"}, {dataHome.variable()});
        const std::string line = player.readLine("idle cpu percent ", 120000);
        const ChildProcess::Ending end = player.wait(60000);
        if (line.empty() || end.exitCode != 0) {
            state.SkipWithError("the scripted player never idled on the trail");
            return;
        }
        state.counters["cpu_percent"] = std::stod(line);
    }
}
BENCHMARK(idleTrailScreen)->Iterations(1)->Unit(benchmark::kSecond);

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--play") == 0)
        return playScripted(argc, argv, argv[2]);
    char path[4096] = {};
    if (readlink("/proc/self/exe", path, sizeof path - 1) > 0)
        self = path;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
