#include "FakeView.h"

#include "core/Experiment.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

namespace corvanta {
namespace {

constexpr float kRight = 0.0f; // a draw that turns the ball one column right
constexpr float kLeft = 0.5f; // the smallest draw that turns it left

struct ExperimentTest : ::testing::Test {
    test::FakeView view;
    test::ScriptedRandom random;
    test::FakeClock clock;
    Experiment experiment {view, random, clock};
    void SetUp() override { experiment.reset(); }
    void drop(int balls, float draw) // whole balls, turning by the same draw at every row
    {
        random.draws.assign(1, draw), random.drawn = 0;
        for (int tick = 0; tick < 11 * balls; ++tick) {
            experiment.step();
        }
    }
};

struct Fall {
    std::vector<float> draws; // ten turns, then the landing tick's unused draw
    int bin, columns; // where the ball lands: its bin, and columns right of the start
    friend void PrintTo(const Fall& f, std::ostream* out) { *out << "bin " << f.bin; }
};
class BallFall : public ExperimentTest, public ::testing::WithParamInterface<Fall> { };

TEST_P(BallFall, TenTurnsThenALandingOnTheEleventhTick)
{
    random.draws = GetParam().draws;
    for (int tick = 1; tick <= 10; ++tick) {
        experiment.step();
        ASSERT_EQ(experiment.state().landed, 0) << "landed on tick " << tick;
    }
    EXPECT_EQ(experiment.state().ballY, kBottomY) << "ten steps of 1.0 reach the 32-bit 10.9 exactly";
    experiment.step();
    EXPECT_EQ(view.ballX, kStartX + static_cast<float>(GetParam().columns)) << "the sprite shows the landing";
    EXPECT_EQ(view.count, "1");
    EXPECT_EQ(experiment.state().binCount(GetParam().bin), 1);
    EXPECT_EQ(view.shownMarkers(GetParam().bin), 1);
    EXPECT_EQ(experiment.state().ballX, kStartX);
    EXPECT_EQ(experiment.state().ballY, kStartY);
}

const float kAlmostOne = std::nextafter(1.0f, 0.0f);
INSTANTIATE_TEST_SUITE_P(Turns, BallFall,
    ::testing::Values(Fall {{kRight}, 11, 10}, Fall {{kLeft}, 1, -10}, Fall {{kAlmostOne}, 1, -10},
        Fall {{kRight, kLeft, kRight, kLeft, kRight, kLeft, kRight, kLeft, kRight, kLeft, kAlmostOne}, 6, 0},
        Fall {{kRight, kLeft, kLeft, kRight, kRight, kRight, kLeft, kRight, kRight, kLeft, kRight}, 7, 2},
        Fall {{0.4999f, kLeft}, 2, -8}));

TEST_F(ExperimentTest, TheTwentiethBallInABinEndsTheRunAndOnlyThatBinIsFull)
{
    view.timer = true;
    drop(19, kLeft);
    drop(19, kRight);
    EXPECT_TRUE(view.timer && view.ratios.texts.empty()) << "19 in a bin go on, and landings print nothing";
    drop(1, kRight);
    EXPECT_FALSE(view.timer);
    EXPECT_EQ(view.shownMarkers(11), 20);
    EXPECT_EQ(view.events, std::vector<std::string> {"ball hidden"});
    EXPECT_FALSE(view.enabled[Button::Fast] || view.enabled[Button::Slow] || view.enabled[Button::Stop]);
    EXPECT_EQ((view.ratios.texts[{Experiment::column(1), kRowY}]), "0.487") << "19 of 39";
    EXPECT_EQ((view.ratios.texts[{Experiment::column(6), kRowY}]), "0.000");
    EXPECT_EQ((view.ratios.texts[{Experiment::column(11), kRowY}]), "0.513");
}

TEST_F(ExperimentTest, StopBeforeAnyLandingLeavesTheHeadingAlone)
{
    experiment.resetRatioReadout();
    drop(0, kLeft);
    experiment.stopRun();
    EXPECT_EQ(view.ratios.texts.size(), 1u);
    EXPECT_FALSE(view.enabled[Button::Stop]);
}

TEST(RatioText, RoundsAnExactHalfUp)
{
    const std::vector<std::tuple<int, int, std::string>> rows = {{1, 16, "0.063"}, {3, 16, "0.188"}, {1, 8, "0.125"},
        {20, 20, "1.000"}, {0, 7, "0.000"}, {2, 3, "0.667"}, {19, 210, "0.090"}, {1, 2000, "0.001"}};
    for (const auto& [count, total, text] : rows) {
        EXPECT_EQ(ratioText(count, total), text) << count << " of " << total;
    }
}

// The local time, as far as a reseed is concerned.
struct RealClock final : Clock {
    float secondsSinceMidnight() override
    {
        const auto now = std::chrono::system_clock::now().time_since_epoch() % std::chrono::days(1);
        return std::chrono::duration<float>(now).count();
    }
};
class Randomness : public ::testing::TestWithParam<float> { };

// 100,000 balls: the bins follow the binomial law, and a turn does not depend on the one before.
TEST_P(Randomness, BinsFollowTheBinomialLawAndTurnsAreIndependent)
{
    test::FakeClock fake;
    fake.step = GetParam();
    RealClock real;
    TimeMixedRandom random(42);
    test::FakeView view;
    Experiment experiment(view, random, GetParam() < 0 ? static_cast<Clock&>(real) : fake);
    std::array<double, kBins> bins {};
    double pairs[2][2] = {};
    for (int ball = 0, previous = 1; ball < 100'000; ++ball) {
        experiment.reset(); // instead of the landing tick: no bin is ever full here
        for (int tick = 0; tick < 10; ++tick) {
            experiment.step();
            pairs[previous - 1][experiment.state().turn - 1] += 1;
            previous = experiment.state().turn;
        }
        bins.at(static_cast<std::size_t>(Experiment::binAt(experiment.state().ballX) - 1)) += 1;
    }
    double chiSquare = 0, independence = 0;
    for (int b = 0; b < kBins; ++b) {
        const double expected = 1e5 * std::tgamma(11) / (std::tgamma(b + 1) * std::tgamma(11 - b)) / 1024;
        chiSquare += std::pow(bins[b] - expected, 2) / expected;
    }
    for (int a = 0; a < 2; ++a) {
        for (int b = 0; b < 2; ++b) {
            const double expected = (pairs[a][0] + pairs[a][1]) * (pairs[0][b] + pairs[1][b]) / 1e6;
            independence += std::pow(pairs[a][b] - expected, 2) / expected;
        }
    }
    EXPECT_LT(chiSquare, 50.0) << "10 degrees of freedom: p < 1e-6 beyond 50";
    EXPECT_LT(independence, 24.0) << "1 degree of freedom: p < 1e-6 beyond 24";
}

INSTANTIATE_TEST_SUITE_P(Clocks, Randomness, ::testing::Values(-1.0f, 0.0f, 0.05f), [](const auto& info) {
    return info.param < 0 ? "Real" : info.param == 0 ? "Frozen" : "Stepped";
});

} // namespace
} // namespace corvanta
