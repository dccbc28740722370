// The cues played through a real, private PulseAudio server whose only sink is a null sink: parec
// records its monitor, and the recording is analysed for the two tones, their order and lengths.
#include "platform/PlayCue.h"
#include "platform/SoundEffectMediaControl.h"

#include "CueDesign.h"
#include "WaveTestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

using corvanta::PlayCue;
using corvanta::SoundEffectMediaControl;
using namespace corvanta::cues;
using namespace corvanta::test;
using namespace std::chrono_literals;

constexpr qint64 kBoundNs = 50'000'000; // 50 ms
constexpr qint64 kSettleBoundNs = (SoundEffectMediaControl::kSettleTimeoutMs + 100) * qint64 {1'000'000};

QString RuntimeDirectory()
{
    return qEnvironmentVariable("XDG_RUNTIME_DIR");
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

// Runs a short helper to its end (bounded) and reports whether it succeeded.
bool RunHelper(const QString& program, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForStarted(5000) && process.waitForFinished(5000);
    if (!finished) {
        process.kill();
        process.waitForFinished(2000);
    }
    if (output != nullptr) {
        *output = QString::fromLocal8Bit(process.readAll());
    }
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void EndProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

// parec recording the null sink's monitor as 16-bit mono at the cues' rate.
class Recorder {
public:
    explicit Recorder(const QString& directory)
        : raw_(directory + QStringLiteral("/capture.raw"))
        , log_(directory + QStringLiteral("/parec.log"))
    {
    }
    ~Recorder() { Stop(); }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Starts parec and waits until its stream is connected to the monitor.
    bool Start(const QString& parec)
    {
        process_.setStandardOutputFile(raw_);
        process_.setStandardErrorFile(log_);
        process_.start(parec,
            {QStringLiteral("-v"), QStringLiteral("-d"), QStringLiteral("cap.monitor"),
                QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kSampleRate),
                QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=20")});
        return process_.waitForStarted(5000)
            && WaitUntil(
                [this] {
                    return Log().contains(QStringLiteral("Connected to device"))
                        || process_.state() == QProcess::NotRunning;
                },
                5s)
            && process_.state() == QProcess::Running;
    }
    void Stop() { EndProcess(process_); }

    std::vector<std::int16_t> Samples() const
    {
        QFile file(raw_);
        if (!file.open(QIODevice::ReadOnly)) {
            return {};
        }
        const QByteArray bytes = file.readAll();
        std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
        for (std::size_t i = 0; i < samples.size(); ++i) {
            const auto low = static_cast<unsigned char>(bytes[static_cast<qsizetype>(2 * i)]);
            const auto high = static_cast<unsigned char>(bytes[static_cast<qsizetype>(2 * i + 1)]);
            samples[i] = static_cast<std::int16_t>(low | (high << 8));
        }
        return samples;
    }
    QString Log() const { return ReadText(log_); }

private:
    QString raw_;
    QString log_;
    QProcess process_;
};

std::string Describe(const std::vector<ToneRun>& runs)
{
    std::ostringstream text;
    text << runs.size() << " runs:";
    for (const ToneRun& run : runs) {
        text << " [" << run.frequencyHz << " Hz from " << run.firstFrame * kFrameMs << " ms for "
             << run.frames * kFrameMs << " ms]";
    }
    return text.str();
}

class SoundServer : public ::testing::Test {
public:
    static void SetUpTestSuite()
    {
        pulseaudio_ = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
        pactl_ = QStandardPaths::findExecutable(QStringLiteral("pactl"));
        parec_ = QStandardPaths::findExecutable(QStringLiteral("parec"));
        if (pulseaudio_.isEmpty() || pactl_.isEmpty() || parec_.isEmpty()) {
            skipReason_ = "needs pulseaudio, pactl and parec (Debian packages pulseaudio and pulseaudio-utils); "
                          "missing here";
            return;
        }
        const QString log = RuntimeDirectory() + QStringLiteral("/server.log");
        server_ = std::make_unique<QProcess>();
        server_->setProcessChannelMode(QProcess::MergedChannels);
        server_->setStandardOutputFile(log);
        // The sink is loaded before the socket, so a server that answers has its sink.
        server_->start(pulseaudio_,
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=cap"), QStringLiteral("-L"),
                QStringLiteral("module-native-protocol-unix")});
        const QString socket = RuntimeDirectory() + QStringLiteral("/pulse/native");
        const bool up = server_->waitForStarted(5000)
            && WaitUntil([&] { return QFileInfo::exists(socket) || server_->state() == QProcess::NotRunning; }, 10s)
            && server_->state() == QProcess::Running;
        QString output;
        if (!up) {
            failure_ = "the sound server did not start: " + ReadText(log).toStdString();
        } else if (!RunHelper(pactl_, {QStringLiteral("set-default-sink"), QStringLiteral("cap")}, &output)) {
            failure_ = "pactl set-default-sink failed: " + output.toStdString();
        }
    }

    static void TearDownTestSuite()
    {
        if (server_) {
            if (server_->state() == QProcess::Running) {
                RunHelper(pactl_, {QStringLiteral("exit")});
            }
            if (!server_->waitForFinished(3000)) {
                server_->kill();
                server_->waitForFinished(3000);
            }
            server_.reset();
        }
    }

protected:
    void SetUp() override
    {
        if (!skipReason_.empty()) {
            GTEST_SKIP() << skipReason_;
        }
        ASSERT_TRUE(failure_.empty()) << failure_;
        ASSERT_TRUE(scratch_.isValid());
    }

    // Plays a cue from the build's run folder and returns the recording of the sink.
    void PlayAndRecord(std::string_view cue, double firstHz, double secondHz)
    {
        Recorder recorder(scratch_.path());
        ASSERT_TRUE(recorder.Start(parec_)) << recorder.Log().toStdString();

        const CurrentDirectory current(CueDirectory());
        SoundEffectMediaControl control;
        QElapsedTimer timer;
        timer.start();
        PlayCue(control, cue);
        EXPECT_LT(timer.nsecsElapsed(), kBoundNs);
        ASSERT_TRUE(control.IsOpen());
        EXPECT_TRUE(WaitUntil([&] { return control.PlaysStarted() == 1; }, 3s)) << "the play was never handed over";

        // Wait until the recording holds both tones and some of the silence after them.
        const std::size_t needed = SamplesFor(kFirstToneMs + kSecondToneMs + 100);
        const bool complete = WaitUntil(
            [&] {
                const auto samples = recorder.Samples();
                const auto first = std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; });
                return first != samples.end() && static_cast<std::size_t>(samples.end() - first) >= needed;
            },
            10s);
        recorder.Stop();
        const auto samples = recorder.Samples();
        ASSERT_TRUE(complete) << "the recording holds only " << samples.size() << " samples";
        EXPECT_EQ(control.PlaysStarted(), 1);

        const auto runs = FindToneRuns(samples, kSampleRate, kLowToneHz, kHighToneHz);
        ASSERT_EQ(runs.size(), 2u) << Describe(runs);
        EXPECT_EQ(runs[0].frequencyHz, firstHz) << Describe(runs);
        EXPECT_EQ(runs[1].frequencyHz, secondHz) << Describe(runs);
        EXPECT_NEAR(runs[1].firstFrame, runs[0].firstFrame + runs[0].frames, 1) << Describe(runs);
        EXPECT_NEAR(runs[0].frames * kFrameMs, kFirstToneMs, 50) << Describe(runs);
        EXPECT_NEAR(runs[1].frames * kFrameMs, kSecondToneMs, 50) << Describe(runs);
        RecordProperty("first_tone_ms", runs[0].frames * kFrameMs);
        RecordProperty("second_tone_ms", runs[1].frames * kFrameMs);

        // The pitch came through unchanged.
        const std::span<const std::int16_t> all(samples);
        const int frame = SamplesFor(kFrameMs);
        const auto middle = [&](const ToneRun& run) {
            return all.subspan(static_cast<std::size_t>((run.firstFrame + 2) * frame),
                static_cast<std::size_t>((run.frames - 4) * frame));
        };
        EXPECT_NEAR(ZeroCrossingFrequency(middle(runs[0]), kSampleRate), firstHz, firstHz * 0.01);
        EXPECT_NEAR(ZeroCrossingFrequency(middle(runs[1]), kSampleRate), secondHz, secondHz * 0.01);
    }

    inline static QString pulseaudio_;
    inline static QString pactl_;
    inline static QString parec_;
    inline static std::string skipReason_;
    inline static std::string failure_;
    inline static std::unique_ptr<QProcess> server_;
    QTemporaryDir scratch_;
};

