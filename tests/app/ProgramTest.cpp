// The real program in a real X window, or under weston nested in it, driven like a user, with and without a
// sound server.
#include <QDir>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <utility>

namespace {

QString noXSession; // why there is no private X session, when there is none

// Runs a command line to its end; returns what it printed.
QString run(const QString& command)
{
    QProcess process;
    process.startCommand(command);
    process.waitForFinished();
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
}

QString findWindow(const QString& title)
{
    return run("xdotool search --sync --onlyvisible --name \"" + title + "\"").section('\n', 0, 0);
}

// Where a row of exactly `length` pixels of `colour` first shows on the screen, or a null point.
QPoint find(QRgb colour, int length)
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
const auto helpShown = [] { return !find(qRgb(255, 255, 255), 615).isNull(); };

// The program started as from a desktop, in a folder holding its cues.
struct Program : ::testing::Test {
    QTemporaryDir folder;
    QProcess process;
    QString window;
    const QRect count {154, 496, 69, 31}, ratioValues {242, 466, 398, 13};

    void SetUp() override
    {
        if (!noXSession.isEmpty()) {
            GTEST_SKIP() << noXSession.toStdString();
        }
        for (const QString cue : {"pinpon.wav", "endpinpon.wav"}) {
            QFile::copy(CORVANTA_CUE_DIR "/" + cue, folder.filePath(cue));
        }
    }
    void TearDown() override { process.kill(), process.waitForFinished(); }
    void start(const QString& soundServer)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("QT_QPA_PLATFORM");
        environment.insert("PULSE_SERVER", soundServer);
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        process.start(CORVANTA_EXECUTABLE, {});
        ASSERT_FALSE((window = findWindow("^ Corvanta $")).isEmpty()) << process.readAllStandardError().data();
        ASSERT_TRUE(QTest::qWaitFor([&] { return !plain(count); }, 10000)) << "no count shown";
    }
    void click(int x, int y, const QString& in = {})
    {
        run(QString("xdotool mousemove --window %1 %2 %3 click 1").arg(in.isEmpty() ? window : in).arg(x).arg(y));
    }
    QImage grab(const QRect& r) const
    {
        return QGuiApplication::primaryScreen()
            ->grabWindow(window.toULong(), r.x(), r.y(), r.width(), r.height())
            .toImage();
    }
    bool plain(const QRect& r) const // nothing written there
    {
        QImage image = grab(r), plainImage = image;
        plainImage.fill(image.pixel(0, 0));
        return image == plainImage;
    }
    void runUntilABallLands()
    {
        const QImage zero = grab(count);
        click(308, 508); // HightSpeed
        ASSERT_TRUE(QTest::qWaitFor([&] { return grab(count) != zero; }, 10000)) << "no ball landed";
    }
    void exitWithOk()
    {
        click(120, 12); // Exit
        const QString box = findWindow("^Corvanta$");
        run("xdotool windowactivate --sync " + box);
        run("xdotool key --window " + box + " Return");
        ASSERT_TRUE(process.waitForFinished(10000)) << "OK did not end the program";
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    }
    // Help shows one help window, restores it when minimised and builds it afresh after Close. It
    // stands over Exit, so it is closed at the end.
    void useTheHelpWindow()
    {
        const auto shown = [] { return run("xdotool search --onlyvisible --name Help"); };
        click(632, 12);
        const QString help = findWindow("Help");
        ASSERT_FALSE(help.isEmpty()) << "no help window";
        run("xdotool windowminimize --sync " + help);
        click(632, 12);
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown() == help; })) << "Help shows the one window again";
        click(600, 12, help); // Close
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown().isEmpty(); }));
        click(632, 12);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !shown().isEmpty() && shown() != help; })) << "a new window";
        click(600, 12, shown());
        ASSERT_TRUE(QTest::qWaitFor([&] { return shown().isEmpty(); }));
    }
};

