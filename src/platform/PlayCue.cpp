#include "platform/PlayCue.h"

namespace corvanta {

void PlayCue(MediaControl& control, std::string_view fileName)
{
    control.SetCommand("Stop");
    control.SetCommand("Close");
    control.SetFileName(fileName);
    control.SetCommand("Open");
    control.SetCommand("Sound");
}

} // namespace corvanta
