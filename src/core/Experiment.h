#pragma once

#include <array>
#include <string>
#include <string_view>

namespace corvanta {

class Clock;
class MainView;
class RandomSource;

inline constexpr int kBins = 11;
// Markers in each bin's stack, and the count at which a run ends.
inline constexpr int kBinCapacity = 20;

// Board geometry, in board units (the board is 40 across, 20 down). Positions are 32-bit floats; the
// ball moves by whole steps of 1.0, which are exact.
inline constexpr float kStartX = 19.8f;
inline constexpr float kStartY = 0.9f;
// The float nearest 10.9 (10.8999996): ten steps from the float 0.9 reach it exactly. Compared as a
// double the ball would take an eleventh step and land outside every bin.
inline constexpr float kBottomY = 10.9f;

// Where the readout and the theoretical table print on their strips: one row, the heading at the
// left, then bin b's value at column(b), under the bin's left wall.
inline constexpr float kRowY = 1.0f;
inline constexpr float kHeadingX = 2.0f;

struct ExperimentState {
    float ballX = 0.0f; // the ball sprite's left edge
    float ballY = 0.0f; // and its top edge
    std::array<int, kBins> binCounts {}; // bins 1..11, at most kBinCapacity each
    int landed = 0; // balls landed since the last reset, at most 20 + 10 * 19

    int binCount(int bin) const { return binCounts.at(static_cast<std::size_t>(bin - 1)); }
};

// The falling-ball experiment: the ball step on each timer tick, the landing tally, the end of a run
// and the readout of the ratios. Which buttons can be pressed is the run controller's.
class Experiment {
public:
    Experiment(MainView& view, RandomSource& random, Clock& clock);

    const ExperimentState& state() const { return state_; }
    // A bin is full: the run is over until the next reset.
    bool finished() const;

    // Ball at the start, nothing counted.
    void reset();
    // One tick: shows the ball, draws a turn, then moves the ball one row down or lands it. Returns
    // true when the landing filled a bin: the run is over, the ball hidden and the ratios printed.
    bool step();

    void showRatioHeading();
    // Clears the ratio row down to its heading.
    void resetRatioReadout();
    // The eleven ratios beside the heading; none before the first landing.
    void printRatios();

    // The bin that a ball landing at this x falls into.
    static int binAt(float ballX);
    static float column(int bin) { return 14.6f + static_cast<float>(2 * (bin - 1)); }

private:
    bool tallyLanding(int bin);

    MainView& view_;
    RandomSource& random_;
    Clock& clock_;
    ExperimentState state_;
};

// A number of thousandths as "0.000" with the given decimal sign: 246 and "," give "0,246".
std::string thousandthsText(int thousandths, std::string_view decimalSign);
// count / total with three decimals, an exact half rounded up ("0.063" for 1 of 16, where binary
// floating point would round to even).
std::string ratioText(int count, int total, std::string_view decimalSign);

} // namespace corvanta
