#pragma once

#include <cstdint>
#include <random>

namespace corvanta {

// The random generator the ball step reseeds from the time of day and draws from.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void Reseed(float secondsSinceMidnight) = 0;
    // A float uniform in [0, 1).
    virtual float Next() = 0;
};

// Uniform floats in [0, 1), reseeded from the time of day before every draw.
//
// A reseed mixes the time into the running state instead of replacing it: a clock that has not
// advanced since the last tick (or a coarse one) must not replay the same draw, or every ball
// would fall straight down one side.
class TimeMixedRandom final : public RandomSource {
public:
    explicit TimeMixedRandom(std::uint64_t initialState = 0x9E3779B97F4A7C15ull);

    void Reseed(float secondsSinceMidnight) override;
    // A float uniform over the 2^24 values k / 2^24, k = 0 .. 2^24 - 1; never 1.
    float Next() override;

private:
    // A 64-bit LCG: O(1) to reseed, which a per-tick reseed needs. Its weak low bits are never used.
    std::linear_congruential_engine<std::uint64_t, 6364136223846793005ull, 1442695040888963407ull, 0ull> engine_;
};

} // namespace corvanta
