#include "Form1Handlers.h"

#include "experiment/RatioText.h"
#include "platform/Form1Controls.h"
#include "platform/PlayCue.h"

namespace corvanta {

namespace {

enum Command { HightSpeed = 1, Stop = 2, Exit = 3, Init = 4, Help = 5, LowSpeed = 6 };

constexpr Rgb kLatticeBlue {0, 0, 255};
constexpr Rgb kBinBlack {0, 0, 0};

// Each lattice line is three strokes a twentieth of a unit apart, for a line about 0.1 units wide.
void LatticeLine(Surface& picture1, float x1, float y1, float x2, float y2)
{
    for (float offset : {0.0f, 0.05f, -0.05f}) {
        picture1.Line(x1 + offset, y1, x2 + offset, y2, kLatticeBlue);
    }
}

} // namespace

void DrawBoard(Surface& picture1)
{
    for (int k = 0; k <= 9; ++k) { // down to the left, ending on the base y = 11
        LatticeLine(
            picture1, static_cast<float>(20 + k), static_cast<float>(1 + k), static_cast<float>(10 + 2 * k), 11.0f);
    }
    for (int k = 0; k <= 9; ++k) { // down to the right
        LatticeLine(
            picture1, static_cast<float>(20 - k), static_cast<float>(1 + k), static_cast<float>(30 - 2 * k), 11.0f);
    }
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        const float left = 9.6f + static_cast<float>(2 * (bin - 1));
        const float right = 10.9f + static_cast<float>(2 * (bin - 1));
        picture1.Line(left, 11.5f, left, 19.5f, kBinBlack);
        picture1.Line(right, 11.5f, right, 19.5f, kBinBlack);
        picture1.Line(left, 19.5f, right, 19.5f, kBinBlack);
    }
}

Form1Handlers::Form1Handlers(
    Form1Controls& controls, RandomSource& random, Clock& clock, MediaControl& mmControl1, Form1Shell& shell)
    : experiment(controls, random, clock)
    , controls_(controls)
    , mmControl1_(mmControl1)
    , shell_(shell)
{
}

void Form1Handlers::Form_Load()
{
    experiment.ResetState();
}

void Form1Handlers::Form_Activate()
{
    DrawBoard(controls_.Picture1());
    controls_.MovePicture2(experiment.State.BallX, experiment.State.BallY);
    controls_.SetLabel1Caption(CountText(experiment.State.ExperimentCount).View());
    controls_.SetCommandEnabled(Stop, false);
    // After a finished run Init is the only way to a new run (Help is off, and so are the speed
    // buttons): it stays enabled, or the user could do nothing but quit.
    controls_.SetCommandEnabled(Init, RunFinished());
    Surface& picture3 = controls_.Picture3();
    picture3.SetCurrentX(kHeadingX);
    picture3.SetCurrentY(kRowY);
    picture3.Print(kTheoreticalHeading);
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        picture3.SetCurrentX(Experiment::RatioColumn(bin));
        picture3.SetCurrentY(kRowY);
        picture3.Print(kTheoreticalValues[bin - 1]);
    }
    experiment.ShowRatioHeading();
}

bool Form1Handlers::RunFinished() const
{
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        if (experiment.State.BinCount(bin) >= BinCapacity) {
            return true;
        }
    }
    return false;
}

void Form1Handlers::StartRun(int intervalMilliseconds, bool hightSpeedEnabled, bool lowSpeedEnabled)
{
    controls_.SetTimer1Enabled(true);
    controls_.SetTimer1Interval(intervalMilliseconds);
    controls_.SetCommandEnabled(HightSpeed, hightSpeedEnabled);
    controls_.SetCommandEnabled(Stop, true);
    controls_.SetCommandEnabled(Exit, false);
    controls_.SetCommandEnabled(Init, false);
    controls_.SetCommandEnabled(Help, false);
    controls_.SetCommandEnabled(LowSpeed, lowSpeedEnabled);
    experiment.ResetRatioReadout();
}

void Form1Handlers::Command1_Click()
{
    StartRun(kFastIntervalMs, false, true);
}

void Form1Handlers::Command6_Click()
{
    StartRun(kSlowIntervalMs, true, false);
}

void Form1Handlers::Command2_Click()
{
    experiment.StopRun();
}

void Form1Handlers::Command4_Click()
{
    PlayCue(mmControl1_, kCueInitHelp);
    experiment.ResetState();
    controls_.SetPicture2Visible(true);
    controls_.MovePicture2(experiment.State.BallX, experiment.State.BallY);
    controls_.SetLabel1Caption(CountText(experiment.State.ExperimentCount).View());
    controls_.SetCommandEnabled(HightSpeed, true);
    controls_.SetCommandEnabled(Stop, false);
    controls_.SetCommandEnabled(Exit, true);
    controls_.SetCommandEnabled(Init, false);
    controls_.SetCommandEnabled(LowSpeed, true);
    experiment.ResetRatioReadout();
    controls_.SetMousePointer(MousePointer::Hourglass);
    for (MarkerIndex = 1; MarkerIndex <= BinCapacity; ++MarkerIndex) {
        for (int bin = 1; bin <= kBinTotal; ++bin) {
            controls_.SetMarkerVisible(bin, MarkerIndex, false);
        }
    }
    controls_.SetMousePointer(MousePointer::Arrow);
}

void Form1Handlers::Command5_Click()
{
    PlayCue(mmControl1_, kCueInitHelp);
    shell_.OpenHelpWindow();
}

void Form1Handlers::Command3_Click()
{
    PlayCue(mmControl1_, kCueExit);
    shell_.ShowExitBox();
    ExitAnswer = 1; // the box's only answer is OK
    shell_.EndProgram();
}

} // namespace corvanta
