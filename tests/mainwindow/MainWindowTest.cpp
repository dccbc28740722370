// The main window as a user sees it, at 96 DPI and (as its own test) at twice the density: twips, 15 to a pixel.
#include "FakeView.h"

#include "helpwindow/HelpWindow.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QFrame>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvanta;

// One unit of the board and of the strips, across and down, in pixels.
constexpr double kBoardUnitAcross = 238.875 / 15;
constexpr double kBoardUnitDown = 297.75 / 15;
constexpr double kStripUnitAcross = 238.87605 / 15;
constexpr double kStripUnitDown = 31.500925 / 15;

// The strips after 1 ball to bin 1 and 15 to bin 11: each heading, then bin 1 to 11.
const QStringList kTheory = {"Theoretical mathematical probability", "0.001", "0.010", "0.044", "0.117", "0.205",
    "0.246", "0.205", "0.117", "0.044", "0.010", "0.001"}; // C(10, b - 1) / 1024
const QStringList kRatios = {"Ratio from experimental results", "0.063", "0.000", "0.000", "0.000", "0.000", "0.000",
    "0.000", "0.000", "0.000", "0.000", "0.938"}; // 1 and 15 of 16, halves rounded up

bool activate(QWidget* window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

struct MainWindowTest : ::testing::Test {
    test::FakeView fake; // draws, the clock, and a cue player that records
    MainWindow window {fake, fake, fake};
    QTimer* timer = window.findChild<QTimer*>("stepTimer");

    void SetUp() override { ASSERT_TRUE(activate(&window)); }
    QWidget* child(const char* name) { return window.findChild<QWidget*>(name); }
    void click(const char* button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    void tick(int times) // the window's own timer, tick by tick
    {
        QTimerEvent tick(timer->timerId());
        for (int n = 0; n < times; ++n) {
            QCoreApplication::sendEvent(timer, &tick);
        }
    }
    // Whether a surface shows, inside its frame, what `paint` draws on the window's colour, in its ink by default.
    template <typename Paint> bool shows(const char* surface, Paint paint)
    {
        const QImage shown = child(surface)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double ratio = shown.devicePixelRatio();
        QImage expected(shown.size() - QSize(4, 4) * ratio, QImage::Format_RGB32);
        expected.setDevicePixelRatio(ratio);
        expected.fill(window.palette().color(QPalette::Window));
        QPainter painter(&expected);
        painter.setPen(window.palette().color(QPalette::WindowText));
        paint(painter);
        return shown.copy(QRect(QPoint(2, 2) * ratio, expected.size())) == expected;
    }
    // A strip's heading at (2, 1) and bin b's value at (14.6 + 2(b - 1), 1), in IPAPGothic at 11 pixels, 84 % wide
    // (the widest that leaves 6 blank pixels after "0.246"), solid.
    bool stripShows(const char* strip, const QStringList& texts)
    {
        QFont font("IPAPGothic");
        font.setPixelSize(11);
        font.setStretch(84);
        font.setStyleStrategy(QFont::NoAntialias);
        return shows(strip, [&](QPainter& painter) {
            painter.setFont(font);
            for (int i = 0; i < texts.size(); ++i) {
                const float x = i == 0 ? 2.0f : 14.6f + 2 * (i - 1);
                const QPointF baseline(x * kStripUnitAcross, kStripUnitDown + QFontMetricsF(font).ascent());
                painter.drawText(baseline, texts[i]);
            }
        });
    }
};

// Sixteen balls land, then Stop. A return from another window of the program prints the strips again and disables
// Stop and Init; from another program, not. A speed button clears the ratios down to the heading, and Stop prints them.
TEST_F(MainWindowTest, StripsShowTheoryAndRatiosUnderTheBinsThroughActivationsAndRuns)
{
    // Fifteen balls to bin 11, then one to bin 1: a draw below 0.5 turns right; 0.5 and the float just below 1 left.
    fake.draws.assign(15 * 11, 0.4999f);
    fake.draws.resize(16 * 11, 0.5f);
    fake.draws[170] = 0x1.fffffep-1f;
    click("fastButton");
    tick(16 * 11);
    click("stopButton");
    QWindow otherProgram; // not a widget: while it is active, the program has no active window
    otherProgram.show();
    otherProgram.requestActivate();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; }));
    ASSERT_TRUE(activate(&window));
    EXPECT_TRUE(child("initButton")->isEnabled()) << "back from another program";
    QWidget otherWindow;
    ASSERT_TRUE(activate(&otherWindow));
    ASSERT_TRUE(activate(&window));
    EXPECT_FALSE(child("initButton")->isEnabled() || child("stopButton")->isEnabled()) << "back from another window";
    EXPECT_TRUE(stripShows("theoryRow", kTheory));
    EXPECT_TRUE(stripShows("ratioRow", kRatios));
    EXPECT_EQ(child("countLabel")->property("text"), "16");
    // What a screen reader reads of the strips and of the markers.
    EXPECT_EQ(child("theoryRow")->accessibleDescription().toStdString(),
        "Theoretical mathematical probability: bin 1 0.001, bin 2 0.010, bin 3 0.044, bin 4 0.117, bin 5 0.205, "
        "bin 6 0.246, bin 7 0.205, bin 8 0.117, bin 9 0.044, bin 10 0.010, bin 11 0.001");
    EXPECT_EQ(child("ratioRow")->accessibleDescription().toStdString(),
        "Ratio from experimental results: bin 1 0.063, bin 2 0.000, bin 3 0.000, bin 4 0.000, bin 5 0.000, "
        "bin 6 0.000, bin 7 0.000, bin 8 0.000, bin 9 0.000, bin 10 0.000, bin 11 0.938");
    EXPECT_EQ(child("board")->accessibleDescription().toStdString(),
        "bin 1: 1, bin 2: 0, bin 3: 0, bin 4: 0, bin 5: 0, bin 6: 0, "
        "bin 7: 0, bin 8: 0, bin 9: 0, bin 10: 0, bin 11: 15");
    click("slowButton");
    EXPECT_TRUE(stripShows("ratioRow", {"Ratio from experimental results"})) << "a speed button clears the ratios";
    EXPECT_EQ(child("ratioRow")->accessibleDescription(), "Ratio from experimental results");
    EXPECT_EQ(child("countLabel")->property("text"), "16") << "and keeps the count";
    click("stopButton");
    EXPECT_TRUE(stripShows("ratioRow", kRatios)) << "Stop prints them again";
}

