#pragma once

#include <cstddef>

namespace corvanta::test {

// Number of calls to the global operator new so far in this process (the binary that links
// AllocationCounter.cpp replaces operator new to count).
std::size_t AllocationCount();

} // namespace corvanta::test
