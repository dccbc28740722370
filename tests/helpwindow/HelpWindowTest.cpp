// The help window on the offscreen platform, at 96 DPI and (as its own test) at twice the density.
#include "helpwindow/HelpWindow.h"

#include <QAccessible>
#include <QPainter>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvanta;

// One line of the page: how many ideographic spaces open it, then its text.
struct PageLine {
    int indent;
    const char* text;
};
const PageLine kPage[] = {{0, ""}, {1, "【Problem】"},
    {7, "When one pachinko ball hits nails and falls while splitting into left and right , "},
    {6, "where does the pachinko ball fall ?"},
    {7, "However , when the pachinko ball hits the nails and divides into left and right , "},
    {6, "the division is the same for the left and right."},
    {7, "Is there a place where pachinko balls can easily fall ? Or is it the same "}, {6, "everywhere ?"}, {0, ""},
    {0, ""}, {1, "【Operation Method】"},
    {6, "■Coppare the theoretical numbers with the numbers from the experimental results."},
    {7, "When you click the［HighSpeed］button , the pachinko ball will fall at high speed."},
    {7, "When you click the［LowSpeed］button , the pachinko ball will fall at low speed."},
    {7, "When you click the［Stop］button , the pachinko ball will stop falling."}};

// Each activation clears the white page and prints the lines from its top, one under the other, in IPAPGothic at
// 11.25 points set 88 % wide (so that the longest line ends inside the page), smooth. Help shows the one help window,
// restored when it was minimised; Close ends it, and Help builds it anew: the same page, the focus on Close.
TEST(HelpWindowTest, EveryActivationPrintsTheFifteenLinesOnceOnAWhitePageOfTheOneHelpWindow)
{
    const double ratio = QGuiApplication::primaryScreen()->devicePixelRatio();
    QImage expected(QSize(613, 277) * ratio, QImage::Format_RGB32);
    expected.setDevicePixelRatio(ratio);
    expected.fill(Qt::white);
    QPainter painter(&expected);
    painter.setClipRect(0, 0, 613 - 4, 277); // no line runs into the page's last pixels, to be cut off there
    QFont font("IPAPGothic");
    font.setPointSizeF(11.25);
    font.setStretch(88);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &expected);
    QStringList lines;
    for (const PageLine& line : kPage) {
        lines << QString(line.indent, QChar(0x3000)) + QString::fromUtf8(line.text);
        painter.drawText(QPointF(0, metrics.height() * (lines.size() - 1) + metrics.ascent()), lines.back());
    }
    const auto shows = [&](QWidget* page) { // inside its frame
        const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return shown.copy(QRect(QPoint(2, 2) * ratio, expected.size())) == expected;
    };
    for (int opening = 1; opening <= 2; ++opening) { // the window as first built, and built anew after Close
        QPointer<HelpWindow> help = HelpWindow::open();
        QWidget* page = help->findChild<QWidget*>("page");
        QWidget* close = help->findChild<QWidget*>("closeButton");
        EXPECT_EQ(help->windowTitle(), " Corvanta＿Help（Questions and Operation Method）　");
        EXPECT_EQ(page->geometry(), QRect(8, 32, 617, 281)) << "at (120, 480) twips, 9255 x 4215";
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        EXPECT_TRUE(close->hasFocus()) << "opening " << opening;
        EXPECT_TRUE(shows(page)) << "opening " << opening;
        QWidget other;
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        help->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(help));
        EXPECT_TRUE(shows(page)) << "back from another window, opening " << opening;
        help->setWindowState(Qt::WindowMinimized);
        EXPECT_EQ(HelpWindow::open(), help);
        EXPECT_FALSE(help->isMinimized());
        EXPECT_EQ(QAccessible::queryAccessibleInterface(page)->text(QAccessible::Description), lines.join('\n'))
            << "what a screen reader reads";
        QTest::mouseClick(close, Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitFor([&] { return help.isNull(); })) << "Close ends it";
    }
}
