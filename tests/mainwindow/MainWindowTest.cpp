// The main window on the offscreen platform, at 96 DPI and (as its own test) at twice the density.
#include "FakeView.h"

#include "mainwindow/MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimerEvent>

#include <gtest/gtest.h>

namespace corvanta {
namespace {

struct MainWindowTest : ::testing::Test {
    test::ScriptedRandom random;
    test::FakeClock clock;
    test::FakeView cues; // as a silent cue player
    MainWindow window {random, clock, cues};

    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    QWidget* child(const char* name) { return window.findChild<QWidget*>(name); }
    void click(const char* button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    void ticks(int count)
    {
        auto* timer = window.findChild<QTimer*>("stepTimer");
        for (QTimerEvent tick(timer->timerId()); count-- > 0;) {
            QCoreApplication::sendEvent(timer, &tick);
        }
    }
    QString read(const char* name, QAccessible::Text text = QAccessible::Description)
    {
        return QAccessible::queryAccessibleInterface(child(name))->text(text);
    }
};

TEST_F(MainWindowTest, ControlsAndBoardStandWhereTheLayoutPutsThem)
{
    EXPECT_EQ(window.size(), QSize(815, 554));
    EXPECT_EQ(child("fastButton")->geometry(), QRect(248, 496, 121, 25));
    EXPECT_EQ(child("ballSprite")->pos(), QPoint(2 + 315, 2 + 18)) << "the ball at (19.8, 0.9) board units";
    EXPECT_TRUE(child("fastButton")->hasFocus());
    const QImage board = child("board")->grab().toImage();
    const double r = board.devicePixelRatio();
    const auto pixel = [&](double x, double y) { return board.pixel((2 + x * 15.925) * r, (2 + y * 19.85) * r); };
    EXPECT_EQ(pixel(20, 5), qRgb(0, 0, 255)) << "a nail";
    int wall = 0;
    for (int x = (2 + 19.3 * 15.925) * r; x < (2 + 19.9 * 15.925) * r; ++x) {
        wall += board.pixel(x, (2 + 15.5 * 19.85) * r) == qRgb(0, 0, 0) ? 1 : 0;
    }
    EXPECT_EQ(wall, r) << "bin 6's left wall, one logical pixel wide";
}

// Only a return from another window of the program is an activation, which prints the strips again.
TEST_F(MainWindowTest, StripsStayThroughActivationsAndCoveringAndTheirValuesStandApart)
{
    for (int i = 0; i < 11 * 12; ++i) { // twelve balls spread over the bins
        random.draws.push_back(static_cast<float>(i * 37 % 100) / 100.0f);
    }
    click("fastButton");
    ticks(11 * 12);
    click("stopButton");
    const QImage theory = child("theoryRow")->grab().toImage();
    const QImage ratios = child("ratioRow")->grab().toImage();
    QWindow otherProgram; // not a widget: while it is active, the program has no active window
    otherProgram.show();
    otherProgram.requestActivate();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; }));
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    EXPECT_TRUE(child("initButton")->isEnabled()) << "coming back from another program is no activation";
    QWidget other; // another window of the program: coming back from it is an activation
    for (int i = 0; i < 5; ++i) {
        other.show(), other.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    EXPECT_FALSE(child("initButton")->isEnabled()) << "activation disables Init";
    window.hide(), window.show();
    EXPECT_EQ(child("theoryRow")->grab().toImage(), theory) << "reprinted text stands exactly as before";
    EXPECT_EQ(child("ratioRow")->grab().toImage(), ratios);

    for (const QImage& row : {theory, ratios}) {
        const double r = row.devicePixelRatio();
        std::vector<bool> ink(row.width());
        int top = row.height(), bottom = 0;
        for (int y = 2 * r; y < row.height() - 2 * r; ++y) { // inside the frame
            for (int x = 2 * r; x < row.width() - 2 * r; ++x) {
                ink[x] = ink[x] || qGray(row.pixel(x, y)) < 128;
                top = qGray(row.pixel(x, y)) < 128 && x > 240 * r ? std::min(top, y) : top;
                bottom = qGray(row.pixel(x, y)) < 128 && x > 240 * r ? std::max(bottom, y) : bottom;
            }
        }
        EXPECT_GE(bottom - top + 1, 8 * r) << "digits at least 8 pixels tall";
        for (int bin = 1; bin <= kBins; ++bin) {
            const int column = (2 + Experiment::column(bin) * 15.925) * r;
            int start = column - 1, blank = 0;
            while (!ink[start]) {
                ++start;
            }
            while (!ink[start - 1 - blank] && start - 1 - blank > 0) {
                ++blank;
            }
            EXPECT_LE(start - column, 3 * r) << "bin " << bin << "'s value starts at its column";
            EXPECT_GE(blank, 5 * r) << "blank columns before bin " << bin << ", after the heading or the value before";
        }
    }
}

TEST_F(MainWindowTest, AScreenReaderReadsButtonsRowsCountAndBinCounts)
{
    click("fastButton");
    ticks(22); // two balls, both to bin 11
    EXPECT_EQ(read("fastButton", QAccessible::Name), "HightSpeed");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(child("fastButton"))->state().disabled);
    EXPECT_EQ(read("countLabel", QAccessible::Name), "Number of Experiments: 2");
    EXPECT_TRUE(read("theoryRow").contains("bin 6 0.246, bin 7 0.205")) << read("theoryRow").toStdString();
    EXPECT_EQ(read("ratioRow"), "Ratio from experimental results");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(child("board"))->childCount(), 0) << "no ball, no 220 markers";
    EXPECT_TRUE(read("board").endsWith("bin 10: 0, bin 11: 2")) << read("board").toStdString();
}

} // namespace
} // namespace corvanta
