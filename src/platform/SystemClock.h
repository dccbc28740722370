#pragma once

#include "core/Clock.h"

#include <QTime>

namespace corvanta {

class SystemClock final : public Clock {
public:
    float secondsSinceMidnight() override
    {
        return static_cast<float>(QTime::currentTime().msecsSinceStartOfDay()) / 1000.0f;
    }
};

} // namespace corvanta
