#pragma once

#include <QLoggingCategory>

namespace corvanta {

// Why a cue stays silent: a refused file, an unreachable sound server. Quiet unless asked for, as
// with QT_LOGGING_RULES="corvanta.sound.info=true".
Q_DECLARE_LOGGING_CATEGORY(lcSound)

} // namespace corvanta
