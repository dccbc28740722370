// The real program in a real X window, or under weston nested in it, driven like a user, with and without sound.
#include "SoundServer.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

QString run(const QString& command) // to its end; returns what it printed
{
    QProcess process;
    process.startCommand(command);
    process.waitForFinished();
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
}

QPoint findOnScreen(QRgb colour, int length) // where a row of exactly `length` such pixels first shows, or null
{
    const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
    for (int y = 0; y < screen.height(); ++y) {
        int sameColour = 0; // how many such pixels end at x
        for (int x = 0; x <= screen.width(); ++x) {
            if (x < screen.width() && screen.pixel(x, y) == colour) {
                ++sameColour;
                continue;
            }
            if (sameColour == length) {
                return {x - length, y};
            }
            sameColour = 0;
        }
    }
    return {};
}
// The help page, by its blank first row: 613 pixels and the light right edge of its frame.
const auto helpShown = [] { return !findOnScreen(qRgb(255, 255, 255), 615).isNull(); };

// The program started as from a terminal, in an empty folder, with the desktop's data folders empty too: it finds its
// cues beside itself, in ../share/corvanta.
struct Program : ::testing::Test {
    QTemporaryDir folder;
    QProcess process; // killed, if need be, as the test ends
    QString window;

    QString find(QString name) { return run("timeout 9 xdotool search --sync --onlyvisible --name \"" + name + '"'); }
    void click(int x, int y) { run(QString("xdotool mousemove --window %1 %2 %3 click 1").arg(window).arg(x).arg(y)); }
    void start(const QString& soundServer, const QString& executable = CORVANTA_EXECUTABLE)
    {
        process.setWorkingDirectory(folder.path());
        process.startCommand(QString("env XDG_DATA_HOME=%1 XDG_DATA_DIRS=%1 PULSE_SERVER=%2 %3")
                                 .arg(folder.path(), soundServer, executable));
        window = find("^ Corvanta $");
        ASSERT_FALSE(window.isEmpty()) << process.readAllStandardError().data();
        const QString windowClass = run("xprop -id " + window + " WM_CLASS"); // the menu entry's StartupWMClass
        EXPECT_TRUE(windowClass.endsWith(", \"corvanta\"")) << windowClass.toStdString();
        const QString icons = "xprop -len 999999 -id " + window + " _NET_WM_ICON"; // what docks may show, once painted
        EXPECT_TRUE(QTest::qWaitFor([&] { return run(icons).contains("Icon (256 x 256)"); })) << "no large icon";
    }
    void exitWithOk() // which ends the program, with nothing said on the terminal
    {
        run("xdotool windowactivate --sync " + window); // over the help window, which covers Exit
        click(120, 12);
        run("xdotool windowactivate --sync " + find("^Corvanta$") + " key Return");
        ASSERT_TRUE(process.waitForFinished(10000)) << "OK did not end the program";
        EXPECT_TRUE(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0);
        EXPECT_EQ(process.readAllStandardError().toStdString(), "");
    }
};

// Help's chime rises from E5; a recorder listens to the sound server's one sink. Exit with the help window open.
TEST_F(Program, HelpAndExitLikeAUserAndTheHelpCueSounds)
{
    SoundServer sound;
    ASSERT_TRUE(sound.start()) << "a private sound server, recorded";
    ASSERT_NO_FATAL_FAILURE(start("unix:" + sound.socket));
    const qint64 beforeHelp = sound.recordedBytes();
    click(632, 12); // Help
    EXPECT_TRUE(sound.waitForTones(beforeHelp, {659, 880})) << "Help's chime, rising from E5 to A5";
    ASSERT_NO_FATAL_FAILURE(exitWithOk());
}

// Without its cue files, in the current folder, beside the program (a copy of it alone in a folder) or in the desktop's
// data folders, and without a sound server, the program is silent and otherwise the same: Help opens its window, and
// Exit asks and ends the program.
TEST_F(Program, WithoutASoundServerTheCuesSayNothing)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("bin"));
    const QString alone = folder.filePath("bin/corvanta"); // no ../share/corvanta
    ASSERT_TRUE(QFile::copy(CORVANTA_EXECUTABLE, alone));
    ASSERT_NO_FATAL_FAILURE(start("unix:/nonexistent", alone));
    click(632, 12); // Help
    ASSERT_FALSE(find("Help").isEmpty()) << "no help window";
    ASSERT_NO_FATAL_FAILURE(exitWithOk());
}

