#pragma once
// All the core is handed: a main window and a cue player that record, scripted draws, a clock that stands or steps.
#include "core/Clock.h"
#include "core/CuePlayer.h"
#include "core/Experiment.h"
#include "core/MainView.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <map>
#include <string>
#include <vector>

namespace corvanta::test {

// What stands printed on a surface, by place.
struct FakeSurface final : Surface {
    std::map<std::pair<float, float>, std::string> texts;
    float cursorX = 0;
    float cursorY = 0;

    void clear() override { texts.clear(); }
    void moveCursor(float x, float y) override
    {
        cursorX = x;
        cursorY = y;
    }
    void printLine(std::string_view text) override { texts[{cursorX, cursorY}] = text; }
    void line(float, float, float, float, Rgb) override { }
};

struct FakeView final : MainView, CuePlayer, RandomSource, Clock {
    FakeSurface boardSurface;
    FakeSurface theory;
    FakeSurface ratios;
    float ballLeft = 0; // where the sprite was last shown
    float ballTop = 0;
    bool ballShown = true;
    std::array<std::bitset<kBinCapacity>, kBins> markers; // shown, by bin and level
    std::map<Button, bool> enabled {{Button::Fast, true}, {Button::Slow, true}, {Button::Stop, true},
        {Button::Init, true}, {Button::Help, true}, {Button::Exit, true}};
    bool stepTimerOn = false;
    int stepIntervalMs = 150;
    std::string count;
    std::vector<std::string> events; // the cues and what their buttons open, in order
    std::vector<float> draws {0.25f}; // in turn, then the last one again
    std::size_t drawn = 0;
    float now = 43200; // the clock, in seconds since midnight
    float clockStep = 0; // how far it moves at each reading

    Surface& board() override { return boardSurface; }
    Surface& theoryRow() override { return theory; }
    Surface& ratioRow() override { return ratios; }
    void moveBall(float left, float top) override
    {
        ballLeft = left;
        ballTop = top;
    }
    void setBallVisible(bool shown) override { ballShown = shown; }
    void setMarkerVisible(int bin, int level, bool shown) override { markers.at(bin - 1).set(level - 1, shown); }
    void setCount(std::string_view text) override { count = text; }
    void showBinCounts(std::span<const int>) override { }
    void showStripTexts(Heading, std::span<const std::string>) override { }
    std::string heading(Heading which) override { return which == Heading::Theory ? "theory" : "ratio"; }
    std::string decimalSign() override { return "."; }
    void setButtonEnabled(Button button, bool on) override { enabled[button] = on; }
    void setStepTimerEnabled(bool on) override { stepTimerOn = on; }
    void setStepInterval(int milliseconds) override { stepIntervalMs = milliseconds; }
    void setBusy(bool) override { }
    void openHelp() override { events.push_back("help"); }
    void confirmExit() override { events.push_back("exit box"); }
    void endProgram() override { events.push_back("end"); }
    void play(std::string_view file) override { events.push_back("cue " + std::string(file)); }
    void reseed(float) override { }
    float next() override { return draws.at(std::min(drawn++, draws.size() - 1)); }
    float secondsSinceMidnight() override
    {
        now += clockStep;
        return now;
    }
};

} // namespace corvanta::test
