#include "LayoutFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <cstdio>

namespace corvanta {

namespace {

const QString kLayoutFace = QStringLiteral("ＭＳ Ｐゴシック");
const QString kTwinFace = QStringLiteral("IPAPGothic");
// The twin covers every character the program shows (Latin, the ideographic space, the brackets,
// the black square), so no fallback faces are needed while it is installed.
bool twinInstalled = false;

} // namespace

bool registerLayoutFonts()
{
    QFont::insertSubstitution(kLayoutFace, kTwinFace);
    // In a Japanese session fontconfig lists the twin by its Japanese name ("IPA Pゴシック"). Its other
    // names are known once the families are read, and hasFamily() finds it by any of them.
    QFontDatabase::families();
    twinInstalled = QFontDatabase::hasFamily(kTwinFace);
    if (!twinInstalled) {
        std::fprintf(stderr,
            "corvanta: font \"IPAPGothic\" is not installed (Debian package fonts-ipafont-gothic); "
            "text is drawn in another face and may not fit its place\n");
    }
    return twinInstalled;
}

QFont layoutFont(double pointSize, bool bold)
{
    QFont font(kLayoutFace);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Without fallback faces Qt skips working out their list for every size, a good part of the
    // start-up; a substitute face still gets fallbacks for what it lacks.
    font.setStyleStrategy(twinInstalled ? QFont::NoFontMerging : QFont::PreferDefault);
    return font;
}

} // namespace corvanta
