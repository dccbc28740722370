#include "LayoutFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <cstdio>

namespace corvanta {

bool RegisterLayoutFonts()
{
    QFont::insertSubstitution(kLayoutFace, kLayoutFaceTwin);
    if (QFontDatabase::families().contains(kLayoutFaceTwin)) {
        return true;
    }
    std::fprintf(stderr,
        "corvanta: warning: font \"%s\" is not installed (Debian package fonts-ipafont-gothic); "
        "text is drawn in a substitute face with other metrics\n",
        kLayoutFaceTwin.toUtf8().constData());
    return false;
}

QFont LayoutFont(double pointSize, bool bold)
{
    QFont font(kLayoutFace);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    font.setStyleStrategy(QFont::PreferDefault);
    return font;
}

} // namespace corvanta
