#pragma once

#include "Experiment.h"

namespace corvanta {

class CuePlayer;
class Surface;

// What sets the buttons and the step timer.
enum class RunEvent { Load, Activation, ActivationAfterTheEnd, ActivationDuringARun, Fast, Slow, Stop, BinFull, Init };

// The main window's handlers, free of the toolkit: its load and activation, the timer tick and the
// six buttons. Which buttons are enabled is the whole run state (ready, running, stopped, finished):
// kButtonRules in RunController.cpp says what each event leaves them.
class RunController {
public:
    RunController(MainView& view, RandomSource& random, Clock& clock, CuePlayer& cues);

    const Experiment& experiment() const { return experiment_; }

    void load();
    // The main window became the program's active window: draws the board and the theoretical row
    // again, shows the ball and the count.
    void activate();
    void step();

    void fast() { startRun(RunEvent::Fast); }
    void slow() { startRun(RunEvent::Slow); }
    void stop();
    void init();
    void help();
    void exit();

private:
    void setButtons(RunEvent after);
    void startRun(RunEvent speed);

    MainView& view_;
    CuePlayer& cues_;
    Experiment experiment_;
    bool running_ = false; // the step timer runs: from a speed button to Stop or a full bin
};

// The 93 lines of the board: twenty blue diagonals of three strokes each, meeting at the nails,
// then the eleven black bins.
void drawBoard(Surface& board);

} // namespace corvanta