// Twenty blue diagonals of three strokes 0.05 apart, from (20 + sk, 1 + k) to (20 + s(2k - 10), 11) for s = 1 and
// -1, then eleven black bins, walls at 9.6 + 2(b - 1) and 10.9 + 2(b - 1) from y 11.5 down to the floor at 19.5.
TEST_F(MainWindowTest, OpensWithTheBoardsNinetyThreeLinesTheBallAtItsStartAndTheFocusOnHightSpeed)
{
    const QPoint start(2 + qRound(19.8 * kBoardUnitAcross), 2 + qRound(0.9 * kBoardUnitDown));
    EXPECT_EQ(child("ballSprite")->geometry(), QRect(start, QSize(9, 9)));
    EXPECT_TRUE(child("fastButton")->hasFocus());
    child("ballSprite")->hide();
    EXPECT_TRUE(shows("board", [](QPainter& painter) {
        const auto at = [](float x, float y) { return QPointF(x * kBoardUnitAcross, y * kBoardUnitDown); };
        painter.setPen(QPen(Qt::blue, 1.0, Qt::SolidLine, Qt::FlatCap));
        for (const int side : {1, -1}) {
            for (int k = 0; k < 10; ++k) {
                for (const float stroke : {0.0f, 0.05f, -0.05f}) {
                    painter.drawLine(at(20 + side * k + stroke, 1 + k), at(20 + side * (2 * k - 10) + stroke, 11));
                }
            }
        }
        painter.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
        for (int bin = 1; bin <= 11; ++bin) {
            const float left = 9.6f + 2 * (bin - 1);
            const float right = 10.9f + 2 * (bin - 1);
            painter.drawLine(at(left, 11.5f), at(left, 19.5f));
            painter.drawLine(at(right, 11.5f), at(right, 19.5f));
            painter.drawLine(at(left, 19.5f), at(right, 19.5f));
        }
    }));
}

// The window's and the labels' texts, and the buttons' captions as Tab reaches them: in the layout's order (tab indices
// 0, 224, 225, 229, 232, 233), past the disabled ones.
TEST_F(MainWindowTest, TabWalksTheButtonsByTheirCaptionsInTheLayoutsOrder)
{
    EXPECT_EQ(window.windowTitle(), " Corvanta ");
    EXPECT_EQ(child("titleLabel")->property("text"), "Corvanta");
    EXPECT_EQ(child("countCaption")->property("text"), "Number of Experiments");
    const auto tabWalk = [](int presses) { // the focused button's caption, then after each Tab
        QStringList captions = {QApplication::focusWidget()->property("text").toString()};
        for (int n = 0; n < presses; ++n) {
            QTest::keyClick(QApplication::focusWindow(), Qt::Key_Tab);
            captions << QApplication::focusWidget()->property("text").toString();
        }
        return captions;
    };
    EXPECT_EQ(tabWalk(4), QStringList({"HightSpeed", "Exit", "Help", "LowSpeed", "HightSpeed"})) << "Stop and Init off";
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        button->setEnabled(true);
    }
    EXPECT_EQ(tabWalk(6), QStringList({"HightSpeed", "Stop", "Exit", "Init", "Help", "LowSpeed", "HightSpeed"}));
}

