// The experiment and the run controller on a view that only records.
#include "FakeView.h"

#include "core/RunController.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <numeric>
#include <optional>
#include <set>

using namespace corvanta;

// 100,000 balls follow the binomial law, whether the clock stands, moves with the fast timer or by whole seconds.
TEST(Randomness, BinsFollowTheBinomialLawUnderAnyClock)
{
    const double ways[kBins] = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1}; // C(10, b - 1) of 1024
    for (const float clockStep : {0.0f, 0.05f, 1.0f}) {
        test::FakeView view;
        view.clockStep = clockStep;
        TimeMixedRandom random(42);
        Experiment experiment(view, random, view);
        std::array<double, kBins> balls {};
        for (int ball = 0; ball < 100'000; ++ball) {
            experiment.reset(); // instead of the landing tick: no bin is ever full here
            for (int row = 0; row < 10; ++row) {
                experiment.step();
            }
            const long bin = std::lround((experiment.state().ballX - 9.8f) / 2); // 0 to 10
            balls.at(static_cast<std::size_t>(bin)) += 1;
        }
        double chiSquare = 0;
        for (int bin = 0; bin < kBins; ++bin) {
            const double expected = 100'000 * ways[bin] / 1024;
            chiSquare += std::pow(balls[bin] - expected, 2) / expected;
        }
        EXPECT_LT(chiSquare, 50.0) << "clock step " << clockStep << "; 10 degrees of freedom: p < 1e-6 beyond 50";
    }
}

namespace {

// After an event a button or the timer is on, off, or as it was.
enum Flag { Off, On, Same };
// The ratio row after an event: its heading alone; the heading and the eleven ratios (the heading alone while no ball
// has landed); or what it showed before.
enum class RatioRow { Heading, Ratios, Same };

struct Outcome {
    std::string after;
    Flag hightSpeed;
    Flag lowSpeed;
    Flag stop;
    Flag init;
    Flag help;
    Flag exit;
    Flag stepTimer;
    int intervalMs; // 0: as it was
    RatioRow ratioRow;
};

// clang-format off
const Outcome kOutcomes[] = {
    // after                            HightSpeed LowSpeed Stop  Init  Help  Exit  timer interval ratio row
    {"HightSpeed",                      Off,       On,      On,   Off,  Off,  Off,  On,   50,      RatioRow::Heading},
    {"LowSpeed",                        On,        Off,     On,   Off,  Off,  Off,  On,   300,     RatioRow::Heading},
    {"Stop",                            On,        On,      Off,  On,   On,   On,   Off,  0,       RatioRow::Ratios},
    {"Init",                            On,        On,      Off,  Off,  Same, On,   Same, 0,       RatioRow::Heading},
    {"Help",                            Same,      Same,    Same, Same, Same, Same, Same, 0,       RatioRow::Same},
    {"activation",                      Same,      Same,    Off,  Off,  Same, Same, Same, 0,       RatioRow::Same},
    {"activation after a finished run", Same,      Same,    Off,  On,   Same, Same, Same, 0,       RatioRow::Same},
    {"activation during a run",         Same,      Same,    Same, Same, Same, Same, Same, 0,       RatioRow::Same},
    {"ticks, the run going on",         Same,      Same,    Same, Same, Same, Same, Same, 0,       RatioRow::Same},
    {"the tick that fills a bin",       Off,       Off,     Off,  On,   Same, On,   Off,  0,       RatioRow::Ratios},
};
// clang-format on

constexpr int kUntilTheEnd = -1;

// What can happen to the main window: a button pressed while it is enabled, ticks while the timer runs, an activation
// at any time.
struct Event {
    const char* name;
    std::optional<Button> button;
    int ticks; // 0 for a press or an activation
};

const Event kEvents[] = {
    {"HightSpeed", Button::Fast, 0},
    {"LowSpeed", Button::Slow, 0},
    {"Stop", Button::Stop, 0},
    {"Init", Button::Init, 0},
    {"Help", Button::Help, 0},
    {"activation", std::nullopt, 0},
    {"a tick", std::nullopt, 1},
    {"three balls and four rows", std::nullopt, 3 * 11 + 4},
    {"the run to its end", std::nullopt, kUntilTheEnd},
};

const std::map<Button, void (RunController::*)()> kHandlers
    = {{Button::Fast, &RunController::fast}, {Button::Slow, &RunController::slow}, {Button::Stop, &RunController::stop},
        {Button::Init, &RunController::init}, {Button::Help, &RunController::help}};

// The program from its load and first activation on. Each event is checked against the table and the invariants.
struct Program {
    test::FakeView view;
    TimeMixedRandom random {3};
    RunController controller {view, random, view, view};

    Program()
    {
        controller.load();
        controller.activate();
    }

    const ExperimentState& state() const { return controller.experiment().state(); }
    bool finished() const { return controller.experiment().finished(); }
    bool canTake(const Event& event)
    {
        if (event.button) {
            return view.enabled[*event.button];
        }
        return event.ticks == 0 || view.stepTimerOn;
    }

    // The buttons and the timer, whether the run is over, whether a ball has landed, whether one is on its way.
    std::vector<int> key()
    {
        std::vector<int> key;
        for (const auto& [button, on] : view.enabled) {
            key.push_back(on);
        }
        key.push_back(view.stepTimerOn);
        key.push_back(view.stepIntervalMs);
        key.push_back(finished());
        key.push_back(state().landed > 0);
        key.push_back(state().ballY != kStartY);
        return key;
    }

