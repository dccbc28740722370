#pragma once

#include "core/MainView.h"
#include "core/RunController.h"
#include "helpwindow/HelpWindow.h"
#include "platform/SurfaceWidget.h"

#include <QLocale>
#include <QPushButton>
#include <QTimer>

#include <array>

class QLabel;

namespace corvanta {

// The main window: builds its controls from the layout table, shows what the run controller tells
// it, and hands it the toolkit's clicks, ticks and activations.
class MainWindow final : public QWidget, public MainView {
    Q_OBJECT

public:
    MainWindow(RandomSource& random, Clock& clock, CuePlayer& cues);
    ~MainWindow() override;

    Surface& board() override { return *board_; }
    Surface& theoryRow() override { return *theoryRow_; }
    Surface& ratioRow() override { return *ratioRow_; }
    void moveBall(float left, float top) override { ballSprite_->move(board_->toWidget(left, top)); }
    void setBallVisible(bool visible) override { ballSprite_->setVisible(visible); }
    void setMarkerVisible(int bin, int level, bool visible) override { binMarker(bin, level)->setVisible(visible); }
    void setCount(std::string_view text) override;
    void showBinCounts(std::span<const int> counts) override;
    void showStripTexts(Heading strip, std::span<const std::string> texts) override;
    std::string heading(Heading which) override;
    // The program's locale is the one its language came from (installTranslations()).
    std::string decimalSign() override { return QLocale().decimalPoint().toStdString(); }
    void setButtonEnabled(Button button, bool enabled) override
    {
        buttons_.at(static_cast<std::size_t>(button))->setEnabled(enabled);
    }
    void setStepTimerEnabled(bool enabled) override;
    // Restarts a running timer with the new period.
    void setStepInterval(int milliseconds) override { stepTimer_.setInterval(milliseconds); }
    void setBusy(bool busy) override;
    void openHelp() override { HelpWindow::open(); }
    void confirmExit() override;
    void endProgram() override;

protected:
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
