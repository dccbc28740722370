// The program in every language the desktop may ask for, at 96 DPI and (as its own test) at twice the
// density: each translation complete, in faces that hold its characters, fitting the fixed layout;
// any other language gets exactly the English window.
#include "FakeView.h"

#include "helpwindow/HelpWindow.h"
#include "mainwindow/MainWindow.h"
#include "platform/LayoutFonts.h"
#include "platform/SurfaceWidget.h"
#include "platform/Translations.h"
#include "platform/Twips.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QProcess>
#include <QRawFont>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace corvanta {
namespace {

// Both windows open, in the language installed when they were built.
struct Windows {
    test::ScriptedRandom random;
    test::FakeClock clock;
    test::FakeView cues;
    MainWindow main {random, clock, cues};
    HelpWindow* help = nullptr;

    Windows()
    {
        main.show();
        help = HelpWindow::open();
        EXPECT_TRUE(QTest::qWaitForWindowActive(help));
    }
    ~Windows() { HelpWindow::closeIfOpen(); }

    // What the user and a screen reader meet, by place.
    std::map<QString, QString> texts()
    {
        std::map<QString, QString> texts {{"main title", main.windowTitle()}, {"help title", help->windowTitle()}};
        QList<QWidget*> widgets = main.findChildren<QWidget*>();
        for (QWidget* widget : widgets << help->findChildren<QWidget*>()) {
            texts[widget->objectName()] = widget->property("text").toString();
            texts[widget->objectName() + " name"] = widget->accessibleName();
            texts[widget->objectName() + " description"] = widget->accessibleDescription();
        }
        for (const SurfaceWidget::PrintedText& line : help->findChild<SurfaceWidget*>("page")->printedTexts()) {
            texts["page"] += line.text + '\n';
        }
        QTimer::singleShot(0, [&texts] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            texts["exit box"] = box->text() + '|' + box->buttons().at(0)->text();
            box->accept();
        });
        main.confirmExit();
        return texts;
    }
};

// Where two pictures differ, in logical pixels: the ink of what one has and the other lacks.
QRectF ink(const QImage& drawn, const QImage& blank)
{
    QRect box;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            box |= drawn.pixel(x, y) != blank.pixel(x, y) ? QRect(x, y, 1, 1) : QRect();
        }
    }
    const double r = drawn.devicePixelRatio();
    return {box.x() / r, box.y() / r, box.width() / r, box.height() / r};
}

// The blank margins left, top, right and bottom between a caption's ink and the room it stands in.
std::array<double, 4> margins(QWidget* control)
{
    QStyleOptionButton option;
    option.initFrom(control);
    const QRectF room = control->inherits("QLabel")
        ? control->contentsRect()
        : control->style()->subElementRect(QStyle::SE_PushButtonContents, &option);
    const QVariant caption = control->property("text");
    const QImage drawn = control->grab().toImage();
    control->setProperty("text", QString());
    const QImage blank = control->grab().toImage();
    control->setProperty("text", caption);
    const QRectF box = ink(drawn, blank);
    return {box.left() - room.left(), box.top() - room.top(), room.right() - box.right(), room.bottom() - box.bottom()};
}

struct Language {
    const char* environment; // LANGUAGE
    const char* shown; // the translation expected, empty for English
    const char* qtYes; // Qt's own "&Yes" then
};

const Language kLanguages[] = {{"de_AT", "de", "&Ja"}, {"es", "es", "&Sí"}, {"fr", "fr", "&Oui"},
    {"it_IT.UTF-8", "it", "&Sì"}, {"ja", "ja", "はい(&Y)"}, {"pt_PT", "pt", "&Sim"}, {"ru:de", "de", "&Ja"},
    {"sv", "", "&Yes"}, {"ru", "", "&Yes"}, {"en_GB:de", "", "&Yes"}};

TEST(Translations, EachLanguageIsCompleteCoveredByItsFacesAndFitsTheLayoutAndAnyOtherIsEnglish)
{
    // Qt reads the environment once in a process: one child process per language.
    const QByteArray row = qgetenv("CORVANTA_LANGUAGE_ROW");
    if (row.isEmpty()) {
        for (const Language& language : kLanguages) {
            QProcess child;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert("LANGUAGE", language.environment);
            environment.insert("CORVANTA_LANGUAGE_ROW", QString::number(&language - kLanguages));
            child.setProcessEnvironment(environment);
            child.setProcessChannelMode(QProcess::MergedChannels);
            child.start(QCoreApplication::applicationFilePath(), {"--gtest_filter=Translations.*"});
            EXPECT_TRUE(child.waitForFinished(60000) && child.exitCode() == 0)
                << language.environment << ":\n" << child.readAll().toStdString();
        }
        return;
    }
    const Language& language = kLanguages[row.toInt()];
    registerLayoutFonts();
    const std::map<QString, QString> english = Windows().texts();
    EXPECT_EQ(installTranslations().toStdString(), language.shown);
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), language.qtYes);
    Windows windows;
    const std::map<QString, QString> texts = windows.texts();
    if (*language.shown == '\0') {
        EXPECT_TRUE(texts == english) << "exactly the English window";
        return;
    }
    const QStringList sameInEveryLanguage {"Corvanta", " Corvanta "}; // the program's name
    const QRawFont face = QRawFont::fromFont(layoutFont(11.25));
    ASSERT_EQ(face.familyName(), "IPAPGothic");
    for (const auto& [place, text] : english) {
        EXPECT_TRUE(texts.at(place) != text || !text.contains(QRegularExpression("[a-z]"))
            || sameInEveryLanguage.contains(text))
            << "untranslated: " << place.toStdString() << " \"" << text.toStdString() << '"';
        for (const QChar c : texts.at(place)) {
            EXPECT_TRUE(face.supportsCharacter(c) || c == '\n') << "U+" << std::hex << int(c.unicode());
        }
    }

    QList<QWidget*> controls = windows.main.findChildren<QWidget*>();
    for (QWidget* control : controls << windows.help->findChild<QWidget*>("closeButton")) {
        if (!control->property("text").toString().isEmpty()) {
            const auto [left, top, right, bottom] = margins(control);
            // A label's text starts at its top, in English too.
            EXPECT_GE(std::min({left, right, bottom, control->inherits("QLabel") ? 2.0 : top}), 2.0)
                << control->objectName().toStdString();
        }
    }
    auto* page = windows.help->findChild<SurfaceWidget*>("page");
    const QImage drawn = page->grab(page->contentsRect()).toImage();
    QImage white = drawn;
    white.fill(Qt::white);
    const QRectF lines = ink(drawn, white);
    EXPECT_GE(drawn.deviceIndependentSize().width() - lines.right(), 2.0) << "the longest line ends inside the page";
    EXPECT_GE(drawn.deviceIndependentSize().height() - lines.bottom(), 2.0) << "the lowest line stands inside it";
    EXPECT_GT(lines.bottom(), page->printedTexts().last().y / kTwipsPerPixel) << "and shows";
}

} // namespace
} // namespace corvanta
