#pragma once

#include <array>
#include <cstdint>

namespace corvanta {

inline constexpr int kBinTotal = 11;
inline constexpr std::int16_t BinCapacity = 20;

// Board geometry in board units (the board surface is 40 x 20 of them). Every position is a
// 32-bit float; the ball's positions are the start values plus or minus whole steps of 1.0,
// which are exact.
inline constexpr float kStartX = 19.8f;
inline constexpr float kStartY = 0.9f;
inline constexpr float kStep = 1.0f;
// The 32-bit float nearest 10.9 (10.8999996). Ten steps from the 32-bit 0.9 reach it exactly;
// compared as a double the ball would take an eleventh step and land outside every bin.
inline constexpr float kBottomY = 10.9f;

// Bin b (1..11) catches a ball whose left edge lies below 10 + 2(b - 1).
constexpr float BinThreshold(int bin)
{
    return static_cast<float>(10 + 2 * (bin - 1));
}

// Eleven landing counters, indexed by bin number 1..11 as the program speaks of bins.
class BinCounters {
public:
    std::int16_t& operator()(int bin) { return counts_[static_cast<std::size_t>(bin - 1)]; }
    std::int16_t operator()(int bin) const { return counts_[static_cast<std::size_t>(bin - 1)]; }

private:
    std::array<std::int16_t, kBinTotal> counts_ {};
};

// The experiment as the main window holds it for the life of the process.
struct ExperimentState {
    float BallX = 0.0f; // left edge of the ball sprite, board units
    float BallY = 0.0f; // top edge of the ball sprite, board units
    std::int16_t Turn = 0; // 1: one column right, 2: one column left
    BinCounters BinCount;
    std::int16_t ExperimentCount = 0; // balls landed since the last reset
};

} // namespace corvanta
