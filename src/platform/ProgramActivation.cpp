#include "ProgramActivation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

namespace corvanta {

ProgramActivation& ProgramActivation::instance()
{
    static ProgramActivation* instance = new ProgramActivation; // lives as long as the application
    return *instance;
}

ProgramActivation::ProgramActivation()
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ProgramActivation::onFocusWindowChanged);
}

bool ProgramActivation::noteActive(QWidget* window)
{
    if (window == nullptr || last_ == window) {
        return false;
    }
    last_ = window;
    return true;
}

void ProgramActivation::onFocusWindowChanged()
{
    // A null active window means another program is active: nothing changes for ours.
    QWidget* window = QApplication::activeWindow();
    if (window != nullptr && noteActive(window)) {
        emit activated(window);
    }
}

} // namespace corvanta
