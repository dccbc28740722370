#pragma once

#include <string_view>

namespace corvanta {

// Plays the short sound cues of Init, Help and Exit. Nothing here blocks or reports: a file that
// cannot be played is silent.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Stops and lets go of the cue that sounds, then starts the named file and returns at once, so
    // that a press that closely follows another starts its own cue.
    virtual void play(std::string_view fileName) = 0;
};

} // namespace corvanta