// The rule under the title row, one pixel at y 360 twips from x 1320 to 9840, runs across the title in the title's ink
// and beside it in the window's; Exit, Help and Init lie over it.
TEST_F(MainWindowTest, TheRuleUnderTheTitleRowRunsAcrossTheTitleBelowTheButtons)
{
    const QImage shown = window.grab().toImage();
    const double ratio = shown.devicePixelRatio();
    const QColor titleInk = child("titleLabel")->palette().color(QPalette::WindowText);
    const QColor windowInk = window.palette().color(QPalette::WindowText);
    for (int x = 153; x < 600; ++x) { // from Exit's right edge to Help's left one
        const bool overTitle = x >= 216 && x < 585;
        EXPECT_EQ(QColor(shown.pixel(x * ratio, 24 * ratio)), overTitle ? titleInk : windowInk) << "x " << x;
    }
    for (const char* name : {"exitButton", "helpButton", "initButton"}) {
        QWidget* button = child(name);
        const QColor face = button->grab().toImage().pixel(20 * ratio, 24 * ratio);
        EXPECT_EQ(QColor(shown.pixel((button->x() + 20) * ratio, 24 * ratio)), face) << name << " covers the rule";
    }
}

// Marker j of bin b at (2400 + 480(b - 1), 5640 - 120(j - 1)) twips inside the board's frame, 135 twips square.
TEST_F(MainWindowTest, EachOfTheTwoHundredTwentyMarkersShowsAtItsPlace)
{
    for (int bin = 1; bin <= 11; ++bin) {
        for (int level = 1; level <= 20; ++level) {
            window.setMarkerVisible(bin, level, true);
            QList<QRect> shown;
            for (const QWidget* marker : child("board")->findChildren<QWidget*>("binMarker")) {
                if (marker->isVisible()) {
                    shown << marker->geometry();
                }
            }
            const QRect expected(2 + (2400 + 480 * (bin - 1)) / 15, 2 + (5640 - 120 * (level - 1)) / 15, 9, 9);
            EXPECT_EQ(shown, QList {expected}) << "bin " << bin << ", marker " << level;
            window.setMarkerVisible(bin, level, false);
        }
    }
}

// HightSpeed pressed from the keyboard, Space on the focused button; then LowSpeed, HightSpeed and Stop by the mouse.
TEST_F(MainWindowTest, SpeedButtonsRunTheStepTimerAtTheirIntervalsAndStopStopsIt)
{
    QTest::keyClick(QApplication::focusWindow(), Qt::Key_Space);
    QList<int> intervals = {timer->isActive() ? timer->interval() : 0}; // while it runs; 0 when it stands
    for (const char* button : {"slowButton", "fastButton", "stopButton"}) {
        click(button);
        intervals << (timer->isActive() ? timer->interval() : 0);
    }
    EXPECT_EQ(intervals, QList({50, 300, 50, 0}));
}

// Exit while the help window is open: its cue, then the box; OK ends the program, and both windows go.
TEST_F(MainWindowTest, ExitPlaysItsCueThenAsksAndEndsTheProgram)
{
    QPointer<HelpWindow> help = HelpWindow::open(); // as Help opens it
    ASSERT_TRUE(activate(&window));
    std::vector<std::string> cuesBeforeTheBox;
    QStringList asked;
    QTimer::singleShot(0, &window, [&] { // inside the box's own event loop
        cuesBeforeTheBox = fake.events;
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        asked << box->windowTitle() << box->text();
        EXPECT_TRUE(box->icon() == QMessageBox::NoIcon && box->standardButtons() == QMessageBox::Ok
            && box->windowModality() == Qt::ApplicationModal);
        box->button(QMessageBox::Ok)->click();
    });
    click("exitButton");
    EXPECT_EQ(cuesBeforeTheBox, std::vector<std::string>({"cue endpinpon.wav"}));
    EXPECT_EQ(asked, QStringList({"Corvanta", "This software will exit."}));
    EXPECT_FALSE(window.isVisible());
    EXPECT_TRUE(help.isNull()) << "the help window stays";
}

