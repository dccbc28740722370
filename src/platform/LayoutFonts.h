#pragma once

#include <QFont>

namespace corvanta {

// The layout's face, the Japanese proportional Gothic "ＭＳ Ｐゴシック", is drawn with its metric twin
// IPAPGothic (Debian package fonts-ipafont-gothic). Call before the first widget is created. When
// the twin is missing, says so once on stderr and returns false: text then takes another face.
bool registerLayoutFonts();

// The layout's face at a point size and weight.
QFont layoutFont(double pointSize, bool bold = false);

} // namespace corvanta
