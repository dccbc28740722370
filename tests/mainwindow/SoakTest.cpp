// Long use: many help windows opened and closed, many complete runs. Nothing piles up: no window
// outlives its close, and every run ends as the first did. (Under the asan preset, LeakSanitizer
// also checks that nothing leaks.)
#include "support/NullControls.h"

#include "helpwindow/Form2.h"
#include "mainwindow/Form1.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "platform/SurfaceWidget.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(Soak, AThousandHelpWindowsAndAHundredRuns)
{
    test::ListMediaControl mmControl1;
    TimeMixedRandom random(23);
    SystemClock clock;
    Form1 form(mmControl1, random, clock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    const qsizetype topLevelsAtStart = QApplication::topLevelWidgets().size();

    for (int cycle = 0; cycle < 1000; ++cycle) {
        form.Command(5)->click();
        Form2* help = ExistingHelpWindow();
        ASSERT_NE(help, nullptr) << "cycle " << cycle;
        ASSERT_EQ(QApplication::topLevelWidgets().size(), topLevelsAtStart + 1) << "one help window, cycle " << cycle;
        help->Command1()->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_EQ(ExistingHelpWindow(), nullptr) << "cycle " << cycle;
    }
    EXPECT_EQ(QApplication::topLevelWidgets().size(), topLevelsAtStart) << "every help window was destroyed";

    for (int run = 0; run < 100; ++run) {
        form.Command(run % 2 == 0 ? 1 : 6)->click();
        int ticks = 0;
        while (form.Timer1().isActive()) {
            form.Handlers().Timer1_Timer();
            ASSERT_LE(++ticks, 210 * 11) << "run " << run;
        }
        const ExperimentState& state = form.Handlers().experiment.State;
        int full = 0;
        for (int bin = 1; bin <= 11; ++bin) {
            full += state.BinCount(bin) == 20 ? 1 : 0;
            int shown = 0;
            for (int element = 1; element <= 20; ++element) {
                shown += form.Marker(bin, element)->isVisible() ? 1 : 0;
            }
            ASSERT_EQ(shown, state.BinCount(bin)) << "run " << run << " bin " << bin;
        }
        ASSERT_EQ(full, 1) << "run " << run;
        ASSERT_EQ(form.Label(1)->text(), QString::number(state.ExperimentCount)) << "run " << run;
        ASSERT_EQ(form.Picture(4)->PrintedTexts().size(), 12) << "heading and eleven ratios, run " << run;
        form.Command(4)->click();
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(form.Label(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(form.Picture(1)->PrintedTexts().size(), 0);
}

} // namespace
} // namespace corvanta
