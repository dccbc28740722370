// The main window on the offscreen platform: what a tick repaints, and how long Init's reset of the
// 220 markers takes.
#include "support/NullControls.h"

#include "mainwindow/Form1.h"
#include "platform/Clock.h"
#include "platform/LayoutFonts.h"
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
