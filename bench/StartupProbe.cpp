// Linked beside a program's own main(): when the program's first complete frame is on the screen,
// prints its peak resident memory (maxrss_kb=N) and ends the process at once.
//
// At the first paint event of a window a zero-delay timer is queued; it fires only after the whole
// widget tree has been painted and flushed to the display.
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <sys/resource.h>

namespace {

class FirstFrame final : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
            QCoreApplication::instance()->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                rusage usage {};
                ::getrusage(RUSAGE_SELF, &usage);
                std::printf("maxrss_kb=%ld\n", usage.ru_maxrss);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
};

void watchForTheFirstFrame()
{
    QCoreApplication::instance()->installEventFilter(new FirstFrame);
}

} // namespace

Q_COREAPP_STARTUP_FUNCTION(watchForTheFirstFrame)
