#include "Clock.h"

#include <ctime>

namespace corvanta {

float SystemClock::SecondsSinceMidnight()
{
    timespec now {};
    clock_gettime(CLOCK_REALTIME, &now);
    // The local time of day changes with the second; working it out (time zone, daylight saving)
    // costs more than the rest of a tick, so it is done once per second.
    if (now.tv_sec != cachedSecond_) {
        std::tm local {};
        localtime_r(&now.tv_sec, &local);
        cachedSecond_ = now.tv_sec;
        cachedSecondOfDay_ = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    }
    return static_cast<float>(cachedSecondOfDay_ + static_cast<double>(now.tv_nsec) * 1e-9);
}

} // namespace corvanta
