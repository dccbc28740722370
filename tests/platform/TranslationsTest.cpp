// The program in each language the desktop may ask for: complete, in one face that has every character, fitting the
// layout, with its region's decimal sign and Qt's own strings; any other language, or the C locale, English.
#include "Windows.h"

#include "core/Experiment.h"
#include "platform/LayoutFonts.h"
#include "platform/Translations.h"

#include <QFontInfo>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyleOptionButton>

using namespace corvanta;

// A desktop's language settings; the translation shown (none: English), Qt's "&Yes", the decimal sign, the face.
struct Language {
    const char* language; // LANGUAGE
    const char* lang; // LANG: without it the messages locale is C
    const char* lcAll; // LC_ALL; empty: not set
    const char* shown;
    const char* qtYes;
    const char* decimalSign;
    const char* face;
};

const Language kLanguages[] = {
    {"ca", "ca_ES.UTF-8", "", "ca", "&Sí", ",", "IPAPGothic"},
    {"ca@valencia", "ca_ES.UTF-8@valencia", "", "ca", "&Sí", ",", "IPAPGothic"}, // Valencian reads Catalan
    {"de_AT", "de_AT.UTF-8", "", "de", "&Ja", ",", "IPAPGothic"}, // a region without a translation of its own
    {"es", "es_ES.UTF-8", "", "es", "&Sí", ",", "IPAPGothic"}, // Spain writes a comma
    {"", "es_MX.UTF-8", "", "es", "&Sí", ".", "IPAPGothic"}, // without LANGUAGE, the messages locale; Mexico a point
    {"fr", "fr_FR.UTF-8", "", "fr", "&Oui", ",", "IPAPGothic"}, // no-break spaces, in the face
    {"it_IT.UTF-8", "it_IT.UTF-8", "", "it", "&Sì", ",", "IPAPGothic"}, // with its encoding
    {"ja", "ja_JP.UTF-8", "", "ja", "はい(&Y)", ".", "IPAPGothic"}, // where fontconfig names the face in Japanese
    {"nb", "nb_NO.UTF-8", "", "nb", "&Yes", ",", "IPAPGothic"}, // Qt has no Bokmål; its box's OK is Norwegian
    {"pl", "pl_PL.UTF-8", "", "pl", "&Tak", ",", "IPAPGothic"},
    {"pt_PT", "pt_PT.UTF-8", "", "pt_PT", "&Sim", ",", "IPAPGothic"}, // Portugal's own, with Qt's strings of Brazil
    {"pt_BR", "pt_BR.UTF-8", "", "pt", "&Sim", ",", "IPAPGothic"}, // as every other region, Brazil's
    {"ru", "ru_RU.UTF-8", "", "ru", "&Да", ",", "WenQuanYi Micro Hei"}, // IPAPGothic's Cyrillic is full-width
    {"tr", "tr_TR.UTF-8", "", "tr", "&Evet", ",", "WenQuanYi Micro Hei"}, // IPAPGothic lacks ğ, ı and İ
    {"zh_CN", "zh_CN.UTF-8", "", "zh_CN", "是(&Y)", ".", "WenQuanYi Micro Hei"}, // IPAPGothic's Han are Japanese
    {"uk:de", "uk_UA.UTF-8", "", "de", "&Ja", ",", "IPAPGothic"}, // the first language translated
    {"sco:de", "de_DE.UTF-8", "", "de", "&Ja", ",", "IPAPGothic"}, // Scots, unknown to Qt, is passed over
    {"sv", "sv_SE.UTF-8", "", "", "&Yes", ".", "IPAPGothic"}, // English, though Sweden writes a comma
    {"en_GB:de", "en_GB.UTF-8", "", "", "&Yes", ".", "IPAPGothic"}, // English first ends the search
    {"de", "de_DE.UTF-8", "C", "", "&Yes", ".", "IPAPGothic"}, // in the C locale LANGUAGE is not read
};

// Both windows after a ball has landed and the run has stopped, and the exit box: what each shows, place by place.
std::map<std::string, std::string> sceneOf(test::Windows& windows)
{
    windows.fakes.draws.assign(11, 0.25f); // to bin 11
    windows.main.show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&windows.main));
    windows.press("fastButton", "HightSpeed");
    windows.ticks(11, "a ball lands");
    windows.press("stopButton", "Stop");
    windows.press("helpButton", "Help");
    windows.readTheExitBox();
    windows.main.confirmExit();
    windows.shown["exit box"] = windows.fakes.heard.back();
    return windows.shown;
}

// Where a picture differs from `blank`, or else from its own first pixel, in logical pixels.
QRectF ink(const QImage& drawn, const QImage& blank = {})
{
    QRect box;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb back = blank.isNull() ? drawn.pixel(0, 0) : blank.pixel(x, y);
            box |= drawn.pixel(x, y) != back ? QRect(x, y, 1, 1) : QRect();
        }
    }
    const double ratio = drawn.devicePixelRatio();
    return {box.x() / ratio, box.y() / ratio, box.width() / ratio, box.height() / ratio};
}

