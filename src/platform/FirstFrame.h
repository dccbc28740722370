#pragma once

#include <functional>

class QWidget;

namespace corvanta {

// Runs `work` once, when the window's first frame is on the screen: a zero-delay timer queued at the first paint
// fires once the whole frame has been painted and flushed. For what the user need not wait for to see the window.
void afterFirstFrame(QWidget& window, std::function<void()> work);

} // namespace corvanta
