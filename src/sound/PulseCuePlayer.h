#pragma once

// Free of Qt, so that the cue file code compiles as it stands for 32-bit systems too.

#include "core/CuePlayer.h"

#include <cstdint>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

namespace corvanta {

// Larger files are not read: a cue lasts a second or two.
inline constexpr std::int64_t kMaxCueFileBytes = 16 * 1024 * 1024;
// Only the start of a longer or wider sound plays: a small compressed file could decode to hundreds of MB.
inline constexpr std::int64_t kMaxCueSeconds = 30;
inline constexpr std::int64_t kMaxCueSamples = 8 * 1024 * 1024;
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
    std::string note; // why there is no cue, or why only its start plays; empty for a whole or a cancelled cue
};

// The path of the first of `folders` ("" for the current folder) that holds `fileName`, or nothing.
std::optional<std::string> findCue(std::string_view fileName, const std::vector<std::string>& folders);

// Reads whatever libsndfile reads as sound, in blocks, asking `cancelled` between them; refuses, saying why,
// anything but a regular file of at most kMaxCueFileBytes. libsndfile's reason is a global: one thread decodes.
DecodedCue decodeCue(const std::string& path, const std::function<bool()>& cancelled);

// Where a cue is looked for, in order: the current folder (""), the program's data folder, the desktop's.
std::vector<std::string> cueFolders();

struct CueWorker;

// Plays the cues through the desktop's sound server (PulseAudio, or PipeWire) on a worker thread, which owns
// every object of the server's client library: no press waits for the disk or the server, nor does the end.
class PulseCuePlayer final : public CuePlayer {
public:
    ~PulseCuePlayer() override;
    void start(); // the worker, once the window's first frame is up, or at the first press
    void play(std::string_view fileName) override;

private:
    std::shared_ptr<CueWorker> worker_; // shared with its thread, which may outlive the player
    std::thread thread_;
    std::future<void> done_; // ready once the worker has let go of everything
    bool saidStuck_ = false;
};

} // namespace corvanta
