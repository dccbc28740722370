#pragma once

#include <QFont>
#include <QString>

namespace corvanta {

// The layout's face, the Japanese proportional Gothic "ＭＳ Ｐゴシック", is drawn with its metric twin
// IPAPGothic (Debian package fonts-ipafont-gothic). Call before the first widget is created. When
// the twin is missing, says so once on stderr and returns false: text then takes another face.
bool registerLayoutFonts();

// Draws the layout in the face made for a language's script where the twin lacks its letters or
// draws them poorly ("ru", "tr", "zh_CN"), in the twin for any other language. installTranslations()
// calls it with the language it installs. When that face is missing, says so on stderr: the twin
// then draws what it has and fallback faces the rest.
void useLayoutFaceFor(const QString& language);

// The layout's face at a point size and weight.
QFont layoutFont(double pointSize, bool bold = false);

} // namespace corvanta
