#pragma once

#include <functional>

class QWidget;

namespace corvanta {

// Runs `activated` whenever `window` becomes the program's active window coming from another window of the
// program, or for the first time; also when it is shown, as not every platform reports a focus change for a window
// that appears. Switching to another program and back is no such activation: the program's last active window is
// still the same one.
void onProgramActivation(QWidget& window, std::function<void()> activated);

} // namespace corvanta
