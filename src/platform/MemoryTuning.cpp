#include "MemoryTuning.h"

#include <cstdlib> // defines __GLIBC__ on glibc systems

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace corvanta {

void ReturnFreedMemoryToTheSystem()
{
#if defined(__GLIBC__)
    malloc_trim(0);
#endif
}

} // namespace corvanta
