#include "helpwindow/Form2.h"

#include "helpwindow/HelpText.h"
#include "platform/LayoutFonts.h"
#include "platform/SurfaceWidget.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace {

using corvanta::Form2;

constexpr int kWaitMs = 5000;

int HelpWindowCount()
{
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<Form2*>(widget) != nullptr) {
            ++count;
        }
    }
    return count;
}

void RunDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Makes `window` the active window and waits, bounded, until the program sees it so.
bool ActivateAndWait(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return QTest::qWaitFor([window] { return QApplication::activeWindow() == window; }, kWaitMs);
}

// A window that is none of the program's widget windows: while it is active the program has no
// active window, as when the user works in another program.
class OtherProgram {
public:
    OtherProgram() { window_.resize(100, 100); }

    bool Activate()
    {
        window_.show();
        window_.requestActivate();
        return QTest::qWaitFor(
            [this] { return QGuiApplication::focusWindow() == &window_ && QApplication::activeWindow() == nullptr; },
            kWaitMs);
    }

private:
    QWindow window_;
};

bool IsDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

int DarkPixels(const QImage& image, const QRect& area)
{
    const QRect clipped = area.intersected(image.rect());
    int count = 0;
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            count += IsDark(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool AllWhite(const QImage& image, const QRect& area)
{
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            if (image.pixel(x, y) != qRgb(255, 255, 255)) {
                return false;
            }
        }
    }
    return true;
}

class HelpWindow : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(corvanta::ExistingHelpWindow(), nullptr); }

    void TearDown() override
    {
        corvanta::CloseHelpWindow();
        RunDeferredDeletes();
        EXPECT_EQ(corvanta::ExistingHelpWindow(), nullptr);
        EXPECT_EQ(HelpWindowCount(), 0);
    }

    // Opens the help window and waits until it is the active window.
    Form2* OpenAndWait()
    {
        Form2* help = corvanta::OpenHelpWindow();
        EXPECT_NE(help, nullptr);
        if (help != nullptr) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(help, kWaitMs));
        }
        return help;
    }
};

