#include "FakeControls.h"

#include <algorithm>
#include <cstdio>

namespace corvanta::test {

namespace {

std::string Number(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(value));
    return text;
}

} // namespace

RecordingSurface::RecordingSurface(std::string name, std::vector<std::string>& journal, const bool& recordJournal)
    : name_(std::move(name))
    , journal_(journal)
    , record_(recordJournal)
{
}

void RecordingSurface::Cls()
{
    if (record_)
        journal_.push_back(name_ + ".Cls");
    printed.clear();
    lineCount = 0;
    x_ = 0.0f;
    y_ = 0.0f;
}

void RecordingSurface::SetCurrentX(float x)
{
    if (record_)
        journal_.push_back(name_ + ".CurrentX " + Number(x));
    x_ = x;
}

void RecordingSurface::SetCurrentY(float y)
{
    if (record_)
        journal_.push_back(name_ + ".CurrentY " + Number(y));
    y_ = y;
}

void RecordingSurface::Print(std::string_view text)
{
    if (record_)
        journal_.push_back(name_ + ".Print " + std::string(text));
    // Text printed again at the same place stands over itself.
    auto same
        = std::find_if(printed.begin(), printed.end(), [this](const Printed& p) { return p.x == x_ && p.y == y_; });
    if (same != printed.end()) {
        same->text = text;
    } else if (!text.empty()) {
        printed.push_back({x_, y_, std::string(text)});
    }
    x_ = 0.0f;
    y_ += 1.0f;
}

void RecordingSurface::Line(float x1, float y1, float x2, float y2, Rgb colour)
{
    if (record_)
        journal_.push_back(name_ + ".Line " + Number(x1) + " " + Number(y1) + " " + Number(x2) + " " + Number(y2) + " "
            + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," + std::to_string(colour.blue));
    ++lineCount;
}

RecordingControls::RecordingControls()
{
    commandEnabled.fill(true);
}

void RecordingControls::MovePicture2(float left, float top)
{
    if (recordJournal)
        journal.push_back("Picture2.Move " + Number(left) + " " + Number(top));
    spriteLeft = left;
    spriteTop = top;
}

void RecordingControls::SetPicture2Visible(bool visible)
{
    if (recordJournal)
        journal.push_back(std::string("Picture2.Visible ") + (visible ? "1" : "0"));
    spriteVisible = visible;
}

void RecordingControls::SetMarkerVisible(int bin, int element, bool visible)
{
    if (recordJournal)
        journal.push_back(
            "o" + std::to_string(bin) + "(" + std::to_string(element) + ").Visible " + (visible ? "1" : "0"));
    markerVisible.at(static_cast<std::size_t>(bin)).at(static_cast<std::size_t>(element)) = visible;
}

void RecordingControls::SetLabel1Caption(std::string_view text)
{
    if (recordJournal)
        journal.push_back("Label1.Caption " + std::string(text));
    label1 = text;
}

void RecordingControls::SetCommandEnabled(int command, bool enabled)
{
    if (recordJournal)
        journal.push_back("Command" + std::to_string(command) + ".Enabled " + (enabled ? "1" : "0"));
    commandEnabled.at(static_cast<std::size_t>(command)) = enabled;
}

void RecordingControls::SetTimer1Enabled(bool enabled)
{
    if (recordJournal)
        journal.push_back(std::string("Timer1.Enabled ") + (enabled ? "1" : "0"));
    timerEnabled = enabled;
}

void RecordingControls::SetTimer1Interval(int milliseconds)
{
    if (recordJournal)
        journal.push_back("Timer1.Interval " + std::to_string(milliseconds));
    timerInterval = milliseconds;
}

void RecordingControls::SetMousePointer(MousePointer pointer_)
{
    if (recordJournal)
        journal.push_back(std::string("MousePointer ") + (pointer_ == MousePointer::Hourglass ? "11" : "1"));
    pointer = pointer_;
}

std::vector<std::string> RecordingControls::TakeJournal()
{
    std::vector<std::string> taken;
    taken.swap(journal);
    return taken;
}

int RecordingControls::VisibleMarkers(int bin) const
{
    int count = 0;
    for (int element = 1; element <= 20; ++element) {
        count += markerVisible.at(static_cast<std::size_t>(bin)).at(static_cast<std::size_t>(element)) ? 1 : 0;
    }
    return count;
}

} // namespace corvanta::test
