#pragma once

#include "core/MainView.h"
#include "core/RunController.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace corvanta {

class SurfaceWidget;

// The main window: builds its controls from the layout table, shows what the run controller tells
// it, and hands it the toolkit's clicks, ticks and activations.
class MainWindow final : public QWidget, public MainView {
    Q_OBJECT

public:
    MainWindow(RandomSource& random, Clock& clock, CuePlayer& cues);
    ~MainWindow() override;

    Surface& board() override;
    Surface& theoryRow() override;
    Surface& ratioRow() override;
    void moveBall(float left, float top) override;
    void setBallVisible(bool visible) override;
    void setMarkerVisible(int bin, int level, bool visible) override;
    void setCount(std::string_view text) override;
    void showBinCounts(std::span<const int> counts) override;
    void showStripTexts(Heading strip, std::span<const std::string> texts) override;
    std::string heading(Heading which) override;
    std::string decimalSign() override;
    void setButtonEnabled(Button button, bool enabled) override;
    void setStepTimerEnabled(bool enabled) override;
    void setStepInterval(int milliseconds) override;
    void setBusy(bool busy) override;
    void openHelp() override;
    void confirmExit() override;
    void endProgram() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    QFrame* binMarker(int bin, int level);
    static QString listSeparator();

    std::array<QPushButton*, 6> buttons_ {}; // by Button
    SurfaceWidget* board_ = nullptr;
    SurfaceWidget* theoryRow_ = nullptr;
    SurfaceWidget* ratioRow_ = nullptr;
    QLabel* countLabel_ = nullptr;
    QFrame* ballSprite_ = nullptr;
    // Built when one is first needed, not before the first frame: the window appears sooner.
    std::array<std::array<QFrame*, 20>, 11> binMarkers_ {};
    QTimer stepTimer_;
    RunController controller_;
};

} // namespace corvanta
