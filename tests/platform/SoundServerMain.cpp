// Main of sound_server_tests. Before Qt starts, it gives the process a fresh private runtime folder
// with PULSE_SERVER pointing at the socket that the test server will create there, so that
// QSoundEffect talks only to the server the tests start, and parallel runs never share one.
#include "SoundServerSupport.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const corvanta::test::PrivateRuntimeFolder runtime("corvanta-sound", "sound_server_tests");
    if (!runtime.Made()) {
        return 1;
    }

    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