TEST_F(SoundServer, RisingCueSoundsBothTonesInFullAndInOrder)
{
    PlayAndRecord(kRisingCueFileName, kLowToneHz, kHighToneHz);
}

TEST_F(SoundServer, FallingCueSoundsBothTonesInFullAndInOrder)
{
    PlayAndRecord(kFallingCueFileName, kHighToneHz, kLowToneHz);
}

TEST_F(SoundServer, BadFileIsNeverHandedOverWhileAGoodOneIs)
{
    const CurrentDirectory current(scratch_.path());
    ASSERT_TRUE(WriteBytes(scratch_.filePath("pinpon.wav"), QByteArray("RIFF\x10\x00\x00\x00WAVEjunk", 16)));
    SoundEffectMediaControl control;
    QElapsedTimer timer;
    timer.start();
    PlayCue(control, "pinpon.wav");
    EXPECT_LT(timer.nsecsElapsed(), kBoundNs);
    EXPECT_FALSE(control.IsOpen());

    ASSERT_TRUE(QFile::copy(CuePath(kRisingCueFileName), scratch_.filePath("good.wav")));
    PlayCue(control, "good.wav");
    EXPECT_TRUE(WaitUntil([&] { return control.PlaysStarted() == 1; }, 3s));
    control.SetCommand("Stop");
}

TEST_F(SoundServer, DestroyingTheControlRightAfterOpenTwentyTimesNeitherHangsNorCrashes)
{
    const CurrentDirectory current(scratch_.path());
    constexpr int kRounds = 20;
    int destroyedWhileLoading = 0;
    for (int round = 0; round < kRounds; ++round) {
        const QString name = QStringLiteral("cue%1.wav").arg(round);
        ASSERT_TRUE(QFile::copy(CuePath(kRisingCueFileName), scratch_.filePath(name)));
        auto control = std::make_unique<SoundEffectMediaControl>();
        PlayCue(*control, name.toStdString());
        ASSERT_TRUE(control->IsOpen());
        destroyedWhileLoading += control->IsLoading() ? 1 : 0;
        QElapsedTimer timer;
        timer.start();
        control.reset();
        EXPECT_LT(timer.nsecsElapsed(), kSettleBoundNs) << "round " << round;
    }
    RecordProperty("destroyed_while_loading", destroyedWhileLoading);
    EXPECT_GT(destroyedWhileLoading, 0) << "no round reached the destructor while its file was loading";
}

} // namespace
