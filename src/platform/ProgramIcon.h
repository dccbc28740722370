#pragma once

#include <QIcon>
#include <QImage>

class QPainter;
class QWidget;

namespace corvanta {

// The program's icon, drawn here: a triangle of blue pins above red bars of a histogram. One design on
// a 32 x 32 grid, painted at the painter's scale: square pins where a pin is a few pixels, round ones
// where it can be.
void paintProgramIcon(QPainter& painter, bool roundPins);
QImage programIconImage(int size = 32); // 24-bit colour; round pins above 32 px
QIcon programIcon(); // the 32 px image alone, which a window starts with

// Gives the window and the application the icon in every size the build installs, for docks and
// window switchers. Drawn and sent to the X server before the window's first frame, the large sizes
// delayed that frame (docs/PERFORMANCE.md): called once it is up.
void completeProgramIcon(QWidget& window);

} // namespace corvanta