TEST_F(HelpWindow, CaptionClientAreaAndPlacement)
{
    Form2* help = OpenAndWait();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(
        help->windowTitle().toStdU32String() == U" Corvanta\uFF3FHelp\uFF08Questions and Operation Method\uFF09\u3000")
        << help->windowTitle().toStdString();
    EXPECT_EQ(help->size(), QSize(635, 320));
    EXPECT_EQ(help->minimumSize(), QSize(635, 320));
    EXPECT_EQ(help->maximumSize(), QSize(635, 320));
    EXPECT_EQ(help->geometry().topLeft(), QPoint(206, 111));
    // Modeless and without owner; it goes away entirely when closed.
    EXPECT_TRUE(help->isWindow());
    EXPECT_EQ(help->parentWidget(), nullptr);
    EXPECT_EQ(help->windowModality(), Qt::NonModal);
    EXPECT_TRUE(help->testAttribute(Qt::WA_DeleteOnClose));
    // No icon of its own: it shows the application's.
    const QIcon previousIcon = QApplication::windowIcon();
    QPixmap iconPixmap(16, 16);
    iconPixmap.fill(Qt::darkGreen);
    QApplication::setWindowIcon(QIcon(iconPixmap));
    EXPECT_EQ(help->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
    QApplication::setWindowIcon(previousIcon);
}

TEST_F(HelpWindow, ControlsStandAtTheirPlaces)
{
    Form2* help = OpenAndWait();
    ASSERT_NE(help, nullptr);
    auto* command1 = help->findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* line1 = help->findChild<QWidget*>(QStringLiteral("Line1"));
    auto* picture1 = help->findChild<corvanta::SurfaceWidget*>(QStringLiteral("Picture1"));
    ASSERT_NE(command1, nullptr);
    ASSERT_NE(line1, nullptr);
    ASSERT_NE(picture1, nullptr);
    EXPECT_EQ(command1, help->Command1());
    EXPECT_EQ(line1, help->Line1());
    EXPECT_EQ(picture1, help->Picture1());

    EXPECT_EQ(command1->text(), QStringLiteral("Close"));
    EXPECT_EQ(command1->geometry(), QRect(576, 0, 49, 25));
    EXPECT_FALSE(command1->testAttribute(Qt::WA_SetFont));
    EXPECT_EQ(line1->geometry(), QRect(8, 24, 600, 1));
    EXPECT_EQ(picture1->geometry(), QRect(8, 32, 617, 281));
    EXPECT_EQ(picture1->contentsRect(), QRect(2, 2, 613, 277));
    EXPECT_EQ(picture1->Drawing().size(), QSize(613, 277));
    // Tab order: the button first, then the page.
    EXPECT_EQ(command1->nextInFocusChain(), picture1);

    // The rule is drawn in the window-text colour and passes under the button.
    const QImage shot = help->grab().toImage();
    const QColor ruleColour = help->palette().color(QPalette::WindowText);
    EXPECT_EQ(shot.pixelColor(8, 24), ruleColour);
    EXPECT_EQ(shot.pixelColor(300, 24), ruleColour);
    EXPECT_EQ(shot.pixelColor(560, 24), ruleColour);
    EXPECT_NE(shot.pixelColor(7, 24), ruleColour);
    EXPECT_NE(shot.pixelColor(608, 24), ruleColour);
    EXPECT_NE(shot.pixelColor(300, 23), ruleColour);
    EXPECT_NE(shot.pixelColor(300, 25), ruleColour);
    int ruleUnderButton = 0;
    for (int x = 577; x < 607; ++x) {
        ruleUnderButton += shot.pixelColor(x, 24) == ruleColour ? 1 : 0;
    }
    EXPECT_LT(ruleUnderButton, 30) << "the button does not cover the rule's right end";
}

TEST_F(HelpWindow, FocusStartsOnClose)
{
    Form2* help = OpenAndWait();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([help] { return QApplication::focusWidget() == help->Command1(); }, kWaitMs));
    EXPECT_EQ(help->focusWidget(), help->Command1());
}

TEST_F(HelpWindow, PageIsPrintedLineByLineAndCutAtTheRightEdge)
{
    Form2* help = OpenAndWait();
    ASSERT_NE(help, nullptr);
    corvanta::SurfaceWidget* picture1 = help->Picture1();
    const QImage drawing = picture1->Drawing();
    ASSERT_EQ(drawing.devicePixelRatio(), 1.0);

    // Fifteen line ends moved the cursor fifteen lines down and back to the left edge.
    const QFontMetricsF metrics(corvanta::LayoutFont(11.25), &drawing);
    const double lineHeight = metrics.height();
    EXPECT_FLOAT_EQ(picture1->CurrentX(), 0.0f);
    EXPECT_NEAR(picture1->CurrentY(), 15.0 * lineHeight * 15.0, 0.5);

    auto band = [&](int line) {
        const int top = static_cast<int>(std::floor((line - 1) * lineHeight));
        const int bottom = static_cast<int>(std::ceil(line * lineHeight));
        return QRect(0, top, drawing.width(), bottom - top);
    };
    // Empty lines stay white; printed lines carry dark text starting after their indent.
    for (const int empty : {1, 9, 10}) {
        EXPECT_TRUE(AllWhite(drawing, band(empty).adjusted(0, 1, 0, -1))) << "line " << empty;
    }
    for (int line = 1; line <= 15; ++line) {
        if (corvanta::kHelpLines[static_cast<std::size_t>(line - 1)].empty()) {
            continue;
        }
        EXPECT_GT(DarkPixels(drawing, band(line)), 50) << "line " << line;
    }
    // The heading "U+3010 Problem U+3011" stands in the top-left area, one ideographic space in.
    const int indent = qRound(metrics.horizontalAdvance(QChar(0x3000)));
    EXPECT_TRUE(AllWhite(drawing, QRect(0, 0, indent - 1, qRound(3 * lineHeight))));
    EXPECT_GT(DarkPixels(drawing, QRect(indent, band(2).top(), 120, band(2).height())), 50);

    // Lines wider than the page are cut at its right edge: their text reaches the last columns
    // and nothing wraps below the fifteenth line.
    int widerThanPage = 0;
    for (int line = 1; line <= 15; ++line) {
        const std::string_view bytes
            = corvanta::HelpLineBytes(corvanta::kHelpLines[static_cast<std::size_t>(line - 1)]);
        const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
        if (metrics.horizontalAdvance(text) > drawing.width() + 10) {
            ++widerThanPage;
            EXPECT_GT(DarkPixels(drawing, QRect(drawing.width() - 12, band(line).top(), 12, band(line).height())), 0)
                << "line " << line;
        }
    }
    EXPECT_GT(widerThanPage, 0) << "no line runs past the right edge";
    const int pageEnd = static_cast<int>(std::ceil(15 * lineHeight)) + 1;
    ASSERT_LT(pageEnd, drawing.height() - 10);
    EXPECT_TRUE(AllWhite(drawing, QRect(0, pageEnd, drawing.width(), drawing.height() - pageEnd)));
}

