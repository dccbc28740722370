#pragma once

// Free of Qt types and careful with widths, so that it compiles as it stands for 32-bit systems too:
// file sizes, frame and sample counts never pass through a 32-bit type.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvanta {

// Larger files are not read: a cue lasts a second or two.
inline constexpr std::int64_t kMaxCueFileBytes = 16 * 1024 * 1024;
// Only the start of a longer sound plays, so that a small compressed file cannot decode to gigabytes.
inline constexpr std::int64_t kMaxCueSeconds = 30;
// What one stream of the sound server carries; a file with more channels is mixed down to stereo.
inline constexpr int kMaxCueChannels = 32;

// A cue as the sound server takes it: interleaved signed 16-bit samples in the machine's byte order.
struct Pcm16Cue {
    int channels = 0;
    int rate = 0; // frames a second
    std::vector<std::int16_t> samples;
};

struct DecodedCue {
    std::optional<Pcm16Cue> cue;
    std::string refusal; // why there is no cue; empty when the decoding was cancelled
};

// The path of the first of `folders` ("" standing for the current folder) that holds `fileName`, or
// nothing.
std::optional<std::string> findCue(std::string_view fileName, const std::vector<std::string>& folders);

// Reads a cue with libsndfile: whatever it reads as sound, in blocks, asking `cancelled` between
// them. Refuses without blocking anything but a regular file of at most kMaxCueFileBytes (a named
// pipe is never read), and what libsndfile or the sound server cannot take, saying why.
DecodedCue decodeCue(const std::string& path, const std::function<bool()>& cancelled);

} // namespace corvanta