    void tick()
    {
        const ExperimentState before = state();
        controller.step();
        EXPECT_EQ(view.ballLeft, before.ballX) << "a tick shows the sprite where the ball was";
        EXPECT_EQ(view.ballTop, before.ballY);
    }

    const Outcome& apply(const Event& event)
    {
        const bool running = view.stepTimerOn;
        std::string after = event.name;
        if (event.button) {
            (controller.*kHandlers.at(*event.button))();
        } else if (event.ticks == 0) {
            controller.activate();
            if (running) {
                after = "activation during a run";
            } else if (finished()) {
                after = "activation after a finished run";
            }
        } else {
            for (int ticks = 0; view.stepTimerOn && ticks != event.ticks; ++ticks) {
                tick();
            }
            after = finished() ? "the tick that fills a bin" : "ticks, the run going on";
        }
        return *std::ranges::find(kOutcomes, after, &Outcome::after);
    }

    void take(const Event& event)
    {
        const test::FakeView before = view;
        const ExperimentState stateBefore = state();
        const Outcome& expected = apply(event);
        SCOPED_TRACE(expected.after);
        const auto expectFlag = [](Flag flag, bool was, bool is) { EXPECT_EQ(is, flag == Same ? was : flag == On); };
        expectFlag(expected.hightSpeed, before.enabled.at(Button::Fast), view.enabled[Button::Fast]);
        expectFlag(expected.lowSpeed, before.enabled.at(Button::Slow), view.enabled[Button::Slow]);
        expectFlag(expected.stop, before.enabled.at(Button::Stop), view.enabled[Button::Stop]);
        expectFlag(expected.init, before.enabled.at(Button::Init), view.enabled[Button::Init]);
        expectFlag(expected.help, before.enabled.at(Button::Help), view.enabled[Button::Help]);
        expectFlag(expected.exit, before.enabled.at(Button::Exit), view.enabled[Button::Exit]);
        expectFlag(expected.stepTimer, before.stepTimerOn, view.stepTimerOn);
        EXPECT_EQ(view.stepIntervalMs, expected.intervalMs == 0 ? before.stepIntervalMs : expected.intervalMs);
        if (expected.ratioRow == RatioRow::Same) {
            EXPECT_EQ(view.ratios.texts, before.ratios.texts);
        } else {
            const bool ratios = expected.ratioRow == RatioRow::Ratios && state().landed > 0;
            EXPECT_EQ(view.ratios.texts.size(), ratios ? 1u + kBins : 1u);
        }

        // Only Init and Help are heard, before what their buttons open.
        std::vector<std::string> heard = before.events;
        if (event.button == Button::Init || event.button == Button::Help) {
            heard.push_back("cue pinpon.wav");
        }
        if (event.button == Button::Help) {
            heard.push_back("help");
        }
        EXPECT_EQ(view.events, heard);

        // Only ticks move the ball and count; Init puts it back at the start, shown, with nothing counted.
        if (event.button == Button::Init) {
            EXPECT_EQ(state().ballX, kStartX);
            EXPECT_EQ(state().ballY, kStartY);
            EXPECT_EQ(state().landed, 0);
            EXPECT_EQ(view.ballLeft, kStartX);
            EXPECT_EQ(view.ballTop, kStartY);
        } else if (event.ticks == 0) {
            EXPECT_EQ(state().ballX, stateBefore.ballX);
            EXPECT_EQ(state().ballY, stateBefore.ballY);
            EXPECT_EQ(state().binCounts, stateBefore.binCounts);
        }
        for (int bin = 1; bin <= kBins; ++bin) {
            EXPECT_EQ(view.markers[bin - 1].count(), static_cast<std::size_t>(state().binCount(bin))) << "bin " << bin;
        }
        EXPECT_EQ(std::accumulate(state().binCounts.begin(), state().binCounts.end(), 0), state().landed);
        EXPECT_EQ(view.count, std::to_string(state().landed));
        EXPECT_EQ(view.ballShown, !finished()) << "the ball hides at the end of a run only";
    }
};

} // namespace

// Every event that can happen in every state reachable that way, a Stop in the middle of a ball after some landings
// among them.
TEST(RunStates, EveryEventFromEveryReachableStateKeepsTheTableAndTheInvariants)
{
    std::set<std::vector<int>> seen;
    std::vector<std::vector<Event>> paths {{}};
    while (!paths.empty() && !::testing::Test::HasFailure()) {
        const std::vector<Event> path = paths.back();
        paths.pop_back();
        Program program;
        for (const Event& event : path) {
            program.take(event);
        }
        if (!seen.insert(program.key()).second) {
            continue;
        }
        for (const Event& event : kEvents) {
            if (program.canTake(event)) {
                std::vector<Event> longer = path;
                longer.push_back(event);
                paths.push_back(longer);
            }
        }
    }
    EXPECT_EQ(seen.size(), 23u);
}

TEST(RunController, CuesStartBeforeWhatTheirButtonsOpen)
{
    Program program;
    program.controller.init();
    program.controller.help();
    program.controller.exit();
    const std::vector<std::string> heard
        = {"cue pinpon.wav", "cue pinpon.wav", "help", "cue endpinpon.wav", "exit box", "end"};
    EXPECT_EQ(program.view.events, heard);
}