TEST_F(HelpWindow, PageStandsAsSoonAsShown)
{
    // The page is drawn when the window is first shown, before the platform's notice of the
    // activation has been handled; that notice then leaves it as it is.
    QWidget otherWindow;
    otherWindow.resize(200, 100);
    ASSERT_TRUE(ActivateAndWait(&otherWindow));
    auto help = std::make_unique<Form2>();
    help->show();
    EXPECT_GT(DarkPixels(help->Picture1()->Drawing(), help->Picture1()->Drawing().rect()), 1000);
    // A red mark drawn now would be wiped out by a second drawing of the page.
    help->Picture1()->Line(9000.0f, 4050.0f, 9045.0f, 4050.0f, corvanta::Rgb {255, 0, 0});
    const QImage shown = help->Picture1()->Drawing().copy();
    ASSERT_EQ(shown.pixel(601, 270), qRgb(255, 0, 0));
    ASSERT_TRUE(QTest::qWaitForWindowActive(help.get(), kWaitMs));
    EXPECT_TRUE(help->Picture1()->Drawing() == shown);
}

TEST_F(HelpWindow, PageStandsOnceThroughManyActivations)
{
    Form2* help = OpenAndWait();
    ASSERT_NE(help, nullptr);
    const QImage first = help->Picture1()->Drawing().copy();
    ASSERT_GT(DarkPixels(first, first.rect()), 1000);

    QWidget otherWindow;
    otherWindow.resize(200, 100);
    for (int round = 0; round < 10; ++round) {
        ASSERT_TRUE(ActivateAndWait(&otherWindow)) << "round " << round;
        ASSERT_TRUE(ActivateAndWait(help)) << "round " << round;
        EXPECT_TRUE(help->Picture1()->Drawing() == first) << "round " << round;
    }
    // Running the handler directly gives the same page as well.
    help->Form_Activate();
    EXPECT_TRUE(help->Picture1()->Drawing() == first);
}

