#pragma once

// The design of the two sound cues, shared by the generator (make_cues) and the tests that check
// its output. Plain C++: no toolkit.
//
// "pinpon.wav" is a two-tone door chime rising from the low tone to the high tone; "endpinpon.wav"
// plays the same two tones falling. Each tone starts with a short soft attack, decays exponentially
// and ends with a short fade, so the tones never click. Silence follows the second tone because
// QSoundEffect drops the last part of a short sound; with enough silence at the end only silence is
// lost.

#include <cstdint>
#include <string_view>

namespace corvanta::cues {

inline constexpr std::string_view kRisingCueFileName = "pinpon.wav";
inline constexpr std::string_view kFallingCueFileName = "endpinpon.wav";

// 16-bit PCM, mono.
inline constexpr int kSampleRate = 44100;
inline constexpr int kBitsPerSample = 16;
inline constexpr int kChannels = 1;

// The two tones: E5 and A5, a fourth apart, far enough apart to tell them apart in 10 ms.
inline constexpr double kLowToneHz = 659.26;
inline constexpr double kHighToneHz = 880.0;

// Durations in milliseconds. The first tone is the short "pin", the second the longer "pon".
inline constexpr int kFirstToneMs = 250;
inline constexpr int kSecondToneMs = 350;
inline constexpr int kTrailingSilenceMs = 300;

// Shape of each tone.
inline constexpr int kAttackMs = 8; // linear rise from zero
inline constexpr int kReleaseMs = 15; // cosine fade to zero at the tone's end
inline constexpr double kDecayAtToneEnd = 0.08; // the exponential envelope falls to this fraction
inline constexpr double kPeakAmplitude = 0.55; // of full scale, before the partial is added
inline constexpr double kOctavePartial = 0.25; // relative level of the partial an octave up

constexpr int SamplesFor(int milliseconds)
{
    return static_cast<int>(std::int64_t {kSampleRate} * milliseconds / 1000);
}

inline constexpr int kFirstToneSamples = SamplesFor(kFirstToneMs);
inline constexpr int kSecondToneSamples = SamplesFor(kSecondToneMs);
inline constexpr int kTrailingSilenceSamples = SamplesFor(kTrailingSilenceMs);
inline constexpr int kTotalSamples = kFirstToneSamples + kSecondToneSamples + kTrailingSilenceSamples;

// Size of the canonical 44-byte header plus the sample data.
inline constexpr int kWaveHeaderBytes = 44;
inline constexpr int kCueFileBytes = kWaveHeaderBytes + kTotalSamples * kChannels * (kBitsPerSample / 8);

} // namespace corvanta::cues
