#include "Checked16.h"

#include <cstdio>
#include <cstdlib>

namespace corvanta {

void FatalError(const char* what)
{
    std::fprintf(stderr, "corvanta: fatal error: %s\n", what);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

} // namespace corvanta
