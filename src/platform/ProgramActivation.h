#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace corvanta {

// Tells a window when it becomes the program's active window coming from another window of the
// program, or for the first time. Switching to another program and back is not such an
// activation: the program's last active window is still the same one.
class ProgramActivation : public QObject {
    Q_OBJECT

public:
    static ProgramActivation& instance();

    // Records `window` as the program's active window. Returns true when that is a change (or the
    // first time), which is when the window's activation handler should run.
    bool noteActive(QWidget* window);

signals:
    void activated(QWidget* window);

private:
    ProgramActivation();
    void onFocusWindowChanged();

    QPointer<QWidget> last_;
};

} // namespace corvanta