// Under Wayland only the compositor raises a window, yet Help brings the help window to the front from behind the
// main window and from minimised. Weston, one window on the X screen smaller than the main window, keeps it over it.
TEST_F(Program, UnderWestonHelpBringsTheHelpWindowToTheFront)
{
    const QString wayland = "XDG_RUNTIME_DIR=" + folder.path() + " WAYLAND_DISPLAY=corvanta "; // private, 0700
    QFile config(folder.filePath("weston.ini")); // no panel, which would shift windows placed before it shows
    ASSERT_TRUE(config.open(QIODevice::WriteOnly) && config.write("[shell]\npanel-position=none\n") && config.flush());
    QProcess weston;
    weston.startCommand("env " + wayland + "weston --backend=x11-backend.so --use-pixman --width=800 --height=600 "
        + "--socket=corvanta --idle-time=0 --config=" + config.fileName());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(folder.filePath("corvanta")); }, 10000));
    process.startCommand("env -u DISPLAY " + wayland
        + "QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client PULSE_SERVER=unix:/no " CORVANTA_EXECUTABLE);
    QPoint title; // the main window's title label, left of Help
    const auto titleShown = [&] {
        title = findOnScreen(qRgb(255, 192, 128), 369);
        return !title.isNull();
    };
    ASSERT_TRUE(QTest::qWaitFor(titleShown, 10000));
    const QPoint help = title + QPoint(632 - 216, 12);
    const QByteArray requests = process.readAllStandardError(); // the shell matches the app_id to the menu entry
    EXPECT_TRUE(requests.contains("set_app_id(\"org.corvanta.Corvanta\")")) << requests.right(2000).data();
    run("xdotool mousemove 0 0");
    QPoint pointer; // weston's pointer moves by small steps only
    const auto press = [&](QPoint to) {
        for (int step = 1; step <= 10; ++step) {
            const QPoint at = pointer + (to - pointer) * step / 10;
            run(QString("xdotool mousemove %1 %2").arg(at.x()).arg(at.y()));
        }
        run("xdotool click 1");
        pointer = to;
    };
    press(help);
    ASSERT_TRUE(QTest::qWaitFor(helpShown)) << "no help window";
    run("xdotool key super+Tab"); // weston's window switcher brings the main window to the front
    ASSERT_TRUE(QTest::qWaitFor([] { return !helpShown(); })) << "the help window stays on top";
    press(help);
    ASSERT_TRUE(QTest::qWaitFor(helpShown)) << "Help left it behind";
    press(findOnScreen(qRgb(255, 255, 255), 615) + QPoint(565, -49)); // the minimise button on the title bar Qt draws
    ASSERT_TRUE(QTest::qWaitFor([] { return !helpShown(); })) << "not minimised";
    press(help);
    EXPECT_TRUE(QTest::qWaitFor(helpShown)) << "Help left it minimised";
}

// A platform or a display that cannot be had, and what the message must name.
struct StartFailure {
    const char* platform; // QT_QPA_PLATFORM
    const char* display; // DISPLAY
    const char* named;
};
const StartFailure kStartFailures[]
    = {{"nosuchplatform", ":0", "nosuchplatform"}, {"xcb", ":97531", ":97531"}, {"", "", "display"}};

TEST(StartUp, FailuresNameTheToolkitsReasonWithAHint)
{
    for (const StartFailure& failure : kStartFailures) {
        QTemporaryDir folder; // what it says on its standard error, then its status: 1, no crash
        const QString said = run(QString("sh -c \"cd %1; QT_QPA_PLATFORM=%2 DISPLAY=%3 %4 2>&1 >/dev/null; echo $?\"")
                                     .arg(folder.path(), failure.platform, failure.display, CORVANTA_EXECUTABLE));
        EXPECT_TRUE(said.endsWith("\n1") && said.contains(failure.named) && said.contains("hint: "))
            << said.toStdString();
        EXPECT_EQ(run("ls -A " + folder.path()), "") << "no core file, nothing written";
    }
}

// A private X server on a free display, and a window manager, ready once it announces its desktops.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QProcess xvfb;
    QProcess windowManager;
    xvfb.setStandardErrorFile(QProcess::nullDevice());
    windowManager.setStandardErrorFile(QProcess::nullDevice());
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    xvfb.waitForReadyRead(10000);
    ::setenv("DISPLAY", (":" + xvfb.readAllStandardOutput().trimmed()).constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication app(argc, argv);
    windowManager.start("openbox", {});
    (void)QTest::qWaitFor([] { return run("xdotool get_num_desktops").toInt() > 0; }, 10000);
    return RUN_ALL_TESTS(); // the servers end with their QProcess
}
