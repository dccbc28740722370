// The program in each language the desktop may ask for: complete, in one face that covers it, fitting the layout.
#include "FakeView.h"

#include "helpwindow/HelpWindow.h"
#include "mainwindow/MainWindow.h"
#include "platform/LayoutFonts.h"
#include "platform/SurfaceWidget.h"
#include "platform/Translations.h"
#include "platform/Twips.h"

#include <QApplication>
#include <QFontInfo>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

using namespace corvanta;

// A desktop's language settings; the translation then shown (none: English), Qt's own "&Yes", the strips' decimal
// sign and the face that draws the layout.
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
    {"uk", "uk_UA.UTF-8", "", "", "&Yes", ".", "IPAPGothic"}, // English, though Qt speaks Ukrainian
    {"en_GB:de", "en_GB.UTF-8", "", "", "&Yes", ".", "IPAPGothic"}, // English first ends the search
    {"de", "de_DE.UTF-8", "C", "", "&Yes", ".", "IPAPGothic"}, // in the C locale LANGUAGE is not read
    {"de", "de_DE.UTF-8", "POSIX", "", "&Yes", ".", "IPAPGothic"},
};

struct Windows { // both windows open, in the language installed when they were built
    test::FakeView fake; // as random source, clock and silent cue player
    MainWindow main {fake, fake, fake};
    HelpWindow* help = nullptr;

    Windows()
    {
        main.show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        main.findChild<QPushButton*>("fastButton")->click(); // one ball to bin 11, then the ratios
        auto* timer = main.findChild<QTimer*>("stepTimer");
        QTimerEvent tick(timer->timerId());
        for (int n = 0; n < 11; ++n) {
            QCoreApplication::sendEvent(timer, &tick);
        }
        main.findChild<QPushButton*>("stopButton")->click();
        help = HelpWindow::open();
        EXPECT_TRUE(QTest::qWaitForWindowActive(help));
    }
    ~Windows() { HelpWindow::closeIfOpen(); }

    std::map<QString, QString> texts() // what the user and a screen reader meet, by place
    {
        std::map<QString, QString> texts {{"main title", main.windowTitle()}, {"help title", help->windowTitle()}};
        for (QWidget* widget : main.findChildren<QWidget*>() + help->findChildren<QWidget*>()) {
            texts[widget->objectName()] = widget->property("text").toString();
            texts[widget->objectName() + " name"] = widget->accessibleName();
            texts[widget->objectName() + " description"] = widget->accessibleDescription();
        }
        for (const char* strip : {"theoryRow", "ratioRow"}) {
            for (const SurfaceWidget::PrintedText& printed : main.findChild<SurfaceWidget*>(strip)->printedTexts()) {
                texts[QString("%1 at %2").arg(strip).arg(printed.x)] = printed.text;
            }
        }
        QObject reader; // the timer's context: no reading once this call has returned
        QTimer::singleShot(0, &reader, [&texts] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no exit box";
            texts["exit box"] = box->text();
            box->accept();
        });
        main.confirmExit();
        EXPECT_EQ(texts.count("exit box"), 1) << "no exit box";
        return texts;
    }
};

QRectF ink(const QImage& drawn, const QImage& blank) // where it differs from blank (none: white), in logical pixels
{
    QRect box;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            const QRgb back = blank.isNull() ? qRgb(255, 255, 255) : blank.pixel(x, y);
            box |= drawn.pixel(x, y) != back ? QRect(x, y, 1, 1) : QRect();
        }
    }
    const double r = drawn.devicePixelRatio();
    return {box.x() / r, box.y() / r, box.width() / r, box.height() / r};
}

double margin(QWidget* control) // the narrowest between a caption's ink and its room; a label's text starts at top
{
    QStyleOptionButton option;
    option.initFrom(control);
    const QRectF room = control->inherits("QLabel")
        ? control->contentsRect()
        : control->style()->subElementRect(QStyle::SE_PushButtonContents, &option);
    const QImage drawn = control->grab().toImage();
    control->setProperty("text", QString()); // for good: the windows go after the measuring
    const QRectF box = ink(drawn, control->grab().toImage());
    return std::min({box.left() - room.left(), room.right() - box.right(), room.bottom() - box.bottom(),
        control->inherits("QLabel") ? 2.0 : box.top() - room.top()});
}

