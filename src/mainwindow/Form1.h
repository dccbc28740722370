#pragma once

#include "Form1Handlers.h"

#include "platform/Form1Controls.h"

#include <QTimer>
#include <QWidget>

#include <array>
#include <functional>

class QFrame;
class QLabel;
class QMessageBox;
class QPushButton;

namespace corvanta {

class SurfaceWidget;

// The main window: builds its controls from the layout table, implements the controls the
// experiment drives, and routes the toolkit's events to the handlers.
class Form1 final : public QWidget, public Form1Controls, private Form1Shell {
    Q_OBJECT

public:
    Form1(MediaControl& mmControl1, RandomSource& random, Clock& clock);
    ~Form1() override;

    Form1Handlers& Handlers() { return handlers_; }

    // Form1Controls
    Surface& Picture1() override;
    Surface& Picture3() override;
    Surface& Picture4() override;
    void MovePicture2(float left, float top) override;
    void SetPicture2Visible(bool visible) override;
    void SetMarkerVisible(int bin, int element, bool visible) override;
    void SetLabel1Caption(std::string_view text) override;
    void SetCommandEnabled(int command, bool enabled) override;
    void SetTimer1Enabled(bool enabled) override;
    void SetTimer1Interval(int milliseconds) override;
    void SetMousePointer(MousePointer pointer) override;

    // Widgets by their layout names, for tests and accessibility.
    QPushButton* Command(int number) const { return commands_.at(static_cast<std::size_t>(number)); }
    QLabel* Label(int number) const { return labels_.at(static_cast<std::size_t>(number)); }
    SurfaceWidget* Picture(int number) const { return pictures_.at(static_cast<std::size_t>(number)); }
    QFrame* Sprite() const { return picture2_; }
    QFrame* Marker(int bin, int element);
    const QTimer& Timer1() const { return timer1_; }

    // How the exit box is shown: exec() by default; tests inspect the box and return at once.
    std::function<void(QMessageBox&)> exitBoxPresenter;
    // How the program ends after the exit box: quits the event loop by default.
    std::function<void()> programEnder;

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMarkers();
    void RunActivation();
    void UpdateAccessibleRow(int pictureNumber);
    void UpdateBoardDescription();

    // Form1Shell
    void OpenHelpWindow() override;
    void ShowExitBox() override;
    void EndProgram() override;

    std::array<QPushButton*, 7> commands_ {}; // [1..6]
    std::array<QLabel*, 4> labels_ {}; // [1..3]
    std::array<SurfaceWidget*, 5> pictures_ {}; // [1], [3], [4]
    QFrame* picture2_ = nullptr;
    std::array<std::array<QFrame*, 21>, 12> markers_ {}; // [bin][element], 1-based
    QTimer timer1_;
    Form1Handlers handlers_;
};

} // namespace corvanta
