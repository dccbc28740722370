#pragma once
// The main window as a user would see and hear it, for the core to drive: what stands on the board and the strips, the
// buttons and the timer, the ball, the markers and the count, each cue as it sounds and what opens. It also hands the
// core scripted draws and a clock that stands or steps.
#include "core/Clock.h"
#include "core/CuePlayer.h"
#include "core/Experiment.h"
#include "core/MainView.h"
#include "core/RandomSource.h"

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace corvanta::test {

// A position as a person writes it: 19.8, 0.9, 20.05.
inline std::string number(float value)
{
    std::ostringstream text;
    text << static_cast<double>(value);
    return text.str();
}

inline std::string point(float x, float y)
{
    return "(" + number(x) + ", " + number(y) + ")";
}

// What stands on a surface: the texts by place, a print at the same place replacing what stood there, and the lines in
// the order they were first drawn.
struct RecordedSurface final : Surface {
    std::map<std::pair<float, float>, std::string> texts;
    std::vector<std::pair<std::string, std::string>> lines; // the two ends, and the colour
    float cursorX = 0;
    float cursorY = 0;

    void clear() override
    {
        texts.clear();
        lines.clear();
    }
    void moveCursor(float x, float y) override
    {
        cursorX = x;
        cursorY = y;
    }
    void printLine(std::string_view text) override { texts[{cursorX, cursorY}] = text; }
    void line(float x1, float y1, float x2, float y2, Rgb colour) override
    {
        const std::pair<std::string, std::string> drawn = {point(x1, y1) + " " + point(x2, y2), colourName(colour)};
        if (std::ranges::find(lines, drawn) == lines.end()) {
            lines.push_back(drawn);
        }
    }
    static std::string colourName(Rgb colour)
    {
        if (colour.red == 0 && colour.green == 0 && colour.blue == 255) {
            return "blue";
        }
        if (colour.red == 0 && colour.green == 0 && colour.blue == 0) {
            return "black";
        }
        return "rgb(" + std::to_string(colour.red) + ", " + std::to_string(colour.green) + ", "
            + std::to_string(colour.blue) + ")";
    }
};

struct RecordingView final : MainView, CuePlayer, RandomSource, Clock {
    RecordedSurface boardSurface;
    RecordedSurface theory;
    RecordedSurface ratios;
    std::map<Button, bool> enabled {{Button::Fast, true}, {Button::Slow, true}, {Button::Stop, true},
        {Button::Init, true}, {Button::Help, true}, {Button::Exit, true}};
    bool timerOn = false;
    int intervalMs = 150;
    std::string ball = "at its place in the layout";
    bool ballShown = true;
    std::set<std::pair<int, int>> markers; // shown, by bin and level
    std::string count;
    std::vector<std::string> heard; // the cues and what opens, in order, since the last look
    std::vector<float> draws; // one a tick, in turn
    std::size_t drawn = 0;
    float now = 43200; // the clock, in seconds since midnight
    float clockStep = 0; // how far it moves at each reading

    Surface& board() override { return boardSurface; }
    Surface& theoryRow() override { return theory; }
    Surface& ratioRow() override { return ratios; }
    void moveBall(float left, float top) override { ball = point(left, top); }
    void setBallVisible(bool shown) override { ballShown = shown; }
    void setMarkerVisible(int bin, int level, bool shown) override
    {
        if (shown) {
            markers.insert({bin, level});
        } else {
            markers.erase({bin, level});
        }
    }
    void setCount(std::string_view text) override { count = text; }
    void showBinCounts(std::span<const int>) override { }
    std::string heading(Heading which) override { return which == Heading::Theory ? "Theory" : "Ratio"; }
    std::string decimalSign() override { return "."; }
    void setButtonEnabled(Button button, bool on) override { enabled[button] = on; }
    void setStepTimerEnabled(bool on) override { timerOn = on; }
    void setStepInterval(int milliseconds) override { intervalMs = milliseconds; }
    void setBusy(bool) override { }
    void openHelp() override { heard.push_back("the help window opens"); }
    void confirmExit() override { heard.push_back("the exit box asks"); }
    void endProgram() override { heard.push_back("the program ends"); }
    void play(std::string_view file) override { heard.push_back("cue " + std::string(file)); }
    void reseed(float) override { }
    float next() override { return draws.at(drawn++); }
    float secondsSinceMidnight() override
    {
        now += clockStep;
        return now;
    }
};

// What the view shows, place by place in reading order: each entry a place and what stands there.
using Scene = std::vector<std::pair<std::string, std::string>>;

inline std::string onOff(bool on)
{
    return on ? "on" : "off";
}

// The bins' shown markers, by level: "bin 1: 1, bin 11: 1-15".
inline std::string markerStacks(const std::set<std::pair<int, int>>& markers)
{
    std::string stacks;
    for (int bin = 1; bin <= kBins; ++bin) {
        std::string levels;
        for (int level = 1; level <= kBinCapacity; ++level) {
            if (!markers.contains({bin, level})) {
                continue;
            }
            int top = level;
            while (markers.contains({bin, top + 1})) {
                ++top;
            }
            levels += levels.empty() ? "" : " ";
            levels += top == level ? std::to_string(level) : std::to_string(level) + "-" + std::to_string(top);
            level = top;
        }
        if (!levels.empty()) {
            stacks += stacks.empty() ? "" : ", ";
            stacks += "bin " + std::to_string(bin) + ": " + levels;
        }
    }
    return stacks.empty() ? "none" : stacks;
}

inline Scene scene(const RecordingView& view)
{
    Scene shown;
    shown.emplace_back("buttons",
        "fast=" + onOff(view.enabled.at(Button::Fast)) + " slow=" + onOff(view.enabled.at(Button::Slow))
            + " stop=" + onOff(view.enabled.at(Button::Stop)) + " init=" + onOff(view.enabled.at(Button::Init))
            + " help=" + onOff(view.enabled.at(Button::Help)) + " exit=" + onOff(view.enabled.at(Button::Exit))
            + " timer=" + (view.timerOn ? std::to_string(view.intervalMs) : "off"));
    shown.emplace_back("ball", view.ball + (view.ballShown ? " shown" : " hidden"));
    shown.emplace_back("count", '"' + view.count + '"');
    shown.emplace_back("markers", markerStacks(view.markers));
    for (const auto& [name, strip] : {std::pair {"theory", &view.theory}, std::pair {"ratio", &view.ratios}}) {
        for (const auto& [place, text] : strip->texts) {
            shown.emplace_back("strip " + std::string(name) + " " + point(place.first, place.second), '"' + text + '"');
        }
    }
    for (const auto& [ends, colour] : view.boardSurface.lines) {
        shown.emplace_back("board line " + ends, colour);
    }
    return shown;
}

// One line for each place whose content is new or changed, then one for each place now empty.
inline std::string changes(const Scene& before, const Scene& after)
{
    std::string lines;
    for (const auto& entry : after) {
        if (std::ranges::find(before, entry) == before.end()) {
            lines += entry.first + " " + entry.second + "\n";
        }
    }
    for (const auto& [place, content] : before) {
        if (std::ranges::find(after, place, &Scene::value_type::first) == after.end()) {
            lines += place + " gone\n";
        }
    }
    return lines;
}

} // namespace corvanta::test
