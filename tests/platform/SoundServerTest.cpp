// The cues played through a real, private PulseAudio server whose only sink is a null sink: parec
// records its monitor, and the recording is analysed for the two tones, their order and lengths.
#include "platform/PlayCue.h"
#include "sound/SoundEffectMediaControl.h"

#include "CueDesign.h"
#include "SoundServerSupport.h"
#include "WaveTestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <span>
#include <string>

namespace {

using corvanta::PlayCue;
using corvanta::SoundEffectMediaControl;
using namespace corvanta::cues;
using namespace corvanta::test;
using namespace std::chrono_literals;

constexpr qint64 kBoundNs = 50'000'000; // 50 ms
constexpr qint64 kSettleBoundNs = (SoundEffectMediaControl::kSettleTimeoutMs + 100) * qint64 {1'000'000};

class SoundServer : public ::testing::Test {
public:
    static void SetUpTestSuite()
    {
        if (!MissingSoundTool().isEmpty()) {
            skipReason_ = "needs pulseaudio, pactl and parec (Debian packages pulseaudio and pulseaudio-utils); "
                          "missing here";
            return;
        }
        server_ = std::make_unique<PrivateSoundServer>();
        failure_ = server_->Start();
    }

    static void TearDownTestSuite() { server_.reset(); }

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
        ASSERT_TRUE(recorder.Start()) << recorder.Log().toStdString();

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
        const bool complete = WaitUntil([&] { return recorder.HoldsAfterTheFirstSound(needed); }, 10s);
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

    inline static std::string skipReason_;
    inline static std::string failure_;
    inline static std::unique_ptr<PrivateSoundServer> server_;
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

TEST_F(SoundServer, AStereoTwentyFourBitCueSounds)
{
    const CurrentDirectory current(scratch_.path());
    ASSERT_TRUE(WriteBytes(scratch_.filePath("deep.wav"), ToneWave(1, 24, 2, 48000, true)));
    Recorder recorder(scratch_.path());
    ASSERT_TRUE(recorder.Start()) << recorder.Log().toStdString();
    SoundEffectMediaControl control;
    PlayCue(control, "deep.wav");
    const bool heard = WaitUntil([&] { return recorder.HoldsAfterTheFirstSound(SamplesFor(500)); }, 5s);
    recorder.Stop();
    ASSERT_TRUE(heard) << "nothing was heard";
    const auto runs = FindToneRuns(recorder.Samples(), kSampleRate, kLowToneHz, 880.0);
    ASSERT_EQ(runs.size(), 1u) << Describe(runs);
    EXPECT_EQ(runs[0].frequencyHz, 880.0);
    EXPECT_NEAR(runs[0].frames * kFrameMs, 400, 60) << Describe(runs);
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
