#pragma once

#include <string_view>

namespace corvanta {

// The media control that plays the sound cues, driven only through its two string properties:
// Command executes a command word ("Stop", "Close", "Open", "Sound"), FileName names the file
// that the next "Open" opens. No command reports a result; a file that cannot be played is silent.
class MediaControl {
public:
    virtual ~MediaControl() = default;
    virtual void SetCommand(std::string_view command) = 0;
    virtual void SetFileName(std::string_view fileName) = 0;
    // Called once before the program ends: lets a cue that is still loading finish loading, since
    // tearing a player down mid-load can hang. Returns at once where there is nothing to wait for.
    virtual void SettleBeforeExit() { }
};

} // namespace corvanta
