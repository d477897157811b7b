// What a frame of the screen transitions costs, drawn into bitmaps without a
// window, at the game's usual screen (1024 x 768) and a large one
// (1600 x 1200): a frame must cost well under the 7.8 ms a 500 ms dissolve
// allows it. And a full 500 ms run with the real stopwatch: how many frames
// it draws and how long it takes.
//
// Run: ./build/dev/bench/bench_transitions

#include "platform/stopwatch.h"
#include "presentation/transitions/fusepattern.h"
#include "presentation/transitions/fusetransition.h"
#include "presentation/transitions/radialgeometry.h"
#include "presentation/transitions/radialtransition.h"
#include "presentation/transitions/transitiondata.h"
#include "presentation/transitions/transitionmask.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

QImage picture(int width, int height, int seed)
{
    QImage image(width, height, TransitionPixelFormat);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = qRgb((x + seed) & 255, (y * 3 + seed) & 255, (x ^ y) & 255);
    }
    return image;
}

void screenSizes(benchmark::internal::Benchmark* bench, const std::vector<int64_t>& counts)
{
    for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1600, 1200}})
        for (int64_t count : counts)
            bench->Args({w, h, count});
}

// A dissolve frame that switches `count` positions of the pattern: one on a
// fast machine, more when the loop catches up, 63 at most.
void BM_DissolveFrame(benchmark::State& state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    const int count = int(state.range(2));
    const QImage newPicture = picture(width, height, 99);
    QImage work = picture(width, height, 0);
    int first = 1;
    for (auto _ : state) {
        FusePattern added;
        added.switchSteps(first, first + count - 1);
        benchmark::DoNotOptimize(drawFusePattern(work, newPicture, added));
        first = first + count > FuseSteps - count ? 1 : first + count;
    }
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height) + ", " +
                   std::to_string(count) + " step(s)");
}
BENCHMARK(BM_DissolveFrame)->Apply([](auto* bench) {
                               screenSizes(bench, {1, 8, 63});
                           }) -> Unit(benchmark::kMicrosecond);

// A clock-wipe frame of `count` steps: the shape drawn into the mask and
// what it touched recombined. The frames go round the whole clock, so narrow
// frames near 12 and 6 o'clock and wide ones near the diagonals are averaged.
void BM_ClockWipeFrame(benchmark::State& state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    const int count = int(state.range(2));
    const QImage oldPicture = picture(width, height, 0);
    const QImage newPicture = picture(width, height, 99);
    const RadialGeometry geometry(width, height);
    auto mask = std::make_unique<TransitionMask>(width, height);
    QImage work = oldPicture.copy();
    int step = count;
    long long pixels = 0;
    for (auto _ : state) {
        const QRect changed =
            mask->uncover(geometry.shape(step, count), work, oldPicture, newPicture);
        pixels += static_cast<long long>(changed.width()) * changed.height();
        step += count;
        if (step >= geometry.positions()) {
            step = count;
            state.PauseTiming();
            mask = std::make_unique<TransitionMask>(width, height);
            state.ResumeTiming();
        }
    }
    state.counters["rect px"] = benchmark::Counter(double(pixels) / double(state.iterations()));
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height) + ", " +
                   std::to_string(count) + " step(s)");
}
BENCHMARK(BM_ClockWipeFrame)
    ->Apply([](auto* bench) {
        // 1: a fast machine; 10: a typical frame; a quarter and a half turn:
        // a machine far behind.
        for (const auto& [w, h] : {std::pair{1024, 768}, std::pair{1600, 1200}}) {
            const int positions = 2 * (w + h + 2);
            for (int64_t count : {1, 10, positions / 4, positions / 2})
                bench->Args({w, h, count});
        }
    }) -> Unit(benchmark::kMicrosecond);

// An image output that notes when the last frame was shown.
class ClockedOutput : public ImageOutput {
public:
    using ImageOutput::ImageOutput;
    void showFrame(const QImage& picture, const QRect& area) override
    {
        ImageOutput::showFrame(picture, area);
        lastShownAt = platform::monotonicMs();
    }
    double lastShownAt = 0;
};

// A full timed run of 500 ms with the platform's stopwatch, into an image
// as the output: the frames it shows (the final picture included) and the
// time from the start of the run to the final picture.
template <class Effect> void BM_TimedRun(benchmark::State& state)
{
    const int width = int(state.range(0));
    const int height = int(state.range(1));
    const QImage oldPicture = picture(width, height, 0);
    const QImage newPicture = picture(width, height, 99);
    Effect effect;
    effect.Milliseconds = 500;
    double frames = 0;
    double runMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        ClockedOutput output(QSize(width, height));
        TTETransitionData data(oldPicture, newPicture, &output);
        state.ResumeTiming();
        const double start = platform::monotonicMs();
        effect.play(data);
        frames += output.frames;
        runMs += output.lastShownAt - start;
    }
    const auto runs = double(state.iterations());
    state.counters["frames"] = benchmark::Counter(frames / runs);
    state.counters["run ms"] = benchmark::Counter(runMs / runs);
    state.SetLabel(std::to_string(width) + "x" + std::to_string(height));
}
BENCHMARK(BM_TimedRun<TFuseTransition>)
    ->Args({1024, 768})
    ->Args({1600, 1200})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TimedRun<TRadialTransition>)
    ->Args({1024, 768})
    ->Args({1600, 1200})
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
