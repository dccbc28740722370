#pragma once
// All the core is handed: a main window and cue player that record, scripted draws, a clock that stands or steps.
#include "core/Clock.h"
#include "core/CuePlayer.h"
#include "core/MainView.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <array>
#include <bitset>
#include <map>
#include <vector>

namespace corvanta::test {

struct FakeSurface final : Surface { // what stands printed, by place
    std::map<std::pair<float, float>, std::string> texts;
    float x = 0, y = 0;
    void clear() override { texts.clear(); }
    void moveCursor(float cx, float cy) override { x = cx, y = cy; }
    void printLine(std::string_view text) override { texts[{x, y}] = text; }
    void line(float, float, float, float, Rgb) override { }
};

struct FakeView final : MainView, CuePlayer, RandomSource, Clock {
    FakeSurface board_, theory, ratios;
    float ballX = 0, now = 43200, step = 0;
    bool ballShown = true;
    std::array<std::bitset<20>, 11> markers; // shown, by bin and level
    std::string run = "1111110150"; // HightSpeed, LowSpeed, Stop, Init, Help, Exit enabled, the timer on, its interval
    std::string count, opened;
    std::vector<std::string> events; // the cues and what their buttons open, in order
    std::vector<float> draws {0.25f}; // in turn, then the last one again
    std::size_t drawn = 0;

    Surface& board() override { return board_; }
    Surface& theoryRow() override { return theory; }
    Surface& ratioRow() override { return ratios; }
    void moveBall(float left, float) override { ballX = left; }
    void setBallVisible(bool shown) override { ballShown = shown; }
    void setMarkerVisible(int bin, int level, bool shown) override { markers.at(bin - 1).set(level - 1, shown); }
    void setCount(std::string_view text) override { count = text; }
    void showBinCounts(std::span<const int>) override { }
    std::string heading(Heading which) override { return which == Heading::Theory ? "theory" : "ratio"; }
    std::string decimalSign() override { return "."; }
    void setButtonEnabled(Button button, bool on) override { run.at(static_cast<int>(button)) = on ? '1' : '0'; }
    void setStepTimerEnabled(bool on) override { run[6] = on ? '1' : '0'; }
    void setStepInterval(int ms) override { run.replace(7, std::string::npos, std::to_string(ms)); }
    void setBusy(bool) override { }
    void openHelp() override { events.push_back("help"); }
    void confirmExit() override { events.push_back("exit box"); }
    void endProgram() override { events.push_back("end"); }
    void stop() override { }
    void close() override { opened.clear(); }
    void open(std::string_view file) override { opened = file; }
    void play() override { events.push_back("cue " + opened); }
    void reseed(float) override { }
    float next() override { return draws.at(std::min(drawn++, draws.size() - 1)); }
    float secondsSinceMidnight() override { return now += step; }
};

} // namespace corvanta::test
