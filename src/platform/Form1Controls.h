#pragma once

#include "Surface.h"

#include <string_view>

namespace corvanta {

enum class MousePointer { Arrow, Hourglass };

// The main window's controls as the experiment and the button handlers drive them.
// Buttons are named by their number: 1 HightSpeed, 2 Stop, 3 Exit, 4 Init, 5 Help, 6 LowSpeed.
class Form1Controls {
public:
    virtual ~Form1Controls() = default;

    virtual Surface& Picture1() = 0; // the board, 40 x 20 board units
    virtual Surface& Picture3() = 0; // the theoretical row
    virtual Surface& Picture4() = 0; // the experimental row

    // The ball sprite, placed by its top-left corner in board units.
    virtual void MovePicture2(float left, float top) = 0;
    virtual void SetPicture2Visible(bool visible) = 0;

    // Marker `element` (1..20, from the bottom) of the stack of bin `bin` (1..11): o<bin>(element).
    virtual void SetMarkerVisible(int bin, int element, bool visible) = 0;

    virtual void SetLabel1Caption(std::string_view text) = 0;

    // command is 1..6 (Command1..Command6).
    virtual void SetCommandEnabled(int command, bool enabled) = 0;

    virtual void SetTimer1Enabled(bool enabled) = 0;
    virtual void SetTimer1Interval(int milliseconds) = 0;

    virtual void SetMousePointer(MousePointer pointer) = 0;
};

} // namespace corvanta
