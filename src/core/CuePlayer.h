#pragma once

#include <string_view>

namespace corvanta {

// Plays the short sound cues of Init, Help and Exit. Nothing here blocks or reports: a file that
// cannot be played is silent.
class CuePlayer {
public:
    virtual ~CuePlayer() = default;
    // Stops the cue that is sounding.
    virtual void stop() = 0;
    // Lets go of the open cue.
    virtual void close() = 0;
    // Opens a WAV file, a name relative to the current directory.
    virtual void open(std::string_view fileName) = 0;
    // Starts the open cue and returns at once.
    virtual void play() = 0;
};

// Stops and closes whatever sounds, then opens and plays the file: a press that closely follows
// another starts its own cue.
inline void playCue(CuePlayer& player, std::string_view fileName)
{
    player.stop();
    player.close();
    player.open(fileName);
    player.play();
}

} // namespace corvanta
