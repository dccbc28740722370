// Widget and sound tests: headless unless told otherwise, at 96 DPI, in the layout's face as the program registers it.
#include "platform/LayoutFonts.h"

#include <QApplication>
#include <QFontInfo>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("QT_FONT_DPI", "96");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale::c()); // the texts as written, whatever the tester's locale
    const bool twinInstalled = corvanta::registerLayoutFonts();
    const QString face = QFontInfo(corvanta::layoutFont(12)).family(); // in a Japanese session "IPA Pゴシック"
    const bool twinShown = twinInstalled && face == QFontInfo(QFont("IPAPGothic")).family();
    if (!twinShown && !GTEST_FLAG_GET(list_tests)) { // listing the tests, as the build does, measures nothing
        qFatal("the layout's face resolves to %s, not IPAPGothic", qPrintable(face));
    }
    return RUN_ALL_TESTS();
}
