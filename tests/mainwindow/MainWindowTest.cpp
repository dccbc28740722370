// The main window as a user sees it, at 96 DPI and (as its own test) at twice the density: twips, 15 to a pixel.
#include "FakeView.h"

#include "helpwindow/HelpWindow.h"
#include "mainwindow/MainWindow.h"

#include <QApplication>
#include <QFrame>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvanta;

constexpr double kBoardUnit[] = {238.875 / 15, 297.75 / 15}, kStripUnit[] = {238.87605 / 15, 31.500925 / 15};

struct MainWindowTest : ::testing::Test {
    test::FakeView fake; // draws, the clock, and a cue player that records
    MainWindow window {fake, fake, fake};
    QTimer* timer = window.findChild<QTimer*>("stepTimer");

    void SetUp() override { ASSERT_TRUE(activate(&window)); }
    static bool activate(QWidget* w) { return w->show(), w->activateWindow(), QTest::qWaitForWindowActive(w); }
    QWidget* child(const char* name) { return window.findChild<QWidget*>(name); }
    void click(const char* button) { QTest::mouseClick(child(button), Qt::LeftButton); }
    template <typename Paint> bool shows(const char* surface, Paint paint) // in its frame, on the window's colour
    {
        const QImage shown = child(surface)->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const double r = shown.devicePixelRatio();
        QImage expected(shown.size() - QSize(4, 4) * r, QImage::Format_RGB32);
        expected.setDevicePixelRatio(r), expected.fill(window.palette().color(QPalette::Window));
        QPainter painter(&expected);
        paint(painter);
        return shown.copy(QRect(QPoint(2, 2) * r, expected.size())) == expected;
    }
};

// The strips print in IPAPGothic at 11 pixels, 84 % wide (the widest that leaves 6 blank pixels after "0.246"), solid.
// A return from another window of the program prints them again and disables Stop and Init; from another program, not.
TEST_F(MainWindowTest, StripsShowTheoryAndRatiosUnderTheBinsThroughActivations)
{
    const QString theory = "Theoretical mathematical probability,0.001,0.010,0.044,0.117,0.205,0.246,0.205,0.117,0.044,"
                           "0.010,0.001", // C(10, b - 1) / 1024
        ratios = "Ratio from experimental results,0.063" + QString(",0.000").repeated(9) + ",0.938"; // 1/16 up
    // Fifteen balls to bin 11, then one to bin 1: a draw below 0.5 turns right; 0.5 and the float just below 1 left.
    fake.draws.assign(15 * 11, 0.4999f), fake.draws.resize(16 * 11, 0.5f), fake.draws[170] = 0x1.fffffep-1f;
    click("fastButton");
    QTimerEvent tick(timer->timerId()); // the window's own timer, tick by tick
    for (int n = 0; n < 16 * 11; ++n, QCoreApplication::sendEvent(timer, &tick)) { }
    click("stopButton");
    QWindow otherProgram; // not a widget: while it is active, the program has no active window
    otherProgram.show(), otherProgram.requestActivate();
    ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; }) && activate(&window));
    EXPECT_TRUE(child("initButton")->isEnabled()) << "back from another program";
    QWidget other;
    ASSERT_TRUE(activate(&other) && activate(&window));
    EXPECT_FALSE(child("initButton")->isEnabled() || child("stopButton")->isEnabled()) << "back from another window";
    QFont font("IPAPGothic");
    font.setPixelSize(11), font.setStretch(84), font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetricsF metrics(font);
    for (const auto& [strip, texts] : {std::pair {"theoryRow", theory.split(',')}, {"ratioRow", ratios.split(',')}}) {
        EXPECT_TRUE(shows(strip, [&](QPainter& p) {
            p.setFont(font);
            for (int i = 0; i < 12; ++i) { // the heading at (2, 1), bin b's value at (14.6 + 2(b - 1), 1)
                const float x = i ? 14.6f + 2 * (i - 1) : 2.0f;
                p.drawText(QPointF(x * kStripUnit[0], kStripUnit[1] + metrics.ascent()), texts[i]);
            }
        })) << strip;
    }
    EXPECT_EQ(child("countLabel")->property("text"), "16");
    EXPECT_EQ(child("board")->accessibleDescription().toStdString(),
        "bin 1: 1, bin 2: 0, bin 3: 0, bin 4: 0, bin 5: 0, "
        "bin 6: 0, bin 7: 0, bin 8: 0, bin 9: 0, bin 10: 0, bin 11: 15")
        << "what a screen reader hears of the markers";
}

