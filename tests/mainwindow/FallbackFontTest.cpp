// Without the layout face's metric twin the program still starts: it warns once on stderr, and the
// strips' text still fits between its columns and inside its strip.
#include "FakeControls.h"
#include "support/NullControls.h"

#include "mainwindow/Form1.h"
#include "mainwindow/Form1Handlers.h"
#include "platform/Clock.h"
#include "platform/LayoutFonts.h"
#include "platform/RandomSource.h"
#include "platform/SurfaceWidget.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace {

std::string fallbackWarning;
bool fallbackRegistered = true;

TEST(FallbackFont, TheProgramWarnsAndItsRowsStillFit)
{
    if (QFontDatabase::families().contains(corvanta::kLayoutFaceTwin)) {
        GTEST_SKIP() << "fontconfig still finds the face; this test needs the private font configuration";
    }
    EXPECT_FALSE(fallbackRegistered);
    EXPECT_NE(fallbackWarning.find("warning: font \"IPAPGothic\" is not installed"), std::string::npos)
        << fallbackWarning;
    EXPECT_EQ(std::count(fallbackWarning.begin(), fallbackWarning.end(), '\n'), 1) << "one line";

    corvanta::test::ListMediaControl mmControl1;
    corvanta::TimeMixedRandom random;
    corvanta::test::FakeClock clock;
    corvanta::Form1 form(mmControl1, random, clock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    for (int picture : {3, 4}) {
        const QFontMetricsF metrics(form.Picture(picture)->TextFont());
        const double unit = 238.87605 / 15;
        EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("0.246")), 2 * unit);
        EXPECT_LT(metrics.horizontalAdvance(QString::fromUtf8(corvanta::kTheoreticalHeading)), 12.6 * unit);
        EXPECT_LE(31.500925 / 15 + metrics.ascent(), 13.0) << "digits stand inside the strip";
    }
    EXPECT_EQ(form.Picture(3)->PrintedTexts().size(), 12) << "the theoretical row is printed";
}

} // namespace

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    // A font configuration that knows only DejaVu: the layout's Japanese face and its twin are gone.
    QTemporaryDir configuration;
    const QString dejavu = QStringLiteral("/usr/share/fonts/truetype/dejavu");
    if (configuration.isValid() && QDir(dejavu).exists()) {
        QFile conf(configuration.filePath(QStringLiteral("fonts.conf")));
        if (conf.open(QIODevice::WriteOnly)) {
            conf.write(QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE fontconfig SYSTEM \"fonts.dtd\">\n"
                                      "<fontconfig><dir>%1</dir><cachedir>%2</cachedir></fontconfig>\n")
                           .arg(dejavu, configuration.filePath(QStringLiteral("cache")))
                           .toUtf8());
            conf.close();
            ::setenv("FONTCONFIG_FILE", QFile::encodeName(conf.fileName()).constData(), 1);
        }
    }
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    ::testing::internal::CaptureStderr();
    fallbackRegistered = corvanta::RegisterLayoutFonts();
    fallbackWarning = ::testing::internal::GetCapturedStderr();
    return RUN_ALL_TESTS();
}
