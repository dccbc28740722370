#include "Experiment.h"

#include "Checked16.h"
#include "RatioText.h"

#include "platform/Clock.h"
#include "platform/Form1Controls.h"
#include "platform/RandomSource.h"

#include <cmath>

namespace corvanta {

namespace {

enum Command { HightSpeed = 1, Stop = 2, Exit = 3, Init = 4, Help = 5, LowSpeed = 6 };

} // namespace

Experiment::Experiment(Form1Controls& controls, RandomSource& random, Clock& clock)
    : controls_(controls)
    , random_(random)
    , clock_(clock)
{
}

void Experiment::ResetState()
{
    State.BallX = kStartX;
    State.BallY = kStartY;
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        State.BinCount(bin) = 0;
    }
    State.ExperimentCount = 0;
}

void Experiment::Timer1Tick()
{
    // The sprite shows where the previous tick left the ball.
    controls_.MovePicture2(State.BallX, State.BallY);

    random_.Reseed(clock_.SecondsSinceMidnight());
    const float r = random_.Next();
    // In double, 2r + 1 is exact, so the largest float below 1 gives 2, never 3.
    State.Turn = static_cast<std::int16_t>(std::floor(2.0 * static_cast<double>(r) + 1.0));

    if (State.BallY < kBottomY) {
        if (State.Turn == 1) {
            State.BallX += kStep;
        } else if (State.Turn == 2) {
            State.BallX -= kStep;
        }
        State.BallY += kStep;
        return;
    }

    State.ExperimentCount = CheckedAdd16(State.ExperimentCount, 1);
    controls_.SetLabel1Caption(CountText(State.ExperimentCount).View());
    TallyLanding(static_cast<std::int16_t>(SelectBin(State.BallX)));
    State.BallX = kStartX;
    State.BallY = kStartY;
}

int Experiment::SelectBin(float ballX)
{
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        if (ballX < BinThreshold(bin)) {
            return bin;
        }
    }
    // Ten steps of one column from 19.8 cannot reach 30; a ball there means corrupt state.
    FatalError("landed ball outside every bin");
}

void Experiment::TallyLanding(std::int16_t bin)
{
    const std::int16_t before = State.BinCount(bin);
    State.BinCount(bin) = CheckedAdd16(before, 1);
    controls_.SetMarkerVisible(bin, State.BinCount(bin), true);
    if (before >= BinCapacity - 1) {
        EndRun();
    }
}

void Experiment::EndRun()
{
    controls_.SetTimer1Enabled(false);
    controls_.SetPicture2Visible(false);
    controls_.SetCommandEnabled(HightSpeed, false);
    controls_.SetCommandEnabled(Stop, false);
    controls_.SetCommandEnabled(Exit, true);
    controls_.SetCommandEnabled(Init, true);
    controls_.SetCommandEnabled(LowSpeed, false);
    PrintRatios();
}

void Experiment::StopRun()
{
    controls_.SetTimer1Enabled(false);
    controls_.SetCommandEnabled(HightSpeed, true);
    controls_.SetCommandEnabled(Stop, false);
    controls_.SetCommandEnabled(Exit, true);
    controls_.SetCommandEnabled(Init, true);
    controls_.SetCommandEnabled(Help, true);
    controls_.SetCommandEnabled(LowSpeed, true);
    PrintRatios();
}

std::int16_t Experiment::LandedTotal() const
{
    std::int16_t total = 0;
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        total = CheckedAdd16(total, State.BinCount(bin));
    }
    return total;
}

void Experiment::PrintRatios()
{
    Surface& picture4 = controls_.Picture4();
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        picture4.SetCurrentX(RatioColumn(bin));
        picture4.SetCurrentY(kRowY);
        const std::int16_t total = LandedTotal();
        // Before the first landing there is no ratio to show: the heading stays alone.
        if (total == 0) {
            continue;
        }
        picture4.Print(RatioText(State.BinCount(bin), total).View());
    }
}

void Experiment::ShowRatioHeading()
{
    Surface& picture4 = controls_.Picture4();
    picture4.SetCurrentX(kHeadingX);
    picture4.SetCurrentY(kRowY);
    picture4.Print(kRatioHeading);
}

void Experiment::ResetRatioReadout()
{
    controls_.Picture4().Cls();
    ShowRatioHeading();
}

} // namespace corvanta
