// A lesson as a teacher gives it, through both windows' real widgets, offscreen, at 96 DPI and (as its own test) at
// twice the density: its transcript is compared with a golden file, and pictures drawn here show what only pixels show.
#include "Golden.h"
#include "Windows.h"

#include "core/RunController.h"

#include <QPainter>
#include <QSignalSpy>

using namespace corvanta;

namespace {

// A draw below a half turns the ball right, from a half up left: each side's edges are among the draws.
constexpr float kRightDraws[] = {0.0f, 0x1.fffffep-2f}; // zero, and the float just under a half
constexpr float kLeftDraws[] = {0.5f, 0x1.fffffep-1f}; // a half, and the float just under one

// How many balls fall into which bin, in the order they fall.
struct Balls {
    int bin;
    int count;
};

// Whether a surface shows, inside its frame and under the ball and the markers, what `paint` draws on `back`.
template <typename Paint> bool shows(QWidget* surface, const QColor& back, Paint paint)
{
    const QRect inside = surface->contentsRect();
    QImage shown(inside.size() * surface->devicePixelRatio(), QImage::Format_RGB32);
    shown.setDevicePixelRatio(surface->devicePixelRatio());
    surface->render(&shown, QPoint(), inside, QWidget::DrawWindowBackground);
    QImage expected(shown.size(), QImage::Format_RGB32);
    expected.setDevicePixelRatio(shown.devicePixelRatio());
    expected.fill(back);
    QPainter painter(&expected);
    paint(painter);
    return shown == expected;
}

// The board's lines as the activation draws them: written out, and drawn here one pixel wide, unsmoothed, at the
// board's scale (238.875 twips to a unit across, 297.75 down).
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

// A strip's texts at their places in its units (238.87605 twips across, 31.500925 down), in IPAPGothic at 11 pixels,
// 84 % wide (the widest that leaves 6 blank pixels after "0.246" in a column), solid, in its palette's ink.
bool stripShowsItsTexts(QWidget* strip)
{
    QFont font("IPAPGothic");
    font.setPixelSize(11);
    font.setStretch(84);
    font.setStyleStrategy(QFont::NoAntialias);
    return shows(strip, strip->palette().color(QPalette::Window), [&](QPainter& painter) {
        painter.setFont(font);
        painter.setPen(strip->palette().color(QPalette::WindowText));
        for (const SurfaceWidget::PrintedText& text : static_cast<SurfaceWidget*>(strip)->printedTexts()) {
            const double baseline = text.y * 31.500925 / 15 + QFontMetricsF(font).ascent();
            painter.drawText(QPointF(text.x * 238.87605 / 15, baseline), text.text);
        }
    });
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
// twentieth ball; a second run stops before any ball lands; Help, Close and Exit. The board, the strips, the help page
// and the title's rule are compared with pictures, and every text's ink with its background under a dark desktop style.
TEST(Lesson, WhatBothWindowsShowAndWhatSoundsAfterEachEvent)
{
    test::Windows windows;
    for (const Balls& balls : {Balls {11, 15}, {1, 1}, {6, 1}, {11, 5}, {3, 1}}) {
        for (int ball = 0; ball < balls.count; ++ball) {
            for (int row = 0; row < 10; ++row) { // the turns to the right first
                windows.fakes.draws.push_back(row < balls.bin - 1 ? kRightDraws[row % 2] : kLeftDraws[row % 2]);
            }
            windows.fakes.draws.push_back(0.0f); // the landing tick draws too
        }
    }
    QWidget other; // another window of the program, to come back from
    other.show();
    windows.look("the main window is built");
    windows.main.show();
    windows.activateFrom(&other, "its first activation");
    BoardLines board;
    EXPECT_TRUE(shows(windows.child("board"), QColor(0xef, 0xef, 0xef), [&board](QPainter& painter) {
        board.painter = &painter;
        drawBoard(board);
    }));
    expectGolden("board.txt", board.written);

    QTest::keyClick(QApplication::focusWindow(), Qt::Key_Space);
    windows.look("Space on the focused button");
    windows.activateFrom(&other, "an activation during the run");
    windows.ticks(16 * 11, "176 ticks: sixteen balls land");
    windows.ticks(4, "four ticks: the next ball is on its way");
    windows.press("stopButton", "Stop");
    windows.press("helpButton", "Help");
    QPointer<QWidget> help = test::helpWindow();
    // The page's lines, one under the other, in IPAPGothic at 11.25 points, 88 % wide, smooth, black on white; no
    // line runs into the page's last pixels, to be cut off there.
    QWidget* page = help->findChild<QWidget*>("page");
    EXPECT_TRUE(shows(page, Qt::white, [page](QPainter& painter) {
        QFont font("IPAPGothic");
        font.setPointSizeF(11.25);
        font.setStretch(88);
        painter.setFont(font);
        painter.setClipRect(0, 0, 613 - 4, 277);
        const QFontMetricsF metrics(font, painter.device());
        const QStringList lines = page->accessibleDescription().split('\n');
        for (qsizetype line = 0; line < lines.size(); ++line) {
            painter.drawText(QPointF(0, metrics.height() * double(line) + metrics.ascent()), lines[line]);
        }
    }));
    windows.activateFrom(help, "back from the help window");
    EXPECT_TRUE(shows(windows.child("board"), QColor(0xef, 0xef, 0xef), [&board](QPainter& painter) {
        board.painter = &painter;
        drawBoard(board);
    })) << "the board intact";
    windows.press("slowButton", "LowSpeed");
    windows.ticks(7, "seven ticks: that ball lands");
    windows.press("fastButton", "HightSpeed");
    windows.ticks(1000, "ticks until a bin holds its twentieth ball");
    EXPECT_TRUE(stripShowsItsTexts(windows.child("theoryRow")));
    EXPECT_TRUE(stripShowsItsTexts(windows.child("ratioRow")));

    // The rule under the title row, at y 360 twips from x 1320 to 9840: across the title in the title's ink and beside
    // it in the window's, from Exit's right edge to Help's left one; Exit, Help and Init lie over it.
    const QImage window = windows.main.grab().toImage();
    const double ratio = window.devicePixelRatio();
    for (int x = 153; x < 600; ++x) {
        const QWidget* inkOf = x >= 216 && x < 585 ? windows.child("titleLabel") : &windows.main;
        EXPECT_EQ(QColor(window.pixel(x * ratio, 24 * ratio)), inkOf->palette().color(QPalette::WindowText)) << x;
    }
    for (const char* name : {"exitButton", "helpButton", "initButton"}) {
        QWidget* button = windows.child(name);
        const QColor face = button->grab().toImage().pixel(20 * ratio, 24 * ratio);
        EXPECT_EQ(QColor(window.pixel((button->x() + 20) * ratio, 24 * ratio)), face) << name << " lies over it";
    }

    // Under a dark style, as GNOME's, every text stands out by 4.5 : 1, and the board's lines and squares by 3 : 1;
    // once it goes, the strips print again in the light style's colours.
    const QPalette light = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(0x35, 0x35, 0x35), QColor(0x35, 0x35, 0x35))); // light text on it
    QCoreApplication::processEvents(); // the widgets hear of it through posted events
    for (const char* name : {"titleLabel", "countCaption", "countLabel", "theoryRow", "ratioRow", "board"}) {
        EXPECT_GE(inkContrast(windows.child(name)), std::string_view(name) == "board" ? 3.0 : 4.5) << name;
    }
    EXPECT_GE(inkContrast(page), 4.5) << "the help page";
    QApplication::setPalette(light);
    QCoreApplication::processEvents();
    EXPECT_TRUE(stripShowsItsTexts(windows.child("ratioRow"))) << "printed again in the light style's colours";

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

// 10,000 balls through the real step, random source and window follow the binomial law, whether the clock stands,
// moves with the fast timer or by whole seconds.
TEST(Randomness, BinsFollowTheBinomialLawUnderAnyClock)
{
    const double ways[kBins] = {1, 10, 45, 120, 210, 252, 210, 120, 45, 10, 1}; // C(10, b - 1) of 1024
    for (const float clockStep : {0.0f, 0.05f, 1.0f}) {
        test::Windows windows;
        windows.fakes.clockStep = clockStep;
        TimeMixedRandom random(42);
        Experiment experiment(windows.main, random, windows.fakes);
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
        EXPECT_LT(chiSquare, 50.0) << "clock step " << clockStep << "; 10 degrees of freedom: p < 1e-6 beyond 50";
    }
}

// Closed by its frame during a run, the main window stops the run; with the help window open the program lives on
// until that one is closed too. Qt tells of the last window's closing, and ends the program, inside its event loop.
TEST(Lesson, TheMainWindowClosedByItsFrameStopsTheRunAndTheProgramEndsWithTheHelpWindow)
{
    test::Windows windows;
    windows.main.show();
    windows.press("helpButton", "Help");
    windows.press("fastButton", "HightSpeed");
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, &windows.main, [&] {
        windows.main.windowHandle()->close(); // as the frame's close button does
        EXPECT_FALSE(windows.timer->isActive()) << "the hidden board runs on";
        EXPECT_EQ(lastWindowClosed.count(), 0) << "the program ends with the help window open";
        test::helpWindow()->windowHandle()->close();
        EXPECT_EQ(lastWindowClosed.count(), 1);
    });
    QTimer::singleShot(10000, &windows.main, [] { QCoreApplication::exit(1); }); // should the program not end
    EXPECT_EQ(QApplication::exec(), 0);
}
