#pragma once

#include <cstdint>

namespace corvanta {

// Ends the program with a message on stderr. Counters that leave their 16-bit range mean the
// experiment's state is corrupt; going on would show wrong counts.
[[noreturn]] void FatalError(const char* what);

// a + b in 16-bit signed arithmetic; an overflow is fatal, never a wrap.
inline std::int16_t CheckedAdd16(std::int16_t a, std::int16_t b)
{
    std::int16_t sum;
    if (__builtin_add_overflow(a, b, &sum)) {
        FatalError("16-bit counter overflow");
    }
    return sum;
}

} // namespace corvanta
