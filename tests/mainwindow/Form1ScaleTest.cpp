// The main window on a screen at twice the pixel density (run with QT_SCALE_FACTOR=2).
#include "FakeControls.h"
#include "support/NullControls.h"

#include "mainwindow/Form1.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "platform/SurfaceWidget.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

namespace corvanta {
namespace {

TEST(Form1ScaleTest, LinesStayOneLogicalPixelWideAndInPlaceAtTwiceTheDensity)
{
    if (qEnvironmentVariable("QT_SCALE_FACTOR") != QStringLiteral("2")) {
        GTEST_SKIP() << "runs as its own test with QT_SCALE_FACTOR=2";
    }
    test::ListMediaControl mmControl1;
    TimeMixedRandom random;
    test::FakeClock clock;
    Form1 form(mmControl1, random, clock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const QImage& drawing = form.Picture(1)->Drawing();
    ASSERT_EQ(drawing.devicePixelRatio(), 2.0);
    ASSERT_EQ(drawing.size(), QSize(637 * 2, 397 * 2)) << "the backing image is kept at device resolution";

    // Bin 6's left wall at x 19.6: a black run two device pixels (one logical pixel) wide.
    const int y = static_cast<int>(15.5 * 297.75 / 15 * 2);
    const double wall = 19.6 * 238.875 / 15 * 2;
    int first = -1;
    int width = 0;
    for (int x = static_cast<int>(wall) - 6; x <= static_cast<int>(wall) + 6; ++x) {
        if ((drawing.pixel(x, y) & 0xFFFFFF) == 0) {
            first = first < 0 ? x : first;
            ++width;
        }
    }
    EXPECT_EQ(width, 2);
    EXPECT_LE(std::abs(first - wall), 2.0) << "no drift of more than one logical pixel";

    // A nail at (20, 5): blue at its place, in device pixels.
    const int nx = static_cast<int>(20 * 238.875 / 15 * 2);
    const int ny = static_cast<int>(5 * 297.75 / 15 * 2);
    bool blue = false;
    for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
            blue = blue || (drawing.pixel(nx + dx, ny + dy) & 0xFFFFFF) == 0x0000FF;
        }
    }
    EXPECT_TRUE(blue);

    // Text is drawn at device resolution: the strip's image is twice the logical size.
    EXPECT_EQ(form.Picture(3)->Drawing().height(), 13 * 2);
}

} // namespace
} // namespace corvanta
