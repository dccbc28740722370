// What the program resolves when it loads this library at the first cue.
#include "SoundEffectCuePlayer.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT int corvanta_cue_player_interface()
{
    return corvanta::CuePlayer::kInterfaceVersion;
}

extern "C" Q_DECL_EXPORT corvanta::CuePlayer* corvanta_create_cue_player()
{
    return new corvanta::SoundEffectCuePlayer;
}
