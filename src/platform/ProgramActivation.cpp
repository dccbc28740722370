#include "ProgramActivation.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWindow>

namespace corvanta {

ProgramActivation& ProgramActivation::Instance()
{
    static ProgramActivation* instance = new ProgramActivation; // lives as long as the application
    return *instance;
}

ProgramActivation::ProgramActivation()
{
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &ProgramActivation::OnFocusWindowChanged);
}

bool ProgramActivation::NoteActive(QWidget* window)
{
    if (window == nullptr || last_ == window) {
        return false;
    }
    last_ = window;
    return true;
}

void ProgramActivation::OnFocusWindowChanged()
{
    // A null active window means another program is active: nothing changes for ours.
    QWidget* window = QApplication::activeWindow();
    if (window != nullptr && NoteActive(window)) {
        emit activated(window);
    }
}

} // namespace corvanta
