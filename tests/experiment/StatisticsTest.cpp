// The real random source through the real ball step: the bins follow the binomial law for ten fair
// turns, and consecutive turns are independent, whatever the clock does between ticks.
#include "FakeControls.h"

#include "experiment/Experiment.h"
#include "platform/RandomSource.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

namespace corvanta {
namespace {

using test::FakeClock;
using test::RecordingControls;

constexpr double kFailBelowP = 1e-6;
constexpr int kBalls = 1'000'000;

// Upper tail of the chi-square law with an even number of degrees of freedom (closed form).
double ChiSquareUpperTail(double x, int degreesOfFreedom)
{
    double term = 1.0;
    double sum = 1.0;
    for (int i = 1; i < degreesOfFreedom / 2; ++i) {
        term *= x / 2.0 / i;
        sum += term;
    }
    return std::exp(-x / 2.0) * sum;
}

// Two-sided p-value of a standard normal z.
double NormalTwoSided(double z)
{
    return std::erfc(std::fabs(z) / std::sqrt(2.0));
}

struct Sample {
    std::array<std::int64_t, 12> binTotals {}; // [1..11]
    std::vector<std::uint8_t> turns; // every tick's turn, as a sequence
};

// Drops `balls` balls through Experiment::Timer1Tick, emptying each bin after its landing so that
// no run ends.
Sample DropBalls(Clock& clock, int balls)
{
    RecordingControls controls;
    controls.recordJournal = false;
    TimeMixedRandom random;
    Experiment experiment(controls, random, clock);
    experiment.ResetState();
    Sample sample;
    sample.turns.reserve(static_cast<std::size_t>(balls) * 11);
    for (int landed = 0; landed < balls;) {
        experiment.Timer1Tick();
        sample.turns.push_back(static_cast<std::uint8_t>(experiment.State.Turn));
        if (experiment.State.ExperimentCount == 1) {
            for (int bin = 1; bin <= kBinTotal; ++bin) {
                if (experiment.State.BinCount(bin) == 1) {
                    ++sample.binTotals[static_cast<std::size_t>(bin)];
                    experiment.State.BinCount(bin) = 0;
                }
            }
            experiment.State.ExperimentCount = 0;
            ++landed;
        }
    }
    return sample;
}

void ExpectBinomialBins(const Sample& sample, int balls)
{
    static constexpr std::array<double, 11> kChoose = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1};
    double chi = 0.0;
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        const double expected = balls * kChoose[static_cast<std::size_t>(bin - 1)] / 1024.0;
        const double diff = static_cast<double>(sample.binTotals[static_cast<std::size_t>(bin)]) - expected;
        chi += diff * diff / expected;
    }
    EXPECT_GT(ChiSquareUpperTail(chi, 10), kFailBelowP) << "chi-square " << chi << " over 10 degrees of freedom";
}

void ExpectIndependentTurns(const std::vector<std::uint8_t>& turns)
{
    ASSERT_GT(turns.size(), 1000u);
    for (std::uint8_t turn : turns) {
        ASSERT_TRUE(turn == 1 || turn == 2);
    }
    const double n = static_cast<double>(turns.size());

    // Pairs of consecutive turns against independence (2 x 2 table, 1 degree of freedom).
    double pairs[2][2] = {};
    for (std::size_t i = 1; i < turns.size(); ++i) {
        pairs[turns[i - 1] - 1][turns[i] - 1] += 1.0;
    }
    const double total = n - 1.0;
    double chi = 0.0;
    for (int a = 0; a < 2; ++a) {
        for (int b = 0; b < 2; ++b) {
            const double expected = (pairs[a][0] + pairs[a][1]) * (pairs[0][b] + pairs[1][b]) / total;
            chi += (pairs[a][b] - expected) * (pairs[a][b] - expected) / expected;
        }
    }
    EXPECT_GT(NormalTwoSided(std::sqrt(chi)), kFailBelowP) << "consecutive turns depend on each other";

    // Serial correlation at lags 1..16 (a clock replayed every tick would show up here).
    double mean = 0.0;
    for (std::uint8_t turn : turns) {
        mean += turn;
    }
    mean /= n;
    double variance = 0.0;
    for (std::uint8_t turn : turns) {
        variance += (turn - mean) * (turn - mean);
    }
    for (std::size_t lag = 1; lag <= 16; ++lag) {
        double covariance = 0.0;
        for (std::size_t i = lag; i < turns.size(); ++i) {
            covariance += (turns[i] - mean) * (turns[i - lag] - mean);
        }
        const double z = covariance / variance * std::sqrt(n);
        EXPECT_GT(NormalTwoSided(z), kFailBelowP) << "lag " << lag << " correlation z = " << z;
    }

    // Wald-Wolfowitz runs test: too few or too many runs of equal turns.
    double ones = 0.0;
    double runs = 1.0;
    for (std::size_t i = 0; i < turns.size(); ++i) {
        ones += turns[i] == 1 ? 1.0 : 0.0;
        runs += (i > 0 && turns[i] != turns[i - 1]) ? 1.0 : 0.0;
    }
    const double twos = n - ones;
    const double expectedRuns = 2.0 * ones * twos / n + 1.0;
    const double runsVariance = (expectedRuns - 1.0) * (expectedRuns - 2.0) / (n - 1.0);
    const double z = (runs - expectedRuns) / std::sqrt(runsVariance);
    EXPECT_GT(NormalTwoSided(z), kFailBelowP) << "runs z = " << z;
    EXPECT_GT(NormalTwoSided((ones - n / 2.0) / std::sqrt(n / 4.0)), kFailBelowP) << "turns are not fair";
}

