#pragma once

namespace corvanta {

// The time of day as the random source is reseeded from it.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since local midnight, with fraction.
    virtual float SecondsSinceMidnight() = 0;
};

// The machine's local time of day.
class SystemClock final : public Clock {
public:
    float SecondsSinceMidnight() override;

private:
    long long cachedSecond_ = -1; // the Unix second whose local time of day is cached
    int cachedSecondOfDay_ = 0;
};

} // namespace corvanta
