#pragma once

#include <QIcon>
#include <QImage>

namespace corvanta {

// The program's icon, drawn here: a triangle of blue pins above red bars of a histogram,
// 32 x 32 pixels in 24-bit colour.
QImage programIconImage();
QIcon programIcon();

} // namespace corvanta
