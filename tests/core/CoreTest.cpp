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

enum class Event { HightSpeed, LowSpeed, Stop, Init, Help, Activation, Tick, ThreeBalls, RunToTheEnd };
const Event kEvents[] = {Event::HightSpeed, Event::LowSpeed, Event::Stop, Event::Init, Event::Help, Event::Activation,
    Event::Tick, Event::ThreeBalls, Event::RunToTheEnd};

// After an event a button or the timer is on, off, or as it was.
enum Flag { Off, On, Same };
// The ratio row after an event: its heading alone; the heading and the eleven ratios (the heading alone while no ball
// has landed); or what it showed before.
enum class RatioRow { Heading, Ratios, Same };

struct Outcome {
    const char* after;
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

const Outcome& outcome(const std::string& after)
{
    return *std::ranges::find(kOutcomes, after, &Outcome::after);
}

bool isTicks(Event event)
{
    return event == Event::Tick || event == Event::ThreeBalls || event == Event::RunToTheEnd;
}

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

    // A button while it is enabled, ticks while the timer runs, an activation at any time.
    bool canTake(Event event)
    {
        switch (event) {
        case Event::HightSpeed:
            return view.enabled[Button::Fast];
        case Event::LowSpeed:
            return view.enabled[Button::Slow];
        case Event::Stop:
            return view.enabled[Button::Stop];
        case Event::Init:
            return view.enabled[Button::Init];
        case Event::Help:
            return view.enabled[Button::Help];
        case Event::Activation:
            return true;
        default:
            return view.stepTimerOn;
        }
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

    void apply(Event event)
    {
        switch (event) {
        case Event::HightSpeed:
            return controller.fast();
        case Event::LowSpeed:
            return controller.slow();
        case Event::Stop:
            return controller.stop();
        case Event::Init:
            return controller.init();
        case Event::Help:
            return controller.help();
        case Event::Activation:
            return controller.activate();
        case Event::Tick:
            return tick();
        case Event::ThreeBalls:
            for (int ticks = 0; ticks < 3 * 11 + 4 && view.stepTimerOn; ++ticks) {
                tick();
            }
            return;
        case Event::RunToTheEnd:
            while (view.stepTimerOn) {
                tick();
            }
            return;
        }
    }

    std::string outcomeName(Event event, bool runningBefore)
    {
        switch (event) {
        case Event::HightSpeed:
            return "HightSpeed";
        case Event::LowSpeed:
            return "LowSpeed";
        case Event::Stop:
            return "Stop";
        case Event::Init:
            return "Init";
        case Event::Help:
            return "Help";
        case Event::Activation:
            if (runningBefore) {
                return "activation during a run";
            }
            return finished() ? "activation after a finished run" : "activation";
        default:
            return finished() ? "the tick that fills a bin" : "ticks, the run going on";
        }
    }

    void take(Event event)
    {
        const test::FakeView before = view;
        const ExperimentState stateBefore = state();
        apply(event);
        const Outcome& expected = outcome(outcomeName(event, before.stepTimerOn));
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
        const std::size_t ratiosShown = state().landed > 0 ? 1 + kBins : 1;
        switch (expected.ratioRow) {
        case RatioRow::Heading:
            EXPECT_EQ(view.ratios.texts.size(), 1u);
            break;
        case RatioRow::Ratios:
            EXPECT_EQ(view.ratios.texts.size(), ratiosShown);
            break;
        case RatioRow::Same:
            EXPECT_EQ(view.ratios.texts, before.ratios.texts);
            break;
        }

        // Only Init and Help are heard, before what their buttons open.
        std::vector<std::string> heard = before.events;
        if (event == Event::Init) {
            heard.push_back("cue pinpon.wav");
        } else if (event == Event::Help) {
            heard.push_back("cue pinpon.wav");
            heard.push_back("help");
        }
        EXPECT_EQ(view.events, heard);

        // Only ticks move the ball and count; Init puts it back at the start, shown, with nothing counted.
        if (event == Event::Init) {
            EXPECT_EQ(state().ballX, kStartX);
            EXPECT_EQ(state().ballY, kStartY);
            EXPECT_EQ(state().landed, 0);
            EXPECT_EQ(view.ballLeft, kStartX);
            EXPECT_EQ(view.ballTop, kStartY);
        } else if (!isTicks(event)) {
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

// Every event that can happen (a button while enabled, ticks while the timer runs, an activation) in every state
// reachable that way, a Stop in the middle of a ball after some landings among them.
TEST(RunStates, EveryEventFromEveryReachableStateKeepsTheTableAndTheInvariants)
{
    std::set<std::vector<int>> seen;
    std::vector<std::vector<Event>> paths {{}};
    while (!paths.empty() && !::testing::Test::HasFailure()) {
        const std::vector<Event> path = paths.back();
        paths.pop_back();
        Program program;
        for (const Event event : path) {
            program.take(event);
        }
        if (!seen.insert(program.key()).second) {
            continue;
        }
        for (const Event event : kEvents) {
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
