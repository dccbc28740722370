// The real program, in a real X window, with a real sound server: a private PulseAudio server whose
// default sink is a null sink records what the program plays (parec on the sink's monitor), and the
// program is ended by its Exit button and the OK of its box, many times in a row, with and without a
// server to talk to. A program that does not end is attached with gdb and its threads' stacks are
// part of the failure message.
#include "ProgramUnderTest.h"
#include "XSession.h"

#include "CueDesign.h"
#include "SoundServerSupport.h"
#include "WaveTestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvanta::test {
namespace {

using namespace corvanta::cues;
using namespace std::chrono_literals;

QString sessionProblem; // why there is no X session, when there is none

// Client-area rectangles and points of the main window (logical pixels at 96 DPI).
const QRect kExitButton(88, 0, 65, 25);
const QPoint kExit = kExitButton.center();
const QRect kHelpButton(600, 0, 65, 25);
const QPoint kHelp = kHelpButton.center();

const QString kMainTitle = QStringLiteral("^ Corvanta $");
const QString kExitBoxTitle = QStringLiteral("^Corvanta$");
const QString kHelpTitle = QStringLiteral("^ Corvanta.*Help");

constexpr int kRounds = 20;
constexpr int kExitBoundMs = 10'000;

// The stacks of every thread of a running process, or why they could not be read.
std::string Backtrace(qint64 pid)
{
    const QString gdb = QStandardPaths::findExecutable(QStringLiteral("gdb"));
    if (gdb.isEmpty()) {
        return "(gdb is not installed: no backtrace)";
    }
    QString output;
    RunHelper(gdb,
        {QStringLiteral("-nx"), QStringLiteral("-batch"), QStringLiteral("-p"), QString::number(pid),
            QStringLiteral("-ex"), QStringLiteral("set pagination off"), QStringLiteral("-ex"),
            QStringLiteral("thread apply all bt")},
        &output, 60'000);
    return output.toStdString();
}

// The program's environment: the X platform, unscaled so that the rectangles above hold, and the
// given sound server.
QProcessEnvironment ProgramEnvironment(const QString& pulseServer)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    environment.insert(QStringLiteral("PULSE_SERVER"), pulseServer);
    return environment;
}

bool WindowVisible(const QString& titlePattern)
{
    return !XSession::XDoTool(
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern})
                .isEmpty();
}

std::string WindowList()
{
    return XSession::XDoTool(
        {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), QStringLiteral(".")})
        .toStdString();
}

// The main window, once it shows and has painted its Exit button; empty if that never happened.
QString WaitForMainWindow(const Program& program)
{
    const QString window = XSession::FindWindow(kMainTitle, 15s);
    if (window.isEmpty()) {
        return {};
    }
    const bool painted
        = WaitFor([&] { return !program.Running() || ShowsTextOnLight(XSession::Grab(window, kExitButton)); }, 10s)
        && program.Running();
    return painted ? window : QString();
}

// Presses Return in a window once it has the keyboard focus. The key goes through the X server's
// test extension to the focused window: an event sent to a window that is not focused yet is
// dropped by the toolkit, and a window that vanishes between press and release can leave the key
// held down (auto-repeating into the next program).
// The timer starts just before the key is sent.
void PressReturnIn(const QString& window, QElapsedTimer& sinceReturn)
{
    XSession::XDoTool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    // The toolkit takes the focus itself when the window manager offers it, a moment later.
    WaitFor([&] { return XSession::XDoTool({QStringLiteral("getwindowfocus"), QStringLiteral("-f")}) == window; }, 5s);
    sinceReturn.start();
    XSession::XDoTool({QStringLiteral("key"), QStringLiteral("Return")});
}

struct ExitOutcome {
    std::string failure; // empty when the program ended with status 0
    qint64 clickToReturnMs = -1; // from the click on Exit to the Return that closed the box
    qint64 exitMs = -1; // from that Return to the end of the process
    int extraReturns = 0; // Return presses after which the focused box still showed 2 s later
};

