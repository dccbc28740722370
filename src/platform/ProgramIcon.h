#pragma once

#include <QIcon>
#include <QImage>

#include <array>

class QPainter;
class QWidget;

namespace corvanta {

// The program's icon, drawn here: a triangle of blue pins above red bars of a histogram. The 32 px
// image is set pixel by pixel; the larger sizes and the SVG are painted from the same design.
inline constexpr std::array<int, 5> kProgramIconSizes {32, 48, 64, 128, 256};

QImage programIconImage(int size = 32); // 24-bit colour
void paintProgramIcon(QPainter& painter); // the design on a 32 x 32 grid, at the painter's scale
QIcon programIcon(); // the 32 px image alone, which a window starts with

// Once the window has painted its first frame, gives it and the application the icon in every size, for docks and
// window switchers. Drawn and sent to the X server before it, the large sizes delayed that frame by about 10 %.
void completeProgramIconAfterFirstPaint(QWidget& window);

} // namespace corvanta
