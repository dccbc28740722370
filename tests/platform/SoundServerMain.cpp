// Main of sound_server_tests. Before Qt starts, it gives the process a fresh private runtime folder
// (0700) and points PULSE_SERVER at the socket that the test server will create there, so that
// QSoundEffect talks only to the server the tests start, and parallel runs never share one. HOME
// moves there too.
#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    char runtime[] = "/tmp/corvanta-sound-XXXXXX";
    if (::mkdtemp(runtime) == nullptr) {
        std::perror("sound_server_tests: mkdtemp");
        return 1;
    }
    ::setenv("XDG_RUNTIME_DIR", runtime, 1);
    const std::string server = std::string("unix:") + runtime + "/pulse/native";
    ::setenv("PULSE_SERVER", server.c_str(), 1);
    // PulseAudio's client and server keep a cookie (and read their settings) under HOME: keep both in
    // the private folder, away from the user's own.
    ::setenv("HOME", runtime, 1);

    ::testing::InitGoogleTest(&argc, argv);
    int result = 0;
    {
        QCoreApplication application(argc, argv);
        result = RUN_ALL_TESTS();
    }
    QDir(QString::fromLocal8Bit(runtime)).removeRecursively();
    return result;
}
