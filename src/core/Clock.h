#pragma once

namespace corvanta {

// The time of day that the random source is reseeded from.
class Clock {
public:
    virtual ~Clock() = default;
    // Local time since midnight, in seconds with fraction.
    virtual float secondsSinceMidnight() = 0;
};

} // namespace corvanta