TEST(Translations, EachLanguageIsCompleteCoveredByItsFacesAndFitsTheLayoutAndAnyOtherIsEnglish)
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
            EXPECT_TRUE(child.waitForFinished(60000) && child.exitStatus() == QProcess::NormalExit)
                << kLanguages[i].language << " " << kLanguages[i].lang << ": no end within 60 s, or a crash";
            EXPECT_EQ(child.exitCode(), 0) << kLanguages[i].language << " " << kLanguages[i].lang;
        }
        return;
    }
    const Language& language = kLanguages[row.toInt()];
    const std::map<QString, QString> english = Windows().texts(); // in the C locale, set by the tests' main
    QLocale::setDefault(QLocale::system()); // as the program starts
    EXPECT_EQ(installTranslations().toStdString(), language.shown);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), language.qtYes);
    // As fontconfig names it in this session ("IPA Pゴシック" in a Japanese one).
    EXPECT_EQ(QFontInfo(layoutFont(11.25)).family(), QFontInfo(QFont(language.face)).family());
    Windows windows;
    const std::map<QString, QString> texts = windows.texts();
    const QRegularExpression number("^[01][.,]\\d\\d\\d$");
    for (const auto& [place, text] : english) { // the same digits in the same columns, with the language's sign
        if (number.match(text).hasMatch()) {
            const QString expected = QString(text).replace(',', '.').replace('.', language.decimalSign);
            EXPECT_EQ(texts.at(place), expected) << place.toStdString();
        }
    }
    if (std::string_view(language.shown).empty()) {
        EXPECT_TRUE(texts == english) << "exactly the English window";
        return;
    }
    const QRawFont face = QRawFont::fromFont(layoutFont(11.25)); // alone: it covers the language, so no fallbacks
    for (const auto& [place, text] : english) { // whatever has words besides the program's name is translated
        EXPECT_TRUE(texts.at(place) != text || !QString(text).remove("Corvanta").contains(QRegularExpression("[a-z]")))
            << "untranslated: " << place.toStdString() << " \"" << text.toStdString() << '"';
        for (const QChar c : texts.at(place)) {
            EXPECT_TRUE(face.supportsCharacter(c) || c == '\n') << "U+" << std::hex << int(c.unicode());
        }
    }

    QList<QWidget*> controls = windows.main.findChildren<QWidget*>();
    controls.append(windows.help->findChild<QWidget*>("closeButton"));
    for (QWidget* control : controls) {
        if (!control->property("text").toString().isEmpty()) {
            EXPECT_GE(margin(control), 2.0) << control->objectName().toStdString();
        }
    }
    for (const char* name : {"theoryRow", "ratioRow"}) { // the heading ends before the first column
        auto* strip = windows.main.findChild<SurfaceWidget*>(name);
        const QImage drawn = strip->grab(strip->contentsRect()).toImage();
        const double firstColumn = Experiment::column(1) * strip->contentsRect().width() / 40.0; // 40 units across
        const QImage heading = drawn.copy(0, 0, int(firstColumn * drawn.devicePixelRatio()), drawn.height());
        QImage blank = heading;
        blank.fill(heading.pixel(0, 0));
        EXPECT_GE(firstColumn - ink(heading, blank).right(), 2.0) << name;
    }
    if (std::string_view(language.decimalSign) == ",") { // a reader tells a bin, its value and the next bin apart
        const QString read = texts.at("theoryRow description");
        EXPECT_FALSE(QString(read).remove(QRegularExpression("\\d,\\d")).contains(',')) << read.toStdString();
        EXPECT_FALSE(read.contains(QRegularExpression("\\d\\s\\d"))) << read.toStdString();
    }
    auto* page = windows.help->findChild<SurfaceWidget*>("page");
    const QImage drawn = page->grab(page->contentsRect()).toImage();
    const QRectF lines = ink(drawn, {});
    const QSizeF inner = drawn.deviceIndependentSize();
    EXPECT_GE(std::min(inner.width() - lines.right(), inner.height() - lines.bottom()), 2.0) << "lines inside the page";
    EXPECT_GT(lines.bottom(), page->printedTexts().last().y / kTwipsPerPixel) << "the last line shows";
}
