#pragma once

#include <string_view>

namespace corvanta {

// Plays the short sound cues of Init, Help and Exit; a file that cannot be played is silent.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Stops the cue that sounds and starts the named file at once: a press that follows closely has its own cue.
    virtual void play(std::string_view fileName) = 0;
};

} // namespace corvanta
