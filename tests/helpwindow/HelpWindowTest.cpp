#include "helpwindow/HelpWindow.h"

#include <QApplication>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

namespace corvanta {
namespace {

// The help page as it stands on the screen.
QImage page(HelpWindow* help)
{
    return help->findChild<QWidget*>("page")->grab().toImage();
}

TEST(HelpWindow, OneWindowRestoredWhenMinimisedAndBuiltAfreshAfterClose)
{
    QPointer<HelpWindow> help = HelpWindow::open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    const QImage printed = page(help);
    int dark = 0;
    for (int y = 0; y < printed.height(); ++y) {
        for (int x = 0; x < printed.width(); ++x) {
            dark += qGray(printed.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 1000) << "the page is printed as the window shows";

    QWidget mainWindow; // leaving for another window of the program and coming back reprints the page
    mainWindow.show();
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    EXPECT_EQ(HelpWindow::open(), help) << "a second press shows the same window";
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(page(help), printed) << "the page stands once";
    EXPECT_EQ(
        std::ranges::count_if(QApplication::topLevelWidgets(), [](auto* w) { return qobject_cast<HelpWindow*>(w); }),
        1);

    help->showMinimized();
    ASSERT_TRUE(QTest::qWaitFor([&] { return help->isMinimized(); }));
    HelpWindow::open();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !help->isMinimized() && help->isActiveWindow(); })) << "Help restores it";

    QTest::mouseClick(help->findChild<QWidget*>("closeButton"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull()) << "Close destroys the window";
    QPointer<HelpWindow> fresh = HelpWindow::open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fresh));
    EXPECT_EQ(page(fresh), printed);
    HelpWindow::closeIfOpen();
    EXPECT_TRUE(fresh.isNull());
}

} // namespace
} // namespace corvanta