// The teacher's Help cue is a 24-bit stereo file, which the toolkit's player cannot decode itself; a
// recorder listens to the sound server's one sink.
TEST_F(Program, RunStopHelpAndExitLikeAUserAndTheHelpChimeSounds)
{
    const QString socket = folder.filePath("sound"), recording = folder.filePath("recording.raw");
    QProcess server, recorder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", folder.path()); // for the server's cookie and settings
    server.setProcessEnvironment(environment);
    server.startCommand(QString("pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no -L "
                                "\"module-native-protocol-unix socket=%1\" -L \"module-null-sink sink_name=cap\"")
                            .arg(socket));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(socket); }, 10000)) << "no sound server";
    recorder.setStandardOutputFile(recording);
    recorder.startCommand(
        "parec -d cap.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=20 -s unix:" + socket);
    const auto recorded = [&] { return QFileInfo(recording).size(); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorded() > 0; }, 10000)) << "parec records the sink";
    QFile::remove(folder.filePath("pinpon.wav"));
    run("sox -n -r 48000 -c 2 -b 24 " + folder.filePath("pinpon.wav") + " synth 0.4 sine 880 vol 0.5 pad 0 0.3");
    ASSERT_NO_FATAL_FAILURE(start("unix:" + socket));

    ASSERT_NO_FATAL_FAILURE(runUntilABallLands());
    click(580, 508); // Stop
    EXPECT_TRUE(QTest::qWaitFor([&] { return !plain(ratioValues); }, 5000)) << "Stop shows the ratios";
    const qint64 beforeHelp = recorded();
    ASSERT_NO_FATAL_FAILURE(useTheHelpWindow());
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorded() > beforeHelp + 2 * 44100; }, 10000));
    ASSERT_NO_FATAL_FAILURE(exitWithOk());
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardError().toStdString(), "");
    recorder.kill(), server.kill();
    recorder.waitForFinished(), server.waitForFinished();

    // What sounded in the second after Help was pressed.
    const QString report = run(
        QString("sox -t raw -r 44100 -e signed -b 16 -c 1 %1 -n trim %2s 1 stat").arg(recording).arg(beforeHelp / 2));
    const double frequency = QRegularExpression("frequency:\\s+(\\d+)").match(report).captured(1).toDouble();
    EXPECT_NEAR(frequency, 880, 20) << report.toStdString();
}

// Without a sound server the cues are silent and say nothing, and Exit still ends the program.
TEST_F(Program, WithoutASoundServerTheCuesSayNothing)
{
    ASSERT_NO_FATAL_FAILURE(start("unix:/nonexistent"));
    ASSERT_NO_FATAL_FAILURE(useTheHelpWindow());
    ASSERT_NO_FATAL_FAILURE(runUntilABallLands());
    click(580, 508); // Stop
    ASSERT_NO_FATAL_FAILURE(exitWithOk());
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_EQ(process.readAllStandardError().toStdString(), "") << "a missing sound server is no news";
}

