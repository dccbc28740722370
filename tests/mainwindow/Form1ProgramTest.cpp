// The main window as a user meets it: the exit box, keyboard use, screen readers, closing by the frame.
#include "ShownForm1.h"
#include "support/NullControls.h"

#include "helpwindow/Form2.h"
#include "mainwindow/Form1.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "platform/SurfaceWidget.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace corvanta {
namespace {

struct Form1ProgramTest : test::ShownForm1 {
    Form1ProgramTest()
        : ShownForm1(9)
    {
    }
    // Runs ticks until a ball has landed.
    void LandOneBall()
    {
        for (int tick = 0; tick < 11; ++tick) {
            form->Handlers().Timer1_Timer();
        }
    }
};

TEST_F(Form1ProgramTest, ExitPlaysItsCueThenAsksWithAPlainBoxAndEndsTheProgram)
{
    form->Command(5)->click();
    ASSERT_NE(ExistingHelpWindow(), nullptr);
    mmControl1.calls.clear();

    QString text, title;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::Information;
    Qt::WindowModality modality = Qt::NonModal;
    std::vector<std::string> callsWhenShown;
    form->exitBoxPresenter = [&](QMessageBox& box) {
        text = box.text();
        title = box.windowTitle();
        buttons = box.standardButtons();
        icon = box.icon();
        modality = box.windowModality();
        callsWhenShown = mmControl1.calls;
    };
    // The default ender quits the event loop; run one to see it end with status 0.
    QTimer::singleShot(0, form.get(), [this] { form->Command(3)->click(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 0);

    EXPECT_EQ(text, QStringLiteral("This software will exit."));
    EXPECT_EQ(title, QStringLiteral("Corvanta"));
    EXPECT_EQ(buttons, QMessageBox::Ok);
    EXPECT_EQ(icon, QMessageBox::NoIcon);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(callsWhenShown,
        (std::vector<std::string> {
            "Command Stop", "Command Close", "FileName endpinpon.wav", "Command Open", "Command Sound"}))
        << "the cue starts before the box opens";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(ExistingHelpWindow(), nullptr) << "the help window goes too";
    EXPECT_FALSE(form->isVisible());
}

TEST_F(Form1ProgramTest, SpacePressesTheFocusedButtonAndTabSkipsDisabledOnes)
{
    ASSERT_EQ(QApplication::focusWidget(), form->Command(1));
    QTest::keyClick(form->Command(1), Qt::Key_Space);
    EXPECT_TRUE(form->Timer1().isActive()) << "Space pressed HightSpeed";
    EXPECT_EQ(form->Timer1().interval(), 50);
    // HightSpeed is now disabled; focus moves on to a button that can be pressed.
    form->Command(6)->setFocus();
    QTest::keyClick(form->Command(6), Qt::Key_Space);
    EXPECT_EQ(form->Timer1().interval(), 300);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    EXPECT_TRUE(focused->isEnabled());
}

TEST_F(Form1ProgramTest, ScreenReadersFindEveryControlAndBothRows)
{
    auto name = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); };
    EXPECT_EQ(name(form->Command(1)), QStringLiteral("HightSpeed"));
    EXPECT_EQ(name(form->Command(4)), QStringLiteral("Init"));
    EXPECT_EQ(name(form->Label(3)), QStringLiteral("Corvanta"));
    EXPECT_EQ(name(form->Picture(1)), QStringLiteral("Board"));
    EXPECT_EQ(name(form->Picture(3)), QStringLiteral("Theoretical mathematical probability"));
    EXPECT_EQ(name(form->Picture(4)), QStringLiteral("Ratio from experimental results"));
    EXPECT_EQ(name(form->Label(1)), QStringLiteral("Number of Experiments: 0"));

    auto description
        = [](QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description); };
    EXPECT_EQ(description(form->Picture(3)),
        QStringLiteral("Theoretical mathematical probability: bin 1 0.001, bin 2 0.010, bin 3 0.044, bin 4 0.117, "
                       "bin 5 0.205, bin 6 0.246, bin 7 0.205, bin 8 0.117, bin 9 0.044, bin 10 0.010, bin 11 0.001"));
    EXPECT_EQ(description(form->Picture(4)), QStringLiteral("Ratio from experimental results"));

    form->Command(1)->click();
    LandOneBall();
    EXPECT_EQ(name(form->Label(1)), QStringLiteral("Number of Experiments: 1"));
    form->Command(2)->click();
    const QString row = description(form->Picture(4));
    EXPECT_TRUE(row.startsWith(QStringLiteral("Ratio from experimental results: bin 1 "))) << row.toStdString();
    EXPECT_EQ(row.count(QStringLiteral("1.000")), 1) << row.toStdString();
    EXPECT_EQ(row.count(QStringLiteral("0.000")), 10) << row.toStdString();
    form->Command(6)->click();
    EXPECT_EQ(description(form->Picture(4)), QStringLiteral("Ratio from experimental results"))
        << "back to the heading";
}

TEST_F(Form1ProgramTest, ClosingTheMainWindowByItsFrameWaitsForTheHelpWindow)
{
    form->Command(5)->click();
    Form2* help = ExistingHelpWindow();
    ASSERT_NE(help, nullptr);
    form->activateWindow();
    form->Command(1)->click();
    ASSERT_TRUE(form->Timer1().isActive());

    // Inside a running event loop, as in the program: the loop must outlive the main window and end
    // with the help window.
    bool stillRunningAfterMainClosed = false;
    QTimer::singleShot(0, form.get(), [&] {
        form->close();
        EXPECT_FALSE(form->Timer1().isActive()) << "no tick works on a closed window";
        QTimer::singleShot(20, help, [&] {
            stillRunningAfterMainClosed = true;
            help->close();
        });
    });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QCoreApplication::exec(), 0);
    EXPECT_TRUE(stillRunningAfterMainClosed) << "the program lives while the help window is open";
}

TEST_F(Form1ProgramTest, ReturningFromHelpDuringARunDisablesStopAndInit)
{
    form->Command(1)->click();
    form->Command(2)->click();
    form->Command(5)->click();
    Form2* help = ExistingHelpWindow();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    form->Command(6)->click(); // the run goes on at the slow pace while the help window is open
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    EXPECT_TRUE(form->Timer1().isActive());
    EXPECT_FALSE(form->Command(2)->isEnabled()) << "Stop";
    EXPECT_FALSE(form->Command(4)->isEnabled()) << "Init";
    EXPECT_TRUE(form->Command(1)->isEnabled());
    form->Command(1)->click();
    EXPECT_TRUE(form->Command(2)->isEnabled()) << "the other speed button enables Stop again";
}

} // namespace
} // namespace corvanta
