// The main window on a screen at twice the pixel density (run with QT_SCALE_FACTOR=2).
#include "FakeControls.h"
#include "support/NullControls.h"

#include "mainwindow/Form1.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "platform/SurfaceWidget.h"

#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

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

namespace corvanta {
namespace {

// Which device-pixel columns of a strip hold ink.
struct Ink {
    std::vector<bool> columns;
};

Ink InkOf(const QImage& image)
{
    Ink ink;
    ink.columns.assign(static_cast<std::size_t>(image.width()), false);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                ink.columns[static_cast<std::size_t>(x)] = true;
            }
        }
    }
    return ink;
}

TEST(Form1ScaleTest, StripsReprintExactlyAndTheirValuesStandApart)
{
    test::ListMediaControl mmControl1;
    TimeMixedRandom random;
    test::FakeClock clock;
    Form1 form(mmControl1, random, clock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    // Ratios equal to the theoretical row, so both strips carry the widest values side by side.
    const int counts[] = {1, 10, 44, 117, 205, 246, 205, 117, 44, 10, 1};
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        form.Handlers().experiment.State.BinCount(bin) = static_cast<std::int16_t>(counts[bin - 1]);
    }
    form.Handlers().experiment.PrintRatios();

    for (int number : {3, 4}) {
        const QImage once = form.Picture(number)->Drawing().copy();
        for (int i = 0; i < 10; ++i) {
            form.Handlers().Form_Activate();
        }
        EXPECT_EQ(form.Picture(number)->Drawing(), once) << "Picture" << number << " changed by reprinting";

        const QImage& strip = form.Picture(number)->Drawing();
        const double ratio = strip.devicePixelRatio();
        const Ink ink = InkOf(strip);
        const auto column = [&](int bin) { return Experiment::RatioColumn(bin) * 238.87605 / 15.0 * ratio; };
        int headingEnd = -1;
        for (int x = 0; x < static_cast<int>(column(1)); ++x) {
            headingEnd = ink.columns[static_cast<std::size_t>(x)] ? x : headingEnd;
        }
        EXPECT_GT(headingEnd, 0);
        EXPECT_LT(headingEnd, column(1) - 2 * ratio) << "Picture" << number << ": the heading runs into bin 1";
        for (int bin = 1; bin <= kBinTotal; ++bin) {
            int start = static_cast<int>(column(bin)) - 1;
            while (start < strip.width() && !ink.columns[static_cast<std::size_t>(start)]) {
                ++start;
            }
            EXPECT_LE(start - column(bin), 3 * ratio) << "Picture" << number << " bin " << bin << " starts late";
            if (bin > 1) {
                int blank = 0;
                for (int x = start - 1; x >= 0 && !ink.columns[static_cast<std::size_t>(x)]; --x) {
                    ++blank;
                }
                EXPECT_GE(blank, 5 * ratio) << "Picture" << number << ": bins " << bin - 1 << " and " << bin
                                            << " stand " << blank << " device pixels apart";
            }
        }
        int top = strip.height();
        int bottom = -1;
        for (int y = 0; y < strip.height(); ++y) {
            for (int x = static_cast<int>(column(1)); x < strip.width(); ++x) {
                if (qGray(strip.pixel(x, y)) < 128) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
        }
        EXPECT_GE(bottom - top + 1, 8 * ratio) << "Picture" << number << ": digits too small";
    }
}

} // namespace
} // namespace corvanta