// Under Wayland only the compositor raises a window, yet Help brings the help window to the front from
// behind the main window and from minimised. Weston is one window on the X screen, smaller than the main
// window so that the help window always lies over it.
TEST_F(Program, UnderWestonHelpBringsTheHelpWindowToTheFront)
{
    if (QStandardPaths::findExecutable("weston").isEmpty()
        || !QFile::exists(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqwayland-generic.so")) {
        GTEST_SKIP() << "needs weston and Qt's Wayland plugin (Debian packages weston, qt6-wayland)";
    }
    QTemporaryDir runtime; // private, as Wayland wants it
    const QString wayland = "XDG_RUNTIME_DIR=" + runtime.path() + " WAYLAND_DISPLAY=corvanta ";
    QFile config(runtime.filePath("weston.ini")); // no panel, which would shift windows placed before it shows
    ASSERT_TRUE(config.open(QIODevice::WriteOnly) && config.write("[shell]\npanel-position=none\n") && config.flush());
    QProcess weston;
    weston.setStandardErrorFile(QProcess::nullDevice());
    weston.startCommand("env " + wayland + "weston --backend=x11-backend.so --use-pixman --width=800 --height=600 "
        + "--socket=corvanta --idle-time=0 --config=" + config.fileName());
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFile::exists(runtime.filePath("corvanta")); }, 10000));
    process.startCommand(
        "env -u DISPLAY " + wayland + "QT_QPA_PLATFORM=wayland PULSE_SERVER=unix:/no " CORVANTA_EXECUTABLE);
    QPoint main, pointer; // the main window's client area; weston's pointer, which moves by small steps only
    ASSERT_TRUE(QTest::qWaitFor([&] { return !(main = find(qRgb(255, 192, 128), 369)).isNull(); }, 10000));
    main -= {216, 0}; // from its title label
    run("xdotool mousemove 0 0");
    const auto press = [&](QPoint to) {
        for (int step = 1; step <= 10; ++step) {
            const QPoint at = pointer + (to - pointer) * step / 10;
            run(QString("xdotool mousemove %1 %2").arg(at.x()).arg(at.y()));
        }
        pointer = to;
        run("xdotool click 1");
    };
    const QPoint help = main + QPoint(632, 12);
    press(help);
    ASSERT_TRUE(QTest::qWaitFor(helpShown)) << "no help window";
    run("xdotool key super+Tab"); // weston's window switcher brings the main window to the front
    ASSERT_TRUE(QTest::qWaitFor([] { return !helpShown(); })) << "the help window stays on top";
    press(help);
    ASSERT_TRUE(QTest::qWaitFor(helpShown)) << "Help left it behind";
    press(find(qRgb(255, 255, 255), 615) + QPoint(565, -49)); // the minimise button on the title bar Qt draws
    ASSERT_TRUE(QTest::qWaitFor([] { return !helpShown(); })) << "not minimised";
    press(help);
    EXPECT_TRUE(QTest::qWaitFor(helpShown)) << "Help left it minimised";
    process.kill(), weston.kill(), weston.waitForFinished();
}

TEST(StartUp, FailuresNameTheToolkitsReasonWithAHint)
{
    for (const auto& [platform, display, named] : {std::tuple {"nosuchplatform", ":0", "nosuchplatform"},
             std::tuple {"xcb", ":97531", ":97531"}, std::tuple {"", "", "display"}}) {
        QTemporaryDir folder;
        QProcess process;
        process.setWorkingDirectory(folder.path());
        process.startCommand(QString("env QT_QPA_PLATFORM=%1 DISPLAY=%2 " CORVANTA_EXECUTABLE).arg(platform, display));
        ASSERT_TRUE(process.waitForFinished(10000));
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError());
        EXPECT_TRUE(process.exitStatus() == QProcess::NormalExit && process.exitCode() == 1) << "no crash, status 1";
        EXPECT_TRUE(errors.contains(named) && errors.contains("hint: ")) << errors.toStdString();
        EXPECT_TRUE(QDir(folder.path()).isEmpty()) << "no core file, nothing written";
    }
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // A private X server with a window manager, before the toolkit connects. Xvfb picks a free display
    // and writes its number once it takes clients; pipes that nobody reads could fill and block them.
    QProcess xvfb, windowManager;
    xvfb.setStandardErrorFile(QProcess::nullDevice());
    windowManager.setStandardErrorFile(QProcess::nullDevice());
    xvfb.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp", "-noreset"});
    if (!xvfb.waitForStarted() || !xvfb.waitForReadyRead(10000)) {
        noXSession = "needs Xvfb (Debian package xvfb)";
    }
    ::setenv("DISPLAY", (":" + xvfb.readAllStandardOutput().trimmed()).constData(), 1);
    ::setenv("QT_QPA_PLATFORM", noXSession.isEmpty() ? "xcb" : "offscreen", 1);
    QGuiApplication app(argc, argv);
    windowManager.start("openbox", {});
    // Ready once it announces its desktops: a window mapped before that may never be managed.
    (void)QTest::qWaitFor([] { return run("xdotool get_num_desktops").toInt() > 0; }, 10000);
    const int result = RUN_ALL_TESTS();
    windowManager.kill(), xvfb.kill();
    windowManager.waitForFinished(), xvfb.waitForFinished();
    return result;
}