// Clicks Exit on the main window, answers the box with Return at once, and waits (bounded) for the
// process to end. A process that does not end is attached with gdb before it is killed.
ExitOutcome ExitThroughTheBox(Program& program, const QString& window)
{
    ExitOutcome outcome;
    // The help window may lie over the Exit button: bring the main window to the front first.
    XSession::XDoTool({QStringLiteral("windowactivate"), QStringLiteral("--sync"), window});
    QElapsedTimer sinceClick;
    sinceClick.start();
    if (!XSession::ClickAt(window, kExit)) {
        outcome.failure = "xdotool could not click Exit";
        return outcome;
    }
    const QString box = XSession::FindWindow(kExitBoxTitle, 10s);
    if (box.isEmpty()) {
        outcome.failure = "the exit box did not appear; program " + std::string(program.Running() ? "running" : "ended")
            + ", windows: " + WindowList();
        return outcome;
    }
    QElapsedTimer sinceReturn;
    constexpr int kMaxPresses = 3;
    for (int press = 0; press < kMaxPresses; ++press) {
        PressReturnIn(box, sinceReturn);
        outcome.clickToReturnMs = sinceClick.elapsed() - sinceReturn.elapsed();
        if (program.process.waitForFinished(2000)) {
            break;
        }
        // Still running: either the key reached no box (it is still there) or the program hangs.
        if (!WindowVisible(kExitBoxTitle)) {
            program.process.waitForFinished(
                static_cast<int>(std::max<qint64>(0, kExitBoundMs - sinceReturn.elapsed())));
            break;
        }
        ++outcome.extraReturns;
    }
    if (program.Running()) {
        const bool boxStays = WindowVisible(kExitBoxTitle);
        outcome.failure = "the program did not end within " + std::to_string(kExitBoundMs) + " ms after OK"
            + (boxStays ? " (the exit box is still showing)" : " (the exit box is gone)") + "; windows: " + WindowList()
            + "\nstacks of the hung program:\n" + Backtrace(program.process.processId()) + "\nits error output:\n"
            + program.Errors();
        return outcome;
    }
    outcome.exitMs = sinceReturn.elapsed();
    if (program.process.exitStatus() != QProcess::NormalExit) {
        outcome.failure = "the program crashed (signal " + std::to_string(program.process.exitCode())
            + "); its error output:\n" + program.Errors();
    } else if (program.process.exitCode() != 0) {
        outcome.failure = "the program ended with status " + std::to_string(program.process.exitCode())
            + "; its error output:\n" + program.Errors();
    }
    return outcome;
}

