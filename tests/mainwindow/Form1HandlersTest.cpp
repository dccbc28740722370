#include "HandlerFakes.h"
#include "ScriptedRandom.h"

#include "mainwindow/Form1Handlers.h"
#include "platform/RandomSource.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <tuple>

namespace corvanta {
namespace {

using test::FakeClock;
using test::JournalMediaControl;
using test::JournalShell;
using test::RecordingControls;
using Journal = std::vector<std::string>;

Journal Cue(const std::string& file)
{
    return {"MMControl1.Command Stop", "MMControl1.Command Close", "MMControl1.FileName " + file,
        "MMControl1.Command Open", "MMControl1.Command Sound"};
}

Journal Concat(std::initializer_list<Journal> parts)
{
    Journal all;
    for (const Journal& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

const Journal kReadoutReset
    = {"Picture4.Cls", "Picture4.CurrentX 2", "Picture4.CurrentY 1", "Picture4.Print Ratio from experimental results"};

struct Form1HandlersTest : ::testing::Test {
    RecordingControls controls;
    test::ScriptedRandom random;
    FakeClock clock;
    JournalMediaControl mmControl1 {controls};
    JournalShell shell {controls};
    Form1Handlers handlers {controls, random, clock, mmControl1, shell};

    void SetUp() override
    {
        handlers.Form_Load();
        handlers.Form_Activate();
        controls.TakeJournal();
    }
};

TEST_F(Form1HandlersTest, DrawBoardDrawsNinetyThreeLinesInOrder)
{
    DrawBoard(controls.picture1);
    const Journal lines = controls.TakeJournal();
    ASSERT_EQ(lines.size(), 93u);
    // Down-left line 0 as three strokes, then the last down-right stroke, then bin 1 and bin 11.
    EXPECT_EQ(lines[0], "Picture1.Line 20 1 10 11 0,0,255");
    EXPECT_EQ(lines[1], "Picture1.Line 20.05 1 10.05 11 0,0,255");
    EXPECT_EQ(lines[2], "Picture1.Line 19.95 1 9.95 11 0,0,255");
    EXPECT_EQ(lines[27], "Picture1.Line 29 10 28 11 0,0,255");
    EXPECT_EQ(lines[30], "Picture1.Line 20 1 30 11 0,0,255");
    EXPECT_EQ(lines[59], "Picture1.Line 10.95 10 11.95 11 0,0,255");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 60, lines.begin() + 63),
        (Journal {"Picture1.Line 9.6 11.5 9.6 19.5 0,0,0", "Picture1.Line 10.9 11.5 10.9 19.5 0,0,0",
            "Picture1.Line 9.6 19.5 10.9 19.5 0,0,0"}));
    EXPECT_EQ(lines[92], "Picture1.Line 29.6 19.5 30.9 19.5 0,0,0");
}

TEST_F(Form1HandlersTest, ActivationDrawsPlacesShowsDisablesAndPrintsInOrder)
{
    handlers.Form_Activate();
    Journal journal = controls.TakeJournal();
    ASSERT_EQ(journal.size(), 93u + 4u + 3u + 33u + 3u);
    journal.erase(journal.begin(), journal.begin() + 93);
    Journal expected = {"Picture2.Move 19.8 0.9", "Label1.Caption 0", "Command2.Enabled 0", "Command4.Enabled 0",
        "Picture3.CurrentX 2", "Picture3.CurrentY 1", "Picture3.Print Theoretical mathematical probability"};
    const char* values[]
        = {"0.001", "0.010", "0.044", "0.117", "0.205", "0.246", "0.205", "0.117", "0.044", "0.010", "0.001"};
    const char* columns[] = {"14.6", "16.6", "18.6", "20.6", "22.6", "24.6", "26.6", "28.6", "30.6", "32.6", "34.6"};
    for (int bin = 0; bin < 11; ++bin) {
        expected.push_back(std::string("Picture3.CurrentX ") + columns[bin]);
        expected.push_back("Picture3.CurrentY 1");
        expected.push_back(std::string("Picture3.Print ") + values[bin]);
    }
    expected.insert(expected.end(),
        {"Picture4.CurrentX 2", "Picture4.CurrentY 1", "Picture4.Print Ratio from experimental results"});
    EXPECT_EQ(journal, expected);
}

TEST_F(Form1HandlersTest, SpeedButtonsEnableTheTimerThenSetItsInterval)
{
    handlers.Command1_Click();
    EXPECT_EQ(controls.TakeJournal(),
        Concat({{"Timer1.Enabled 1", "Timer1.Interval 50", "Command1.Enabled 0", "Command2.Enabled 1",
                    "Command3.Enabled 0", "Command4.Enabled 0", "Command5.Enabled 0", "Command6.Enabled 1"},
            kReadoutReset}));
    handlers.Command6_Click();
    EXPECT_EQ(controls.TakeJournal(),
        Concat({{"Timer1.Enabled 1", "Timer1.Interval 300", "Command1.Enabled 1", "Command2.Enabled 1",
                    "Command3.Enabled 0", "Command4.Enabled 0", "Command5.Enabled 0", "Command6.Enabled 0"},
            kReadoutReset}));
    EXPECT_EQ(mmControl1.sounds, 0) << "speed buttons play no cue";
}

TEST_F(Form1HandlersTest, InitPlaysItsCueResetsAndHidesEveryMarkerElementMajor)
{
    handlers.experiment.State.BallX = 23.8f;
    handlers.experiment.State.BinCount(4) = 3;
    handlers.experiment.State.ExperimentCount = 3;
    handlers.Command4_Click();
    Journal journal = controls.TakeJournal();
    Journal expected = Concat({Cue("pinpon.wav"),
        {"Picture2.Visible 1", "Picture2.Move 19.8 0.9", "Label1.Caption 0", "Command1.Enabled 1", "Command2.Enabled 0",
            "Command3.Enabled 1", "Command4.Enabled 0", "Command6.Enabled 1"},
        kReadoutReset, {"MousePointer 11"}});
    for (int element = 1; element <= 20; ++element) {
        for (int bin = 1; bin <= 11; ++bin) {
            expected.push_back("o" + std::to_string(bin) + "(" + std::to_string(element) + ").Visible 0");
        }
    }
    expected.push_back("MousePointer 1");
    EXPECT_EQ(journal, expected);
    EXPECT_EQ(handlers.MarkerIndex, 21);
    EXPECT_EQ(handlers.experiment.State.BinCount(4), 0);
    EXPECT_EQ(handlers.experiment.State.ExperimentCount, 0);
}

TEST_F(Form1HandlersTest, HelpPlaysItsCueThenOpensTheHelpWindowAndExitConfirmsThenEnds)
{
    handlers.Command5_Click();
    EXPECT_EQ(controls.TakeJournal(), Concat({Cue("pinpon.wav"), {"Form2.Show"}}));
    handlers.Command3_Click();
    EXPECT_EQ(controls.TakeJournal(), Concat({Cue("endpinpon.wav"), {"MsgBox This software will exit.", "End"}}));
    EXPECT_TRUE(shell.ended);
}

// The button and timer settings after each event, checked from every state it can be reached in.
struct Flags {
    bool hightSpeed, lowSpeed, stop, init, help, exit, timer;
    int interval;
    friend bool operator==(const Flags&, const Flags&) = default;
};

Flags Read(const RecordingControls& c)
{
    return {c.commandEnabled[1], c.commandEnabled[6], c.commandEnabled[2], c.commandEnabled[4], c.commandEnabled[5],
        c.commandEnabled[3], c.timerEnabled, c.timerInterval};
}

std::ostream& operator<<(std::ostream& out, const Flags& f)
{
    return out << "H" << f.hightSpeed << " L" << f.lowSpeed << " S" << f.stop << " I" << f.init << " Help" << f.help
               << " E" << f.exit << " T" << f.timer << "/" << f.interval;
}

enum class Event { Tick, HightSpeed, LowSpeed, Stop, Init, Help, Exit, Activate };

// What the table says the flags become after an event, from the flags before it.
Flags Expected(Flags f, Event event, bool runEnded)
{
    switch (event) {
    case Event::Activate: {
        // A finished run (both speed buttons and the timer off) keeps Init: the only way on.
        const bool finished = !f.hightSpeed && !f.lowSpeed && !f.timer;
        f.stop = false;
        f.init = finished && f.init;
        break;
    }
    case Event::HightSpeed:
        f = {false, true, true, false, false, false, true, 50};
        break;
    case Event::LowSpeed:
        f = {true, false, true, false, false, false, true, 300};
        break;
    case Event::Stop:
        f = {true, true, false, true, true, true, false, f.interval};
        break;
    case Event::Init:
        f = {true, true, false, false, f.help, true, f.timer, f.interval};
        break;
    case Event::Tick:
        if (runEnded) {
            f = {false, false, false, true, f.help, true, false, f.interval};
        }
        break;
    case Event::Help:
    case Event::Exit:
        break;
    }
    return f;
}

struct Model {
    RecordingControls controls;
    TimeMixedRandom random;
    FakeClock clock {1000.0f, 0.05f};
    JournalMediaControl mmControl1 {controls};
    JournalShell shell {controls};
    Form1Handlers handlers {controls, random, clock, mmControl1, shell};

