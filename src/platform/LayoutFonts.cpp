#include "LayoutFonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include <cstdio>

namespace corvanta {

namespace {
// Whether the twin is installed. It covers every character the program shows (Latin, the
// ideographic space, the brackets and the black square), so no per-glyph fallback face is needed.
bool twinInstalled = false;
} // namespace

bool RegisterLayoutFonts()
{
    QFont::insertSubstitution(kLayoutFace, kLayoutFaceTwin);
    twinInstalled = QFontDatabase::families().contains(kLayoutFaceTwin);
    if (twinInstalled) {
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
    // Without fallback faces Qt skips working out their list for every size, which is a good part of
    // the start-up; with a substitute face, fallbacks still supply what it lacks.
    font.setStyleStrategy(twinInstalled ? QFont::NoFontMerging : QFont::PreferDefault);
    return font;
}

} // namespace corvanta