// Closed by its frame during a run, the main window stops the run; with the help window open the program lives on
// until that one is closed too. Qt tells of the last window's closing, and ends the program, inside its event loop.
TEST_F(MainWindowTest, ClosedByItsFrameItStopsTheRunAndTheProgramEndsWithTheHelpWindow)
{
    QPointer<HelpWindow> help = HelpWindow::open(); // as Help opens it
    ASSERT_TRUE(activate(&window));
    click("fastButton");
    QSignalSpy lastWindowClosed(qApp, &QGuiApplication::lastWindowClosed);
    QTimer::singleShot(0, &window, [&] {
        window.windowHandle()->close(); // as the frame's close button does
        EXPECT_FALSE(timer->isActive()) << "the hidden board runs on";
        EXPECT_EQ(lastWindowClosed.count(), 0) << "the program ends with the help window open";
        ASSERT_FALSE(help.isNull());
        help->windowHandle()->close();
        EXPECT_EQ(lastWindowClosed.count(), 1);
    });
    QTimer::singleShot(10000, &window, [] { QCoreApplication::exit(1); }); // should the program not end
    EXPECT_EQ(QApplication::exec(), 0);
}

// A desktop style as GNOME's dark one, in force before the window is built; the light one comes back at the end.
struct DarkStyle {
    QPalette light = QApplication::palette();
    DarkStyle()
    {
        QPalette dark = light;
        for (const QPalette::ColorRole back : {QPalette::Window, QPalette::Button, QPalette::Base}) {
            dark.setColor(back, QColor(0x35, 0x35, 0x35));
        }
        for (const QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
            dark.setColor(text, Qt::white);
        }
        QApplication::setPalette(dark);
    }
    ~DarkStyle() { QApplication::setPalette(light); }
};
struct DesktopStyles : DarkStyle, MainWindowTest { };

double luminance(const QColor& colour) // as accessibility guidelines define it
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& one, const QColor& other)
{
    const double lighter = std::max(luminance(one), luminance(other)) + 0.05;
    return lighter / (std::min(luminance(one), luminance(other)) + 0.05);
}

// The colour that covers most of a picture, and the contrast of the one that stands out most from it.
struct Ink {
    QColor background;
    double contrast = 1;
};

Ink inkOn(const QImage& picture)
{
    std::map<QRgb, int> pixels;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            ++pixels[picture.pixel(x, y)];
        }
    }
    Ink ink;
    ink.background = QColor(std::ranges::max_element(pixels, {}, &std::pair<const QRgb, int>::second)->first);
    for (const auto& [pixel, count] : pixels) {
        ink.contrast = std::max(ink.contrast, contrast(ink.background, QColor(pixel)));
    }
    return ink;
}

// Under a dark style every text stands out from its own background by 4.5 : 1, and the board's lines and squares by
// 3 : 1: the layout's own colours keep their black ink, the board its light grey, the help page its black on white. The
// strips print in the style's colours, and print again in the light one's when it comes back while the program runs.
TEST_F(DesktopStyles, EveryTextAndLineStandsOutAndTheStripsFollowTheStyle)
{
    HelpWindow* help = HelpWindow::open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    click("fastButton");
    tick(11);
    click("stopButton"); // a ball landed: the count, a marker and both strips show
    const QList<QFrame*> texts = {window.findChild<QFrame*>("titleLabel"), window.findChild<QFrame*>("countCaption"),
        window.findChild<QFrame*>("countLabel"), window.findChild<QFrame*>("theoryRow"),
        window.findChild<QFrame*>("ratioRow"), help->findChild<QFrame*>("page")};
    for (QFrame* text : texts) {
        const QRect area = text->contentsRect().adjusted(0, 0, 0, text->objectName() == "titleLabel" ? -1 : 0);
        EXPECT_GE(inkOn(text->grab(area).toImage()).contrast, 4.5) << text->objectName().toStdString();
    }
    QFrame* board = window.findChild<QFrame*>("board");
    const QColor boardBack = inkOn(board->grab(board->contentsRect()).toImage()).background;
    for (const QColor line : {QColor(Qt::blue), QColor(Qt::black), QColor(Qt::red)}) {
        EXPECT_GE(contrast(boardBack, line), 3.0) << line.name().toStdString() << " on the board";
    }
    EXPECT_TRUE(stripShows("theoryRow", kTheory)) << "in the dark style's colours";
    QApplication::setPalette(light);
    QCoreApplication::processEvents(); // the widgets hear of it through posted events
    EXPECT_TRUE(stripShows("theoryRow", kTheory)) << "in the light style's colours";
    HelpWindow::closeIfOpen();
}
