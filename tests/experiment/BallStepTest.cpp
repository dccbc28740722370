#include "FakeControls.h"
#include "ScriptedRandom.h"

#include "experiment/Experiment.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace corvanta {
namespace {

using test::FakeClock;
using test::RecordingControls;
using test::ScriptedRandom;

struct BallStepTest : ::testing::Test {
    RecordingControls controls;
    ScriptedRandom random;
    FakeClock clock;
    Experiment experiment {controls, random, clock};

    void SetUp() override { experiment.ResetState(); }

    // Runs one ball of ten scripted turns plus its landing tick; returns the landing bin.
    int DropBall(std::initializer_list<int> turns)
    {
        random.QueueTurns(turns);
        random.QueueTurns({1}); // the landing tick draws too; its turn is not used
        for (int tick = 0; tick < 11; ++tick) {
            experiment.Timer1Tick();
        }
        for (int bin = 1; bin <= kBinTotal; ++bin) {
            if (controls.VisibleMarkers(bin) > 0) {
                return bin;
            }
        }
        return 0;
    }
};

TEST_F(BallStepTest, FollowsTheWorkedTraceOfOneBall)
{
    random.QueueTurns({1, 2, 2, 1, 1, 1, 2, 1, 1, 2, 2, 1});
    const float shownX[] = {19.8f, 20.8f, 19.8f, 18.8f, 19.8f, 20.8f, 21.8f, 20.8f, 21.8f, 22.8f, 21.8f, 19.8f};
    for (int tick = 0; tick < 12; ++tick) {
        controls.TakeJournal();
        experiment.Timer1Tick();
        const auto journal = controls.TakeJournal();
        ASSERT_FALSE(journal.empty());
        const float shownY = tick == 11 ? 0.9f : 0.9f + static_cast<float>(tick);
        EXPECT_EQ(controls.spriteLeft, shownX[tick]) << "tick " << tick + 1;
        EXPECT_NEAR(controls.spriteTop, shownY, 1e-5f) << "tick " << tick + 1;
        EXPECT_EQ(journal.front().rfind("Picture2.Move", 0), 0u) << "the sprite moves first";
        if (tick == 10) {
            // Landing: count, caption, marker, then the ball goes back to the start.
            EXPECT_EQ(
                journal, (std::vector<std::string> {"Picture2.Move 21.8 10.9", "Label1.Caption 1", "o7(1).Visible 1"}));
            EXPECT_EQ(experiment.State.BallX, kStartX);
            EXPECT_EQ(experiment.State.BallY, kStartY);
        } else {
            EXPECT_EQ(journal.size(), 1u) << "a step only moves the sprite";
        }
    }
    EXPECT_EQ(experiment.State.ExperimentCount, 1);
    EXPECT_EQ(experiment.State.BinCount(7), 1);
    EXPECT_EQ(experiment.State.BallX, 20.8f) << "tick 12 is the first step of the next ball";
}

TEST_F(BallStepTest, ReseedsBeforeEveryDrawIncludingTheLandingTick)
{
    for (int tick = 0; tick < 22; ++tick) {
        experiment.Timer1Tick();
    }
    ASSERT_EQ(random.log.size(), 44u);
    for (std::size_t i = 0; i < random.log.size(); i += 2) {
        EXPECT_EQ(random.log[i], ScriptedRandom::Event::Reseed);
        EXPECT_EQ(random.log[i + 1], ScriptedRandom::Event::Draw);
    }
    EXPECT_EQ(random.reseedTimes.front(), 43200.0f);
}

TEST_F(BallStepTest, ExtremeAndMiddleBallsLandInTheirBins)
{
    EXPECT_EQ(DropBall({1, 1, 1, 1, 1, 1, 1, 1, 1, 1}), 11);
    EXPECT_EQ(controls.spriteLeft, kStartX + 10.0f); // 29.8, exact steps from the start
    controls.markerVisible = {};
    EXPECT_EQ(DropBall({2, 2, 2, 2, 2, 2, 2, 2, 2, 2}), 1);
    EXPECT_EQ(controls.spriteLeft, kStartX - 10.0f); // 9.8
    controls.markerVisible = {};
    EXPECT_EQ(DropBall({1, 2, 1, 2, 1, 2, 1, 2, 1, 2}), 6);
    EXPECT_EQ(controls.spriteLeft, 19.8f);
    EXPECT_EQ(experiment.State.ExperimentCount, 3);
    EXPECT_EQ(controls.label1, "3");
}

TEST_F(BallStepTest, TheBottomIsAThirtyTwoBitComparison)
{
    // Ten steps reach the 32-bit 10.9 exactly, which lies below the 64-bit 10.9: a double
    // threshold would let the ball take an eleventh step.
    float y = kStartY;
    for (int step = 0; step < 10; ++step) {
        y += 1.0f;
    }
    EXPECT_EQ(y, 10.9f);
    EXPECT_LT(static_cast<double>(y), 10.9);

    for (int tick = 1; tick <= 10; ++tick) {
        experiment.Timer1Tick();
        EXPECT_EQ(experiment.State.ExperimentCount, 0) << "landed early, on tick " << tick;
    }
    EXPECT_EQ(experiment.State.BallY, 10.9f);
    experiment.Timer1Tick();
    EXPECT_EQ(experiment.State.ExperimentCount, 1) << "the eleventh tick lands the ball";
    EXPECT_EQ(controls.spriteTop, 10.9f);
}

TEST_F(BallStepTest, TurnIsOneBelowAHalfAndTwoFromAHalfUpToTheLargestFloatBelowOne)
{
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    const struct {
        float r;
        int turn;
    } cases[] = {{0.0f, 1}, {std::nextafter(0.5f, 0.0f), 1}, {0.5f, 2}, {largestBelowOne, 2}};
    for (const auto& c : cases) {
        random.draws.push_back(c.r);
        experiment.Timer1Tick();
        EXPECT_EQ(experiment.State.Turn, c.turn) << "r = " << c.r;
    }
}

TEST_F(BallStepTest, TheLandingTurnDoesNotReachTheNextBall)
{
    for (float landingDraw : {0.0f, 0.99f}) {
        random.QueueTurns({2, 2, 2, 2, 2, 1, 1, 1, 1, 1});
        random.draws.push_back(landingDraw);
        random.QueueTurns({1});
        for (int tick = 0; tick < 12; ++tick) {
            experiment.Timer1Tick();
        }
        EXPECT_EQ(experiment.State.BinCount(6), landingDraw == 0.0f ? 1 : 2);
        EXPECT_EQ(experiment.State.BallX, 20.8f);
        EXPECT_EQ(experiment.State.BallY, 1.9f);
        // Back to the start of a ball for the next round of the loop.
        experiment.State.BallX = kStartX;
        experiment.State.BallY = kStartY;
    }
}

TEST_F(BallStepTest, StopAndContinueKeepsTheBallOnItsRow)
{
    random.QueueTurns({1, 1, 2, 1});
    for (int tick = 0; tick < 4; ++tick) {
        experiment.Timer1Tick();
    }
    experiment.StopRun();
    EXPECT_EQ(experiment.State.BallY, 4.9f);
    controls.TakeJournal();
    random.QueueTurns({1, 1, 1, 1, 1, 1});
    experiment.Timer1Tick();
    EXPECT_EQ(controls.TakeJournal().front(), "Picture2.Move 21.8 4.9");
    for (int tick = 0; tick < 5; ++tick) {
        experiment.Timer1Tick();
    }
    EXPECT_EQ(experiment.State.ExperimentCount, 0);
    experiment.Timer1Tick();
    EXPECT_EQ(experiment.State.ExperimentCount, 1) << "ten steps in all, then the landing";
    EXPECT_EQ(experiment.State.BinCount(10), 1);
}

TEST_F(BallStepTest, ResetStateGivesTheStartValues)
{
    experiment.State.BallX = 3.0f;
    experiment.State.BinCount(4) = 7;
    experiment.State.ExperimentCount = 7;
    experiment.State.Turn = 2;
    experiment.ResetState();
    EXPECT_EQ(experiment.State.BallX, 19.8f);
    EXPECT_EQ(experiment.State.BallY, 0.9f);
    EXPECT_EQ(experiment.State.BinCount(4), 0);
    EXPECT_EQ(experiment.State.ExperimentCount, 0);
    EXPECT_EQ(experiment.State.Turn, 2) << "the reset leaves Turn alone";
}

TEST(BinSelection, EachLandingPositionSelectsItsBin)
{
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        const float landing = kStartX + static_cast<float>(2 * (bin - 6));
        EXPECT_EQ(Experiment::SelectBin(landing), bin);
    }
}

TEST(BinSelectionDeathTest, ABallBeyondTheLastBinIsFatal)
{
    EXPECT_EXIT(Experiment::SelectBin(31.8f), ::testing::ExitedWithCode(1), "outside every bin");
}

} // namespace
} // namespace corvanta
