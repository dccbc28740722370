#pragma once

#include "core/CuePlayer.h"

#include <memory>
#include <string>
#include <vector>

namespace corvanta {

class CueStreams;
struct CueRequests;

// Plays the cues through the desktop's sound server (PulseAudio, or PipeWire, which serves the same
// protocol) with its own client library.
//
// A press only notes its file and wakes the library's thread: it takes neither the library's lock
// nor the time to start a thread. The library's thread lets go of the cue that sounds and starts a
// thread for the press, which looks the file up, reads and decodes it, and hands the samples back
// to be played on a stream of their own. So no press waits for the disk or the server; a newer
// press, or the player's end, cancels a decoding between blocks, and the end never waits for a
// thread stuck in a slow read. Nothing starts before the first cue. A server that cannot be
// reached leaves the cues silent, and the next cue tries again.
class PulseCuePlayer final : public CuePlayer {
public:
    PulseCuePlayer();
    ~PulseCuePlayer() override;
    PulseCuePlayer(const PulseCuePlayer&) = delete;
    PulseCuePlayer& operator=(const PulseCuePlayer&) = delete;

    void play(std::string_view fileName) override;

private:
    std::shared_ptr<CueRequests> requests_; // shared with the decoding threads, which may outlive the player
    std::unique_ptr<CueStreams> streams_;
};

// Where a cue is looked for, in this order: the current folder (""), where a teacher may leave a cue
// of their own; the installed program's data folder, whatever the prefix; the desktop's data folders.
std::vector<std::string> cueFolders();

} // namespace corvanta
