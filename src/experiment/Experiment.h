#pragma once

#include "ExperimentState.h"

#include <cstdint>

namespace corvanta {

class Clock;
class Form1Controls;
class RandomSource;

// The falling-ball experiment: the ball step on each timer tick, the landing tally, the two ways a
// run comes to rest (a full bin, the Stop button) and the ratio readout on Picture4.
class Experiment {
public:
    Experiment(Form1Controls& controls, RandomSource& random, Clock& clock);

    ExperimentState State;

    // Start values of a fresh experiment (window load; Init makes the same assignments).
    void ResetState();

    // One tick of Timer1: shows the ball, draws a turn, then moves the ball one row or lands it.
    void Timer1Tick();

    // Counts a ball that landed in bin 1..11, shows its marker, ends the run when the bin is full.
    void TallyLanding(std::int16_t bin);
    void EndRun();
    void StopRun();

    void PrintRatios();
    void ShowRatioHeading();
    void ResetRatioReadout();

    // Sum of the eleven bin counters, in checked 16-bit arithmetic.
    std::int16_t LandedTotal() const;

    // The bin a landed ball at this x falls into: the first whose threshold lies above it.
    static int SelectBin(float ballX);
    // Picture4 / Picture3 column of bin j's value.
    static float RatioColumn(int bin) { return 14.6f + static_cast<float>(2 * (bin - 1)); }

private:
    Form1Controls& controls_;
    RandomSource& random_;
    Clock& clock_;
};

inline constexpr char kRatioHeading[] = "Ratio from experimental results";
inline constexpr float kHeadingX = 2.0f;
inline constexpr float kRowY = 1.0f;

} // namespace corvanta
