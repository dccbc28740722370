// The real program in a real X window: started in an empty folder, driven with xdotool, read back
// from the screen.
#include "ProgramUnderTest.h"
#include "XSession.h"
#include "WaveTestSupport.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace corvanta::test {
namespace {

using namespace std::chrono_literals;

XSession* session = nullptr;
QString sessionProblem;

// Client-area rectangles of the main window (logical pixels at 96 DPI).
const QRect kLabel1(154, 496, 69, 31);
const QPoint kHightSpeed(248 + 60, 496 + 12);
const QPoint kStop(520 + 60, 496 + 12);
const QPoint kExit(88 + 32, 0 + 12);
// Picture4's inner row from bin 1's column on: empty while only the heading stands.
const QRect kRatioValues(10 + 242, 466, 640 - 242 - 10, 13);

// The test program's environment without its platform choice and scale factor: the program starts
// as it would from a desktop, and draws unscaled at the 96 DPI that the rectangles above assume.
QProcessEnvironment ProgramEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    return environment;
}

class RealWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!sessionProblem.isEmpty()) {
            GTEST_SKIP() << sessionProblem.toStdString();
        }
        ASSERT_TRUE(folder.isValid());
    }
    QTemporaryDir folder;
};

TEST_F(RealWindow, RunStopAndExitDrivenLikeAUser)
{
    // With its cues but no sound server, the program says nothing on its error output.
    for (const char* cue : {"pinpon.wav", "endpinpon.wav"}) {
        ASSERT_TRUE(QFile::copy(CuePath(cue), folder.filePath(QString::fromLatin1(cue))));
    }
    QProcessEnvironment environment = ProgramEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/socket"));
    const QString errorLog = folder.filePath(QStringLiteral("errors.txt"));
    Program program(folder.path(), environment, errorLog);
    ASSERT_TRUE(program.process.waitForStarted(5000));
    const QString window = XSession::FindWindow(QStringLiteral("^ Corvanta $"), 15s);
    ASSERT_FALSE(window.isEmpty())
        << "the main window did not appear; program "
        << (program.process.state() == QProcess::Running ? "running" : "ended") << ", windows: "
        << XSession::XDoTool({QStringLiteral("search"), QStringLiteral("--name"), QStringLiteral(".")}).toStdString();

    QImage label1;
    ASSERT_TRUE(WaitFor([&] { return ShowsTextOnLight(label1 = XSession::Grab(window, kLabel1)); }, 10s))
        << "Label1 never showed its count";
    EXPECT_EQ(DarkPixels(XSession::Grab(window, kRatioValues)), 0) << "only the heading before a run";

    ASSERT_TRUE(XSession::ClickAt(window, kHightSpeed));
    EXPECT_TRUE(WaitFor([&] { return XSession::Grab(window, kLabel1) != label1; }, 15s))
        << "no ball landed: Label1 still shows 0";

    ASSERT_TRUE(XSession::ClickAt(window, kStop));
    EXPECT_TRUE(WaitFor([&] { return DarkPixels(XSession::Grab(window, kRatioValues)) > 20; }, 10s))
        << "Stop printed no ratios";

    ASSERT_TRUE(XSession::ClickAt(window, kExit));
    const QString box = XSession::FindWindow(QStringLiteral("^Corvanta$"), 10s);
    ASSERT_FALSE(box.isEmpty()) << "the exit box did not appear";
    // A key sent to a window without the keyboard focus may be ignored: wait for the focus first.
    XSession::XDoTool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), box});
    EXPECT_TRUE(WaitFor(
        [&] {
            return XSession::XDoTool({QStringLiteral("getwindowfocus"), QStringLiteral("-f")}) == box;
        },
        5s));
    XSession::XDoTool({QStringLiteral("key"), QStringLiteral("Return")});
    ASSERT_TRUE(program.process.waitForFinished(10000)) << "the program did not end after OK";
    EXPECT_EQ(program.process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.process.exitCode(), 0);
    EXPECT_EQ(program.Errors(), "");
}

TEST_F(RealWindow, TerminationSignalDuringARunEndsTheProgramCleanly)
{
    Program program(folder.path(), ProgramEnvironment());
    ASSERT_TRUE(program.process.waitForStarted(5000));
    const QString window = XSession::FindWindow(QStringLiteral("^ Corvanta $"), 15s);
    ASSERT_FALSE(window.isEmpty()) << "the main window did not appear";
    QImage label1;
    ASSERT_TRUE(WaitFor([&] { return ShowsTextOnLight(label1 = XSession::Grab(window, kLabel1)); }, 10s));
    ASSERT_TRUE(XSession::ClickAt(window, kHightSpeed));
    ASSERT_TRUE(WaitFor([&] { return XSession::Grab(window, kLabel1) != label1; }, 15s)) << "the run did not start";

    program.process.terminate(); // SIGTERM
    ASSERT_TRUE(program.process.waitForFinished(10000)) << "SIGTERM did not end the program";
    EXPECT_EQ(program.process.exitStatus(), QProcess::NormalExit) << "ended by its own hand, not by the signal";
    EXPECT_EQ(program.process.exitCode(), 0);
}

// A start-up failure names what failed in the toolkit's words, and ends with a non-zero status.
TEST_F(RealWindow, StartUpFailuresNameTheToolkitsReason)
{
    struct Case {
        const char* platform;
        const char* display;
        const char* named;
    };
    for (const Case& c : {Case {"nosuchplatform", nullptr, "nosuchplatform"}, Case {"xcb", ":97531", ":97531"},
             Case {nullptr, nullptr, "display"}}) {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(QStringLiteral("DISPLAY"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        if (c.platform != nullptr) {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QString::fromLatin1(c.platform));
        }
        if (c.display != nullptr) {
            environment.insert(QStringLiteral("DISPLAY"), QString::fromLatin1(c.display));
        }
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(folder.path());
        process.start(QStringLiteral(CORVANTA_EXECUTABLE), {});
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << "no crash";
        EXPECT_NE(process.exitCode(), 0);
        const QString errors = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
        EXPECT_TRUE(errors.contains(QString::fromLatin1(c.named))) << errors.toStdString();
        EXPECT_LE(errors.count(QLatin1Char('\n')), 4) << errors.toStdString();
    }
    EXPECT_TRUE(QDir(folder.path()).entryList(QDir::Files).isEmpty()) << "no core file, nothing written";
}

} // namespace
} // namespace corvanta::test

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // The X server must run before the toolkit connects to it.
    corvanta::test::XSession session;
    const QString problem = session.Start();
    std::unique_ptr<QGuiApplication> app;
    if (problem.isEmpty()) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        app = std::make_unique<QGuiApplication>(argc, argv);
        session.StartWindowManager();
        corvanta::test::session = &session;
    } else {
        corvanta::test::sessionProblem = problem;
    }
    const int result = RUN_ALL_TESTS();
    app.reset();
    return result;
}
