// make_cues: synthesises the program's two sound cues into the given directory.
//
//   make_cues OUTPUT_DIRECTORY
//
// writes pinpon.wav (rising chime) and endpinpon.wav (falling chime) as 16-bit PCM mono WAV files,
// shaped as CueDesign.h describes. The output is deterministic: the same bytes on every run.
#include "CueDesign.h"

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

using namespace corvanta::cues;

// Appends one tone of the given length: soft linear attack, exponential decay down to
// kDecayAtToneEnd at the end, and a cosine fade over the last kReleaseMs so the tone ends at zero.
void AppendTone(std::vector<std::int16_t>& samples, double frequencyHz, int length)
{
    const int attack = SamplesFor(kAttackMs);
    const int release = SamplesFor(kReleaseMs);
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

std::vector<std::int16_t> Chime(double firstHz, double secondHz)
{
    std::vector<std::int16_t> samples;
    samples.reserve(kTotalSamples);
    AppendTone(samples, firstHz, kFirstToneSamples);
    AppendTone(samples, secondHz, kSecondToneSamples);
    samples.insert(samples.end(), kTrailingSilenceSamples, 0);
    return samples;
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

std::string WaveFile(const std::vector<std::int16_t>& samples)
{
    const std::uint32_t blockAlign = kChannels * (kBitsPerSample / 8);
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size()) * blockAlign;
    std::string out;
    out.reserve(kWaveHeaderBytes + dataBytes);
    out += "RIFF";
    PutLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVE";
    out += "fmt ";
    PutLittleEndian(out, 16, 4); // size of the fmt chunk
    PutLittleEndian(out, 1, 2); // PCM
    PutLittleEndian(out, kChannels, 2);
    PutLittleEndian(out, kSampleRate, 4);
    PutLittleEndian(out, kSampleRate * blockAlign, 4); // bytes per second
    PutLittleEndian(out, blockAlign, 2);
    PutLittleEndian(out, kBitsPerSample, 2);
    out += "data";
    PutLittleEndian(out, dataBytes, 4);
    for (const std::int16_t sample : samples) {
        PutLittleEndian(out, static_cast<std::uint16_t>(sample), 2);
    }
    return out;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes)
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
    const bool written = WriteFile(directory / kRisingCueFileName, WaveFile(Chime(kLowToneHz, kHighToneHz)))
        && WriteFile(directory / kFallingCueFileName, WaveFile(Chime(kHighToneHz, kLowToneHz)));
    return written ? 0 : 1;
}
