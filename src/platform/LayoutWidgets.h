#pragma once

#include <QRgb>

class QWidget;

namespace corvanta {

// What both windows lay out besides their controls' places: a colour of the layout's own, and the rule
// under the title row.

// A colour of the layout's own goes with black ink, whatever the desktop's style: white or light text
// on it could not be read.
void setLayoutColour(QWidget& widget, QRgb back);

// The rule under a window's title row: one pixel high at y, from left up to right (in twips), in the
// window's ink and, across `title`, in the title's. It lies under every other control of the window,
// so that the buttons standing over it cover it.
void addTitleRule(QWidget& window, int leftTwips, int rightTwips, int yTwips, QWidget* title = nullptr);

} // namespace corvanta
