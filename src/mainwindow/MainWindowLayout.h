#pragma once

#include <QRgb>

#include <array>

namespace corvanta {

// The main window's controls as data, one row each, positions and sizes in twips from the client
// area's top-left corner. MainWindow builds its widgets from this table alone.

enum class ControlKind { Button, Label, Surface };

struct ControlRow {
    const char* name; // the widget's object name
    ControlKind kind;
    int left, top, width, height;
    const char* caption;
    QRgb back; // kDefaultColour: the toolkit's
    double fontPoints; // 0: the window's font
    bool bold;
    int tabIndex;
    double unitAcrossTwips, unitDownTwips; // surfaces: one user unit across and down
    const char* accessibleName;
};

inline constexpr QRgb kDefaultColour = 0;
inline constexpr QRgb kTitleOrange = qRgb(255, 192, 128);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);

// clang-format off
inline constexpr std::array<ControlRow, 12> kMainWindowControls { {
    // name            kind                   left   top   width height caption                  back          points  bold  tab  unit across  unit down  accessible name
    { "exitButton",   ControlKind::Button,   1320,    0,   975,  375, "Exit",                  kDefaultColour, 11.25, false, 225, 0, 0, "Exit" },
    { "titleLabel",   ControlKind::Label,    3240,    0,  5535,  375, "Corvanta",              kTitleOrange,   15.75, true,  227, 0, 0, "Corvanta" },
    { "helpButton",   ControlKind::Button,   9000,    0,   975,  375, "Help",                  kDefaultColour, 11.25, false, 232, 0, 0, "Help" },
    { "initButton",   ControlKind::Button,   9960,    0,   975,  375, "Init",                  kDefaultColour, 11.25, false, 229, 0, 0, "Init" },
    { "board",        ControlKind::Surface,  1320,  480,  9615, 6015, "",                      kDefaultColour, 0,     false,   1, 238.875, 297.75, "Board" },
    { "theoryRow",    ControlKind::Surface,   120, 6600,  9615,  255, "",                      kDefaultColour, 0,     false, 230, 238.87605, 31.500925, "Theoretical mathematical probability" },
    { "ratioRow",     ControlKind::Surface,   120, 6960,  9615,  255, "",                      kDefaultColour, 0,     false, 231, 238.87605, 31.500925, "Ratio from experimental results" },
    { "countCaption", ControlKind::Label,     720, 7440,  1455,  495, "Number of Experiments", kWhite,          9.75, true,  226, 0, 0, "Number of Experiments" },
    { "countLabel",   ControlKind::Label,    2310, 7440,  1035,  465, "",                      kWhite,         15.75, true,  223, 0, 0, "Number of Experiments" },
    { "fastButton",   ControlKind::Button,   3720, 7440,  1815,  375, "HightSpeed",            kDefaultColour, 12,    false,   0, 0, 0, "HightSpeed" },
    { "slowButton",   ControlKind::Button,   5760, 7440,  1815,  375, "LowSpeed",              kDefaultColour, 12,    false, 233, 0, 0, "LowSpeed" },
    { "stopButton",   ControlKind::Button,   7800, 7440,  1815,  375, "Stop",                  kDefaultColour, 12,    false, 224, 0, 0, "Stop" },
} };
// clang-format on

// The window: its client area and where it is first placed, in twips.
inline constexpr int kWindowWidth = 12225;
inline constexpr int kWindowHeight = 8310;
inline constexpr int kWindowLeft = 2775;
inline constexpr int kWindowTop = 1500;
inline constexpr char kWindowTitle[] = " Corvanta ";

// The rule under the title row, in the window-text colour; the buttons cover it.
inline constexpr int kRuleLeft = 1320;
inline constexpr int kRuleRight = 9840;
inline constexpr int kRuleY = 360;

// The ball and the markers: red squares of 135 twips with the sunken frame, on the board.
inline constexpr int kSquareTwips = 135;
inline constexpr QRgb kSquareRed = qRgb(255, 0, 0);
// Where the ball stands until the first activation moves it to its start.
inline constexpr int kBallStoredLeft = 4800;
inline constexpr int kBallStoredTop = 1320;
constexpr int markerLeft(int bin)
{
    return 2400 + 480 * (bin - 1);
}
constexpr int markerTop(int level)
{
    return 5640 - 120 * (level - 1);
}

// The timer's interval before either speed button sets its own.
inline constexpr int kStepTimerStoredInterval = 150;

} // namespace corvanta
