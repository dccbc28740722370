#include "RunController.h"

#include "CuePlayer.h"
#include "MainView.h"

namespace corvanta {

namespace {

constexpr Rgb kLatticeBlue {0, 0, 255};
constexpr Rgb kBinBlack {0, 0, 0};
// C(10, b - 1) / 1024 in thousandths.
constexpr int kTheoryThousandths[kBins] = {1, 10, 44, 117, 205, 246, 205, 117, 44, 10, 1};

// Three strokes a twentieth of a unit apart, for a line about 0.1 units wide.
void latticeLine(Surface& board, float x1, float y1, float x2, float y2)
{
    for (const float offset : {0.0f, 0.05f, -0.05f}) {
        board.line(x1 + offset, y1, x2 + offset, y2, kLatticeBlue);
    }
}

} // namespace

void drawBoard(Surface& board)
{
    for (int k = 0; k <= 9; ++k) { // down to the left, ending on the base y = 11
        latticeLine(
            board, static_cast<float>(20 + k), static_cast<float>(1 + k), static_cast<float>(10 + 2 * k), 11.0f);
    }
    for (int k = 0; k <= 9; ++k) { // down to the right
        latticeLine(
            board, static_cast<float>(20 - k), static_cast<float>(1 + k), static_cast<float>(30 - 2 * k), 11.0f);
    }
    for (int bin = 1; bin <= kBins; ++bin) {
        const float left = 9.6f + static_cast<float>(2 * (bin - 1));
        const float right = 10.9f + static_cast<float>(2 * (bin - 1));
        board.line(left, 11.5f, left, 19.5f, kBinBlack);
        board.line(right, 11.5f, right, 19.5f, kBinBlack);
        board.line(left, 19.5f, right, 19.5f, kBinBlack);
    }
}

RunController::RunController(MainView& view, RandomSource& random, Clock& clock, CuePlayer& cues)
    : view_(view)
    , cues_(cues)
    , experiment_(view, random, clock)
{
}

void RunController::load()
{
    experiment_.reset();
}

void RunController::activate()
{
    drawBoard(view_.board());
    view_.moveBall(experiment_.state().ballX, experiment_.state().ballY);
    view_.setCount(std::to_string(experiment_.state().landed));
    // During a run the buttons stay as the speed button set them: with Stop disabled, a run could
    // neither be stopped nor quit until a bin fills. After a finished run Init is the only way to a
    // new one (the speed buttons and Help are off): it stays enabled, or the user could only quit.
    if (!running_) {
        view_.setButtonEnabled(Button::Stop, false);
        view_.setButtonEnabled(Button::Init, experiment_.finished());
    }
    Surface& theory = view_.theoryRow();
    theory.printAt(kHeadingX, kRowY, view_.heading(Heading::Theory));
    const std::string decimalSign = view_.decimalSign();
    for (int bin = 1; bin <= kBins; ++bin) {
        theory.printAt(Experiment::column(bin), kRowY, thousandthsText(kTheoryThousandths[bin - 1], decimalSign));
    }
    experiment_.showRatioHeading();
}

void RunController::step()
{
    experiment_.step();
    running_ = !experiment_.finished();
}

void RunController::stop()
{
    running_ = false;
    experiment_.stopRun();
}

void RunController::startRun(int intervalMs, bool fastEnabled, bool slowEnabled)
{
    running_ = true;
    view_.setStepTimerEnabled(true);
    view_.setStepInterval(intervalMs);
    view_.setButtonEnabled(Button::Fast, fastEnabled);
    view_.setButtonEnabled(Button::Stop, true);
    view_.setButtonEnabled(Button::Exit, false);
    view_.setButtonEnabled(Button::Init, false);
    view_.setButtonEnabled(Button::Help, false);
    view_.setButtonEnabled(Button::Slow, slowEnabled);
    experiment_.resetRatioReadout();
}

void RunController::fast()
{
    startRun(kFastIntervalMs, false, true);
}

void RunController::slow()
{
    startRun(kSlowIntervalMs, true, false);
}

void RunController::init()
{
    cues_.play(kInitHelpCue);
    experiment_.reset();
    view_.setBallVisible(true);
    view_.moveBall(experiment_.state().ballX, experiment_.state().ballY);
    view_.setCount(std::to_string(experiment_.state().landed));
    view_.setButtonEnabled(Button::Fast, true);
    view_.setButtonEnabled(Button::Stop, false);
    view_.setButtonEnabled(Button::Exit, true);
    view_.setButtonEnabled(Button::Init, false);
    view_.setButtonEnabled(Button::Slow, true);
    experiment_.resetRatioReadout();
    view_.setBusy(true);
    // Level by level across the bins, every marker whether shown or not.
    for (int level = 1; level <= kBinCapacity; ++level) {
        for (int bin = 1; bin <= kBins; ++bin) {
            view_.setMarkerVisible(bin, level, false);
        }
    }
    view_.setBusy(false);
}

void RunController::help()
{
    cues_.play(kInitHelpCue);
    view_.openHelp();
}

void RunController::exit()
{
    cues_.play(kExitCue);
    view_.confirmExit(); // its only answer is OK
    view_.endProgram();
}

} // namespace corvanta
