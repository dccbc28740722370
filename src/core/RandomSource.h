#pragma once

#include <cstdint>
#include <random>

namespace corvanta {

// The random generator that the ball step reseeds from the time of day before every draw.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(float secondsSinceMidnight) = 0;
    // A float uniform in [0, 1).
    virtual float next() = 0;
};

// A reseed mixes the time into the running state instead of replacing it: a clock that has not moved
// since the last tick (or a coarse one) must not replay the same draw, or every ball would fall down
// the same side.
class TimeMixedRandom final : public RandomSource {
public:
    explicit TimeMixedRandom(std::uint64_t initialState = 0x9E3779B97F4A7C15ull);
    void reseed(float secondsSinceMidnight) override;
    // One of the 2^24 values k / 2^24; never 1.
    float next() override;

private:
    // A 64-bit LCG, cheap to reseed on every tick; its weak low bits are never used.
    std::linear_congruential_engine<std::uint64_t, 6364136223846793005ull, 1442695040888963407ull, 0ull> engine_;
};

} // namespace corvanta
