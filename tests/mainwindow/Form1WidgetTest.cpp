// The main window on the offscreen platform at 96 DPI: geometry from the layout table, pixels of the
// board and the strips where the geometry puts them, persistent drawing and activation.
#include "ShownForm1.h"
#include "support/NullControls.h"

#include "mainwindow/Form1.h"
#include "mainwindow/Form1Layout.h"
#include "platform/Clock.h"
#include "platform/LayoutFonts.h"
#include "platform/RandomSource.h"
#include "platform/SurfaceWidget.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace corvanta {
namespace {

// Board units to window pixels, from the layout: the board's inner area starts at (1320 + 30,
// 480 + 30) twips; one unit is 238.875 twips across and 297.75 down.
QPointF BoardPoint(double x, double y)
{
    return {(1350 + 238.875 * x) / 15.0, (510 + 297.75 * y) / 15.0};
}
QPointF Picture3Point(double x, double y)
{
    return {(150 + 238.87605 * x) / 15.0, (6630 + 31.500925 * y) / 15.0};
}

bool IsColour(QRgb pixel, QRgb colour)
{
    return (pixel & 0xFFFFFF) == (colour & 0xFFFFFF);
}

// True when some pixel within `radius` device pixels of the logical point has the colour.
bool ColourNear(const QImage& image, QPointF logical, QRgb colour, int radius = 1)
{
    const double ratio = image.devicePixelRatio();
    const int cx = static_cast<int>(std::floor(logical.x() * ratio));
    const int cy = static_cast<int>(std::floor(logical.y() * ratio));
    for (int y = cy - radius; y <= cy + radius; ++y) {
        for (int x = cx - radius; x <= cx + radius; ++x) {
            if (image.valid(x, y) && IsColour(image.pixel(x, y), colour)) {
                return true;
            }
        }
    }
    return false;
}

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

struct Form1WidgetTest : test::ShownForm1 {
    Form1WidgetTest()
        : ShownForm1(5)
    {
    }

    QImage Grab() const { return form->grab().toImage(); }
};

TEST_F(Form1WidgetTest, EveryControlStandsWhereTheLayoutPutsIt)
{
    EXPECT_EQ(form->size(), QSize(815, 554));
    EXPECT_EQ(form->windowTitle(), QStringLiteral(" Corvanta "));
    EXPECT_FALSE(form->windowIcon().isNull());
    for (const ControlSpec& row : kForm1Controls) {
        auto* widget = form->findChild<QWidget*>(QString::fromUtf8(row.name));
        ASSERT_NE(widget, nullptr) << row.name;
        EXPECT_EQ(widget->geometry(), QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15)) << row.name;
        EXPECT_TRUE(widget->isVisible()) << row.name;
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(row.caption));
        }
    }
    EXPECT_EQ(form->Command(1)->font().pointSizeF(), 12.0);
    EXPECT_EQ(form->Command(3)->font().pointSizeF(), 11.25);
    EXPECT_TRUE(form->Label(3)->font().bold());
    EXPECT_EQ(form->Label(3)->font().pointSizeF(), 15.75);
    EXPECT_EQ(QFontInfo(form->Label(2)->font()).family(), QStringLiteral("IPAPGothic"));
    EXPECT_EQ(form->Timer1().interval(), 150);
    EXPECT_FALSE(form->Timer1().isActive());
    EXPECT_EQ(form->Sprite()->size(), QSize(9, 9));
    for (int bin = 1; bin <= 11; ++bin) {
        for (int element = 1; element <= 20; ++element) {
            const QFrame* marker = form->Marker(bin, element);
            EXPECT_FALSE(marker->isVisible());
            EXPECT_EQ(marker->geometry(),
                QRect(2 + (2400 + 480 * (bin - 1)) / 15, 2 + (5640 - 120 * (element - 1)) / 15, 9, 9));
        }
    }
}

