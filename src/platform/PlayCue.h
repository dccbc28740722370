#pragma once

#include "platform/MediaControl.h"

#include <string_view>

namespace corvanta {

// Plays a sound cue the way the program always does: stop whatever sounds, close the previous file,
// open the named one and start it. Returns at once whatever happens; a file that cannot be played
// is silent.
void PlayCue(MediaControl& control, std::string_view fileName);

} // namespace corvanta
