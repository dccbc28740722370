#pragma once

#include "platform/Clock.h"
#include "platform/Form1Controls.h"

#include <array>
#include <string>
#include <vector>

namespace corvanta::test {

// A surface that logs every call into a shared journal and keeps the text it shows.
class RecordingSurface final : public Surface {
public:
    RecordingSurface(std::string name, std::vector<std::string>& journal, const bool& recordJournal);

    void Cls() override;
    void SetCurrentX(float x) override;
    void SetCurrentY(float y) override;
    float CurrentX() const override { return x_; }
    float CurrentY() const override { return y_; }
    void Print(std::string_view text) override;
    void Line(float x1, float y1, float x2, float y2, Rgb colour) override;

    struct Printed {
        float x;
        float y;
        std::string text;
    };
    // What stands on the surface since the last Cls.
    std::vector<Printed> printed;
    int lineCount = 0;

private:
    std::string name_;
    std::vector<std::string>& journal_;
    const bool& record_;
    float x_ = 0.0f;
    float y_ = 0.0f;
};

// Records every call in order and keeps the controls' current state for invariant checks.
class RecordingControls final : public Form1Controls {
public:
    RecordingControls();

    Surface& Picture1() override { return picture1; }
    Surface& Picture3() override { return picture3; }
    Surface& Picture4() override { return picture4; }
    void MovePicture2(float left, float top) override;
    void SetPicture2Visible(bool visible) override;
    void SetMarkerVisible(int bin, int element, bool visible) override;
    void SetLabel1Caption(std::string_view text) override;
    void SetCommandEnabled(int command, bool enabled) override;
    void SetTimer1Enabled(bool enabled) override;
    void SetTimer1Interval(int milliseconds) override;
    void SetMousePointer(MousePointer pointer) override;

    // Returns the journal so far and starts a new one.
    std::vector<std::string> TakeJournal();
    int VisibleMarkers(int bin) const;

    // Long simulations turn the journal off and check only the kept state.
    bool recordJournal = true;
    std::vector<std::string> journal;
    RecordingSurface picture1 {"Picture1", journal, recordJournal};
    RecordingSurface picture3 {"Picture3", journal, recordJournal};
    RecordingSurface picture4 {"Picture4", journal, recordJournal};

    float spriteLeft = 0.0f;
    float spriteTop = 0.0f;
    bool spriteVisible = true;
    std::array<std::array<bool, 21>, 12> markerVisible {}; // [bin][element], 1-based
    std::string label1;
    std::array<bool, 7> commandEnabled {}; // [1..6]
    bool timerEnabled = false;
    int timerInterval = 150;
    MousePointer pointer = MousePointer::Arrow;
};

// A clock that stands still unless told to move.
class FakeClock final : public Clock {
public:
    explicit FakeClock(float start = 43200.0f, float step = 0.0f)
        : now_(start)
        , step_(step)
    {
    }
    float SecondsSinceMidnight() override
    {
        const float now = now_;
        now_ += step_;
        return now;
    }

private:
    float now_;
    float step_;
};

} // namespace corvanta::test
