#pragma once

class QWidget;

namespace corvanta {

// The rule under a window's title row: one pixel high at y, from left up to right (in twips), in the
// window's ink and, across `title`, in the title's. It lies under every other control of the window,
// so that the buttons standing over it cover it.
void addTitleRule(QWidget& window, int leftTwips, int rightTwips, int yTwips, QWidget* title = nullptr);

} // namespace corvanta