    explicit Model(std::uint64_t seed)
        : random(seed)
    {
        controls.recordJournal = false;
        handlers.Form_Load();
        handlers.Form_Activate();
    }

    bool Enabled(Event event) const
    {
        const auto& c = controls.commandEnabled;
        switch (event) {
        case Event::Tick:
            return controls.timerEnabled;
        case Event::HightSpeed:
            return c[1];
        case Event::LowSpeed:
            return c[6];
        case Event::Stop:
            return c[2];
        case Event::Init:
            return c[4];
        case Event::Help:
            return c[5];
        case Event::Exit:
            return c[3];
        case Event::Activate:
            return true;
        }
        return false;
    }

    void Apply(Event event)
    {
        switch (event) {
        case Event::Tick:
            handlers.Timer1_Timer();
            break;
        case Event::HightSpeed:
            handlers.Command1_Click();
            break;
        case Event::LowSpeed:
            handlers.Command6_Click();
            break;
        case Event::Stop:
            handlers.Command2_Click();
            break;
        case Event::Init:
            handlers.Command4_Click();
            break;
        case Event::Help:
            handlers.Command5_Click();
            break;
        case Event::Exit:
            handlers.Command3_Click();
            break;
        case Event::Activate:
            handlers.Form_Activate();
            break;
        }
    }

