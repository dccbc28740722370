#pragma once

#include <QWidget>

namespace corvanta {

class SurfaceWidget;

// The help window: modeless, without an owner, its page printed afresh on the drawing surface
// whenever it becomes the program's active window coming from another window of the program.
// There is never more than one; "Close" destroys it, and the next open() builds a new one.
class HelpWindow final : public QWidget {
    Q_OBJECT

public:
    // Shows the help window restored, raised and active, creating it when there is none.
    static HelpWindow* open();
    // At the program's end: destroys the help window at once, if there is one.
    static void closeIfOpen();

private:
    HelpWindow();
    void printPage();

    SurfaceWidget* page_;
};

} // namespace corvanta
