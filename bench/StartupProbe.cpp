// Linked into a program beside its own main(): reports how long the program took from launch to its
// first complete frame, and its peak memory until then, then ends the process at once.
//
// The runner takes a CLOCK_MONOTONIC timestamp (ns) just before it starts the process and passes it
// in CORVANTA_PROBE_LAUNCH_NS. When a top-level window receives its first paint event, a zero-delay
// timer is queued: it fires only after the whole widget tree has been painted and flushed to the
// display, so the reported time covers the complete first frame. The report is one line on stdout:
//
//     startup_ns=<now - launch> maxrss_kb=<peak resident set size>
//
// The process then ends with _Exit(0): tearing down would add nothing to what is measured.
#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/resource.h>

namespace {

long long MonotonicNs()
{
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

[[noreturn]] void ReportAndExit()
{
    const long long now = MonotonicNs();
    const char* launchText = std::getenv("CORVANTA_PROBE_LAUNCH_NS");
    const long long launch = launchText != nullptr ? std::atoll(launchText) : 0;
    rusage usage {};
    ::getrusage(RUSAGE_SELF, &usage);
    if (launch > 0) {
        std::printf("startup_ns=%lld maxrss_kb=%ld\n", now - launch, usage.ru_maxrss);
    } else {
        std::printf("startup_ns=-1 maxrss_kb=%ld\n", usage.ru_maxrss);
    }
    std::fflush(stdout);
    std::_Exit(0);
}

class FirstFrameFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!queued_ && event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget*>(watched)->isWindow()) {
            queued_ = true;
            QTimer::singleShot(0, [] { ReportAndExit(); });
        }
        return false;
    }

private:
    bool queued_ = false;
};

// Runs inside the QCoreApplication constructor, before the program builds any window.
void InstallFirstFrameFilter()
{
    QCoreApplication::instance()->installEventFilter(new FirstFrameFilter(QCoreApplication::instance()));
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(InstallFirstFrameFilter)