// Twenty blue diagonals of three strokes 0.05 apart, from (20 + sk, 1 + k) to (20 + s(2k - 10), 11) for s = 1 and
// -1, then eleven black bins, walls at 9.6 + 2(b - 1) and 10.9 + 2(b - 1) from y 11.5 down to the floor at 19.5.
TEST_F(MainWindowTest, OpensWithTheBoardsNinetyThreeLinesTheBallAtItsStartAndTheFocusOnHightSpeed)
{
    const QPoint start(2 + qRound(19.8 * kBoardUnit[0]), 2 + qRound(0.9 * kBoardUnit[1]));
    EXPECT_EQ(child("ballSprite")->geometry(), QRect(start, QSize(9, 9)));
    EXPECT_TRUE(child("fastButton")->hasFocus());
    child("ballSprite")->hide();
    EXPECT_TRUE(shows("board", [](QPainter& p) {
        const auto at = [](float x, float y) { return QPointF(x * kBoardUnit[0], y * kBoardUnit[1]); };
        p.setPen(QPen(Qt::blue, 1.0, Qt::SolidLine, Qt::FlatCap));
        for (int i = 0; i < 60; ++i) {
            const int s = i < 30 ? 1 : -1, k = i % 30 / 3;
            const float dx = std::array {0.0f, 0.05f, -0.05f}[i % 3];
            p.drawLine(at(20 + s * k + dx, 1 + k), at(20 + s * (2 * k - 10) + dx, 11));
        }
        p.setPen(QPen(Qt::black, 1.0, Qt::SolidLine, Qt::FlatCap));
        for (float left = 9.6f, right = 10.9f; left < 30; left += 2, right += 2) {
            p.drawLine(at(left, 11.5f), at(left, 19.5f)), p.drawLine(at(right, 11.5f), at(right, 19.5f));
            p.drawLine(at(left, 19.5f), at(right, 19.5f));
        }
    }));
}

// The rule under the title row, one pixel at y 360 twips from x 1320 to 9840, runs across the title in the title's ink
// and beside it in the window's; Exit, Help and Init lie over it.
TEST_F(MainWindowTest, TheRuleUnderTheTitleRowRunsAcrossTheTitleBelowTheButtons)
{
    const QImage shown = window.grab().toImage();
    const double r = shown.devicePixelRatio();
    const auto pixel = [&](const QImage& image, int x) { return QColor(image.pixel(x * r, 24 * r)); };
    const QColor titleInk = child("titleLabel")->palette().color(QPalette::WindowText);
    const QColor windowInk = window.palette().color(QPalette::WindowText);
    for (int x = 153; x < 600; ++x) { // from Exit's right edge to Help's left one
        const bool overTitle = x >= 216 && x < 585;
        EXPECT_EQ(pixel(shown, x), overTitle ? titleInk : windowInk) << "x " << x;
    }
    for (const char* name : {"exitButton", "helpButton", "initButton"}) {
        QWidget* button = child(name);
        const int x = button->x() + 20;
        EXPECT_EQ(pixel(shown, x), pixel(button->grab().toImage(), 20)) << name << " covers the rule";
    }
}

// Marker j of bin b at (2400 + 480(b - 1), 5640 - 120(j - 1)) twips inside the board's frame, 135 twips square.
TEST_F(MainWindowTest, EachOfTheTwoHundredTwentyMarkersShowsAtItsPlace)
{
    for (int i = 0; i < 220; ++i) {
        const int bin = i / 20 + 1, level = i % 20 + 1;
        window.setMarkerVisible(bin, level, true);
        QList<QRect> shown;
        for (const QWidget* marker : child("board")->findChildren<QWidget*>("binMarker")) {
            shown << (marker->isVisible() ? QList {marker->geometry()} : QList<QRect> {});
        }
        EXPECT_EQ(shown, QList {QRect(2 + (2400 + 480 * (bin - 1)) / 15, 2 + (5640 - 120 * (level - 1)) / 15, 9, 9)})
            << "bin " << bin << ", marker " << level;
        window.setMarkerVisible(bin, level, false);
    }
}

TEST_F(MainWindowTest, SpeedButtonsRunTheStepTimerAtTheirIntervalsAndStopStopsIt)
{
    QList<int> intervals; // while it runs; 0 when it stands
    for (const char* button : {"fastButton", "slowButton", "fastButton", "stopButton"}) {
        click(button);
        intervals << (timer->isActive() ? timer->interval() : 0);
    }
    EXPECT_EQ(intervals, QList({50, 300, 50, 0}));
}

TEST_F(MainWindowTest, ExitPlaysItsCueThenAsksAndEndsTheProgram)
{
    QStringList asked;
    QTimer::singleShot(0, &window, [&] { // inside the box's own event loop
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        asked << QString::fromStdString(fake.events.back()) << box->windowTitle() << box->text();
        EXPECT_TRUE(box->icon() == QMessageBox::NoIcon && box->standardButtons() == QMessageBox::Ok
            && box->windowModality() == Qt::ApplicationModal);
        box->button(QMessageBox::Ok)->click();
    });
    click("exitButton");
    EXPECT_EQ(asked, QStringList({"cue endpinpon.wav", "Corvanta", "This software will exit."}));
    EXPECT_FALSE(window.isVisible());
}

