#pragma once

#include "core/MainView.h"
#include "core/RunController.h"

#include <QRgb>
#include <QtGlobal>

#include <array>
#include <optional>

namespace corvanta {

// The main window's controls as data, one row each, positions and sizes in twips from the client
// area's top-left corner. MainWindow builds its widgets from this table alone.

// What a row is: a button, a label (the title, the count or another) or a drawing surface (the board
// or one of the two strips).
enum class ControlKind { Button, Title, Label, Count, Board, TheoryRow, RatioRow };

struct ControlRow {
    const char* name; // the widget's object name, which tests and accessibility tools find it by
    ControlKind kind;
    std::optional<Button> button; // a button: which one
    void (RunController::*clicked)(); // a button: the handler a click runs
    int left, top, width, height;
    const char* caption; // English; MainWindow translates it
    QRgb back; // kDefaultColour: the toolkit's
    double fontPoints; // 0: the window's font
    bool bold;
    int tabIndex;
    double unitAcrossTwips, unitDownTwips; // surfaces: one user unit across and down
    const char* accessibleName; // nullptr: the caption
};

inline constexpr QRgb kDefaultColour = 0;
inline constexpr QRgb kTitleOrange = qRgb(255, 192, 128);
inline constexpr QRgb kWhite = qRgb(255, 255, 255);
// The board's light grey, under its blue lattice, black bins and red squares on any desktop style.
inline constexpr QRgb kBoardGrey = qRgb(0xef, 0xef, 0xef);

// Texts shown in more than one place. The program's name, "Corvanta", is the same in every language.
inline constexpr char kTheoryHeading[]
    = QT_TRANSLATE_NOOP("corvanta::MainWindow", "Theoretical mathematical probability");
inline constexpr char kRatioHeading[] = QT_TRANSLATE_NOOP("corvanta::MainWindow", "Ratio from experimental results");
inline constexpr char kCountCaption[] = QT_TRANSLATE_NOOP("corvanta::MainWindow", "Number of Experiments");

// The strips' scale, in twips: practically the board's across, so that each value stands under its bin.
inline constexpr double kStripUnitAcross = 238.87605;
inline constexpr double kStripUnitDown = 31.500925;

// clang-format off
inline constexpr std::array<ControlRow, 12> kMainWindowControls { {
    // name            kind                     button        clicked               left   top   width height caption                                                          back           points  bold  tab  unit across  unit down  accessible name, when not the caption
    { "exitButton",   ControlKind::Button,     Button::Exit, &RunController::exit, 1320,    0,   975,  375, QT_TRANSLATE_NOOP("corvanta::MainWindow", "Exit"),                  kDefaultColour, 11.25, false, 225, 0, 0, nullptr },
    { "titleLabel",   ControlKind::Title,      {},           nullptr,              3240,    0,  5535,  375, "Corvanta",                                                         kTitleOrange,   15.75, true,  227, 0, 0, nullptr },
    { "helpButton",   ControlKind::Button,     Button::Help, &RunController::help, 9000,    0,   975,  375, QT_TRANSLATE_NOOP("corvanta::MainWindow", "Help"),                  kDefaultColour, 11.25, false, 232, 0, 0, nullptr },
    { "initButton",   ControlKind::Button,     Button::Init, &RunController::init, 9960,    0,   975,  375, QT_TRANSLATE_NOOP("corvanta::MainWindow", "Init"),                  kDefaultColour, 11.25, false, 229, 0, 0, nullptr },
    { "board",        ControlKind::Board,      {},           nullptr,              1320,  480,  9615, 6015, "",                                                                 kBoardGrey,     0,     false,   1, 238.875, 297.75, QT_TRANSLATE_NOOP("corvanta::MainWindow", "Board") },
    { "theoryRow",    ControlKind::TheoryRow,  {},           nullptr,               120, 6600,  9615,  255, "",                                                                 kDefaultColour, 0,     false, 230, kStripUnitAcross, kStripUnitDown, kTheoryHeading },
    { "ratioRow",     ControlKind::RatioRow,   {},           nullptr,               120, 6960,  9615,  255, "",                                                                 kDefaultColour, 0,     false, 231, kStripUnitAcross, kStripUnitDown, kRatioHeading },
    { "countCaption", ControlKind::Label,      {},           nullptr,               720, 7440,  1455,  495, kCountCaption,                                                      kWhite,          9.75, true,  226, 0, 0, nullptr },
    { "countLabel",   ControlKind::Count,      {},           nullptr,              2310, 7440,  1035,  465, "",                                                                 kWhite,         15.75, true,  223, 0, 0, kCountCaption },
    { "fastButton",   ControlKind::Button,     Button::Fast, &RunController::fast, 3720, 7440,  1815,  375, QT_TRANSLATE_NOOP("corvanta::MainWindow", "HightSpeed"),            kDefaultColour, 12,    false,   0, 0, 0, nullptr },
    { "slowButton",   ControlKind::Button,     Button::Slow, &RunController::slow, 5760, 7440,  1815,  375, QT_TRANSLATE_NOOP("corvanta::MainWindow", "LowSpeed"),              kDefaultColour, 12,    false, 233, 0, 0, nullptr },
    { "stopButton",   ControlKind::Button,     Button::Stop, &RunController::stop, 7800, 7440,  1815,  375, QT_TRANSLATE_NOOP("corvanta::MainWindow", "Stop"),                  kDefaultColour, 12,    false, 224, 0, 0, nullptr },
} };
// clang-format on

// The window: its client area and where it is first placed, in twips.
inline constexpr int kWindowWidth = 12225;
inline constexpr int kWindowHeight = 8310;
inline constexpr int kWindowLeft = 2775;
inline constexpr int kWindowTop = 1500;
inline constexpr char kWindowTitle[] = " Corvanta ";

// The rule under the title row, in the window-text colour (the title's ink across the title); the
// buttons cover it.
inline constexpr int kRuleLeft = 1320;
inline constexpr int kRuleRight = 9840;
inline constexpr int kRuleY = 360;

// The ball and the markers: red squares of 135 twips with the sunken frame, on the board.
inline constexpr int kSquareTwips = 135;
inline constexpr QRgb kSquareRed = qRgb(255, 0, 0);
// Where the ball stands until the first activation moves it to its start.
inline constexpr int kBallInitialLeft = 4800;
inline constexpr int kBallInitialTop = 1320;
constexpr int markerLeft(int bin)
{
    return 2400 + 480 * (bin - 1);
}
constexpr int markerTop(int level)
{
    return 5640 - 120 * (level - 1);
}

} // namespace corvanta
