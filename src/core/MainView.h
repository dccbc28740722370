#pragma once

#include "Surface.h"

#include <span>
#include <string>
#include <string_view>

namespace corvanta {

enum class Button { Fast, Slow, Stop, Init, Help, Exit };
// The strips' headings, by name: the view says them in the user's language.
enum class Heading { Theory, Ratio };

// The main window as the experiment and the run controller drive it.
class MainView {
public:
    virtual ~MainView() = default;

    virtual Surface& board() = 0; // 40 x 20 board units
    virtual Surface& theoryRow() = 0; // the theoretical probabilities
    virtual Surface& ratioRow() = 0; // the ratios found by the experiment

    // The ball sprite, placed by its top-left corner in board units.
    virtual void moveBall(float left, float top) = 0;
    virtual void setBallVisible(bool visible) = 0;
    // The marker of the level-th ball (1..20, from the bottom) in bin 1..11.
    virtual void setMarkerVisible(int bin, int level, bool visible) = 0;
    virtual void setCount(std::string_view text) = 0;
    // The balls in bins 1..11, for whoever cannot see the markers: after each landing and reset.
    virtual void showBinCounts(std::span<const int> counts) = 0;
    // The texts a strip shows under bins 1..11 (none: its heading alone), for whoever cannot see the
    // strip: after each print of its values and each clear.
    virtual void showStripTexts(Heading strip, std::span<const std::string> texts) = 0;
    // In UTF-8, ready to print.
    virtual std::string heading(Heading which) = 0;
    // The decimal sign of the strips' numbers, as the user's language writes it: "." or ",".
    virtual std::string decimalSign() = 0;

    virtual void setButtonEnabled(Button button, bool enabled) = 0;
    virtual void setStepTimerEnabled(bool enabled) = 0;
    virtual void setStepInterval(int milliseconds) = 0;
    // The hourglass while Init hides the markers.
    virtual void setBusy(bool busy) = 0;

    // Shows the one help window, creating it when there is none.
    virtual void openHelp() = 0;
    // "This software will exit." with its single OK; returns when it is dismissed.
    virtual void confirmExit() = 0;
    // Ends the program: every window closes and no further handler runs.
    virtual void endProgram() = 0;
};

} // namespace corvanta
