// The real program in a real X window, or under weston nested in it, driven like a user, with and without sound.
#include "SoundServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <iostream>
#include <map>

QString run(const QString& command) // to its end, within 20 s; returns what it printed
{
    QProcess process;
    process.startCommand(command);
    if (!process.waitForFinished(20000)) {
        ADD_FAILURE() << command.toStdString() << " did not start, or did not end within 20 s";
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
}

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
        // No session bus: without one libdbus starts one through the X server with dbus-launch (package dbus-x11),
        // and where that is missing it leaks its attempt, which LeakSanitizer reports.
        process.startCommand(
            QString("env XDG_DATA_HOME=%1 XDG_DATA_DIRS=%1 PULSE_SERVER=%2 DBUS_SESSION_BUS_ADDRESS=disabled: %3")
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
        run("timeout 9 xdotool windowactivate --sync " + window); // over the help window, which covers Exit
        click(120, 12);
        run("timeout 9 xdotool windowactivate --sync " + find("^Corvanta$") + " key Return");
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
// brings it back from minimised; Exit asks and ends the program.
TEST_F(Program, WithoutASoundServerTheCuesSayNothing)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir("bin"));
    const QString alone = folder.filePath("bin/corvanta"); // no ../share/corvanta
    ASSERT_TRUE(QFile::copy(CORVANTA_EXECUTABLE, alone));
    ASSERT_NO_FATAL_FAILURE(start("unix:/nonexistent", alone));
    click(632, 12); // Help
    const QString help = find("Help");
    ASSERT_FALSE(help.isEmpty()) << "no help window";
    run("timeout 9 xdotool windowminimize --sync " + help);
    click(632, 12);
    EXPECT_EQ(find("Help").toStdString(), help.toStdString()) << "Help left it minimised";
    ASSERT_NO_FATAL_FAILURE(exitWithOk());
}

// The title of the window that has the keyboard, as the compositor last told the program in its WAYLAND_DEBUG=client
// output (wl_keyboard's enter and leave events), through the program's own requests that tie a surface to a toplevel
// and a title; empty when none has it. Freed ids are used again: the lines are read in order.
QString keyboardWindow(const QString& log)
{
    // interface@id.message(arguments); libwayland 1.22 and later write # for @
    static const QRegularExpression message(R"((\w+)[@#](\d+)\.(\w+)\((.*)\))");
    static const QRegularExpression object(R"(\w+[@#](\d+))");
    std::map<QString, QString> surfaceOf; // of an xdg_surface or an xdg_toplevel, by id
    std::map<QString, QString> titleOf; // by wl_surface id
    QString keyboard; // the wl_surface id that has it
    for (const QString& line : log.split('\n')) {
        const QRegularExpressionMatch match = message.match(line);
        if (!match.hasMatch()) {
            continue;
        }
        const QString interface = match.captured(1);
        const QString id = match.captured(2);
        const QString name = match.captured(3);
        QStringList ids; // of the objects among the arguments
        for (const QRegularExpressionMatch& argument : object.globalMatch(match.captured(4))) {
            ids.append(argument.captured(1));
        }
        if (name == "create_surface") {
            titleOf.erase(ids.at(0));
        } else if (name == "get_xdg_surface") {
            surfaceOf[ids.at(0)] = ids.at(1);
        } else if (name == "get_toplevel") {
            surfaceOf[ids.at(0)] = surfaceOf[id];
        } else if (interface == "xdg_toplevel" && name == "set_title") {
            titleOf[surfaceOf[id]] = match.captured(4).mid(1).chopped(1); // without its quotes
        } else if (interface == "wl_keyboard" && name == "enter") {
            keyboard = ids.at(0);
        } else if (interface == "wl_keyboard" && name == "leave") {
            keyboard.clear();
        }
    }
    return keyboard.isEmpty() ? QString() : titleOf[keyboard];
}

// Under Wayland only the compositor raises a window, yet Help brings the help window to the front from behind the
// main window. Weston, one window on the X screen, driven by the keyboard as a user may: its events say which window
// has the keyboard, which is the one in front. Weston has no key that minimises a window: the X11 smoke above keeps
// that case.
TEST_F(Program, UnderWestonHelpBringsTheHelpWindowToTheFront)
{
    const QString wayland = "XDG_RUNTIME_DIR=" + folder.path() + " WAYLAND_DISPLAY=corvanta "; // private, 0700
    QFile config(folder.filePath("weston.ini")); // no panel, which would shift windows placed before it shows
    ASSERT_TRUE(config.open(QIODevice::WriteOnly) && config.write("[shell]\npanel-position=none\n") && config.flush());
    QProcess weston;
    weston.startCommand("env " + wayland + "weston --backend=x11-backend.so --use-pixman --width=800 --height=600 "
        + "--socket=corvanta --idle-time=0 --config=" + config.fileName());
    const auto westonEnded = [&] { return weston.state() == QProcess::NotRunning; };
    const auto westonReady = [&] { return QFile::exists(folder.filePath("corvanta")) || westonEnded(); };
    ASSERT_TRUE(QTest::qWaitFor(westonReady, 10000) && !westonEnded())
        << "weston did not start: " << weston.readAllStandardError().right(2000).data();
    process.startCommand("env -u DISPLAY " + wayland
        + "QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client PULSE_SERVER=unix:/no " CORVANTA_EXECUTABLE);
    QString log;
    const auto inFront = [&](const QString& title) { // within as long as a start on a busy machine may take
        const auto hasTheKeyboard = [&] {
            log += QString::fromUtf8(process.readAllStandardError());
            return keyboardWindow(log) == title;
        };
        return QTest::qWaitFor(hasTheKeyboard, 10000);
    };
    const QString main = " Corvanta ";
    const QString help = " Corvanta\uFF3FHelp\uFF08Questions and Operation Method\uFF09\u3000";
    ASSERT_TRUE(inFront(main)) << "no main window with the keyboard: " << log.right(2000).toStdString();
    // The shell matches the app_id to the menu entry.
    EXPECT_TRUE(log.contains("set_app_id(\"org.corvanta.Corvanta\")")) << log.right(2000).toStdString();
    run("xdotool key Tab Tab space"); // from HightSpeed past Exit to Help, and press it
    ASSERT_TRUE(inFront(help)) << "no help window in front";
    run("xdotool key super+Tab"); // weston's window switcher brings the main window to the front
    ASSERT_TRUE(inFront(main)) << "the help window stays in front";
    run("xdotool key space"); // Help, which kept the focus
    EXPECT_TRUE(inFront(help)) << "Help left it behind";
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

// A private X server on a free display, and a window manager, ready once it announces its desktops; without them no
// test here can run, and the suite stops at once, saying why.
int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QProcess xvfb;
    QProcess windowManager;
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    if (!xvfb.waitForReadyRead(10000)) {
        std::cerr << "Xvfb did not start: " << xvfb.errorString().toStdString() << "\n"
                  << xvfb.readAllStandardError().toStdString();
        return 1;
    }
    ::setenv("DISPLAY", (":" + xvfb.readAllStandardOutput().trimmed()).constData(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    windowManager.start("openbox", {});
    const auto windowManagerReady
        = [&] { return windowManager.state() == QProcess::NotRunning || run("xdotool get_num_desktops").toInt() > 0; };
    if (!QTest::qWaitFor(windowManagerReady, 10000) || windowManager.state() == QProcess::NotRunning) {
        std::cerr << "openbox did not start: " << windowManager.errorString().toStdString() << "\n"
                  << windowManager.readAllStandardError().toStdString();
        return 1;
    }
    return RUN_ALL_TESTS(); // the servers end with their QProcess
}
