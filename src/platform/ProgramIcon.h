#pragma once

#include <QIcon>
#include <QImage>

#include <array>

class QPainter;

namespace corvanta {

// The program's icon, drawn here: a triangle of blue pins above red bars of a histogram. The 32 px
// image is set pixel by pixel; the larger sizes and the SVG are painted from the same design.
inline constexpr std::array<int, 5> kProgramIconSizes {32, 48, 64, 128, 256};

QImage programIconImage(int size = 32); // 24-bit colour
void paintProgramIcon(QPainter& painter); // the design on a 32 x 32 grid, at the painter's scale
QIcon programIcon(); // every size

} // namespace corvanta
