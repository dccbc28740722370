#include "CueFile.h"

#include <sndfile.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <exception>
#include <iterator>
#include <memory>

namespace corvanta {

namespace {

// A block is at most 64 Ki frames, and holds no more samples than 64 Ki stereo frames, however many
// channels a file has.
constexpr std::int64_t kBlockFrames = 64 * 1024;
constexpr std::int64_t kBlockSamples = 2 * kBlockFrames;
// The sound server's highest rate (PA_RATE_MAX).
constexpr int kMaxRate = 384000;

struct SndfileCloser {
    void operator()(SNDFILE* file) const { sf_close(file); }
};

DecodedCue refuse(std::string why)
{
    return {std::nullopt, std::move(why)};
}

// libsndfile hands every encoding over as floats in [-1, 1); 16-bit samples come back unchanged.
std::int16_t toPcm16(float value)
{
    if (std::isnan(value)) {
        return 0;
    }
    return static_cast<std::int16_t>(std::lrint(std::clamp(value * 32768.0f, -32768.0f, 32767.0f)));
}

// Appends `frames` frames of `block`; above kMaxCueChannels, the even channels go left and the odd
// ones right.
void appendFrames(
    std::vector<std::int16_t>& samples, const std::vector<float>& block, std::int64_t frames, int fileChannels)
{
    const auto channels = static_cast<std::size_t>(fileChannels);
    for (std::size_t frame = 0; frame < static_cast<std::size_t>(frames); ++frame) {
        const float* first = block.data() + frame * channels;
        if (fileChannels <= kMaxCueChannels) {
            std::transform(first, first + channels, std::back_inserter(samples), toPcm16);
            continue;
        }
        float sides[2] = {0.0f, 0.0f};
        for (std::size_t channel = 0; channel < channels; ++channel) {
            sides[channel % 2] += first[channel];
        }
        const auto left = static_cast<float>((channels + 1) / 2);
        const auto right = static_cast<float>(channels / 2);
        samples.push_back(toPcm16(sides[0] / left));
        samples.push_back(toPcm16(sides[1] / right));
    }
}

} // namespace

std::optional<std::string> findCue(std::string_view fileName, const std::vector<std::string>& folders)
{
    for (const std::string& folder : folders) {
        std::string path = folder.empty() ? std::string(fileName) : folder + '/' + std::string(fileName);
        struct stat info { };
        if (::stat(path.c_str(), &info) == 0) {
            return path;
        }
    }
    return std::nullopt;
}

DecodedCue decodeCue(const std::string& path, const std::function<bool()>& cancelled)
{
    // Opening without blocking and looking at what was opened: a named pipe would block the first
    // read, a directory or a device is no cue, a huge file is not one either.
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (descriptor < 0) {
        return refuse(std::string("it cannot be opened: ") + std::strerror(errno));
    }
    struct stat info { };
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return refuse("it is not a regular file");
    }
    if (info.st_size > kMaxCueFileBytes) {
        ::close(descriptor);
        return refuse("it is larger than 16 MiB");
    }
    SF_INFO format {};
    // libsndfile closes the descriptor, also when it refuses the file.
    const std::unique_ptr<SNDFILE, SndfileCloser> file(sf_open_fd(descriptor, SFM_READ, &format, SF_TRUE));
    if (file == nullptr) {
        return refuse(std::string("libsndfile cannot read it: ") + sf_strerror(nullptr));
    }
    if (format.channels < 1 || format.samplerate < 1 || format.samplerate > kMaxRate) {
        return refuse(
            "its rate of " + std::to_string(format.samplerate) + " frames a second is beyond the sound server's");
    }

    Pcm16Cue cue {format.channels <= kMaxCueChannels ? format.channels : 2, format.samplerate, {}};
    const std::int64_t maxFrames = kMaxCueSeconds * format.samplerate;
    const std::int64_t blockFrames = std::clamp<std::int64_t>(kBlockSamples / format.channels, 1, kBlockFrames);
    try {
        std::vector<float> block(static_cast<std::size_t>(blockFrames) * static_cast<std::size_t>(format.channels));
        for (std::int64_t frames = 0; frames < maxFrames;) {
            if (cancelled()) {
                return {};
            }
            const sf_count_t read = sf_readf_float(file.get(), block.data(), std::min(blockFrames, maxFrames - frames));
            if (read <= 0) {
                break;
            }
            appendFrames(cue.samples, block, read, format.channels);
            frames += read;
        }
    } catch (const std::exception&) { // out of memory: many channels at a high rate on a small system
        return refuse("it is too large to hold in memory");
    }
    if (cue.samples.empty()) {
        return refuse("it holds no sound");
    }
    return {std::move(cue), {}};
}

} // namespace corvanta
