#include "ProgramActivation.h"

#include <QApplication>
#include <QEvent>
#include <QHash>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace corvanta {

namespace {

QPointer<QWidget> lastActive; // the program's active window, or the last one it had: any window of the program
QHash<QWidget*, std::function<void()>> handlers;

void noteActive(QWidget* window)
{
    // A null active window means another program is active: nothing changes for ours.
    if (window != nullptr && window != lastActive) {
        lastActive = window;
        if (handlers.contains(window)) {
            handlers[window]();
        }
    }
}

class ShowWatch final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* window, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            noteActive(static_cast<QWidget*>(window));
        }
        return false;
    }
};

} // namespace

void onProgramActivation(QWidget& window, std::function<void()> activated)
{
    [[maybe_unused]] static const auto focusChanges = QObject::connect(
        qApp, &QGuiApplication::focusWindowChanged, [] { noteActive(QApplication::activeWindow()); });
    handlers.insert(&window, std::move(activated));
    QObject::connect(&window, &QObject::destroyed, [destroyed = &window] { handlers.remove(destroyed); });
    window.installEventFilter(new ShowWatch(&window));
}

} // namespace corvanta
