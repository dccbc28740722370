// The experiment and the run controller on a view that only records.
#include "FakeView.h"

#include "core/RunController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>

namespace corvanta {
namespace {

// Ten draws (and the landing tick's, unused) land a ball on the eleventh tick in a bin, columns right of the start.
TEST(BallFall, TenTurnsThenALandingOnTheEleventhTickInTheBinBelow)
{
    constexpr float kRight = 0.0f, kLeft = 0.5f, kAlmostOne = 0x1.fffffep-1f; // kLeft, the smallest draw to the left
    for (const auto& [draws, bin, columns] : std::vector<std::tuple<std::vector<float>, int, int>> {{{kRight}, 11, 10},
             {{kLeft}, 1, -10}, {{kAlmostOne}, 1, -10}, {{0.4999f, kLeft}, 2, -8},
             {{kRight, kLeft, kRight, kLeft, kRight, kLeft, kRight, kLeft, kRight, kLeft, kAlmostOne}, 6, 0},
             {{kRight, kLeft, kLeft, kRight, kRight, kRight, kLeft, kRight, kRight, kLeft, kRight}, 7, 2}}) {
        test::FakeView view;
        view.draws = draws;
        Experiment experiment(view, view, view);
        experiment.reset();
        for (int tick = 1; tick <= 11; ++tick) {
            experiment.step();
            ASSERT_EQ(view.count, tick == 11 ? "1" : "") << "bin " << bin << ", tick " << tick;
        }
        EXPECT_EQ(view.ballX, 19.8f + static_cast<float>(columns)) << "the sprite shows the landing in bin " << bin;
        EXPECT_EQ(view.markers[bin - 1].count(), 1u) << "counted in bin " << bin << ", its marker shown";
        EXPECT_TRUE(experiment.state().ballX == 19.8f && experiment.state().ballY == 0.9f) << "back at the start";
    }
}

// 100,000 balls follow the binomial law under a clock that stands, one that moves with the fast timer, and a coarse
// one.
TEST(Randomness, BinsFollowTheBinomialLawUnderAnyClock)
{
    constexpr double kWays[] = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1}; // C(10, b - 1) of 1024
    for (const float step : {0.0f, 0.05f, 1.0f}) {
        test::FakeView view;
        view.step = step;
        TimeMixedRandom random(42);
        Experiment experiment(view, random, view);
        double bins[11] = {}, chiSquare = 0;
        for (int ball = 0; ball < 100'000; ++ball) {
            experiment.reset(); // instead of the landing tick: no bin is ever full here
            for (int tick = 0; tick < 10; ++tick) {
                experiment.step();
            }
            bins[std::lround((experiment.state().ballX - 9.8f) / 2)] += 1;
        }
        for (int b = 0; b < 11; ++b) {
            chiSquare += std::pow(bins[b] - 1e5 * kWays[b] / 1024, 2) / (1e5 * kWays[b] / 1024);
        }
        EXPECT_LT(chiSquare, 50.0) << "clock step " << step << "; 10 degrees of freedom: p < 1e-6 beyond 50";
    }
}

enum Event { Tick, Fast, Slow, Stop, Init, Help, Exit, Activate };

// The run state (FakeView::run) after each event, "=" unchanged; a tick that ends the run and an activation
// after a finished run take the second row. The speed buttons set the interval: 50 and 300 ms.
constexpr const char* kTable[][2] = {{"=======", "0001=10"}, {"0110001", ""}, {"1010001", ""}, {"1101110", ""},
    {"1100=1=", ""}, {"=======", ""}, {"=======", ""}, {"==00===", "==0===="}};

// A program from its load and first activation on; each event is checked against the table and the invariants.
struct Program {
    test::FakeView view;
    TimeMixedRandom random {3};
    RunController controller {view, random, view, view};

    explicit Program(const std::vector<Event>& path)
    {
        controller.load(), controller.activate();
        for (Event event : path) { // a tick stands for the run going on to its end
            do {
                apply(event);
            } while (event == Tick && view.run[6] == '1');
        }
    }
    bool finished() const { return controller.experiment().finished(); }
    void apply(Event event)
    {
        std::string expected = view.run;
        constexpr void (RunController::*handlers[])()
            = {&RunController::step, &RunController::fast, &RunController::slow, &RunController::stop,
                &RunController::init, &RunController::help, &RunController::exit, &RunController::activate};
        (controller.*handlers[event])();
        const char* row = kTable[event][finished() && *kTable[event][1]];
        for (int i = 0; i < 7; ++i) {
            expected[i] = row[i] == '=' ? expected[i] : row[i];
        }
        expected.replace(7, 3, event == Fast ? "50" : event == Slow ? "300" : expected.substr(7));
        ASSERT_EQ(view.run, expected) << "event " << event;
        const ExperimentState& s = controller.experiment().state();
        for (int bin = 1; bin <= kBins; ++bin) {
            ASSERT_EQ(view.markers[bin - 1].count(), s.binCount(bin)) << "markers show the counts";
        }
        ASSERT_TRUE(std::accumulate(s.binCounts.begin(), s.binCounts.end(), 0) == s.landed
            && view.count == std::to_string(s.landed) && view.ballShown != finished());
        ASSERT_TRUE(view.ratios.texts.size() == (finished() ? 12 : 1) || (!finished() && view.run[6] == '0'))
            << "the heading alone while running, and the ratios beside it at the end";
    }
};

// Every event that can happen (a button while enabled, a tick while the timer runs, an activation always;
// Exit ends the walk) from every state that can be reached.
TEST(RunStates, EveryEventFromEveryReachableStateKeepsTheTableAndTheInvariants)
{
    std::set<std::pair<std::string, bool>> seen;
    for (std::vector<std::vector<Event>> paths {{}}; !paths.empty() && !::testing::Test::HasFatalFailure();) {
        const auto path = paths.back();
        paths.pop_back();
        Program program(path);
        if (!seen.insert({program.view.run, program.finished()}).second) {
            continue;
        }
        for (int event = Tick; event <= Activate; ++event) {
            if (event == Activate || (event != Exit && program.view.run["601234"[event] - '0'] == '1')) {
                paths.push_back(path), paths.back().push_back(static_cast<Event>(event));
            }
        }
    }
    EXPECT_GE(seen.size(), 8u);
}

TEST(RunController, CuesStartBeforeWhatTheirButtonsOpen)
{
    EXPECT_EQ(Program({Init, Help, Exit}).view.events,
        (std::vector<std::string> {
            "cue pinpon.wav", "cue pinpon.wav", "help", "cue endpinpon.wav", "exit box", "end"}));
}

} // namespace
} // namespace corvanta
