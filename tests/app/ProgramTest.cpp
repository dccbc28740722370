// The real program in a real X window, or under weston nested in it, driven like a user, with and without sound.
#include "SoundServer.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

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
        for (int x = 0, run = 0; x <= screen.width(); ++x) {
            if (x < screen.width() && screen.pixel(x, y) == colour) {
                ++run;
            } else if (std::exchange(run, 0) == length) {
                return {x - length, y};
            }
        }
    }
    return {};
}
// The help page, by its blank first row: 613 pixels and the light right edge of its frame.
const auto helpShown = [] { return !findOnScreen(qRgb(255, 255, 255), 615).isNull(); };

// The program started as from a terminal, in an empty folder, with the desktop's data folders empty too: it finds its
// cues beside itself.
struct Program : ::testing::Test {
    QTemporaryDir folder;
    QProcess process; // killed, if need be, as the test ends
    QString window;

    QString find(QString name) { return run("timeout 9 xdotool search --sync --onlyvisible --name \"" + name + '"'); }
    void click(int x, int y, const QString& in = {})
    {
        run(QString("xdotool mousemove --window %1 %2 %3 click 1").arg(in.isEmpty() ? window : in).arg(x).arg(y));
    }
    void start(const QString& soundServer)
    {
        process.setWorkingDirectory(folder.path());
        process.startCommand(QString("env XDG_DATA_HOME=%1 XDG_DATA_DIRS=%1 PULSE_SERVER=%2 " CORVANTA_EXECUTABLE)
                                 .arg(folder.path(), soundServer));
        ASSERT_FALSE((window = find("^ Corvanta $")).isEmpty()) << process.readAllStandardError().data();
        const QString windowClass = run("xprop -id " + window + " WM_CLASS"); // the menu entry's StartupWMClass
        EXPECT_TRUE(windowClass.endsWith(", \"corvanta\"")) << windowClass.toStdString();
        const QString icons = "xprop -len 999999 -id " + window + " _NET_WM_ICON"; // what docks may show, once painted
        EXPECT_TRUE(QTest::qWaitFor([&] { return run(icons).contains("Icon (256 x 256)"); })) << "no large icon";
    }
    void exitWithOk() // which ends the program, with nothing said on the terminal
    {
        click(120, 12);
        run("xdotool windowactivate --sync " + find("^Corvanta$") + " key Return");
        ASSERT_TRUE(process.waitForFinished(10000)) << "OK did not end the program";
        EXPECT_TRUE(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0);
        EXPECT_EQ(process.readAllStandardError().toStdString(), "");
    }
};

// Help's chime rises from E5; a recorder listens to the sound server's one sink.
TEST_F(Program, HelpAndExitLikeAUserAndTheHelpCueSounds)
{
    SoundServer sound;
    ASSERT_TRUE(sound.start()) << "a private sound server, recorded";
    ASSERT_NO_FATAL_FAILURE(start("unix:" + sound.socket));
    const qint64 beforeHelp = sound.recordedBytes();
    click(632, 12); // Help
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound.recordedBytes() > beforeHelp + 2 * 44100; }, 10000));
    click(600, 12, find("Help")); // its Close, for it stands over Exit
    ASSERT_NO_FATAL_FAILURE(exitWithOk());
    EXPECT_NEAR(sound.firstToneHz(beforeHelp), 659, 12);
}

TEST_F(Program, WithoutASoundServerTheCuesSayNothing)
{
    ASSERT_NO_FATAL_FAILURE(start("unix:/nonexistent"));
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
    QPoint help, pointer; // Help, found by the main window's title label; weston's pointer moves by small steps only
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(help = findOnScreen(qRgb(255, 192, 128), 369)).isNull(); }, 10000));
    help += {632 - 216, 12};
    const QByteArray requests = process.readAllStandardError(); // the shell matches the app_id to the menu entry
    EXPECT_TRUE(requests.contains("set_app_id(\"org.corvanta.Corvanta\")")) << requests.right(2000).data();
    run("xdotool mousemove 0 0");
    const auto press = [&](QPoint to) {
        for (int step = 1; step <= 10; ++step) {
            const QPoint at = pointer + (to - pointer) * step / 10;
            run(QString("xdotool mousemove %1 %2").arg(at.x()).arg(at.y()));
        }
        run("xdotool click 1"), pointer = to;
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

TEST(StartUp, FailuresNameTheToolkitsReasonWithAHint)
{
    for (const auto& [platform, display, named] : {std::tuple {"nosuchplatform", ":0", "nosuchplatform"},
             std::tuple {"xcb", ":97531", ":97531"}, std::tuple {"", "", "display"}}) {
        QTemporaryDir folder; // what it says on its standard error, then its status: 1, no crash
        const QString said = run(QString("sh -c \"cd %1; QT_QPA_PLATFORM=%2 DISPLAY=%3 %4 2>&1 >/dev/null; echo $?\"")
                                     .arg(folder.path(), platform, display, CORVANTA_EXECUTABLE));
        EXPECT_TRUE(said.endsWith("\n1") && said.contains(named) && said.contains("hint: ")) << said.toStdString();
        EXPECT_EQ(run("ls -A " + folder.path()), "") << "no core file, nothing written";
    }
}

// A private X server on a free display, and a window manager, ready once it announces its desktops.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QProcess xvfb, windowManager;
    xvfb.setStandardErrorFile(QProcess::nullDevice()), windowManager.setStandardErrorFile(QProcess::nullDevice());
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    xvfb.waitForReadyRead(10000);
    ::setenv("DISPLAY", (":" + xvfb.readAllStandardOutput().trimmed()).constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication app(argc, argv);
    windowManager.start("openbox", {});
    (void)QTest::qWaitFor([] { return run("xdotool get_num_desktops").toInt() > 0; }, 10000);
    return RUN_ALL_TESTS(); // the servers end with their QProcess
}
