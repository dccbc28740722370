// The real program in a real X window, driven like a user, with and without a sound server.
#include <QDir>
#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

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
