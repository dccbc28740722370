// The cues that make_cues wrote into the build's run folder: format, length, the two tones in the
// right order and at the right pitch, their shape, and the silence at the end.
#include "CueDesign.h"
#include "WaveTestSupport.h"
#include "sound/SoundEffectMediaControl.h"

#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstring>

#include <QFileInfo>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <ostream>
#include <span>
#include <string_view>

namespace {

using namespace corvanta::cues;
using namespace corvanta::test;

struct CueCase {
    std::string_view fileName;
    double firstHz;
    double secondHz;
};

// Names the case in test output by its file.
void PrintTo(const CueCase& cue, std::ostream* out)
{
    *out << cue.fileName;
}

class GeneratedCue : public ::testing::TestWithParam<CueCase> {
protected:
    void SetUp() override
    {
        wave_ = ReadWave(CuePath(GetParam().fileName));
        ASSERT_TRUE(wave_.valid) << wave_.problem;
    }
    std::span<const std::int16_t> Samples() const { return wave_.samples; }
    std::span<const std::int16_t> FirstTone() const { return Samples().subspan(0, kFirstToneSamples); }
    std::span<const std::int16_t> SecondTone() const
    {
        return Samples().subspan(kFirstToneSamples, kSecondToneSamples);
    }

    Wave wave_;
};

TEST_P(GeneratedCue, IsPcm16MonoAtTheDesignedRateAndLength)
{
    EXPECT_EQ(wave_.format, 1);
    EXPECT_EQ(wave_.channels, kChannels);
    EXPECT_EQ(wave_.sampleRate, kSampleRate);
    EXPECT_EQ(wave_.bitsPerSample, kBitsPerSample);
    EXPECT_EQ(static_cast<int>(wave_.samples.size()), kTotalSamples);
    EXPECT_EQ(QFileInfo(CuePath(GetParam().fileName)).size(), kCueFileBytes);
}

TEST_P(GeneratedCue, PlaysItsTwoTonesInOrderForTheirDesignedLengths)
{
    const auto runs = FindToneRuns(Samples(), kSampleRate, kLowToneHz, kHighToneHz);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].frequencyHz, GetParam().firstHz);
    EXPECT_EQ(runs[1].frequencyHz, GetParam().secondHz);
    EXPECT_EQ(runs[0].firstFrame, 0);
    EXPECT_EQ(runs[1].firstFrame, runs[0].firstFrame + runs[0].frames);
    // Frames of 10 ms; the faded ends fall under the detection level by at most a frame or two.
    EXPECT_NEAR(runs[0].frames * kFrameMs, kFirstToneMs, 20);
    EXPECT_NEAR(runs[1].frames * kFrameMs, kSecondToneMs, 20);
}

TEST_P(GeneratedCue, TonesAreAtTheirDesignedPitch)
{
    // Away from attack and release, the zero crossings give the pitch (the octave partial is too weak
    // to add crossings of its own).
    const int margin = SamplesFor(20);
    const auto first = FirstTone().subspan(margin, kFirstToneSamples - 2 * margin);
    const auto second = SecondTone().subspan(margin, kSecondToneSamples - 2 * margin);
    EXPECT_NEAR(ZeroCrossingFrequency(first, kSampleRate), GetParam().firstHz, GetParam().firstHz * 0.005);
    EXPECT_NEAR(ZeroCrossingFrequency(second, kSampleRate), GetParam().secondHz, GetParam().secondHz * 0.005);
    // And the other tone is absent from each: at least 30 dB below.
    EXPECT_GT(
        TonePower(first, GetParam().firstHz, kSampleRate), 1000.0 * TonePower(first, GetParam().secondHz, kSampleRate));
    EXPECT_GT(TonePower(second, GetParam().secondHz, kSampleRate),
        1000.0 * TonePower(second, GetParam().firstHz, kSampleRate));
}

TEST_P(GeneratedCue, EachToneRisesSoftlyDecaysAndEndsAtZero)
{
    for (const auto tone : {FirstTone(), SecondTone()}) {
        const std::size_t length = tone.size();
        EXPECT_EQ(tone.front(), 0);
        EXPECT_LE(std::abs(tone.back()), 100);
        const double attack = Rms(tone.subspan(0, SamplesFor(2)));
        const double early = Rms(tone.subspan(SamplesFor(kAttackMs), SamplesFor(40)));
        const double late = Rms(tone.subspan(length - SamplesFor(kReleaseMs + 40), SamplesFor(40)));
        EXPECT_LT(attack, 0.4 * early) << "the attack should be soft";
        EXPECT_LT(late, 0.3 * early) << "the tone should die away";
        EXPECT_GT(late, 0.02 * early) << "the tone should still ring near its end";
    }
    const auto loudest = std::max_element(
        Samples().begin(), Samples().end(), [](std::int16_t a, std::int16_t b) { return std::abs(a) < std::abs(b); });
    EXPECT_LT(std::abs(*loudest), 30000) << "no clipping";
    EXPECT_GT(std::abs(*loudest), 10000) << "loud enough to hear";
}

TEST_P(GeneratedCue, EndsWithDigitalSilence)
{
    ASSERT_GE(kTrailingSilenceMs, 250);
    const auto silence = Samples().subspan(kFirstToneSamples + kSecondToneSamples);
    EXPECT_EQ(static_cast<int>(silence.size()), kTrailingSilenceSamples);
    EXPECT_TRUE(std::all_of(silence.begin(), silence.end(), [](std::int16_t s) { return s == 0; }));
}

INSTANTIATE_TEST_SUITE_P(Cues, GeneratedCue,
    ::testing::Values(
        CueCase {kRisingCueFileName, kLowToneHz, kHighToneHz}, CueCase {kFallingCueFileName, kHighToneHz, kLowToneHz}),
    [](const ::testing::TestParamInfo<CueCase>& info) {
        return info.param.fileName == kRisingCueFileName ? std::string("Rising") : std::string("Falling");
    });

} // namespace

namespace {

using corvanta::SoundEffectMediaControl;
using corvanta::test::ToneWave;
using corvanta::test::WriteBytes;

struct Encoding {
    const char* name;
    int format, bits, channels, rate;
    bool extensible;
    friend void PrintTo(const Encoding& e, std::ostream* out) { *out << e.name; }
};

class CueEncodings : public ::testing::TestWithParam<Encoding> { };

TEST_P(CueEncodings, AreAcceptedForPlaying)
{
    const Encoding& e = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("cue.wav"));
    ASSERT_TRUE(WriteBytes(path, ToneWave(e.format, e.bits, e.channels, e.rate, e.extensible)));
    EXPECT_TRUE(SoundEffectMediaControl::IsPlayableWaveFile(path)) << e.name;
}

INSTANTIATE_TEST_SUITE_P(Common, CueEncodings,
    ::testing::Values(Encoding {"u8_mono_8k", 1, 8, 1, 8000, false}, Encoding {"s16_stereo_22k", 1, 16, 2, 22050, false},
        Encoding {"s24_mono_44k", 1, 24, 1, 44100, false}, Encoding {"s32_stereo_48k", 1, 32, 2, 48000, false},
        Encoding {"f32_mono_96k", 3, 32, 1, 96000, false}, Encoding {"s24_stereo_ext", 1, 24, 2, 48000, true},
        Encoding {"f32_stereo_ext", 3, 32, 2, 44100, true}, Encoding {"s16_mono_ext", 1, 16, 1, 16000, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
