// The help window on the offscreen platform, at 96 DPI and (as its own test) at twice the density.
#include "helpwindow/HelpWindow.h"
#include "helpwindow/HelpText.h"
#include "platform/LayoutFonts.h"

#include <QAccessible>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace corvanta {
namespace {

TEST(HelpWindowTest, EveryLineStandsWholeAndSmoothOnThePageAndAScreenReaderReadsThem)
{
    ASSERT_TRUE(registerLayoutFonts()); // as the program does, before its first window
    HelpWindow* help = HelpWindow::open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(help->size(), QSize(635, 320));
    QWidget* page = help->findChild<QWidget*>("page");
    const QImage printed = page->grab().toImage();
    QWidget other; // coming back from another window of the program prints the page again
    other.show(), other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(page->grab().toImage(), printed) << "a reprint leaves every pixel as it was";

    // The inner area, 613 x 277 pixels inside the 2-pixel frame. Each printed line is a band of inked rows.
    const double r = printed.devicePixelRatio();
    const QImage inner = printed.copy(QRectF(2 * r, 2 * r, 613 * r, 277 * r).toRect());
    std::vector<int> lastInk; // of each band
    int greys = 0;
    for (int y = 0, last = -1; y < inner.height(); ++y) {
        const bool inBand = last >= 0;
        last = -1;
        for (int x = 0; x < inner.width(); ++x) {
            last = qGray(inner.pixel(x, y)) < 255 ? x : last;
            greys += qGray(inner.pixel(x, y)) > 32 && qGray(inner.pixel(x, y)) < 224 ? 1 : 0;
        }
        if (last >= 0 && inBand) {
            lastInk.back() = std::max(lastInk.back(), last);
        } else if (last >= 0) {
            lastInk.push_back(last);
        }
    }
    EXPECT_EQ(lastInk.size(), 12u) << "fifteen lines, three of them empty";
    for (std::size_t band = 0; band < lastInk.size(); ++band) {
        EXPECT_LT(lastInk[band], (613 - 4) * r) << "printed line " << band + 1 << " ends inside the page";
    }
    EXPECT_GT(greys, 1000) << "smooth edges";

    EXPECT_EQ(QAccessible::queryAccessibleInterface(page)->text(QAccessible::Description).toStdString(),
        std::string(kHelpPage));
    HelpWindow::closeIfOpen();
}

} // namespace
} // namespace corvanta
