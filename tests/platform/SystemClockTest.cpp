#include "platform/Clock.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ctime>

namespace corvanta {
namespace {

// The cached time of day agrees with the C library's local time, with its fraction, and runs forward.
TEST(SystemClock, GivesTheLocalTimeOfDayWithItsFraction)
{
    SystemClock clock;
    float previous = clock.SecondsSinceMidnight();
    bool sawFraction = false;
    for (int i = 0; i < 20000; ++i) {
        const std::time_t before = std::time(nullptr);
        const float seconds = clock.SecondsSinceMidnight();
        std::tm local {};
        localtime_r(&before, &local);
        const double expected = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
        // Within the second read before, or the next one; a float near 86400 resolves 1/128 s.
        const double offset = seconds - expected;
        if (expected > 1.0 && expected < 86398.0) {
            ASSERT_GE(offset, -0.01) << "at " << expected;
            ASSERT_LT(offset, 2.01) << "at " << expected;
            ASSERT_GE(seconds, previous) << "the time of day never runs back within a day";
        }
        sawFraction = sawFraction || std::fmod(static_cast<double>(seconds), 1.0) != 0.0;
        previous = seconds;
    }
    EXPECT_TRUE(sawFraction);
}

} // namespace
} // namespace corvanta
