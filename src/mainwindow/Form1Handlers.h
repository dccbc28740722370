#pragma once

#include "experiment/Experiment.h"

#include <cstdint>

namespace corvanta {

class Clock;
class Form1Controls;
class MediaControl;
class RandomSource;
class Surface;

// What the main window's handlers need beyond its controls: the help window, the exit
// confirmation and the end of the program.
class Form1Shell {
public:
    virtual ~Form1Shell() = default;
    virtual void OpenHelpWindow() = 0;
    // The application-modal box "This software will exit." with its single OK; returns when dismissed.
    virtual void ShowExitBox() = 0;
    // Ends the program at once: every window closes and no further handler runs.
    virtual void EndProgram() = 0;
};

// The main window's event handlers, free of the toolkit: each runs a fixed sequence of control
// settings and calls on the experiment, in a fixed order.
class Form1Handlers {
public:
    Form1Handlers(
        Form1Controls& controls, RandomSource& random, Clock& clock, MediaControl& mmControl1, Form1Shell& shell);

    Experiment experiment;
    std::int16_t ExitAnswer = 0;
    std::int16_t MarkerIndex = 0; // Init's loop index over marker elements; 21 once Init is done

    void Form_Load();
    void Form_Activate();
    void Timer1_Timer() { experiment.Timer1Tick(); }

    void Command1_Click(); // HightSpeed
    void Command2_Click(); // Stop
    void Command3_Click(); // Exit
    void Command4_Click(); // Init
    void Command5_Click(); // Help
    void Command6_Click(); // LowSpeed

private:
    // A bin is full: the run has ended and only Init starts a new one.
    bool RunFinished() const;
    void StartRun(int intervalMilliseconds, bool hightSpeedEnabled, bool lowSpeedEnabled);

    Form1Controls& controls_;
    MediaControl& mmControl1_;
    Form1Shell& shell_;
};

// The 93 lines of the board on Picture1: twenty blue diagonals of three strokes each that meet at
// the nails, then the eleven black bins.
void DrawBoard(Surface& picture1);

inline constexpr int kFastIntervalMs = 50;
inline constexpr int kSlowIntervalMs = 300;
inline constexpr char kCueInitHelp[] = "pinpon.wav";
inline constexpr char kCueExit[] = "endpinpon.wav";
inline constexpr char kTheoreticalHeading[] = "Theoretical mathematical probability";
// C(10, b - 1) / 1024 to three decimals: fixed texts, not computed.
inline constexpr const char* kTheoreticalValues[]
    = {"0.001", "0.010", "0.044", "0.117", "0.205", "0.246", "0.205", "0.117", "0.044", "0.010", "0.001"};

} // namespace corvanta
