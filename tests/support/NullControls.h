#pragma once

#include "platform/Form1Controls.h"

namespace corvanta::test {

class NullSurface final : public Surface {
public:
    void Cls() override { }
    void SetCurrentX(float) override { }
    void SetCurrentY(float) override { }
    float CurrentX() const override { return 0.0f; }
    float CurrentY() const override { return 0.0f; }
    void Print(std::string_view) override { }
    void Line(float, float, float, float, Rgb) override { }
};

// Controls that do nothing, to measure or exercise the experiment alone.
class NullControls final : public Form1Controls {
public:
    Surface& Picture1() override { return surface_; }
    Surface& Picture3() override { return surface_; }
    Surface& Picture4() override { return surface_; }
    void MovePicture2(float, float) override { }
    void SetPicture2Visible(bool) override { }
    void SetMarkerVisible(int, int, bool) override { }
    void SetLabel1Caption(std::string_view) override { }
    void SetCommandEnabled(int, bool) override { }
    void SetTimer1Enabled(bool) override { }
    void SetTimer1Interval(int) override { }
    void SetMousePointer(MousePointer) override { }

private:
    NullSurface surface_;
};

} // namespace corvanta::test

#include "platform/MediaControl.h"

#include <string>
#include <vector>

namespace corvanta::test {

// A media control that only remembers what it was told.
class ListMediaControl final : public MediaControl {
public:
    void SetCommand(std::string_view command) override { calls.push_back("Command " + std::string(command)); }
    void SetFileName(std::string_view fileName) override { calls.push_back("FileName " + std::string(fileName)); }
    std::vector<std::string> calls;
};

} // namespace corvanta::test
