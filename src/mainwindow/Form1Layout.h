#pragma once

#include <QRgb>

#include <array>

namespace corvanta {

// The main window's controls as data: one row per control, positions and sizes in twips measured
// from the client area's top-left corner. Form1 builds its widgets from this table alone.

enum class ControlKind { PushButton, Label, Surface };
enum class FontId { Default, F1, F2, F3, F4 };

struct ControlSpec {
    const char* name;
    ControlKind kind;
    int left, top, width, height; // twips
    const char* caption;
    QRgb back; // 0 = the toolkit's default
    FontId font;
    int tabIndex;
    double unitAcrossTwips; // surfaces: one user unit across and down, in twips
    double unitDownTwips;
    const char* accessibleName;
};

inline constexpr QRgb kNoColour = 0;

// clang-format off
inline constexpr std::array<ControlSpec, 12> kForm1Controls { {
    // name        kind                    left   top   width height caption                  back                     font          tab  unit across  unit down   accessible name
    { "Command3", ControlKind::PushButton, 1320,    0,   975,  375, "Exit",                  kNoColour,                FontId::F2, 225, 0, 0, "Exit" },
    { "Label3",   ControlKind::Label,      3240,    0,  5535,  375, "Corvanta",              qRgb(255, 192, 128),      FontId::F3, 227, 0, 0, "Corvanta" },
    { "Command5", ControlKind::PushButton, 9000,    0,   975,  375, "Help",                  kNoColour,                FontId::F2, 232, 0, 0, "Help" },
    { "Command4", ControlKind::PushButton, 9960,    0,   975,  375, "Init",                  kNoColour,                FontId::F2, 229, 0, 0, "Init" },
    { "Picture1", ControlKind::Surface,    1320,  480,  9615, 6015, "",                      kNoColour,                FontId::Default, 1, 238.875, 297.75, "Board" },
    { "Picture3", ControlKind::Surface,     120, 6600,  9615,  255, "",                      kNoColour,                FontId::Default, 230, 238.87605, 31.500925, "Theoretical mathematical probability" },
    { "Picture4", ControlKind::Surface,     120, 6960,  9615,  255, "",                      kNoColour,                FontId::Default, 231, 238.87605, 31.500925, "Ratio from experimental results" },
    { "Label2",   ControlKind::Label,       720, 7440,  1455,  495, "Number of Experiments", qRgb(255, 255, 255),      FontId::F4, 226, 0, 0, "Number of Experiments" },
    { "Label1",   ControlKind::Label,      2310, 7440,  1035,  465, "",                      qRgb(255, 255, 255),      FontId::F3, 223, 0, 0, "Number of Experiments" },
    { "Command1", ControlKind::PushButton, 3720, 7440,  1815,  375, "HightSpeed",            kNoColour,                FontId::F1,   0, 0, 0, "HightSpeed" },
    { "Command6", ControlKind::PushButton, 5760, 7440,  1815,  375, "LowSpeed",              kNoColour,                FontId::F1, 233, 0, 0, "LowSpeed" },
    { "Command2", ControlKind::PushButton, 7800, 7440,  1815,  375, "Stop",                  kNoColour,                FontId::F1, 224, 0, 0, "Stop" },
} };
// clang-format on

// The window: client area and its stored position on the screen, in twips.
inline constexpr int kForm1Width = 12225;
inline constexpr int kForm1Height = 8310;
inline constexpr int kForm1Left = 2775;
inline constexpr int kForm1Top = 1500;
inline constexpr char kForm1Caption[] = " Corvanta ";

// Line2: a 1-pixel rule in the window-text colour under the title row; buttons cover it.
inline constexpr int kLine2X1 = 1320;
inline constexpr int kLine2X2 = 9840;
inline constexpr int kLine2Y = 360;

// The ball sprite and the markers: 135-twip red squares with the sunken frame, on Picture1.
inline constexpr int kSquareTwips = 135;
inline constexpr QRgb kSquareRed = qRgb(255, 0, 0);
inline constexpr int kSpriteStoredLeft = 4800; // replaced by the first activation
inline constexpr int kSpriteStoredTop = 1320;
// Element j of marker array o<b> (twips inside Picture1's frame).
constexpr int MarkerLeft(int bin)
{
    return 2400 + 480 * (bin - 1);
}
constexpr int MarkerTop(int element)
{
    return 5640 - 120 * (element - 1);
}

inline constexpr int kTimer1DesignInterval = 150;

} // namespace corvanta
