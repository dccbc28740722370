// The experiment and the run controller on a view that records what a user would see and hear.
#include "Golden.h"
#include "RecordingView.h"

#include "core/RunController.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace corvanta;

// 100,000 balls follow the binomial law, whether the clock stands, moves with the fast timer or by whole seconds.
TEST(Randomness, BinsFollowTheBinomialLawUnderAnyClock)
{
    const double ways[kBins] = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1}; // C(10, b - 1) of 1024
    for (const float clockStep : {0.0f, 0.05f, 1.0f}) {
        test::RecordingView view;
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

// A draw below a half turns the ball right, from a half up left: each side's edges are among the draws.
constexpr float kRightDraws[] = {0.0f, 0x1.fffffep-2f}; // zero, and the float just under a half
constexpr float kLeftDraws[] = {0.5f, 0x1.fffffep-1f}; // a half, and the float just under one

// How many balls fall into which bin, in the order they fall.
struct Balls {
    int bin;
    int count;
};

// The main window driven as a teacher would: each button pressed only while it is enabled. After each event the
// transcript says what changed on the screen, and what sounded or opened.
struct Lesson {
    test::RecordingView view;
    RunController controller {view, view, view, view};
    test::Scene shown;
    std::string transcript;

    explicit Lesson(std::initializer_list<Balls> balls)
    {
        for (const Balls& group : balls) {
            for (int ball = 0; ball < group.count; ++ball) {
                for (int row = 0; row < 10; ++row) { // the turns to the right first
                    const bool right = row < group.bin - 1;
                    view.draws.push_back(right ? kRightDraws[row % 2] : kLeftDraws[row % 2]);
                }
                view.draws.push_back(0.0f); // the landing tick draws too
            }
        }
    }

    void look(const std::string& event)
    {
        transcript += "== " + event + "\n";
        for (const std::string& heard : view.heard) {
            transcript += heard + "\n";
        }
        view.heard.clear();
        const test::Scene now = test::scene(view);
        transcript += test::changes(shown, now);
        shown = now;
    }
    void press(Button button, const std::string& caption)
    {
        const std::map<Button, void (RunController::*)()> handlers
            = {{Button::Fast, &RunController::fast}, {Button::Slow, &RunController::slow},
                {Button::Stop, &RunController::stop}, {Button::Init, &RunController::init},
                {Button::Help, &RunController::help}, {Button::Exit, &RunController::exit}};
        EXPECT_TRUE(view.enabled[button]) << caption << " pressed while it is disabled";
        (controller.*handlers.at(button))();
        look(caption);
    }
    void activate(const std::string& when)
    {
        controller.activate();
        look(when);
    }
    // Ticks while the timer runs, at most `count`.
    void ticks(int count, const std::string& what)
    {
        for (int tick = 0; tick < count && view.timerOn; ++tick) {
            controller.step();
        }
        look(what);
    }
};

} // namespace

// Forty-eight balls land; the run stops halfway through a ball, goes on slow then fast until bin 11 holds its twentieth
// ball, and a second run stops before any ball lands.
TEST(Lesson, WhatTheScreenShowsAndWhatSoundsAfterEachEventOfALesson)
{
    Lesson lesson({{1, 1}, {6, 1}, {2, 3}, {4, 4}, {7, 19}, {11, 20}, {3, 1}});
    lesson.controller.load();
    lesson.look("the window is built");
    lesson.activate("its first activation");
    lesson.press(Button::Fast, "HightSpeed");
    lesson.activate("an activation during the run");
    lesson.ticks(11, "eleven ticks: the first ball lands");
    lesson.ticks(4, "four ticks: the next ball is on its way");
    lesson.press(Button::Stop, "Stop");
    lesson.press(Button::Help, "Help");
    lesson.activate("back from the help window");
    lesson.press(Button::Slow, "LowSpeed");
    lesson.ticks(7, "seven ticks: that ball lands");
    lesson.press(Button::Fast, "HightSpeed");
    lesson.ticks(1000, "ticks until a bin holds its twentieth ball");
    lesson.activate("an activation after the finished run");
    lesson.press(Button::Init, "Init");
    lesson.press(Button::Fast, "HightSpeed");
    lesson.ticks(3, "three ticks");
    lesson.press(Button::Stop, "Stop before any ball has landed");
    lesson.press(Button::Init, "Init");
    lesson.press(Button::Help, "Help");
    lesson.activate("back from the help window");
    lesson.press(Button::Exit, "Exit");
    expectGolden("lesson.txt", lesson.transcript);
}
