// The main window on the offscreen platform: what a tick repaints, and how long Init's reset of the
// 220 markers takes.
#include "support/NullControls.h"

#include "helpwindow/Form2.h"
#include "mainwindow/Form1.h"
#include "platform/Clock.h"
#include "platform/LayoutFonts.h"
#include "platform/MemoryTuning.h"
#include "platform/RandomSource.h"

#include <QApplication>
#include <QFrame>
#include <QPaintEvent>
#include <QPushButton>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace corvanta {
namespace {

// Adds up the area of every paint event of the window's widgets (CORVANTA_PAINT_TRACE=1 lists them).
class PaintMeter final : public QObject {
public:
    explicit PaintMeter(QWidget* window)
        : window_(window)
    {
    }
    qint64 area = 0;
    int events = 0;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* widget = qobject_cast<QWidget*>(object);
            if (widget != nullptr && (widget == window_ || window_->isAncestorOf(widget))) {
                const QRect rect = static_cast<QPaintEvent*>(event)->rect();
                for (const QRect& part : static_cast<QPaintEvent*>(event)->region()) {
                    area += static_cast<qint64>(part.width()) * part.height();
                }
                ++events;
                if (std::getenv("CORVANTA_PAINT_TRACE") != nullptr) {
                    std::fprintf(stderr, "%s %d,%d %dx%d\n", qPrintable(widget->objectName()), rect.x(), rect.y(),
                        rect.width(), rect.height());
                }
            }
        }
        return false;
    }

private:
    QWidget* window_;
};

struct Window {
    test::ListMediaControl mmControl1;
    TimeMixedRandom random {3};
    SystemClock clock;
    Form1 form {mmControl1, random, clock};
    Window()
    {
        form.show();
        [[maybe_unused]] const bool exposed = QTest::qWaitForWindowExposed(&form);
        QCoreApplication::processEvents();
    }
};

void TickRepaint(benchmark::State& state)
{
    Window window;
    window.form.Command(1)->click();
    QCoreApplication::processEvents();
    PaintMeter meter(&window.form);
    qApp->installEventFilter(&meter);
    qint64 ticks = 0;
    for (auto _ : state) {
        window.form.Handlers().Timer1_Timer();
        QCoreApplication::processEvents(); // paints what the tick changed
        ++ticks;
        if (!window.form.Timer1().isActive()) { // a bin is full: start a fresh run, unmeasured
            state.PauseTiming();
            qApp->removeEventFilter(&meter);
            window.form.Command(4)->click();
            window.form.Command(1)->click();
            QCoreApplication::processEvents();
            qApp->installEventFilter(&meter);
            state.ResumeTiming();
        }
    }
    qApp->removeEventFilter(&meter);
    state.counters["painted_px_per_tick"] = static_cast<double>(meter.area) / static_cast<double>(ticks);
    state.counters["paint_events_per_tick"] = static_cast<double>(meter.events) / static_cast<double>(ticks);
    state.counters["board_px"] = 641.0 * 401.0;
}
BENCHMARK(TickRepaint)->Unit(benchmark::kMicrosecond);

void InitMarkerReset(benchmark::State& state)
{
    Window window;
    for (auto _ : state) {
        state.PauseTiming();
        for (int bin = 1; bin <= 11; ++bin) {
            for (int element = 1; element <= 20; ++element) {
                window.form.SetMarkerVisible(bin, element, true);
            }
        }
        window.form.Command(2)->setEnabled(false);
        window.form.Command(4)->setEnabled(true);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.form.Command(4)->click(); // Init: cue, resets, 220 markers hidden
        QCoreApplication::processEvents(); // and the repaint that follows
    }
}
BENCHMARK(InitMarkerReset)->Unit(benchmark::kMillisecond);

long ResidentKilobytes()
{
    long pages = 0;
    long resident = 0;
    if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// One help window opened and closed.
void HelpCycle(Window& window)
{
    window.form.Command(5)->click();
    QCoreApplication::processEvents();
    CloseHelpWindow();
    window.form.activateWindow();
    QCoreApplication::processEvents();
}

// One complete run, then Init; a Stop at the start of the next leaves Help enabled again.
void CompleteRun(Window& window)
{
    window.form.Command(1)->click();
    while (window.form.Timer1().isActive()) {
        window.form.Handlers().Timer1_Timer();
    }
    QCoreApplication::processEvents();
    window.form.Command(4)->click();
    window.form.Command(1)->click();
    window.form.Command(2)->click();
    QCoreApplication::processEvents();
}

// Resident memory after 1,000 help-window cycles and 100 complete runs, against after the first of each.
void SoakResidentGrowth(benchmark::State& state)
{
    for (auto _ : state) {
        Window window;
        HelpCycle(window);
        CompleteRun(window);
        const long afterFirst = ResidentKilobytes();
        for (int cycle = 1; cycle < 1000; ++cycle) {
            HelpCycle(window);
            if (cycle % 10 == 0) {
                CompleteRun(window);
            }
        }
        state.counters["rss_after_first_kb"] = static_cast<double>(afterFirst);
        state.counters["rss_growth_kb"] = static_cast<double>(ResidentKilobytes() - afterFirst);
        state.counters["balls_landed_last_run"] = window.form.Handlers().experiment.State.ExperimentCount;
    }
}
// What handing freed memory back costs when a help window closes, with the program's heap around.
void ReturnFreedMemory(benchmark::State& state)
{
    Window window;
    HelpCycle(window);
    for (auto _ : state) {
        ReturnFreedMemoryToTheSystem();
    }
}
BENCHMARK(ReturnFreedMemory)->Unit(benchmark::kMicrosecond);

BENCHMARK(SoakResidentGrowth)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace corvanta

int main(int argc, char** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication::setAttribute(Qt::AA_Use96Dpi);
    QApplication app(argc, argv);
    corvanta::RegisterLayoutFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
