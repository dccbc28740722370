#include "RandomSource.h"

#include <bit>

namespace corvanta {

namespace {

// SplitMix64's finaliser: every input bit affects every output bit.
std::uint64_t mix(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

} // namespace

TimeMixedRandom::TimeMixedRandom(std::uint64_t initialState)
    : engine_(mix(initialState))
{
}

void TimeMixedRandom::reseed(float secondsSinceMidnight)
{
    const std::uint64_t timeBits = std::bit_cast<std::uint32_t>(secondsSinceMidnight);
    engine_.seed(mix(engine_() ^ (timeBits * 0x9E3779B97F4A7C15ull)));
}

float TimeMixedRandom::next()
{
    // The top 24 bits are the LCG's good ones and exactly fill a float's mantissa.
    return static_cast<float>(engine_() >> 40) * 0x1p-24f;
}

} // namespace corvanta
