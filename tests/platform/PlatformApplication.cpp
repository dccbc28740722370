#include "TestSupport.h"

#include <cstdlib>

// The platform tests need an event loop for QSoundEffect. They run with no reachable sound server:
// PULSE_SERVER names a socket that does not exist, so the silent path is what they exercise, also
// on a desktop that has a server of its own. (The tests against a real server are sound_server_tests.)
bool corvanta::test::NeedsApplication()
{
    return true;
}

void corvanta::test::PrepareApplication()
{
    ::setenv("PULSE_SERVER", "unix:/nonexistent/corvanta-no-sound-server", 1);
}