// The narrowest margin between a caption's ink and its room; a label's text starts at its top.
double margin(QWidget* control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    const bool label = control->inherits("QLabel");
    const QRectF room
        = label ? control->contentsRect() : control->style()->subElementRect(QStyle::SE_PushButtonContents, &option);
    const QImage drawn = control->grab().toImage();
    control->setProperty("text", QString()); // for good: the windows go after the measuring
    const QRectF box = ink(drawn, control->grab().toImage());
    const double top = label ? 2.0 : box.top() - room.top();
    return std::min({box.left() - room.left(), room.right() - box.right(), room.bottom() - box.bottom(), top});
}

TEST(Translations, EachLanguageIsCompleteInOneFaceFitsTheLayoutAndAnyOtherIsEnglish)
{
    const QByteArray row = qgetenv("CORVANTA_LANGUAGE_ROW");
    if (row.isEmpty()) { // Qt reads the environment once in a process: a child process per language
        qunsetenv("LC_MESSAGES");
        for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
            qputenv("LANGUAGE", kLanguages[i].language);
            qputenv("LANG", kLanguages[i].lang);
            qputenv("LC_ALL", kLanguages[i].lcAll);
            qputenv("CORVANTA_LANGUAGE_ROW", QByteArray::number(i));
            QProcess child; // killed if it is still running as the row ends
            child.setProcessChannelMode(QProcess::ForwardedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Translations.*"});
            const bool ended = child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit;
            EXPECT_TRUE(ended && child.exitCode() == 0) << kLanguages[i].language << " " << kLanguages[i].lang;
        }
        return;
    }
    const Language& language = kLanguages[row.toInt()];
    test::Windows inEnglish; // in the C locale, which the tests' main sets
    const std::map<std::string, std::string> english = sceneOf(inEnglish);
    HelpWindow::closeIfOpen(); // so that Help builds one in the language
    QLocale::setDefault(QLocale::system()); // as the program starts
    EXPECT_EQ(installTranslations().toStdString(), language.shown);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), language.qtYes);
    // As fontconfig names it in this session ("IPA Pゴシック" in a Japanese one).
    EXPECT_EQ(QFontInfo(layoutFont(11.25)).family(), QFontInfo(QFont(language.face)).family());
    test::Windows windows;
    const std::map<std::string, std::string> translated = sceneOf(windows);
    const QString read
        = windows.child("theoryRow")->accessibleDescription() + windows.child("ratioRow")->accessibleDescription();
    const QString sign = language.decimalSign; // bin 6's theory and bin 11's ratio, as a screen reader reads them
    EXPECT_TRUE(read.contains("0" + sign + "246") && read.contains("1" + sign + "000")) << read.toStdString();
    for (QWidget* control : windows.main.findChildren<QWidget*>() + test::helpWindow()->findChildren<QWidget*>()) {
        if (!control->property("text").toString().isEmpty()) {
            EXPECT_GE(margin(control), 2.0) << control->objectName().toStdString();
        }
    }
    for (const char* name : {"theoryRow", "ratioRow"}) { // the heading ends before the first column, 40 units across
        QWidget* strip = windows.child(name);
        const double firstColumn = Experiment::column(1) * strip->contentsRect().width() / 40.0;
        const QRect heading(strip->contentsRect().topLeft(), QSize(int(firstColumn), strip->contentsRect().height()));
        EXPECT_GE(firstColumn - ink(strip->grab(heading).toImage()).right(), 2.0) << name;
    }
    if (std::string_view(language.decimalSign) == ",") { // a reader tells a bin, its value and the next bin apart
        EXPECT_FALSE(QString(read).remove(QRegularExpression("\\d,\\d")).contains(',')) << read.toStdString();
        EXPECT_FALSE(read.contains(QRegularExpression("\\d\\s\\d"))) << read.toStdString();
    }
    QWidget* page = test::helpWindow()->findChild<QWidget*>("page");
    const QImage lines = page->grab(page->contentsRect()).toImage();
    const QRectF inked = ink(lines);
    const QSizeF inner = lines.deviceIndependentSize();
    EXPECT_GE(std::min(inner.width() - inked.right(), inner.height() - inked.bottom()), 2.0) << "lines inside the page";
    if (std::string_view(language.shown).empty()) {
        EXPECT_EQ(translated, english) << "exactly the English windows";
        return;
    }
    const QRawFont face = QRawFont::fromFont(layoutFont(11.25)); // alone: it covers the language, so no fallbacks
    for (const auto& [place, content] : english) {
        if (place == "focus" || place == "step timer") {
            continue;
        }
        const QString text = QString::fromStdString(content);
        const QString shown = QString::fromStdString(translated.at(place));
        for (const QRegularExpressionMatch& quoted : QRegularExpression("\"[^\"]*\"").globalMatch(text)) {
            const bool words = QString(quoted.captured()).remove("Corvanta").contains(QRegularExpression("[a-z]"));
            EXPECT_FALSE(words && shown.contains(quoted.captured())) << "untranslated: " << text.toStdString();
        }
        for (const QChar c : shown) {
            EXPECT_TRUE(face.supportsCharacter(c) || c == '\n') << "U+" << std::hex << int(c.unicode());
        }
    }
}
