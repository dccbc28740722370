#include "FakeControls.h"
#include "ScriptedRandom.h"

#include "experiment/Checked16.h"
#include "experiment/Experiment.h"
#include "experiment/RatioText.h"

#include <gtest/gtest.h>

namespace corvanta {
namespace {

using test::FakeClock;
using test::RecordingControls;
using test::ScriptedRandom;
using Journal = std::vector<std::string>;

struct TallyTest : ::testing::Test {
    RecordingControls controls;
    ScriptedRandom random;
    FakeClock clock;
    Experiment experiment {controls, random, clock};

    void SetUp() override { experiment.ResetState(); }

    void Land(int bin, int times)
    {
        for (int i = 0; i < times; ++i) {
            experiment.State.ExperimentCount = CheckedAdd16(experiment.State.ExperimentCount, 1);
            experiment.TallyLanding(static_cast<std::int16_t>(bin));
        }
    }

    std::vector<std::string> PrintedOn4() const
    {
        std::vector<std::string> texts;
        for (const auto& printed : controls.picture4.printed) {
            texts.push_back(printed.text);
        }
        return texts;
    }
};

Journal RatioJournal(const std::vector<std::string>& values)
{
    Journal journal;
    for (int bin = 1; bin <= 11; ++bin) {
        char column[16];
        std::snprintf(column, sizeof column, "%g", static_cast<double>(Experiment::RatioColumn(bin)));
        journal.push_back(std::string("Picture4.CurrentX ") + column);
        journal.push_back("Picture4.CurrentY 1");
        if (!values.empty()) {
            journal.push_back("Picture4.Print " + values[static_cast<std::size_t>(bin - 1)]);
        }
    }
    return journal;
}

TEST_F(TallyTest, TheTwentiethBallInABinEndsTheRunInOrder)
{
    Land(3, 18);
    controls.TakeJournal();
    Land(3, 1);
    EXPECT_EQ(controls.TakeJournal(), (Journal {"o3(19).Visible 1"})) << "the 19th ball is an ordinary landing";

    Land(3, 1);
    Journal expected = {"o3(20).Visible 1", "Timer1.Enabled 0", "Picture2.Visible 0", "Command1.Enabled 0",
        "Command2.Enabled 0", "Command3.Enabled 1", "Command4.Enabled 1", "Command6.Enabled 0"};
    const Journal ratios = RatioJournal(
        {"0.000", "0.000", "1.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000", "0.000"});
    expected.insert(expected.end(), ratios.begin(), ratios.end());
    EXPECT_EQ(controls.TakeJournal(), expected);
    EXPECT_EQ(experiment.State.BinCount(3), 20);
    EXPECT_TRUE(controls.commandEnabled[5]) << "Help is left as it was";
}

TEST_F(TallyTest, WithSeveralBinsAtNineteenTheFirstToReceiveABallEndsTheRun)
{
    for (int bin = 1; bin <= 11; ++bin) {
        Land(bin, 19);
    }
    EXPECT_TRUE(controls.picture4.printed.empty()) << "ordinary landings print nothing";
    Land(8, 1);
    EXPECT_FALSE(controls.timerEnabled);
    for (int bin = 1; bin <= 11; ++bin) {
        EXPECT_EQ(controls.VisibleMarkers(bin), bin == 8 ? 20 : 19);
    }
    EXPECT_EQ(experiment.LandedTotal(), 210);
    // 19 of 210 is 0.0904..., 20 of 210 is 0.0952...
    EXPECT_EQ(PrintedOn4(),
        (std::vector<std::string> {
            "0.090", "0.090", "0.090", "0.090", "0.090", "0.090", "0.090", "0.095", "0.090", "0.090", "0.090"}));
    for (const auto& printed : controls.picture4.printed) {
        EXPECT_EQ(printed.y, 1.0f);
    }
}

TEST_F(TallyTest, StopRunSetsTheButtonsThenPrintsTheRatiosWithoutClearing)
{
    experiment.ShowRatioHeading();
    Land(2, 1);
    Land(5, 1);
    Land(9, 1);
    controls.TakeJournal();
    experiment.StopRun();
    Journal expected = {"Timer1.Enabled 0", "Command1.Enabled 1", "Command2.Enabled 0", "Command3.Enabled 1",
        "Command4.Enabled 1", "Command5.Enabled 1", "Command6.Enabled 1"};
    const Journal ratios = RatioJournal(
        {"0.000", "0.333", "0.000", "0.000", "0.333", "0.000", "0.000", "0.000", "0.333", "0.000", "0.000"});
    expected.insert(expected.end(), ratios.begin(), ratios.end());
    EXPECT_EQ(controls.TakeJournal(), expected);
    ASSERT_EQ(controls.picture4.printed.size(), 12u);
    EXPECT_EQ(controls.picture4.printed.front().text, kRatioHeading);
    EXPECT_EQ(controls.picture4.printed.front().x, 2.0f);
    EXPECT_EQ(controls.picture4.printed[1].x, 14.6f);
    EXPECT_TRUE(controls.spriteVisible);
}

TEST_F(TallyTest, StopBeforeAnyLandingKeepsTheHeadingAloneAndGoesOn)
{
    experiment.ResetRatioReadout();
    controls.TakeJournal();
    experiment.StopRun();
    const Journal journal = controls.TakeJournal();
    const Journal cursorOnly = RatioJournal({});
    EXPECT_TRUE(std::equal(cursorOnly.begin(), cursorOnly.end(), journal.end() - static_cast<long>(cursorOnly.size())));
    EXPECT_EQ(PrintedOn4(), (std::vector<std::string> {kRatioHeading}));
    EXPECT_FALSE(controls.timerEnabled);
    EXPECT_FALSE(controls.commandEnabled[2]);
    EXPECT_TRUE(controls.commandEnabled[4]);
}

TEST_F(TallyTest, ResetRatioReadoutClearsThenPrintsTheHeadingAtTwoOne)
{
    experiment.ResetRatioReadout();
    EXPECT_EQ(controls.TakeJournal(),
        (Journal {"Picture4.Cls", "Picture4.CurrentX 2", "Picture4.CurrentY 1",
            "Picture4.Print Ratio from experimental results"}));
}

TEST(RatioText, RoundsAnExactHalfUpAndKeepsThreeDecimals)
{
    EXPECT_EQ(RatioText(1, 16).View(), "0.063");
    EXPECT_EQ(RatioText(3, 16).View(), "0.188");
    EXPECT_EQ(RatioText(1, 8).View(), "0.125");
    EXPECT_EQ(RatioText(20, 20).View(), "1.000");
    EXPECT_EQ(RatioText(1, 3).View(), "0.333");
    EXPECT_EQ(RatioText(2, 3).View(), "0.667");
    EXPECT_EQ(RatioText(0, 210).View(), "0.000");
    EXPECT_EQ(RatioText(1, 200).View(), "0.005") << "0.005 exactly rounds up";
    EXPECT_EQ(RatioText(1, 2000).View(), "0.001") << "0.0005 exactly rounds up";
    EXPECT_EQ(RatioText(19, 210).View(), "0.090");
}

TEST(CountText, IsPlainDigits)
{
    EXPECT_EQ(CountText(0).View(), "0");
    EXPECT_EQ(CountText(17).View(), "17");
    EXPECT_EQ(CountText(210).View(), "210");
}

TEST(CheckedAdd16DeathTest, AnOverflowEndsTheProgramWithAMessage)
{
    EXPECT_EQ(CheckedAdd16(32766, 1), 32767);
    EXPECT_EQ(CheckedAdd16(-32768, 0), -32768);
    EXPECT_EXIT(CheckedAdd16(32767, 1), ::testing::ExitedWithCode(1), "16-bit counter overflow");
}

} // namespace
} // namespace corvanta
