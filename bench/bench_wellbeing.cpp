// The travellers' fare over many journeys: 1,000 whole trails walked on the
// rules alone by each of three kinds of party. The benchmark times them (a
// target of well under a second for the thousand), and --table prints what
// the journeys met, for the README:
//   ./bench/bench_wellbeing --table

#include "activities/journeysimulation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>

using wellbeing::PartyKind;

namespace {

constexpr int Journeys = 1000;

void thousandJourneys(benchmark::State& state)
{
    const auto kind = static_cast<PartyKind>(state.range(0));
    for (auto _ : state) {
        int score = 0;
        for (int seed = 1; seed <= Journeys; ++seed)
            score += wellbeing::simulateJourney(kind, static_cast<std::uint32_t>(seed)).finalScore;
        benchmark::DoNotOptimize(score);
    }
}
BENCHMARK(thousandJourneys)
    ->Arg(int(PartyKind::RemediesAndFood))
    ->Arg(int(PartyKind::FoodOnly))
    ->Arg(int(PartyKind::Nothing))
    ->Unit(benchmark::kMillisecond);

int printTable()
{
    const struct {
        PartyKind kind;
        const char* name;
    } kinds[] = {{PartyKind::RemediesAndFood, "buys remedies and food"},
                 {PartyKind::FoodOnly, "buys food only"},
                 {PartyKind::Nothing, "buys nothing"}};
    std::printf("| party (%d journeys each) | ailments | remedies | rest days | hungry towns | "
                "good at the end | final score | stuck |\n",
                Journeys);
    std::printf("|---|---|---|---|---|---|---|---|\n");
    for (const auto& k : kinds) {
        double ailments = 0, remedies = 0, rests = 0, hungry = 0, good = 0, score = 0;
        int stuck = 0;
        for (int seed = 1; seed <= Journeys; ++seed) {
            const auto o = wellbeing::simulateJourney(k.kind, static_cast<std::uint32_t>(seed));
            ailments += o.ailments;
            remedies += o.remedies;
            rests += o.restDays;
            hungry += o.hungryTowns;
            good += o.goodAtEnd;
            score += o.finalScore;
            stuck += !o.reachedTheEnd;
        }
        std::printf("| %s | %.1f | %.1f | %.1f | %.1f | %.1f of 7 | %.1f | %d |\n", k.name,
                    ailments / Journeys, remedies / Journeys, rests / Journeys, hungry / Journeys,
                    good / Journeys, score / Journeys, stuck);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::strcmp(argv[1], "--table") == 0)
        return printTable();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
