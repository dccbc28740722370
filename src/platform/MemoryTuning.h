#pragma once

namespace corvanta {

// Gives the heap's free pages back to the system. A closed window leaves many small freed blocks
// among live ones, and glibc keeps such pages resident; the help window is opened and closed many
// times in a lesson, so its memory is handed back each time it goes.
void ReturnFreedMemoryToTheSystem();

} // namespace corvanta
