// The experiment and the run controller on a view that only records.
#include "FakeView.h"

#include "core/RunController.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <numeric>
#include <random>
#include <set>

namespace corvanta {
namespace {

using namespace std::chrono;

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
    EXPECT_TRUE(view.count == "1" && experiment.state().binCount(GetParam().bin) == view.shownMarkers(GetParam().bin))
        << "counted in its bin, its marker shown";
    EXPECT_TRUE(experiment.state().ballX == kStartX && experiment.state().ballY == kStartY) << "back at the start";
}

const float kAlmostOne = std::nextafter(1.0f, 0.0f);
INSTANTIATE_TEST_SUITE_P(Turns, BallFall,
    ::testing::Values(Fall {{kRight}, 11, 10}, Fall {{kLeft}, 1, -10}, Fall {{kAlmostOne}, 1, -10},
        Fall {{kRight, kLeft, kRight, kLeft, kRight, kLeft, kRight, kLeft, kRight, kLeft, kAlmostOne}, 6, 0},
        Fall {{kRight, kLeft, kLeft, kRight, kRight, kRight, kLeft, kRight, kRight, kLeft, kRight}, 7, 2},
        Fall {{0.4999f, kLeft}, 2, -8}));

TEST_F(ExperimentTest, StopBeforeALandingPrintsNoRatioAndTheTwentiethBallInABinEndsTheRun)
{
    experiment.stopRun();
    EXPECT_TRUE(view.ratios.texts.empty() && view.enabled[Button::Fast] && !view.enabled[Button::Stop]);
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

TEST(RatioText, RoundsAnExactHalfUp)
{
    const std::vector<std::tuple<int, int, std::string>> rows = {{1, 16, "0.063"}, {3, 16, "0.188"}, {1, 8, "0.125"},
        {20, 20, "1.000"}, {0, 7, "0.000"}, {2, 3, "0.667"}, {19, 210, "0.090"}, {1, 2000, "0.001"}};
    for (const auto& [count, total, text] : rows) {
        EXPECT_EQ(ratioText(count, total), text) << count << " of " << total;
    }
}

struct RealClock final : Clock {
    float secondsSinceMidnight() override
    {
        return duration<float>(system_clock::now().time_since_epoch() % days(1)).count();
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

enum class Event { Tick, Fast, Slow, Stop, Init, Help, Exit, Activate };
constexpr Event kEvents[]
    = {Event::Tick, Event::Fast, Event::Slow, Event::Stop, Event::Init, Event::Help, Event::Exit, Event::Activate};

// The run state: HightSpeed, LowSpeed, Stop, Init, Help, Exit, the timer (1 on, 0 off) and its interval.
// The table gives it after each event ("=" unchanged); a tick that ends the run and an activation
// after a finished run take the second row.
constexpr const char* kTable[][2] = {{"=======", "0001=10"}, {"0110001", ""}, {"1010001", ""}, {"1101110", ""},
    {"1100=1=", ""}, {"=======", ""}, {"=======", ""}, {"==00===", "==0===="}};

std::string expected(std::string state, Event event, bool finished)
{
    const auto& rows = kTable[static_cast<int>(event)];
    const char* row = rows[finished && *rows[1] ? 1 : 0];
    for (int i = 0; i < 7; ++i) {
        state[i] = row[i] == '=' ? state[i] : row[i];
    }
    return event == Event::Fast ? state.substr(0, 7) + "50" : event == Event::Slow ? state.substr(0, 7) + "300" : state;
}

// A program from its load and first activation on.
struct Program {
    test::FakeView view;
    TimeMixedRandom random;
    test::FakeClock clock;
    RunController controller {view, random, clock, view};

    explicit Program(std::uint64_t seed, const std::vector<Event>& path = {})
        : random(seed)
    {
        controller.load();
        controller.activate();
        for (Event event : path) { // a tick here stands for the run going on to its end
            do {
                apply(event);
            } while (event == Event::Tick && view.timer);
        }
    }
    std::string flags()
    {
        std::string state;
        for (Button b : {Button::Fast, Button::Slow, Button::Stop, Button::Init, Button::Help, Button::Exit}) {
            state += view.enabled[b] ? '1' : '0';
        }
        return state + (view.timer ? '1' : '0') + std::to_string(view.interval);
    }
    bool canHappen(Event event) // a button while enabled, a tick while the timer runs, an activation always
    {
        return event == Event::Activate || flags()[std::array {6, 0, 1, 2, 3, 4, 5}[static_cast<int>(event)]] == '1';
    }
    bool finished() const { return controller.experiment().finished(); }
    // Applies the event and checks the buttons and the invariants it leaves.
    void apply(Event event)
    {
        const std::string before = flags();
        constexpr void (RunController::*handlers[])()
            = {&RunController::step, &RunController::fast, &RunController::slow, &RunController::stop,
                &RunController::init, &RunController::help, &RunController::exit, &RunController::activate};
        (controller.*handlers[static_cast<int>(event)])();
        ASSERT_EQ(flags(), expected(before, event, finished())) << "event " << static_cast<int>(event);
        const ExperimentState& s = controller.experiment().state();
        for (int bin = 1; bin <= kBins; ++bin) {
            ASSERT_EQ(view.shownMarkers(bin), s.binCount(bin)) << "markers show the counts";
        }
        ASSERT_EQ(std::accumulate(s.binCounts.begin(), s.binCounts.end(), 0), s.landed);
        ASSERT_EQ(view.count, std::to_string(s.landed));
        ASSERT_EQ(view.ratios.texts.size(), view.timer ? 1u : view.ratios.texts.size())
            << "the heading alone while running";
        ASSERT_TRUE(!finished() || (std::ranges::count(s.binCounts, kBinCapacity) == 1 && s.landed <= 210))
            << "one full bin at the end, at most 210 balls";
    }
};

// Walks every state reachable from `from` without Exit, taking (and so checking) every event that
// can happen in each, until visit() accepts one.
bool explore(const std::vector<Event>& from, const std::function<bool(const std::vector<Event>&, Program&)>& visit)
{
    std::set<std::pair<std::string, bool>> seen;
    std::vector<std::vector<Event>> paths {from};
    while (!paths.empty() && !::testing::Test::HasFatalFailure()) {
        const auto path = paths.back();
        paths.pop_back();
        Program program(3, path);
        if (!seen.insert({program.flags(), program.finished()}).second) {
            continue;
        }
        if (visit(path, program)) {
            return true;
        }
        for (Event event : kEvents) {
            if (event != Event::Exit && program.canHappen(event)) {
                paths.push_back(path);
                paths.back().push_back(event);
            }
        }
    }
    return false;
}

TEST(RunStates, EveryEventFromEveryReachableStateKeepsTheTableAndANewRunReachable)
{
    std::vector<std::vector<Event>> states;
    explore({}, [&](const std::vector<Event>& path, Program&) { return states.push_back(path), false; });
    EXPECT_GE(states.size(), 8u);
    for (const auto& path : states) { // a new run: both speed buttons on, the timer off, nothing counted
        EXPECT_TRUE(explore(path,
            [](const std::vector<Event>&, Program& p) {
                return p.flags().starts_with("11") && p.flags()[6] == '0'
                    && p.controller.experiment().state().landed == 0;
            }))
            << "no new run after " << path.size() << " events";
    }
}

TEST(RunStates, RandomEventsKeepTheTableAndTheInvariants)
{
    std::mt19937 chooser(2026);
    auto program = std::make_unique<Program>(1);
    int runsEnded = 0;
    for (int i = 0; i < 200'000; ++i) {
        // Ticks dominate while the timer runs, as on the screen; an exit starts a new program.
        const Event event = program->view.timer && chooser() % 20 != 0 ? Event::Tick : kEvents[chooser() % 8];
        if (program->canHappen(event)) {
            ASSERT_NO_FATAL_FAILURE(program->apply(event)) << "event " << i;
            runsEnded += event == Event::Tick && program->finished() ? 1 : 0;
            program = event == Event::Exit ? std::make_unique<Program>(chooser()) : std::move(program);
        }
    }
    EXPECT_GT(runsEnded, 20);
}

TEST(RunController, CuesStartBeforeWhatTheirButtonsOpen)
{
    Program program(1);
    for (Event event : {Event::Fast, Event::Stop, Event::Init, Event::Help, Event::Exit}) {
        program.apply(event);
    }
    const std::vector<std::string> order {"cue pinpon.wav", "ball shown", "busy", "not busy", "cue pinpon.wav",
        "help opened", "cue endpinpon.wav", "exit box", "end"};
    EXPECT_EQ(program.view.events, order);
}

} // namespace
} // namespace corvanta