namespace {

double luminance(const QColor& colour) // as accessibility guidelines define it
{
    const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& one, const QColor& other)
{
    const double lighter = std::max(luminance(one), luminance(other));
    const double darker = std::min(luminance(one), luminance(other));
    return (lighter + 0.05) / (darker + 0.05);
}

// The colour that covers most of a picture, and how far the one that stands out most from it stands out.
struct Ink {
    QColor background;
    double contrast = 1;
};

Ink inkOn(QWidget* widget, const QRect& area)
{
    const QImage picture = widget->grab(area).toImage();
    std::map<QRgb, int> pixels;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            ++pixels[picture.pixel(x, y)];
        }
    }
    Ink ink;
    ink.background
        = QColor(std::ranges::max_element(pixels, {}, [](const auto& pixel) { return pixel.second; })->first);
    for (const auto& [pixel, count] : pixels) {
        ink.contrast = std::max(ink.contrast, contrast(ink.background, QColor(pixel)));
    }
    return ink;
}

} // namespace

// Built under a dark desktop style, every text of both windows stands out from its own background by 4.5 : 1, and the
// board's lines and squares by 3 : 1; the layout's own colours keep their black ink. Back to a light style while the
// program runs, the strips print again in its colours.
TEST(DesktopStyles, EveryTextAndLineStandsOutOfItsBackground)
{
    const QPalette light = QApplication::palette();
    QPalette dark = light; // as GNOME's dark style
    for (const QPalette::ColorRole back : {QPalette::Window, QPalette::Button, QPalette::Base}) {
        dark.setColor(back, QColor(0x35, 0x35, 0x35));
    }
    for (const QPalette::ColorRole text : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        dark.setColor(text, Qt::white);
    }
    QApplication::setPalette(dark);
    test::FakeView fake; // one ball lands, then Stop: the count, a marker and both strips show
    MainWindow window(fake, fake, fake);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    QTest::mouseClick(window.findChild<QWidget*>("fastButton"), Qt::LeftButton);
    QTimerEvent tick(window.findChild<QTimer*>("stepTimer")->timerId());
    for (int n = 0; n < 11; ++n) {
        QCoreApplication::sendEvent(window.findChild<QTimer*>("stepTimer"), &tick);
    }
    QTest::mouseClick(window.findChild<QWidget*>("stopButton"), Qt::LeftButton);
    HelpWindow* help = HelpWindow::open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    const auto inner = [](QWidget* widget) { return qobject_cast<QFrame*>(widget)->contentsRect(); };
    QWidget* title = window.findChild<QWidget*>("titleLabel");
    QWidget* page = help->findChild<QWidget*>("page");
    QWidget* board = window.findChild<QWidget*>("board");
    for (const QPalette& style : {dark, light}) {
        QApplication::setPalette(style);
        QCoreApplication::processEvents(); // the widgets hear of it through posted events
        std::vector<std::pair<QWidget*, QRect>> texts = {
            {title, title->rect().adjusted(0, 0, 0, -1)}, // above the rule
            {window.findChild<QWidget*>("countCaption"), window.findChild<QWidget*>("countCaption")->rect()},
            {window.findChild<QWidget*>("countLabel"), window.findChild<QWidget*>("countLabel")->rect()},
            {page, inner(page)},
        };
        for (const char* strip : {"theoryRow", "ratioRow"}) {
            QWidget* row = window.findChild<QWidget*>(strip);
            texts.emplace_back(row, inner(row));
            EXPECT_EQ(inkOn(row, inner(row)).background, style.color(QPalette::Window))
                << strip << " follows the style";
        }
        for (QPushButton* button : window.findChildren<QPushButton*>() + help->findChildren<QPushButton*>()) {
            if (button->isEnabled()) { // a disabled caption need not stand out
                texts.emplace_back(button, button->rect().adjusted(4, 4, -4, -4));
            }
        }
        for (const auto& [widget, area] : texts) {
            EXPECT_GE(inkOn(widget, area).contrast, 4.5) << widget->objectName().toStdString();
        }
        const QColor boardBack = inkOn(board, inner(board)).background;
        for (const QColor line : {QColor(Qt::blue), QColor(Qt::black), QColor(Qt::red)}) {
            EXPECT_GE(contrast(boardBack, line), 3.0) << line.name().toStdString() << " on the board";
        }
    }
    HelpWindow::closeIfOpen();
}
