#include "RunController.h"

#include "CuePlayer.h"
#include "MainView.h"

#include <algorithm>
#include <utility>

namespace corvanta {

namespace {

// A button or the step timer after an event: enabled, disabled, or as it was.
enum Flag { Off, On, Same };

// The buttons and the step timer after each event; Help changes none of them. The buttons are set in
// their Tab order: one disabled while it has the focus hands it on to the next one enabled then.
struct ButtonRule {
    RunEvent after;
    Flag fast, stop, exit, init, help, slow, stepTimer;
    int intervalMs; // 0: as it was
};

// clang-format off
constexpr ButtonRule kButtonRules[] = {
    // after                          HightSpeed Stop  Exit  Init  Help  LowSpeed timer interval
    {RunEvent::Load,                  On,        On,   On,   On,   On,   On,      Off,  150}, // as laid out
    {RunEvent::Activation,            Same,      Off,  Same, Off,  Same, Same,    Same, 0},
    // After a finished run Init is the only way to a new one: off, it would leave the user only Exit.
    {RunEvent::ActivationAfterTheEnd, Same,      Off,  Same, On,   Same, Same,    Same, 0},
    // During a run, with Stop off, a run could neither be stopped nor quit until a bin fills.
    {RunEvent::ActivationDuringARun,  Same,      Same, Same, Same, Same, Same,    Same, 0},
    {RunEvent::Fast,                  Off,       On,   Off,  Off,  Off,  On,      On,   50},
    {RunEvent::Slow,                  On,        On,   Off,  Off,  Off,  Off,     On,   300},
    {RunEvent::Stop,                  On,        Off,  On,   On,   On,   On,      Off,  0},
    {RunEvent::BinFull,               Off,       Off,  On,   On,   Same, Off,     Off,  0},
    {RunEvent::Init,                  On,        Off,  On,   Off,  Same, On,      Same, 0},
};
// clang-format on

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
    setButtons(RunEvent::Load);
    experiment_.reset();
    view_.showStripTexts(Heading::Ratio, {}); // nothing measured yet
}

void RunController::activate()
{
    drawBoard(view_.board());
    view_.moveBall(experiment_.state().ballX, experiment_.state().ballY);
    view_.setCount(std::to_string(experiment_.state().landed));
    if (running_) {
        setButtons(RunEvent::ActivationDuringARun);
    } else {
        setButtons(experiment_.finished() ? RunEvent::ActivationAfterTheEnd : RunEvent::Activation);
    }
    Surface& theory = view_.theoryRow();
    theory.printAt(kHeadingX, kRowY, view_.heading(Heading::Theory));
    const std::string decimalSign = view_.decimalSign();
    std::array<std::string, kBins> probabilities;
    for (int bin = 1; bin <= kBins; ++bin) {
        std::string& probability = probabilities.at(static_cast<std::size_t>(bin - 1));
        probability = thousandthsText(kTheoryThousandths[bin - 1], decimalSign);
        theory.printAt(Experiment::column(bin), kRowY, probability);
    }
    view_.showStripTexts(Heading::Theory, probabilities);
    experiment_.showRatioHeading();
}

void RunController::step()
{
    if (experiment_.step()) {
        running_ = false;
        setButtons(RunEvent::BinFull);
    }
}

void RunController::stop()
{
    running_ = false;
    setButtons(RunEvent::Stop);
    experiment_.printRatios();
}

void RunController::startRun(RunEvent speed)
{
    running_ = true;
    setButtons(speed);
    experiment_.resetRatioReadout();
}

void RunController::init()
{
    cues_.play(CORVANTA_INIT_HELP_CUE);
    experiment_.reset();
    view_.setBallVisible(true);
    view_.moveBall(experiment_.state().ballX, experiment_.state().ballY);
    view_.setCount(std::to_string(experiment_.state().landed));
    setButtons(RunEvent::Init);
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
    cues_.play(CORVANTA_INIT_HELP_CUE);
    view_.openHelp();
}

void RunController::exit()
{
    cues_.play(CORVANTA_EXIT_CUE);
    view_.confirmExit(); // its only answer is OK
    view_.endProgram();
}

void RunController::setButtons(RunEvent after)
{
    const ButtonRule& rule = *std::ranges::find(kButtonRules, after, &ButtonRule::after);
    if (rule.stepTimer != Same) {
        view_.setStepTimerEnabled(rule.stepTimer == On);
    }
    if (rule.intervalMs != 0) {
        view_.setStepInterval(rule.intervalMs);
    }
    const std::pair<Button, Flag> buttons[] = {{Button::Fast, rule.fast}, {Button::Stop, rule.stop},
        {Button::Exit, rule.exit}, {Button::Init, rule.init}, {Button::Help, rule.help}, {Button::Slow, rule.slow}};
    for (const auto& [button, flag] : buttons) {
        if (flag != Same) {
            view_.setButtonEnabled(button, flag == On);
        }
    }
}

} // namespace corvanta
