#include "LayoutFonts.h"

#include <QFontDatabase>
#include <QStringList>

#include <algorithm>
#include <cstdio>

namespace corvanta {

namespace {

const QString kLayoutFace = QStringLiteral("ＭＳ Ｐゴシック");
const QString kTwinFace = QStringLiteral("IPAPGothic");

// The twin has every other language's characters (Latin with its accents, the ideographic space, the
// lenticular brackets, the black square). These languages it lacks or draws poorly: each is drawn
// wholly in one face that has their characters and draws them as their script is written.
struct LanguageFace {
    const char* language; // as installTranslations() names it
    const char* family;
    const char* package; // Debian's
};
const LanguageFace kLanguageFaces[] = {
    {"ru", "WenQuanYi Micro Hei", "fonts-wqy-microhei"}, // the twin's Cyrillic is full-width
    {"tr", "WenQuanYi Micro Hei", "fonts-wqy-microhei"}, // the twin lacks ğ, ı and İ
    {"zh_CN", "WenQuanYi Micro Hei", "fonts-wqy-microhei"}, // the twin's Han are Japanese, and not all of them
};

bool twinInstalled = false;
// The family the layout asks for: its own, which the twin stands in for, or a language's face.
QString layoutFamily = kLayoutFace;
// Whether the face in use covers every character the program shows in its language.
bool faceCovers = false;

} // namespace

bool registerLayoutFonts()
{
    QFont::insertSubstitution(kLayoutFace, kTwinFace);
    // In a Japanese session fontconfig lists the twin by its Japanese name ("IPA Pゴシック"). Its other
    // names are known once the families are read, and hasFamily() finds it by any of them.
    QFontDatabase::families();
    twinInstalled = QFontDatabase::hasFamily(kTwinFace);
    faceCovers = twinInstalled;
    if (!twinInstalled) {
        std::fprintf(stderr,
            "corvanta: font \"IPAPGothic\" is not installed (Debian package fonts-ipafont-gothic); "
            "text is drawn in another face and may not fit its place\n");
    }
    return twinInstalled;
}

void useLayoutFaceFor(const QString& language)
{
    layoutFamily = kLayoutFace;
    faceCovers = twinInstalled;
    const auto own = std::ranges::find_if(
        kLanguageFaces, [&](const LanguageFace& entry) { return language == QLatin1String(entry.language); });
    if (own == std::end(kLanguageFaces)) {
        return;
    }
    faceCovers = QFontDatabase::hasFamily(QLatin1String(own->family));
    if (faceCovers) {
        layoutFamily = QLatin1String(own->family);
    } else {
        std::fprintf(stderr,
            "corvanta: font \"%s\" is not installed (Debian package %s); text is drawn in other faces and may not "
            "fit its place\n",
            own->family, own->package);
    }
}

QFont layoutFont(double pointSize, bool bold)
{
    QFont font(layoutFamily);
    font.setPointSizeF(pointSize);
    font.setWeight(bold ? QFont::Bold : QFont::Normal);
    // Without fallback faces Qt skips working out their list for every size, a good part of the
    // start-up; a face that lacks characters gets them.
    font.setStyleStrategy(faceCovers ? QFont::NoFontMerging : QFont::PreferDefault);
    return font;
}

} // namespace corvanta