TEST(Statistics, BinsAndTurnsUnderTheRealClock)
{
    SystemClock clock;
    const Sample sample = DropBalls(clock, kBalls);
    ExpectBinomialBins(sample, kBalls);
    ExpectIndependentTurns(sample.turns);
}

TEST(Statistics, BinsAndTurnsUnderAFrozenClock)
{
    FakeClock clock(51234.5f, 0.0f);
    const Sample sample = DropBalls(clock, kBalls);
    ExpectBinomialBins(sample, kBalls);
    ExpectIndependentTurns(sample.turns);
}

TEST(Statistics, BinsAndTurnsUnderAClockSteppingOneFastTickPerDraw)
{
    FakeClock clock(1000.0f, 0.05f);
    const Sample sample = DropBalls(clock, kBalls);
    ExpectBinomialBins(sample, kBalls);
    ExpectIndependentTurns(sample.turns);
}

TEST(Statistics, TheDrawIsAFloatInTheHalfOpenUnitInterval)
{
    TimeMixedRandom random;
    float smallest = 1.0f;
    float largest = 0.0f;
    for (int i = 0; i < 1'000'000; ++i) {
        random.Reseed(0.0f);
        const float r = random.Next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        smallest = std::min(smallest, r);
        largest = std::max(largest, r);
    }
    EXPECT_LT(smallest, 1e-4f);
    EXPECT_GT(largest, 1.0f - 1e-4f);
}

TEST(Runs, EveryCompleteRunKeepsTheInvariantsAndEndsWithOneFullBin)
{
    for (int run = 0; run < 200; ++run) {
        RecordingControls controls;
        controls.recordJournal = false;
        TimeMixedRandom random(static_cast<std::uint64_t>(run) + 1);
        FakeClock clock(100.0f * static_cast<float>(run), 0.05f);
        Experiment experiment(controls, random, clock);
        experiment.ResetState();
        controls.timerEnabled = true;
        int ticks = 0;
        while (controls.timerEnabled) {
            experiment.Timer1Tick();
            ASSERT_LT(++ticks, 211 * 11) << "a run lasts at most 210 balls";
            int sum = 0;
            for (int bin = 1; bin <= kBinTotal; ++bin) {
                const int count = experiment.State.BinCount(bin);
                ASSERT_LE(count, 20);
                ASSERT_EQ(controls.VisibleMarkers(bin), count);
                sum += count;
            }
            ASSERT_EQ(sum, experiment.State.ExperimentCount);
        }
        int full = 0;
        for (int bin = 1; bin <= kBinTotal; ++bin) {
            full += experiment.State.BinCount(bin) == 20 ? 1 : 0;
        }
        EXPECT_EQ(full, 1);
        EXPECT_GE(experiment.State.ExperimentCount, 20);
        EXPECT_LE(experiment.State.ExperimentCount, 210);
        EXPECT_EQ(controls.label1, std::to_string(experiment.State.ExperimentCount));
        EXPECT_FALSE(controls.spriteVisible);
        EXPECT_EQ(controls.picture4.printed.size(), 11u);
        EXPECT_EQ(experiment.State.BallX, kStartX);
        EXPECT_EQ(experiment.State.BallY, kStartY);
    }
}

} // namespace
} // namespace corvanta
