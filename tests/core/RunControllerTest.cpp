#include "FakeView.h"

#include "core/RunController.h"

#include <gtest/gtest.h>

#include <functional>
#include <numeric>
#include <random>
#include <set>

namespace corvanta {
namespace {

enum class Event { Tick, Fast, Slow, Stop, Init, Help, Exit, Activate };
constexpr Event kEvents[]
    = {Event::Tick, Event::Fast, Event::Slow, Event::Stop, Event::Init, Event::Help, Event::Exit, Event::Activate};

// The buttons and the timer: the whole run state.
struct Flags {
    bool fast, slow, stop, init, help, exit, timer;
    int interval;
    auto operator<=>(const Flags&) const = default;
};

// The table of run states: HightSpeed, LowSpeed, Stop, Init, Help, Exit and the timer after each
// event, on (1), off (0) or unchanged (=). A tick that ends the run and the activation after a
// finished run take the second row.
constexpr const char* kTable[][2] = {{"=======", "0001=10"}, {"0110001", ""}, {"1010001", ""}, {"1101110", ""},
    {"1100=1=", ""}, {"=======", ""}, {"=======", ""}, {"==00===", "==0===="}};

Flags expected(Flags f, Event event, bool finished)
{
    const char* row = kTable[static_cast<int>(event)][finished && *kTable[static_cast<int>(event)][1] ? 1 : 0];
    bool* fields[] = {&f.fast, &f.slow, &f.stop, &f.init, &f.help, &f.exit, &f.timer};
    for (int i = 0; i < 7; ++i) {
        *fields[i] = row[i] == '=' ? *fields[i] : row[i] == '1';
    }
    f.interval = event == Event::Fast ? 50 : event == Event::Slow ? 300 : f.interval;
    return f;
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
    Flags flags()
    {
        auto& e = view.enabled;
        return {e[Button::Fast], e[Button::Slow], e[Button::Stop], e[Button::Init], e[Button::Help], e[Button::Exit],
            view.timer, view.interval};
    }
    bool canHappen(Event event)
    {
        const Flags f = flags();
        return std::array {f.timer, f.fast, f.slow, f.stop, f.init, f.help, f.exit, true}[static_cast<int>(event)];
    }
    bool finished() const { return controller.experiment().finished(); }
    // Applies the event and checks the buttons and the invariants it leaves.
    void apply(Event event)
    {
        const Flags before = flags();
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
    bool ready()
    {
        return !view.timer && view.enabled[Button::Fast] && view.enabled[Button::Slow]
            && controller.experiment().state().landed == 0;
    }
};

// Walks every state reachable from `from` without Exit, taking (and so checking) every event that
// can happen in each, until visit() accepts one.
bool explore(const std::vector<Event>& from, const std::function<bool(const std::vector<Event>&, Program&)>& visit)
{
    std::set<std::pair<Flags, bool>> seen;
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
    for (const auto& path : states) { // a new run: both speed buttons on, nothing counted
        EXPECT_TRUE(explore(path, [](const std::vector<Event>&, Program& p) { return p.ready(); }))
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

TEST(RunController, CuesStartBeforeWhatTheirButtonsOpenAndActivationDrawsTheBoardAndTable)
{
    Program program(1);
    EXPECT_EQ(program.view.boardSurface.lines, 93);
    EXPECT_EQ(program.view.theory.texts.size(), 12u);
    EXPECT_EQ((program.view.theory.texts[{Experiment::column(6), kRowY}]), "0.246");
    for (Event event : {Event::Fast, Event::Stop, Event::Init, Event::Help, Event::Exit}) {
        program.apply(event);
    }
    const std::vector<std::string> order {"cue pinpon.wav", "ball shown", "busy", "not busy", "cue pinpon.wav",
        "help opened", "cue endpinpon.wav", "exit box", "end"};
    EXPECT_EQ(program.view.events, order);
}

} // namespace
} // namespace corvanta