TEST_F(Form1WidgetTest, FirstActivationLeavesTheStartState)
{
    EXPECT_EQ(QApplication::focusWidget(), form->Command(1)) << "focus on HightSpeed";
    EXPECT_EQ(form->Label(1)->text(), QStringLiteral("0"));
    EXPECT_FALSE(form->Command(2)->isEnabled());
    EXPECT_FALSE(form->Command(4)->isEnabled());
    for (int command : {1, 3, 5, 6}) {
        EXPECT_TRUE(form->Command(command)->isEnabled()) << command;
    }
    EXPECT_EQ(form->Sprite()->pos(), QPoint(2 + qRound(19.8 * 238.875 / 15), 2 + qRound(0.9 * 297.75 / 15)));
    EXPECT_TRUE(form->Sprite()->isVisible());

    // Tab walks the enabled buttons in tab order; disabled Stop and Init are skipped.
    QWidget* order[] = {form->Command(1), form->Command(3), form->Command(5), form->Command(6)};
    for (QWidget* expected : order) {
        EXPECT_EQ(QApplication::focusWidget(), expected);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(QApplication::focusWidget(), form->Command(1));
}

TEST_F(Form1WidgetTest, BoardPixelsFollowTheGeometry)
{
    const QImage image = Grab();
    const QRgb blue = qRgb(0, 0, 255);
    const QRgb black = qRgb(0, 0, 0);
    const QRgb red = qRgb(255, 0, 0);
    // Every nail is a crossing of two blue lines.
    for (int row = 1; row <= 10; ++row) {
        for (int i = 0; i < row; ++i) {
            const double x = 21 - row + 2 * i;
            if (row == 1 && i == 0) {
                continue; // the sprite covers the top nail
            }
            EXPECT_TRUE(ColourNear(image, BoardPoint(x, row), blue)) << "nail " << x << "," << row;
        }
    }
    // A lattice line is three strokes wide: blue on both sides of its centre at mid-height.
    const QPointF middle = BoardPoint(15, 6);
    EXPECT_TRUE(ColourNear(image, middle + QPointF(-0.8, 0), blue, 0));
    EXPECT_TRUE(ColourNear(image, middle + QPointF(0.8, 0), blue, 0));
    EXPECT_FALSE(ColourNear(image, middle + QPointF(-4, 0), blue, 1)) << "nothing blue beside the line";
    // Bin walls and floors.
    for (int bin = 1; bin <= 11; ++bin) {
        const double left = 9.6 + 2 * (bin - 1);
        const double right = 10.9 + 2 * (bin - 1);
        for (double y : {12.0, 15.5, 19.0}) {
            EXPECT_TRUE(ColourNear(image, BoardPoint(left, y), black)) << "bin " << bin;
            EXPECT_TRUE(ColourNear(image, BoardPoint(right, y), black)) << "bin " << bin;
        }
        EXPECT_TRUE(ColourNear(image, BoardPoint((left + right) / 2, 19.5), black)) << "floor of bin " << bin;
        EXPECT_FALSE(ColourNear(image, BoardPoint((left + right) / 2, 11.5), black, 1)) << "bins are open at the top";
    }
    // The sprite: red at (19.8, 0.9), its inside clear of its frame.
    const QPointF sprite = BoardPoint(19.8, 0.9) + QPointF(4, 4);
    EXPECT_TRUE(ColourNear(image, sprite, red, 0));
    // No marker at start; a shown marker is a red square exactly at its twip position.
    const QPoint markerInside = form->Picture(1)->mapTo(form.get(), QPoint(2 + 160 + 4, 2 + 376 + 4));
    EXPECT_FALSE(IsColour(image.pixel(markerInside), red));
    form->SetMarkerVisible(1, 1, true);
    form->SetMarkerVisible(11, 20, true);
    const QImage shown = Grab();
    EXPECT_TRUE(IsColour(shown.pixel(markerInside), red));
    const QPoint topMarker = form->Picture(1)->mapTo(form.get(), QPoint(2 + 480, 2 + 224));
    EXPECT_TRUE(IsColour(shown.pixel(topMarker + QPoint(4, 4)), red));
    EXPECT_FALSE(IsColour(shown.pixel(topMarker + QPoint(-1, 4)), red)) << "the marker starts at its left edge";
    EXPECT_FALSE(IsColour(shown.pixel(topMarker + QPoint(9, 4)), red)) << "and is nine pixels wide";
}

TEST_F(Form1WidgetTest, TheoreticalRowStartsAtEachColumnAndFitsItsStrip)
{
    const QImage image = Grab();
    const int top = qRound(Picture3Point(0, 0).y());
    const int bottom = top + 13; // the strip's inner height
    auto darkInColumns = [&](int x0, int x1, int y0, int y1) {
        for (int x = x0; x <= x1; ++x) {
            for (int y = y0; y < y1; ++y) {
                if (IsDark(image.pixel(x, y))) {
                    return true;
                }
            }
        }
        return false;
    };
    for (int bin = 1; bin <= 11; ++bin) {
        const int column = static_cast<int>(std::floor(Picture3Point(14.6 + 2 * (bin - 1), 0).x()));
        EXPECT_TRUE(darkInColumns(column, column + 3, top, bottom)) << "bin " << bin << " value starts at its column";
        EXPECT_FALSE(darkInColumns(column - 1, column - 1, top, bottom))
            << "bin " << bin << " text just left of its column";
    }
    // The digits stand inside the strip: the last inner row is clear of text.
    EXPECT_FALSE(
        darkInColumns(qRound(Picture3Point(14.6, 0).x()), qRound(Picture3Point(36, 0).x()), bottom - 1, bottom));
    // "0.246" fits the two units before the next column.
    const QFontMetrics metrics(form->Picture(3)->TextFont());
    EXPECT_LT(metrics.horizontalAdvance(QStringLiteral("0.246")), qRound(2 * 238.87605 / 15));
}

TEST_F(Form1WidgetTest, DrawingSurvivesHidingAndCovering)
{
    const QImage before = form->Picture(1)->grab().toImage();
    form->hide();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    QWidget cover;
    cover.setGeometry(form->geometry());
    cover.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&cover));
    cover.close();
    form->Sprite()->move(form->Picture(1)->ToWidget(25.8f, 5.9f));
    form->Sprite()->move(form->Picture(1)->ToWidget(19.8f, 0.9f));
    EXPECT_EQ(form->Picture(1)->grab().toImage(), before);
}