qint64 Median(std::vector<qint64> values)
{
    if (values.empty()) {
        return -1;
    }
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

class AppSound : public ::testing::Test {
public:
    static void TearDownTestSuite() { server_.reset(); }

protected:
    void SetUp() override
    {
        if (!sessionProblem.isEmpty()) {
            GTEST_SKIP() << sessionProblem.toStdString();
        }
        ASSERT_TRUE(folder_.isValid());
        ASSERT_TRUE(scratch_.isValid());
        for (const std::string_view cue : {kRisingCueFileName, kFallingCueFileName}) {
            const QString name = QString::fromUtf8(cue.data(), static_cast<qsizetype>(cue.size()));
            ASSERT_TRUE(QFile::copy(CuePath(cue), folder_.filePath(name)))
                << "cannot copy " << CuePath(cue).toStdString() << " (the build makes it with target cues)";
        }
    }

    // Starts the private server once for the test program; skips the test when it cannot run here.
    void RequireServer()
    {
        if (const QString tool = MissingSoundTool(); !tool.isEmpty()) {
            GTEST_SKIP() << "needs pulseaudio, pactl and parec (Debian packages pulseaudio and "
                            "pulseaudio-utils); "
                         << tool.toStdString() << " is missing here";
        }
        if (!server_) {
            server_ = std::make_unique<PrivateSoundServer>();
            serverProblem_ = server_->Start();
        }
        ASSERT_TRUE(serverProblem_.empty()) << serverProblem_;
    }

    QString ServerAddress() const { return PrivateSoundServer::Address(); }
    QString NoServerAddress() const
    {
        return QStringLiteral("unix:") + RuntimeDirectory() + QStringLiteral("/no-server-here/native");
    }

    // kRounds times: start, Exit, Return at once, expect status 0 within the bound. Optionally clicks
    // Help first in the last round.
    void ExitManyTimes(const QString& pulseServer, int rounds, bool helpInLastRound)
    {
        std::vector<qint64> exitTimes;
        std::vector<qint64> clickToReturnTimes;
        int extraReturns = 0;
        for (int round = 0; round < rounds; ++round) {
            SCOPED_TRACE("round " + std::to_string(round));
            Program program(folder_.path(), ProgramEnvironment(pulseServer),
                scratch_.filePath(QStringLiteral("corvanta-%1.log").arg(round)));
            ASSERT_TRUE(program.process.waitForStarted(5000)) << program.process.errorString().toStdString();
            const QString window = WaitForMainWindow(program);
            ASSERT_FALSE(window.isEmpty())
                << "the main window did not appear; program " << (program.Running() ? "running" : "ended")
                << ", windows: " << WindowList() << "\n"
                << program.Errors();
            if (helpInLastRound && round == rounds - 1) {
                ASSERT_TRUE(XSession::ClickAt(window, kHelp));
                EXPECT_FALSE(XSession::FindWindow(kHelpTitle, 10s).isEmpty()) << "Help opened no window";
            }
            const ExitOutcome outcome = ExitThroughTheBox(program, window);
            ASSERT_TRUE(outcome.failure.empty()) << outcome.failure;
            EXPECT_LT(outcome.exitMs, kExitBoundMs);
            EXPECT_EQ(outcome.extraReturns, 0) << "the focused exit box ignored Return for 2 s";
            exitTimes.push_back(outcome.exitMs);
            clickToReturnTimes.push_back(outcome.clickToReturnMs);
            extraReturns += outcome.extraReturns;
        }
        const qint64 slowest = *std::max_element(exitTimes.begin(), exitTimes.end());
        RecordProperty("rounds", rounds);
        RecordProperty("median_exit_ms", static_cast<int>(Median(exitTimes)));
        RecordProperty("slowest_exit_ms", static_cast<int>(slowest));
        RecordProperty("median_click_to_return_ms", static_cast<int>(Median(clickToReturnTimes)));
        RecordProperty("extra_returns", extraReturns);
        std::cout << "[ MEASURED ] " << rounds << " exits, from OK to the end of the process: median "
                  << Median(exitTimes) << " ms, slowest " << slowest << " ms; from the click on Exit to Return: median "
                  << Median(clickToReturnTimes) << " ms; Return presses that missed the box: " << extraReturns
                  << std::endl;
    }

    inline static std::unique_ptr<PrivateSoundServer> server_;
    inline static std::string serverProblem_;
    QTemporaryDir folder_; // where the program runs, with the two cues
    QTemporaryDir scratch_; // logs and the recording
};

TEST_F(AppSound, HelpPlaysTheRisingChime)
{
    RequireServer();
    if (IsSkipped() || HasFatalFailure()) {
        return;
    }
    Recorder recorder(scratch_.path());
    ASSERT_TRUE(recorder.Start()) << recorder.Log().toStdString();

    Program program(
        folder_.path(), ProgramEnvironment(ServerAddress()), scratch_.filePath(QStringLiteral("corvanta.log")));
    ASSERT_TRUE(program.process.waitForStarted(5000)) << program.process.errorString().toStdString();
    const QString window = WaitForMainWindow(program);
    ASSERT_FALSE(window.isEmpty()) << "the main window did not appear; windows: " << WindowList() << "\n"
                                   << program.Errors();
    ASSERT_TRUE(XSession::ClickAt(window, kHelp));
    EXPECT_FALSE(XSession::FindWindow(kHelpTitle, 10s).isEmpty()) << "Help opened no window";

    // Wait until the recording holds both tones and some of the silence after them.
    const std::size_t needed = SamplesFor(kFirstToneMs + kSecondToneMs + 100);
    QElapsedTimer sinceClick;
    sinceClick.start();
    const bool complete = WaitFor([&] { return recorder.HoldsAfterTheFirstSound(needed); }, 15s);
    const qint64 recordedAfterMs = sinceClick.elapsed();
    recorder.Stop();
    const auto samples = recorder.Samples();
    ASSERT_TRUE(complete) << "the recording holds only " << samples.size() << " samples; program errors:\n"
                          << program.Errors();

    const auto runs = FindToneRuns(samples, kSampleRate, kLowToneHz, kHighToneHz);
    ASSERT_EQ(runs.size(), 2u) << Describe(runs);
    EXPECT_EQ(runs[0].frequencyHz, kLowToneHz) << "the chime rises: low tone first. " << Describe(runs);
    EXPECT_EQ(runs[1].frequencyHz, kHighToneHz) << "the chime rises: high tone second. " << Describe(runs);
    EXPECT_NEAR(runs[1].firstFrame, runs[0].firstFrame + runs[0].frames, 1) << "no gap. " << Describe(runs);
    EXPECT_NEAR(runs[0].frames * kFrameMs, kFirstToneMs, 50) << Describe(runs);
    EXPECT_NEAR(runs[1].frames * kFrameMs, kSecondToneMs, 50) << Describe(runs);
    // The pitch came through unchanged.
    const std::span<const std::int16_t> all(samples);
    const int frame = SamplesFor(kFrameMs);
    const auto middle = [&](const ToneRun& run) {
        return all.subspan(static_cast<std::size_t>((run.firstFrame + 2) * frame),
            static_cast<std::size_t>(std::max(0, run.frames - 4) * frame));
    };
    EXPECT_NEAR(ZeroCrossingFrequency(middle(runs[0]), kSampleRate), kLowToneHz, kLowToneHz * 0.01);
    EXPECT_NEAR(ZeroCrossingFrequency(middle(runs[1]), kSampleRate), kHighToneHz, kHighToneHz * 0.01);
    RecordProperty("first_tone_ms", runs[0].frames * kFrameMs);
    RecordProperty("second_tone_ms", runs[1].frames * kFrameMs);
    RecordProperty("recorded_after_ms", static_cast<int>(recordedAfterMs));
    std::cout << "[ MEASURED ] " << Describe(runs) << "; the recording held the chime " << recordedAfterMs
              << " ms after the click" << std::endl;

    const ExitOutcome outcome = ExitThroughTheBox(program, window);
    ASSERT_TRUE(outcome.failure.empty()) << outcome.failure;
    std::cout << "[ MEASURED ] from OK to the end of the process: " << outcome.exitMs << " ms" << std::endl;
}

TEST_F(AppSound, ExitThenOkTwentyTimesNeverHangs)
{
    RequireServer();
    if (IsSkipped() || HasFatalFailure()) {
        return;
    }
    ExitManyTimes(ServerAddress(), kRounds, false);
}

TEST_F(AppSound, WithoutAServerTheSameTwentyExitsEndCleanly)
{
    ASSERT_FALSE(QFileInfo::exists(NoServerAddress().mid(5)));
    // The last round clicks Help first: the chime finds no server either, and Exit still ends it all.
    ExitManyTimes(NoServerAddress(), kRounds, true);
}

} // namespace
} // namespace corvanta::test

int main(int argc, char** argv)
{
    // The sound server's socket and PulseAudio's cookie and settings stay in a folder of this run's own.
    const corvanta::test::PrivateRuntimeFolder runtime("corvanta-appsound", "app_sound_tests");
    if (!runtime.Made()) {
        return 1;
    }

    ::testing::InitGoogleTest(&argc, argv);
    // The X server must run before the toolkit connects to it.
    corvanta::test::XSession session;
    QString problem = session.Start();
    if (problem.isEmpty() && QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty()) {
        problem = QStringLiteral("xdotool is not installed (Debian package xdotool)");
    }
    std::unique_ptr<QGuiApplication> app;
    if (problem.isEmpty()) {
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        app = std::make_unique<QGuiApplication>(argc, argv);
        if (!session.StartWindowManager()) {
            problem = QStringLiteral("openbox did not start (Debian package openbox): windows cannot be activated");
        }
    }
    corvanta::test::sessionProblem = problem;
    const int result = RUN_ALL_TESTS();
    app.reset();
    return result;
}
