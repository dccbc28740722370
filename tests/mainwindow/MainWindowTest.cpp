// A lesson as a teacher gives it, through both windows' real widgets, offscreen, at 96 DPI and (as its own test) at
// twice the density: its transcript is compared with a golden file, and pictures drawn here show what only pixels show.
#include "Golden.h"
#include "Windows.h"

#include "core/RunController.h"
#include "platform/SystemClock.h"

#include <QPainter>

using namespace corvanta;

namespace {

// A draw below a half turns the ball right, from a half up left: each side's edges are among the draws.
constexpr float kRightDraws[] = {0.0f, 0x1.fffffep-2f}; // zero, and the float just under a half
constexpr float kLeftDraws[] = {0.5f, 0x1.fffffep-1f}; // a half, and the float just under one

// The board's lines as the activation draws them, written out and drawn here 1 px wide at the board's scale in twips.
struct BoardLines final : Surface {
    QPainter* painter = nullptr;
    std::string written;
    void clear() override { }
    void moveCursor(float, float) override { }
    void printLine(std::string_view) override { }
    void line(float x1, float y1, float x2, float y2, Rgb colour) override
    {
        std::ostringstream line;
        line << '(' << x1 << ", " << y1 << ") (" << x2 << ", " << y2 << ") rgb(" << int(colour.red) << ", "
             << int(colour.green) << ", " << int(colour.blue) << ")\n";
        written += line.str();
        painter->setPen(QPen(QColor(colour.red, colour.green, colour.blue), 1.0, Qt::SolidLine, Qt::FlatCap));
        painter->drawLine(QPointF(x1 * 238.875 / 15, y1 * 297.75 / 15), QPointF(x2 * 238.875 / 15, y2 * 297.75 / 15));
    }
};

// Whether the board shows, inside its frame and under the ball and the markers, exactly its lines on its grey.
bool boardShowsItsLines(QWidget* board, BoardLines& lines)
{
    const QRect inside = board->contentsRect();
    QImage shown(inside.size() * board->devicePixelRatio(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(board->devicePixelRatio());
    board->render(&shown, QPoint(), inside, QWidget::DrawWindowBackground);
    QImage expected(shown.size(), QImage::Format_RGB32);
    expected.setDevicePixelRatio(shown.devicePixelRatio());
    expected.fill(QColor(0xef, 0xef, 0xef));
    QPainter painter(&expected);
    lines.painter = &painter;
    drawBoard(lines);
    return shown == expected;
}

// The highest contrast of a widget's pixels with its corner's colour, as accessibility guidelines define contrast.
double inkContrast(QWidget* widget)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const QImage picture = widget->grab(widget->contentsRect()).toImage();
    const double back = luminance(picture.pixel(0, 0));
    double highest = 1;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const double ink = luminance(picture.pixel(x, y));
            highest = std::max(highest, (std::max(ink, back) + 0.05) / (std::min(ink, back) + 0.05));
        }
    }
    return highest;
}

} // namespace

