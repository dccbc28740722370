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
#include <vector>

namespace corvanta::test {

// A place as a person writes it: (19.8, 0.9).
inline std::string point(float x, float y)
{
    std::ostringstream text;
    text << '(' << static_cast<double>(x) << ", " << static_cast<double>(y) << ')';
    return text.str();
}

// What stands on a surface: the texts by place, a print at the same place replacing what stood there, and the lines.
struct RecordedSurface final : Surface {
    std::map<std::pair<float, float>, std::string> texts;
    std::vector<std::string> lines; // "(20, 1) (10, 11) rgb(0, 0, 255)", each once, in the order first drawn
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
        std::ostringstream drawn;
        drawn << point(x1, y1) << ' ' << point(x2, y2) << " rgb(" << int(colour.red) << ", " << int(colour.green)
              << ", " << int(colour.blue) << ')';
        if (std::ranges::find(lines, drawn.str()) == lines.end()) {
            lines.push_back(drawn.str());
        }
    }
};

struct RecordingView final : MainView, CuePlayer, RandomSource, Clock {
    RecordedSurface boardSurface;
    RecordedSurface theory;
    RecordedSurface ratios;
    std::map<Button, bool> enabled;
    bool timerOn = false;
    int intervalMs = 0;
    std::string ball = "where the layout puts it";
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
    void showStripTexts(Heading, std::span<const std::string>) override { }
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

inline Scene scene(RecordingView& view)
{
    const auto state = [&view](Button button) { return view.enabled[button] ? "on" : "off"; };
    std::ostringstream buttons;
    buttons << "fast=" << state(Button::Fast) << " slow=" << state(Button::Slow) << " stop=" << state(Button::Stop)
            << " init=" << state(Button::Init) << " help=" << state(Button::Help) << " exit=" << state(Button::Exit)
            << " timer=" << (view.timerOn ? std::to_string(view.intervalMs) : "off");
    std::string markers; // the levels shown in each bin: "bin 1: 1, bin 11: 1 2 3"
    for (const auto& [bin, level] : view.markers) {
        if (!view.markers.contains({bin, level - 1})) {
            markers += (markers.empty() ? "bin " : ", bin ") + std::to_string(bin) + ":";
        }
        markers += " " + std::to_string(level);
    }
    Scene shown = {{"buttons", buttons.str()}, {"ball", view.ball + (view.ballShown ? " shown" : " hidden")},
        {"count", '"' + view.count + '"'}, {"markers", markers.empty() ? "none" : markers}};
    for (const auto& [place, text] : view.theory.texts) {
        shown.emplace_back("strip theory " + point(place.first, place.second), '"' + text + '"');
    }
    for (const auto& [place, text] : view.ratios.texts) {
        shown.emplace_back("strip ratio " + point(place.first, place.second), '"' + text + '"');
    }
    for (const std::string& line : view.boardSurface.lines) {
        shown.emplace_back("board line " + line, "drawn");
    }
    return shown;
}

// One line for each place whose content is new or changed, then one for each place now empty.
inline std::string changes(const Scene& before, const Scene& after)
{
    std::string lines;
    for (const auto& [place, content] : after) {
        if (std::ranges::find(before, std::pair {place, content}) == before.end()) {
            lines += place + " " + content + "\n";
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
