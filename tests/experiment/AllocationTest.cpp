#include "support/AllocationCounter.h"
#include "support/NullControls.h"

#include "experiment/Experiment.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(Allocation, TheBallStepAllocatesNothingEvenWhenItLands)
{
    test::NullControls controls;
    TimeMixedRandom random;
    SystemClock clock;
    Experiment experiment(controls, random, clock);
    experiment.ResetState();
    const std::size_t before = test::AllocationCount();
    for (int tick = 0; tick < 11 * 15; ++tick) {
        experiment.Timer1Tick();
    }
    EXPECT_EQ(test::AllocationCount() - before, 0u);
    EXPECT_EQ(experiment.State.ExperimentCount, 15);
}

} // namespace
} // namespace corvanta