// Sixteen balls land, the run stops halfway through the next and goes on slow, then fast until bin 11 holds its
// twentieth ball; a second run stops before any ball lands; Help, Close and Exit. Pixels show the board and dark ink.
TEST(Lesson, WhatBothWindowsShowAndWhatSoundsAfterEachEvent)
{
    test::Windows windows;
    // The bin of each ball in the order they fall: fifteen to 11, then 1 and 6, then 11 until it holds twenty.
    const int bins[] = {11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 11, 1, 6, 11, 11, 11, 11, 11, 3};
    for (const int bin : bins) {
        for (int row = 0; row < 10; ++row) { // the turns to the right first
            windows.fakes.draws.push_back(row < bin - 1 ? kRightDraws[row % 2] : kLeftDraws[row % 2]);
        }
        windows.fakes.draws.push_back(0.0f); // the landing tick draws too
    }
    QWidget other; // another window of the program, to come back from
    other.show();
    windows.look("the main window is built");
    windows.main.show();
    windows.activateFrom(&other, "its first activation");
    BoardLines board;
    EXPECT_TRUE(boardShowsItsLines(windows.child("board"), board));
    expectGolden("board.txt", board.written);

    QTest::keyClick(QApplication::focusWindow(), Qt::Key_Space);
    windows.look("Space on the focused button");
    windows.activateFrom(&other, "an activation during the run");
    windows.ticks(16 * 11, "176 ticks: sixteen balls land");
    windows.ticks(4, "four ticks: the next ball is on its way");
    windows.press("stopButton", "Stop");
    windows.press("helpButton", "Help");
    QPointer<QWidget> help = test::helpWindow();
    windows.activateFrom(help, "back from the help window");
    EXPECT_TRUE(boardShowsItsLines(windows.child("board"), board)) << "the board intact";
    windows.press("slowButton", "LowSpeed");
    windows.ticks(7, "seven ticks: that ball lands");
    windows.press("fastButton", "HightSpeed");
    windows.ticks(1000, "ticks until a bin holds its twentieth ball");

    // Under a dark style, as GNOME's, every text stands out by 4.5 : 1, and the board's lines and squares by 3 : 1.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35))); // light text on it
    QCoreApplication::processEvents(); // the widgets hear of it through posted events
    for (const char* name : {"titleLabel", "countCaption", "countLabel", "theoryRow", "ratioRow", "board"}) {
        EXPECT_GE(inkContrast(windows.child(name)), std::string_view(name) == "board" ? 3.0 : 4.5) << name;
    }
    EXPECT_GE(inkContrast(help->findChild<QWidget*>("page")), 4.5) << "the help page";
    QApplication::setPalette(light);
    QCoreApplication::processEvents();

    windows.activateFrom(help, "an activation after the finished run");
    windows.press("initButton", "Init");
    windows.press("fastButton", "HightSpeed");
    windows.ticks(3, "three ticks");
    windows.press("stopButton", "Stop before any ball has landed");
    windows.press("initButton", "Init");
    help->setWindowState(Qt::WindowMinimized);
    windows.press("helpButton", "Help, the help window minimised");
    EXPECT_TRUE(test::helpWindow() == help && !help->isMinimized()) << "the one help window, restored";
    QTest::mouseClick(help->findChild<QWidget*>("closeButton"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&help] { return help.isNull(); })) << "Close ends it";
    windows.look("Close");
    windows.press("helpButton", "Help");
    windows.activateFrom(test::helpWindow(), "back from the help window");
    windows.readTheExitBox();
    windows.press("exitButton", "Exit, then OK");
    expectGolden("lesson.txt", windows.transcript);
}

// 10,000 balls through the real step, random source and clock (a float's seconds move by 4 ms) follow the binomial law.
TEST(Randomness, BinsFollowTheBinomialLawUnderTheRealClock)
{
    const double ways[kBins] = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1}; // C(10, b - 1) of 1024
    test::Windows windows;
    TimeMixedRandom random(42);
    SystemClock clock;
    Experiment experiment(windows.main, random, clock);
    std::array<double, kBins> balls {};
    for (int ball = 0; ball < 10'000; ++ball) {
        experiment.reset(); // instead of the landing tick: no bin is ever full here
        for (int row = 0; row < 10; ++row) {
            experiment.step();
        }
        balls.at(static_cast<std::size_t>(Experiment::binAt(experiment.state().ballX) - 1)) += 1;
    }
    double chiSquare = 0;
    for (int bin = 0; bin < kBins; ++bin) {
        const double expected = 10'000 * ways[bin] / 1024;
        chiSquare += std::pow(balls[bin] - expected, 2) / expected;
    }
    EXPECT_LT(chiSquare, 50.0) << "10 degrees of freedom: p < 1e-6 beyond 50";
}

// Closed by its frame during a run, the main window stops the run, and the help window stays open.
TEST(Lesson, TheMainWindowClosedByItsFrameStopsTheRunAndLeavesTheHelpWindow)
{
    test::Windows windows;
    windows.main.show();
    windows.press("helpButton", "Help");
    windows.press("fastButton", "HightSpeed");
    windows.main.windowHandle()->close(); // as the frame's close button does
    EXPECT_FALSE(windows.timer->isActive()) << "the hidden board runs on";
    EXPECT_NE(test::helpWindow(), nullptr) << "the help window went with it";
}
