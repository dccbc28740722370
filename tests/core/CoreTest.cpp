// The experiment and the run controller on a view that only records.
#include "FakeView.h"

#include "core/RunController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <set>

using namespace corvanta;

// 100,000 balls follow the binomial law, whether the clock stands, moves with the fast timer or by whole seconds.
TEST(Randomness, BinsFollowTheBinomialLawUnderAnyClock)
{
    constexpr double kWays[] = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1}; // C(10, b - 1) of 1024
    for (const float step : {0.0f, 0.05f, 1.0f}) {
        test::FakeView view;
        view.step = step;
        TimeMixedRandom random(42);
        Experiment experiment(view, random, view);
        double bins[11] = {};
        for (int ball = 0; ball < 100'000; ++ball) {
            experiment.reset(); // instead of the landing tick: no bin is ever full here
            for (int tick = 0; tick < 10; ++tick, experiment.step()) { }
            bins[std::lround((experiment.state().ballX - 9.8f) / 2)] += 1;
        }
        const double chiSquare = std::transform_reduce(bins, bins + 11, kWays, 0.0, std::plus<>(),
            [](double n, double ways) { return std::pow(n - 1e5 * ways / 1024, 2) / (1e5 * ways / 1024); });
        EXPECT_LT(chiSquare, 50.0) << "clock step " << step << "; 10 degrees of freedom: p < 1e-6 beyond 50";
    }
}

enum Event { Tick, Fast, Slow, Stop, Init, Help, Exit, Activate };

// The run state (FakeView::run) after each event, "=" unchanged; a tick that ends the run and an activation
// after a finished run take the second row. The speed buttons set the interval: 50 and 300 ms.
constexpr const char* kTable[][2] = {{"=======", "0001=10"}, {"0110001", ""}, {"1010001", ""}, {"1101110", ""},
    {"1100=1=", ""}, {"=======", ""}, {"=======", ""}, {"==00===", "==0===="}};

struct Program { // from its load and first activation on, each event checked against the table and the invariants
    test::FakeView view;
    TimeMixedRandom random {3};
    RunController controller {view, random, view, view};

    explicit Program(const std::vector<Event>& path)
    {
        controller.load(), controller.activate();
        for (Event event : path) { // a tick stands for the run going on to its end
            while (apply(event), event == Tick && view.run[6] == '1') { }
        }
    }
    bool finished() const { return controller.experiment().finished(); }
    void apply(Event event)
    {
        std::string expected = view.run;
        const float ballX = controller.experiment().state().ballX;
        constexpr void (RunController::*handlers[])()
            = {&RunController::step, &RunController::fast, &RunController::slow, &RunController::stop,
                &RunController::init, &RunController::help, &RunController::exit, &RunController::activate};
        (controller.*handlers[event])();
        const char* row = kTable[event][finished() && *kTable[event][1]];
        std::transform(
            row, row + 7, expected.begin(), expected.begin(), [](char r, char e) { return r == '=' ? e : r; });
        expected.replace(7, 3, event == Fast ? "50" : event == Slow ? "300" : expected.substr(7));
        ASSERT_EQ(view.run, expected) << "event " << event;
        ASSERT_TRUE(event != Tick || view.ballX == ballX) << "a tick shows the sprite where the ball was";
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

// Every event that can happen (a button while enabled, a tick while the timer runs, an activation) in every state.
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
