// The ball step alone, with controls that do nothing: what a tick costs the program itself.
#include "support/AllocationCounter.h"
#include "support/NullControls.h"

#include "experiment/Experiment.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"

#include <benchmark/benchmark.h>

namespace corvanta {
namespace {

struct Rig {
    test::NullControls controls;
    TimeMixedRandom random;
    SystemClock clock;
    Experiment experiment {controls, random, clock};
    Rig() { experiment.ResetState(); }
};

void NonLandingTick(benchmark::State& state)
{
    Rig rig;
    ExperimentState& s = rig.experiment.State;
    const std::size_t allocationsBefore = test::AllocationCount();
    for (auto _ : state) {
        rig.experiment.Timer1Tick();
        if (s.BallY >= kBottomY) { // keep every measured tick a step
            s.BallX = kStartX;
            s.BallY = kStartY;
        }
    }
    state.counters["allocs_per_tick"] = benchmark::Counter(
        static_cast<double>(test::AllocationCount() - allocationsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(NonLandingTick);

void LandingTick(benchmark::State& state)
{
    Rig rig;
    ExperimentState& s = rig.experiment.State;
    const std::size_t allocationsBefore = test::AllocationCount();
    for (auto _ : state) {
        s.BallX = kStartX;
        s.BallY = kBottomY;
        rig.experiment.Timer1Tick();
        s.BinCount(6) = 0; // never let the bin fill and end the run
        s.ExperimentCount = 0;
    }
    state.counters["allocs_per_tick"] = benchmark::Counter(
        static_cast<double>(test::AllocationCount() - allocationsBefore), benchmark::Counter::kAvgIterations);
}
BENCHMARK(LandingTick);

// The parts of a tick: reading the time of day, and reseeding plus drawing.
void TimeOfDay(benchmark::State& state)
{
    SystemClock clock;
    for (auto _ : state) {
        benchmark::DoNotOptimize(clock.SecondsSinceMidnight());
    }
}
BENCHMARK(TimeOfDay);

void ReseedAndDraw(benchmark::State& state)
{
    TimeMixedRandom random;
    float time = 1000.0f;
    for (auto _ : state) {
        random.Reseed(time);
        benchmark::DoNotOptimize(random.Next());
        time += 0.05f;
    }
}
BENCHMARK(ReseedAndDraw);

} // namespace
} // namespace corvanta

BENCHMARK_MAIN();