TEST_F(HelpWindow, OnlyActivationFromAnotherProgramWindowRedraws)
{
    Form2* help = OpenAndWait();
    ASSERT_NE(help, nullptr);
    corvanta::SurfaceWidget* picture1 = help->Picture1();
    const QImage page = picture1->Drawing().copy();

    // A red mark in the white bottom-right corner shows whether the page was cleared.
    const QPoint markAt(601, 270);
    auto marked = [&] { return picture1->Drawing().pixel(markAt) == qRgb(255, 0, 0); };
    ASSERT_EQ(page.pixel(markAt), qRgb(255, 255, 255));
    picture1->Line(9000.0f, 4050.0f, 9045.0f, 4050.0f, corvanta::Rgb {255, 0, 0});
    ASSERT_TRUE(marked());

    // Another program takes the activation and gives it back: nothing is redrawn.
    OtherProgram otherProgram;
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(otherProgram.Activate()) << "round " << round;
        ASSERT_TRUE(ActivateAndWait(help)) << "round " << round;
        EXPECT_TRUE(marked()) << "round " << round;
    }

    // Coming back from another window of the program redraws the page.
    QWidget otherWindow;
    otherWindow.resize(200, 100);
    ASSERT_TRUE(ActivateAndWait(&otherWindow));
    EXPECT_TRUE(marked()) << "activating another window must not touch this page";
    ASSERT_TRUE(ActivateAndWait(help));
    EXPECT_FALSE(marked());
    EXPECT_TRUE(picture1->Drawing() == page);
}

TEST_F(HelpWindow, OpeningTwiceKeepsOneWindow)
{
    Form2* help = OpenAndWait();
    ASSERT_NE(help, nullptr);
    QWidget otherWindow;
    otherWindow.resize(200, 100);
    ASSERT_TRUE(ActivateAndWait(&otherWindow));

    // The second call brings the same window to the front.
    EXPECT_EQ(corvanta::OpenHelpWindow(), help);
    EXPECT_EQ(HelpWindowCount(), 1);
    EXPECT_TRUE(QTest::qWaitForWindowActive(help, kWaitMs));
    EXPECT_EQ(corvanta::ExistingHelpWindow(), help);
}

TEST_F(HelpWindow, OpeningAgainRestoresAMinimisedWindow)
{
    Form2* help = OpenAndWait();
    ASSERT_NE(help, nullptr);
    help->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([help] { return help->isMinimized(); }, kWaitMs));
    EXPECT_EQ(corvanta::OpenHelpWindow(), help);
    EXPECT_TRUE(QTest::qWaitFor([help] { return !help->isMinimized() && help->isVisible(); }, kWaitMs))
        << "the help window stays minimised";
    EXPECT_TRUE(QTest::qWaitForWindowActive(help, kWaitMs));
}

TEST_F(HelpWindow, CloseDestroysAndReopeningStartsAfresh)
{
    QPointer<Form2> help = OpenAndWait();
    ASSERT_FALSE(help.isNull());
    const QImage page = help->Picture1()->Drawing().copy();
    QTest::mouseClick(help->Command1(), Qt::LeftButton);
    EXPECT_FALSE(help->isVisible());
    RunDeferredDeletes();
    EXPECT_TRUE(help.isNull());
    EXPECT_EQ(corvanta::ExistingHelpWindow(), nullptr);
    EXPECT_EQ(HelpWindowCount(), 0);

    QPointer<Form2> again = OpenAndWait();
    ASSERT_FALSE(again.isNull());
    EXPECT_EQ(HelpWindowCount(), 1);
    EXPECT_TRUE(again->Picture1()->Drawing() == page);
    EXPECT_TRUE(QTest::qWaitFor([&again] { return QApplication::focusWidget() == again->Command1(); }, kWaitMs));

    // The frame's close button closes and destroys it the same way.
    ASSERT_NE(again->windowHandle(), nullptr);
    EXPECT_TRUE(again->windowHandle()->close());
    RunDeferredDeletes();
    EXPECT_TRUE(again.isNull());
    EXPECT_EQ(corvanta::ExistingHelpWindow(), nullptr);
}

TEST_F(HelpWindow, CloseAtProgramEndDestroysAtOnce)
{
    QPointer<Form2> help = OpenAndWait();
    ASSERT_FALSE(help.isNull());
    corvanta::CloseHelpWindow();
    EXPECT_TRUE(help.isNull());
    EXPECT_EQ(corvanta::ExistingHelpWindow(), nullptr);
    // Nothing left to close.
    corvanta::CloseHelpWindow();
    EXPECT_EQ(HelpWindowCount(), 0);
}

} // namespace