TEST_F(Form1WidgetTest, ActivationRunsOnReturnFromAnotherProgramWindowOnly)
{
    QSignalSpy picture3Prints(form->Picture(3), &SurfaceWidget::textChanged);
    // Another program switching in and out leaves the active window of the program unchanged.
    emit qApp->focusWindowChanged(nullptr);
    form->activateWindow();
    QCoreApplication::processEvents();
    EXPECT_EQ(picture3Prints.count(), 0);

    QWidget other;
    other.show();
    other.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_EQ(picture3Prints.count(), 12) << "the heading and eleven values, once";
}

TEST_F(Form1WidgetTest, TicksMoveTheSpriteAndLandBalls)
{
    form->Command(1)->click();
    EXPECT_TRUE(form->Timer1().isActive());
    EXPECT_EQ(form->Timer1().interval(), 50);
    for (int tick = 0; tick < 11; ++tick) {
        form->Handlers().Timer1_Timer();
    }
    EXPECT_EQ(form->Label(1)->text(), QStringLiteral("1"));
    int shown = 0;
    for (int bin = 1; bin <= 11; ++bin) {
        shown += form->Marker(bin, 1)->isVisible() ? 1 : 0;
    }
    EXPECT_EQ(shown, 1);
    form->Command(2)->click();
    EXPECT_FALSE(form->Timer1().isActive());
    EXPECT_EQ(form->Picture(4)->PrintedTexts().size(), 12);
    EXPECT_TRUE(form->accessibleDescription().isEmpty());
    EXPECT_TRUE(form->Picture(4)->accessibleDescription().startsWith(
        QStringLiteral("Ratio from experimental results: bin 1 ")));
}

} // namespace
} // namespace corvanta

namespace corvanta {
namespace {

// A screen reader meets the board as one object whose description counts each bin, announced when
// a ball lands, not on every tick.
TEST_F(Form1WidgetTest, BoardReadsAsBinCountsNotAsItsMarkers)
{
    QAccessibleInterface* boardAccessible = QAccessible::queryAccessibleInterface(form->Picture(1));
    ASSERT_NE(boardAccessible, nullptr);
    EXPECT_EQ(boardAccessible->childCount(), 0) << "markers and ball are not objects of their own";
    EXPECT_TRUE(boardAccessible->text(QAccessible::Description).startsWith(QStringLiteral("bin 1: 0, bin 2: 0")))
        << boardAccessible->text(QAccessible::Description).toStdString();

    form->Command(1)->click();
    int changes = 0;
    for (int tick = 0; tick < 22; ++tick) {
        const QString before = boardAccessible->text(QAccessible::Description);
        form->Handlers().Timer1_Timer();
        changes += boardAccessible->text(QAccessible::Description) != before ? 1 : 0;
    }
    EXPECT_EQ(changes, 2) << "the description changes once per landed ball";
    const QString counts = boardAccessible->text(QAccessible::Description);
    int total = 0;
    for (int bin = 1; bin <= kBinTotal; ++bin) {
        const int at = counts.indexOf(QStringLiteral("bin %1: ").arg(bin));
        ASSERT_GE(at, 0) << counts.toStdString();
        const int count = form->Handlers().experiment.State.BinCount(bin);
        EXPECT_TRUE(counts.mid(at).startsWith(QStringLiteral("bin %1: %2").arg(bin).arg(count)));
        total += count;
    }
    EXPECT_EQ(total, 2);
}

} // namespace
} // namespace corvanta
