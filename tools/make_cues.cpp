// make_cues: synthesises the program's two sound cues, as 16-bit PCM mono WAV files.
//
//   make_cues RISING_FILE FALLING_FILE
//
// The rising chime is Init's and Help's, the falling one Exit's: a two-tone door chime from the low
// tone to the high one, and the same two tones falling. Each tone starts with a short soft attack,
// decays exponentially and ends with a short fade, so the tones never click. The output is
// deterministic: the same bytes on every run.
#include <sndfile.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;

// The two tones: E5 and A5, a fourth apart, far enough apart to tell them apart in 10 ms.
constexpr double kLowToneHz = 659.26;
constexpr double kHighToneHz = 880.0;

// Durations in milliseconds.
constexpr int kFirstToneMs = 250;
constexpr int kSecondToneMs = 350;

// Shape of each tone.
constexpr int kAttackMs = 8; // linear rise from zero
constexpr int kReleaseMs = 15; // cosine fade to zero at the tone's end
constexpr double kDecayAtToneEnd = 0.08; // the exponential envelope falls to this fraction
constexpr double kPeakAmplitude = 0.55; // of full scale, before the partial is added
constexpr double kOctavePartial = 0.25; // relative level of the partial an octave up

constexpr int samplesFor(int milliseconds)
{
    return static_cast<int>(std::int64_t {kSampleRate} * milliseconds / 1000);
}

// Appends one tone of the given length: soft linear attack, exponential decay down to
// kDecayAtToneEnd at the end, and a cosine fade over the last kReleaseMs so the tone ends at zero.
void appendTone(std::vector<std::int16_t>& samples, double frequencyHz, int length)
{
    const int attack = samplesFor(kAttackMs);
    const int release = samplesFor(kReleaseMs);
    const double decayRate = -std::log(kDecayAtToneEnd) / length;
    const double step = 2.0 * std::numbers::pi * frequencyHz / kSampleRate;
    for (int i = 0; i < length; ++i) {
        double envelope = std::exp(-decayRate * i);
        if (i < attack) {
            envelope *= static_cast<double>(i) / attack;
        }
        const int untilEnd = length - 1 - i;
        if (untilEnd < release) {
            envelope *= 0.5 - 0.5 * std::cos(std::numbers::pi * untilEnd / release);
        }
        // The octave partial dies away faster than the fundamental, as on a struck bar.
        const double partialEnvelope = std::exp(-2.0 * decayRate * i);
        const double value
            = envelope * (std::sin(step * i) + kOctavePartial * partialEnvelope * std::sin(2.0 * step * i));
        samples.push_back(static_cast<std::int16_t>(std::lround(value * kPeakAmplitude * 32767.0)));
    }
}

// The short "pin" at the first tone, the longer "pon" at the second.
bool writeChime(const char* path, double firstHz, double secondHz)
{
    std::vector<std::int16_t> samples;
    appendTone(samples, firstHz, samplesFor(kFirstToneMs));
    appendTone(samples, secondHz, samplesFor(kSecondToneMs));
    SF_INFO format {};
    format.samplerate = kSampleRate;
    format.channels = 1;
    format.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path, SFM_WRITE, &format);
    const auto frames = static_cast<sf_count_t>(samples.size());
    const bool written = file != nullptr && sf_write_short(file, samples.data(), frames) == frames;
    if (file == nullptr || sf_close(file) != 0 || !written) {
        std::fprintf(stderr, "make_cues: cannot write %s\n", path);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_cues RISING_FILE FALLING_FILE\n");
        return 2;
    }
    const bool written = writeChime(argv[1], kLowToneHz, kHighToneHz) && writeChime(argv[2], kHighToneHz, kLowToneHz);
    return written ? 0 : 1;
}
