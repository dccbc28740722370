#include "PulseCuePlayer.h"

#include <sndfile.h>

#include <sys/stat.h>

#include <algorithm>
#include <memory>

namespace corvanta {

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
    // Looked at before it is opened: a named pipe would block the first read, and a huge file is no cue.
    struct stat info { };
    const bool regular = ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
    if (!regular || info.st_size > kMaxCueFileBytes) {
        return {std::nullopt, regular ? "it is larger than 16 MiB" : "it is not a regular file"};
    }
    SF_INFO format {};
    const std::unique_ptr<SNDFILE, int (*)(SNDFILE*)> file(sf_open(path.c_str(), SFM_READ, &format), sf_close);
    if (file == nullptr) {
        return {std::nullopt, std::string("libsndfile cannot read it: ") + sf_strerror(nullptr)};
    }
    sf_command(file.get(), SFC_SET_CLIPPING, nullptr, SF_TRUE); // a float sample beyond full scale does not wrap
    Pcm16Cue cue {format.channels <= kMaxCueChannels ? format.channels : 2, format.samplerate, {}};
    const std::int64_t maxFrames = std::min(kMaxCueSeconds * format.samplerate, kMaxCueSamples / cue.channels);
    const std::int64_t known = std::clamp<std::int64_t>(format.frames, 0, maxFrames); // one allocation, if known
    cue.samples.reserve(static_cast<std::size_t>(known) * static_cast<std::size_t>(cue.channels));
    const auto from = static_cast<std::size_t>(format.channels);
    const auto to = static_cast<std::size_t>(cue.channels);
    std::vector<std::int16_t> block(128 * 1024); // as many samples as 64 Ki stereo frames, whatever the channels
    const auto blockFrames = static_cast<std::int64_t>(block.size() / std::max<std::size_t>(from, 2));
    for (std::int64_t frames = 0; frames < maxFrames;) {
        if (cancelled()) {
            return {};
        }
        const sf_count_t read = sf_readf_short(file.get(), block.data(), std::min(blockFrames, maxFrames - frames));
        if (read <= 0) {
            break;
        }
        // Each channel the server gets is the mean of the file's that fall to it: beyond 32, even left, odd right.
        for (std::size_t frame = 0; frame < static_cast<std::size_t>(read) * from; frame += from) {
            for (std::size_t channel = 0; channel < to; ++channel) {
                int sum = 0;
                for (std::size_t mixed = channel; mixed < from; mixed += to) {
                    sum += block[frame + mixed];
                }
                cue.samples.push_back(
                    static_cast<std::int16_t>(sum / static_cast<int>((from - channel + to - 1) / to)));
            }
        }
        frames += read;
    }
    if (cue.samples.empty()) {
        return {std::nullopt, "it holds no sound"};
    }
    const bool longer = format.frames > maxFrames;
    return {std::move(cue), longer ? "only its start plays: it is longer than 30 s or 8 Mi samples" : ""};
}

} // namespace corvanta
