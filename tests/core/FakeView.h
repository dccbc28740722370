#pragma once

#include "core/Clock.h"
#include "core/CuePlayer.h"
#include "core/MainView.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace corvanta::test {

// What stands printed on a surface, by place.
struct FakeSurface final : Surface {
    std::map<std::pair<float, float>, std::string> texts;
    float x = 0, y = 0;
    void clear() override { texts.clear(); }
    void moveCursor(float cx, float cy) override { x = cx, y = cy; }
    void printLine(std::string_view text) override { texts[{x, y}] = text; }
    void line(float, float, float, float, Rgb) override { }
};

// The main window as the core leaves it, the cues it plays and the order of what shows (events).
struct FakeView final : MainView, CuePlayer {
    FakeSurface boardSurface, theory, ratios;
    float ballX = 0, ballY = 0;
    bool timer = false;
    int interval = 150;
    std::array<std::array<bool, 20>, 11> markers {};
    std::string count, opened;
    std::vector<int> described; // the bin counts as a screen reader hears them
    std::map<Button, bool> enabled {{Button::Fast, true}, {Button::Slow, true}, {Button::Stop, true},
        {Button::Init, true}, {Button::Help, true}, {Button::Exit, true}};
    std::vector<std::string> events;

    Surface& board() override { return boardSurface; }
    Surface& theoryRow() override { return theory; }
    Surface& ratioRow() override { return ratios; }
    void moveBall(float left, float top) override { ballX = left, ballY = top; }
    void setBallVisible(bool shown) override { events.push_back(shown ? "ball shown" : "ball hidden"); }
    void setMarkerVisible(int bin, int level, bool shown) override { markers.at(bin - 1).at(level - 1) = shown; }
    void setCount(std::string_view text) override { count = text; }
    void showBinCounts(std::span<const int> counts) override { described.assign(counts.begin(), counts.end()); }
    std::string heading(Heading which) override { return which == Heading::Theory ? "theory" : "ratio"; }
    void setButtonEnabled(Button button, bool on) override { enabled[button] = on; }
    void setStepTimerEnabled(bool on) override { timer = on; }
    void setStepInterval(int ms) override { interval = ms; }
    void setBusy(bool busy) override { events.push_back(busy ? "busy" : "not busy"); }
    void openHelp() override { events.push_back("help opened"); }
    void confirmExit() override { events.push_back("exit box"); }
    void endProgram() override { events.push_back("end"); }
    void stop() override { }
    void close() override { opened.clear(); }
    void open(std::string_view file) override { opened = file; }
    void play() override { events.push_back("cue " + opened); }

    long shownMarkers(int bin) const { return std::ranges::count(markers.at(bin - 1), true); }
};

// Returns the given draws, then the last one again.
struct ScriptedRandom final : RandomSource {
    std::vector<float> draws {0.25f};
    std::size_t drawn = 0;
    void reseed(float) override { }
    float next() override { return draws.at(std::min(drawn++, draws.size() - 1)); }
};

// A clock that stands still, or moves by a fixed step at every reading.
struct FakeClock final : Clock {
    float now = 43200.0f, step = 0.0f;
    float secondsSinceMidnight() override { return now += step; }
};

} // namespace corvanta::test
