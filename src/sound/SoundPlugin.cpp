// The entry point through which the program loads its sound player at the first cue.
#include "sound/SoundEffectMediaControl.h"

#include <QtGlobal>

extern "C" Q_DECL_EXPORT corvanta::MediaControl* corvanta_create_media_control()
{
    return new corvanta::SoundEffectMediaControl;
}
