#pragma once

#include <QWidget>

class QPushButton;
class QShowEvent;

namespace corvanta {

class SurfaceWidget;

// The help window: a modeless top-level window without owner that shows the help page on its
// drawing surface. The page is drawn afresh whenever the window becomes the program's active
// window coming from another window of the program (and on its first showing); switching to
// another program and back leaves the drawing as it is.
class Form2 : public QWidget {
    Q_OBJECT

public:
    Form2();

    QPushButton* Command1() const { return command1_; }
    QWidget* Line1() const { return line1_; }
    SurfaceWidget* Picture1() const { return picture1_; }

    // The activation handler: clears Picture1 and prints the help page line by line.
    void Form_Activate();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* line1_;
    QPushButton* command1_;
    SurfaceWidget* picture1_;
    bool shownBefore_ = false;
};

// Opens the help window, creating it when none exists, and brings it to the front. There is never
// more than one help window; after it is closed the next call creates a fresh one.
Form2* OpenHelpWindow();
// The help window when one exists, else nullptr.
Form2* ExistingHelpWindow();
// Closes and destroys the help window if it exists (at the program's end).
void CloseHelpWindow();

} // namespace corvanta
