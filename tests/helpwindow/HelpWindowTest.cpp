// The help window on the offscreen platform, at 96 DPI and (as its own test) at twice the density.
#include "helpwindow/HelpWindow.h"

#include <QAccessible>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

using namespace corvanta;

// The page's fifteen lines: how many ideographic spaces open each, then its text.
const std::pair<int, const char*> kPage[] = {{0, ""}, {1, "【Problem】"},
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

// Each activation clears the white page and prints the lines from its top, one under the other, in
// IPAPGothic at 11.25 points set 88 % wide (so that the longest line ends inside the page), smooth.
TEST(HelpWindowTest, EveryActivationPrintsTheFifteenLinesOnceOnAWhitePage)
{
    const auto activate
        = [](QWidget* window) { return window->show(), window->activateWindow(), QTest::qWaitForWindowActive(window); };
    HelpWindow* help = HelpWindow::open();
    QWidget *page = help->findChild<QWidget*>("page"), other;
    EXPECT_EQ(help->windowTitle(), " Corvanta＿Help（Questions and Operation Method）　");
    EXPECT_EQ(page->geometry(), QRect(8, 32, 617, 281)) << "at (120, 480) twips, 9255 x 4215";
    const double r = page->devicePixelRatioF();
    QImage expected(QSize(613, 277) * r, QImage::Format_RGB32);
    expected.setDevicePixelRatio(r), expected.fill(Qt::white);
    QPainter painter(&expected);
    painter.setClipRect(0, 0, 613 - 4, 277); // no line runs into the page's last pixels, to be cut off there
    QFont font("IPAPGothic");
    font.setPointSizeF(11.25), font.setStretch(88), painter.setFont(font);
    const QFontMetricsF metrics(font, &expected);
    QStringList lines;
    for (const auto& [indent, text] : kPage) {
        lines << QString(indent, QChar(0x3000)) + QString::fromUtf8(text);
        painter.drawText(QPointF(0, metrics.height() * (lines.size() - 1) + metrics.ascent()), lines.back());
    }
    for (int activation = 0; activation < 2; ++activation) { // on opening, and on a return from another window
        ASSERT_TRUE(activation ? activate(&other) && activate(help) : QTest::qWaitForWindowActive(help));
        const QImage shown = page->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(shown.copy(QRect(QPoint(2, 2) * r, expected.size())) == expected) << "activation " << activation;
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(page)->text(QAccessible::Description), lines.join('\n'))
        << "what a screen reader reads";
}

// Help shows the one help window, restored when it was minimised, until its Close ends it.
TEST(HelpWindowTest, IsOneWindowUntilClosed)
{
    QPointer<HelpWindow> help = HelpWindow::open();
    help->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(HelpWindow::open() == help && !help->isMinimized());
    QTest::mouseClick(help->findChild<QWidget*>("closeButton"), Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return help.isNull(); }));
}
