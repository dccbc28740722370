#include "FirstFrame.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace corvanta {

namespace {

class FirstFrame final : public QObject {
public:
    FirstFrame(QWidget& window, std::function<void()> work)
        : QObject(&window)
        , work_(std::move(work))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* window, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            window->removeEventFilter(this);
            QTimer::singleShot(0, this, [this] {
                work_();
                deleteLater();
            });
        }
        return false;
    }

private:
    std::function<void()> work_;
};

} // namespace

void afterFirstFrame(QWidget& window, std::function<void()> work)
{
    new FirstFrame(window, std::move(work)); // owned by the window
}

} // namespace corvanta
