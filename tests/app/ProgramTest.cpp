// The real program under a private X server and window manager, and under weston, driven like a user.
#include "SoundServer.h"

// Help, Exit, OK from an empty folder: Help's chime (E5 to A5) from ../share/corvanta; a lone copy, no server: silence.
TEST(Program, UnderX11HelpThenExitWithAndWithoutSound)
{
    for (const bool withSound : {true, false}) {
        QTemporaryDir folder;
        ASSERT_EQ(run("install -D " CORVANTA_EXECUTABLE " " + folder.filePath("bin/corvanta")), "");
        SoundServer sound; // started only with sound
        ASSERT_TRUE(!withSound || (sound.start() && sound.listen()));
        QProcess program; // killed, if need be, as the row ends
        program.startCommand("env -C " + folder.path() + " XDG_DATA_HOME=/no XDG_DATA_DIRS=/no PULSE_SERVER=unix:"
            + sound.socket + ' ' + (withSound ? CORVANTA_EXECUTABLE : folder.filePath("bin/corvanta")));
        const QString main = run("timeout 9 xdotool search --sync --onlyvisible --name \"^ Corvanta $\"");
        run("xdotool mousemove --window " + main + " 632 12 click 1"); // Help
        EXPECT_NE(run("timeout 9 xdotool search --sync --onlyvisible --name Help"), "") << "no help window";
        EXPECT_TRUE(!withSound || QTest::qWaitFor([&] { return sound.heard({659, 880}); }, 10000)) << "no chime";
        const QString properties = run("xprop -len 999999 -id " + main + " WM_CLASS _NET_WM_ICON"); // first frame's up
        const bool entrysClass = properties.startsWith("WM_CLASS(STRING) = \"corvanta\", \"corvanta\"");
        EXPECT_TRUE(entrysClass && properties.contains("Icon (256 x 256)")) << properties.left(50).toStdString();
        run("timeout 9 xdotool windowactivate --sync " + main + " mousemove --window " + main + " 120 12 click 1");
        run("timeout 9 xdotool search --sync --onlyvisible --name \"^Corvanta$\" windowactivate --sync key Return");
        EXPECT_TRUE(program.waitForFinished(10000) && program.exitCode() == 0) << "Exit, then OK: no end with status 0";
        EXPECT_EQ(program.readAllStandardError().toStdString(), "");
    }
}

// Natively under weston, the program names itself to the shell as its menu entry (WAYLAND_DEBUG=client shows it).
TEST(Program, UnderWestonTheShellKnowsTheWindowByItsMenuEntry)
{
    QProcess weston; // on the socket a client looks for by default
    weston.startCommand("weston --backend=x11-backend.so --use-pixman --idle-time=0 --socket=wayland-0");
    const auto ready = [&] { return QFile::exists(qgetenv("XDG_RUNTIME_DIR") + "/wayland-0") || !weston.processId(); };
    ASSERT_TRUE(QTest::qWaitFor(ready, 10000) && weston.processId()) << weston.readAllStandardError().toStdString();
    QProcess program;
    program.startCommand("env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client " CORVANTA_EXECUTABLE);
    QString log;
    const auto shown = [&] {
        log += QString::fromUtf8(program.readAllStandardError());
        return log.contains(QRegularExpression(R"(wl_keyboard[@#]\d+\.enter)")); // libwayland 1.22 writes # for @
    };
    ASSERT_TRUE(QTest::qWaitFor(shown, 10000)) << "no window took the keyboard: " << log.right(2000).toStdString();
    EXPECT_TRUE(log.contains("set_app_id(\"org.corvanta.Corvanta\")")) << "the shell cannot match it to the menu entry";
}

// A display that cannot be had: the toolkit's reason and a hint, then status 1 and nothing written (no core file).
TEST(StartUp, AFailureNamesTheToolkitsReasonWithAHint)
{
    QTemporaryDir empty;
    const QString said
        = run("sh -c \"cd " + empty.path() + "; DISPLAY=:97531 " CORVANTA_EXECUTABLE " 2>&1; echo $?; ls -A\"");
    EXPECT_TRUE(said.contains(":97531") && said.contains("hint: ") && said.endsWith("\n1")) << said.toStdString();
}

// A private X server, a window manager and a runtime folder: without them the suite stops, saying why.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QTemporaryDir runtime; // private, 0700
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    QProcess xvfb; // ready once it names its display
    xvfb.startCommand("Xvfb -displayfd 1 -screen 0 1280x1024x24 -noreset");
    const bool xvfbReady = xvfb.waitForReadyRead(10000);
    qputenv("DISPLAY", ":" + xvfb.readAllStandardOutput().trimmed());
    QProcess windowManager; // once it announces its desktops
    windowManager.startCommand("openbox");
    const auto ready = [&] { return !windowManager.processId() || run("xdotool get_num_desktops").toInt() > 0; };
    if (!xvfbReady || !QTest::qWaitFor(ready, 10000) || !windowManager.processId()) {
        qCritical() << "Xvfb or openbox did not start:" << xvfb.readAllStandardError() << windowManager.errorString();
        return 1;
    }
    return RUN_ALL_TESTS(); // the servers end with their QProcess
}