    // Invariants that hold after every event.
    void Check() const
    {
        const ExperimentState& s = handlers.experiment.State;
        int sum = 0;
        for (int bin = 1; bin <= kBinTotal; ++bin) {
            ASSERT_LE(s.BinCount(bin), 20);
            ASSERT_EQ(controls.VisibleMarkers(bin), s.BinCount(bin));
            sum += s.BinCount(bin);
        }
        ASSERT_EQ(sum, s.ExperimentCount);
        ASSERT_EQ(controls.label1, std::to_string(s.ExperimentCount));
        if (controls.timerEnabled) {
            ASSERT_EQ(controls.picture4.printed.size(), 1u) << "only the heading while running";
            ASSERT_EQ(controls.picture4.printed.front().text, kRatioHeading);
        }
    }
};

TEST(Form1StateTable, EveryEventFromEveryReachableState)
{
    // Reach each state by a short path, then apply each event that can happen there.
    const std::vector<std::pair<const char*, std::vector<Event>>> states = {
        {"Ready at start-up", {}},
        {"Running fast", {Event::HightSpeed}},
        {"Running slow", {Event::LowSpeed}},
        {"Stopped", {Event::HightSpeed, Event::Tick, Event::Stop}},
        {"Stopped, back from help", {Event::LowSpeed, Event::Stop, Event::Help, Event::Activate}},
        {"Ready after Init", {Event::HightSpeed, Event::Stop, Event::Init}},
        {"Running, back from help", {Event::HightSpeed, Event::Stop, Event::Help, Event::LowSpeed, Event::Activate}},
    };
    const Event events[] = {Event::Tick, Event::HightSpeed, Event::LowSpeed, Event::Stop, Event::Init, Event::Help,
        Event::Exit, Event::Activate};
    for (const auto& [name, path] : states) {
        for (Event event : events) {
            Model model(7);
            for (Event step : path) {
                model.Apply(step);
            }
            if (!model.Enabled(event)) {
                continue;
            }
            const Flags before = Read(model.controls);
            model.Apply(event);
            EXPECT_EQ(Read(model.controls), Expected(before, event, false))
                << name << ", event " << static_cast<int>(event);
        }
    }
}

TEST(Form1StateTable, FinishedRunLeavesOnlyInitAndExitAndHelpStaysOffAfterInit)
{
    Model model(11);
    model.Apply(Event::HightSpeed);
    while (model.controls.timerEnabled) {
        model.Apply(Event::Tick);
    }
    EXPECT_EQ(Read(model.controls), (Flags {false, false, false, true, false, true, false, 50}));
    EXPECT_FALSE(model.controls.spriteVisible);
    model.Apply(Event::Activate);
    EXPECT_EQ(model.controls.spriteLeft, kStartX) << "activation moves the hidden sprite to the start";
    EXPECT_FALSE(model.controls.spriteVisible);
    EXPECT_EQ(model.controls.picture4.printed.size(), 12u) << "the ratios stay through an activation";
    model.Apply(Event::Init);
    EXPECT_EQ(Read(model.controls), (Flags {true, true, false, false, false, true, false, 50}));
    EXPECT_TRUE(model.controls.spriteVisible);
    model.Apply(Event::HightSpeed);
    model.Apply(Event::Stop);
    EXPECT_TRUE(model.controls.commandEnabled[5]) << "only Stop enables Help again";
}

// From every state the buttons can reach, a new run (Ready: timer off, both speed buttons enabled,
// nothing counted) can still be reached without Exit.
TEST(Form1StateTable, ANewRunIsReachableFromEveryReachableState)
{
    using Path = std::vector<Event>;
    const Event moves[] = {Event::Tick, Event::HightSpeed, Event::LowSpeed, Event::Stop, Event::Init, Event::Help,
        Event::Activate};
    const auto replay = [](const Path& path) {
        auto model = std::make_unique<Model>(3);
        for (Event event : path) {
            if (event == Event::Tick) { // a tick here stands for the run going on to its end
                while (model->controls.timerEnabled) {
                    model->Apply(Event::Tick);
                }
            } else {
                model->Apply(event);
            }
        }
        return model;
    };
    const auto key = [](const Model& m) {
        const Flags f = Read(m.controls);
        return std::tuple(f.hightSpeed, f.lowSpeed, f.stop, f.init, f.help, f.exit, f.timer,
            m.controls.spriteVisible, m.handlers.experiment.State.ExperimentCount > 0);
    };
    const auto ready = [](const Model& m) {
        return !m.controls.timerEnabled && m.controls.commandEnabled[1] && m.controls.commandEnabled[6]
            && m.handlers.experiment.State.ExperimentCount == 0;
    };
    // Every state reachable from start-up, each with a path that reaches it.
    const auto explore = [&](const Path& from, auto&& visit) {
        std::set<decltype(key(Model(1)))> seen;
        std::vector<Path> queue {from};
        while (!queue.empty()) {
            const Path path = queue.back();
            queue.pop_back();
            const auto model = replay(path);
            if (!seen.insert(key(*model)).second) {
                continue;
            }
            if (visit(path, *model)) {
                return true;
            }
            for (Event move : moves) {
                if (model->Enabled(move)) {
                    Path next = path;
                    next.push_back(move);
                    queue.push_back(next);
                }
            }
        }
        return false;
    };
    int states = 0;
    explore({}, [&](const Path& path, const Model&) {
        ++states;
        EXPECT_TRUE(explore(path, [&](const Path&, const Model& m) { return ready(m); }))
            << "stuck after a path of " << path.size() << " events, last "
            << (path.empty() ? -1 : static_cast<int>(path.back()));
        return false;
    });
    EXPECT_GE(states, 8);
}

TEST(Form1StateTable, RandomEventsKeepTheTableAndTheInvariants)
{
    constexpr long kEvents = 1'000'000;
    constexpr int kSeeds = 20;
    long applied = 0;
    int runsEnded = 0;
    for (int seed = 1; seed <= kSeeds; ++seed) {
        auto model = std::make_unique<Model>(static_cast<std::uint64_t>(seed));
        std::mt19937 chooser(static_cast<unsigned>(seed));
        for (long i = 0; i < kEvents / kSeeds; ++i) {
            // Ticks dominate while the timer runs, as they do on the screen.
            Event event = Event::Tick;
            if (!model->controls.timerEnabled || chooser() % 20 == 0) {
                event = static_cast<Event>(1 + chooser() % 7);
            }
            if (!model->Enabled(event)) {
                continue;
            }
            if (event == Event::Exit && chooser() % 50 != 0) {
                continue; // exits are rare; each one starts a new program
            }
            const Flags before = Read(model->controls);
            const std::int16_t countBefore = model->handlers.experiment.State.ExperimentCount;
            model->Apply(event);
            ++applied;
            const bool ended = event == Event::Tick && !model->controls.timerEnabled;
            ASSERT_EQ(Read(model->controls), Expected(before, event, ended)) << "seed " << seed << " event " << i;
            ASSERT_NO_FATAL_FAILURE(model->Check()) << "seed " << seed << " event " << i;
            if (ended) {
                ++runsEnded;
                const auto& s = model->handlers.experiment.State;
                int full = 0;
                for (int bin = 1; bin <= kBinTotal; ++bin) {
                    full += s.BinCount(bin) == 20 ? 1 : 0;
                }
                ASSERT_EQ(full, 1);
                ASSERT_LE(s.ExperimentCount, 210);
                ASSERT_EQ(s.ExperimentCount, countBefore + 1);
                ASSERT_EQ(model->controls.picture4.printed.size(), 12u);
            }
            if (model->shell.ended) {
                model = std::make_unique<Model>(chooser());
            }
        }
    }
    EXPECT_GE(applied, kEvents / 2);
    EXPECT_GT(runsEnded, 50);
}

} // namespace
} // namespace corvanta
