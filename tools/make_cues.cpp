// make_cues: synthesises the program's two sound cues into the given directory.
//
//   make_cues OUTPUT_DIRECTORY
//
// writes pinpon.wav (rising chime) and endpinpon.wav (falling chime) as 16-bit PCM mono WAV files.
// The output is deterministic: the same bytes on every run.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <system_error>
#include <vector>

namespace {

// "pinpon.wav" is a two-tone door chime rising from the low tone to the high tone; "endpinpon.wav"
// plays the same two tones falling. Each tone starts with a short soft attack, decays exponentially
// and ends with a short fade, so the tones never click.
constexpr const char* kRisingCueFileName = "pinpon.wav";
constexpr const char* kFallingCueFileName = "endpinpon.wav";

// 16-bit PCM, mono.
constexpr int kSampleRate = 44100;
constexpr int kBitsPerSample = 16;
constexpr int kChannels = 1;

// The two tones: E5 and A5, a fourth apart, far enough apart to tell them apart in 10 ms.
constexpr double kLowToneHz = 659.26;
constexpr double kHighToneHz = 880.0;

// Durations in milliseconds. The first tone is the short "pin", the second the longer "pon".
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

std::vector<std::int16_t> chime(double firstHz, double secondHz)
{
    std::vector<std::int16_t> samples;
    appendTone(samples, firstHz, samplesFor(kFirstToneMs));
    appendTone(samples, secondHz, samplesFor(kSecondToneMs));
    return samples;
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string waveFile(const std::vector<std::int16_t>& samples)
{
    const std::uint32_t blockAlign = kChannels * (kBitsPerSample / 8);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * blockAlign;
    std::string out;
    out.reserve(44 + dataBytes);
    out += "RIFF";
    putLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVE";
    out += "fmt ";
    putLittleEndian(out, 16, 4); // size of the fmt chunk
    putLittleEndian(out, 1, 2); // PCM
    putLittleEndian(out, kChannels, 2);
    putLittleEndian(out, kSampleRate, 4);
    putLittleEndian(out, kSampleRate * blockAlign, 4); // bytes per second
    putLittleEndian(out, blockAlign, 2);
    putLittleEndian(out, kBitsPerSample, 2);
    out += "data";
    putLittleEndian(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        putLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

bool writeFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
        std::fprintf(stderr, "make_cues: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_cues OUTPUT_DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "make_cues: cannot create %s: %s\n", directory.c_str(), error.message().c_str());
        return 1;
    }
    const bool written = writeFile(directory / kRisingCueFileName, waveFile(chime(kLowToneHz, kHighToneHz)))
        && writeFile(directory / kFallingCueFileName, waveFile(chime(kHighToneHz, kLowToneHz)));
    return written ? 0 : 1;
}
