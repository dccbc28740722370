#pragma once

#include <QFont>
#include <QString>

namespace corvanta {

// The Japanese proportional Gothic face the layout is drawn in.
inline const QString kLayoutFace = QStringLiteral("ＭＳ Ｐゴシック");
// Its metric twin on Debian (fonts-ipafont-gothic).
inline const QString kLayoutFaceTwin = QStringLiteral("IPAPGothic");

// Maps the layout's face to its metric twin. Call before the first widget is created. Returns
// false, after a warning on stderr, when the twin is not installed: text then falls back to a
// face with other metrics and may not fit its place.
bool RegisterLayoutFonts();

// The layout's face at a point size and weight, in the Shift-JIS character set's script.
QFont LayoutFont(double pointSize, bool bold = false);

} // namespace corvanta
