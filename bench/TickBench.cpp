// The ball step alone, on a view that draws nothing: the core's own work, and what it allocates.
#include "core/Clock.h"
#include "core/CuePlayer.h"
#include "core/MainView.h"
#include "core/RandomSource.h"
#include "core/RunController.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations {0};

struct NoSurface final : corvanta::Surface {
    void clear() override { }
    void moveCursor(float, float) override { }
    void printLine(std::string_view) override { }
    void line(float, float, float, float, corvanta::Rgb) override { }
};

struct NoView final : corvanta::MainView, corvanta::CuePlayer {
    NoSurface surface;
    corvanta::Surface& board() override { return surface; }
    corvanta::Surface& theoryRow() override { return surface; }
    corvanta::Surface& ratioRow() override { return surface; }
    void moveBall(float left, float top) override { benchmark::DoNotOptimize(left + top); }
    void setBallVisible(bool) override { }
    void setMarkerVisible(int, int, bool) override { }
    void setCount(std::string_view) override { }
    void showBinCounts(std::span<const int>) override { }
    void showStripTexts(corvanta::Heading, std::span<const std::string>) override { }
    std::string heading(corvanta::Heading) override { return {}; }
    std::string decimalSign() override { return "."; }
    void setButtonEnabled(corvanta::Button, bool) override { }
    void setStepTimerEnabled(bool) override { }
    void setStepInterval(int) override { }
    void setBusy(bool) override { }
    void openHelp() override { }
    void confirmExit() override { }
    void endProgram() override { }
    void play(std::string_view) override { }
};

struct SteppedClock final : corvanta::Clock {
    float now = 36000.0f;
    float secondsSinceMidnight() override { return now += 0.05f; }
};

// Whole balls, eleven ticks each (ten moves and a landing); time per tick is 1 / items_per_second.
void BM_Ball(benchmark::State& state)
{
    NoView view;
    corvanta::TimeMixedRandom random(7);
    SteppedClock clock;
    corvanta::RunController controller(view, random, clock, view);
    controller.load();
    for (auto _ : state) {
        for (int tick = 0; tick < 11; ++tick) {
            controller.step();
        }
        if (controller.experiment().finished()) {
            state.PauseTiming(), controller.init(), state.ResumeTiming();
        }
    }
    state.SetItemsProcessed(state.iterations() * 11);
    // The ten ticks that move a ball allocate nothing (a landing formats the count).
    const long before = allocations;
    for (int tick = 0; tick < 10; ++tick) {
        controller.step();
    }
    state.counters["allocations_per_moving_tick"] = static_cast<double>(allocations - before) / 10;
}
BENCHMARK(BM_Ball);

} // namespace

// Counts every allocation. (GCC takes these malloc/free pairs for mismatched new and delete.)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void* operator new(std::size_t size)
{
    ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) {
        return p;
    }
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept
{
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}

BENCHMARK_MAIN();
