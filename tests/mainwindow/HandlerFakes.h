#pragma once

#include "FakeControls.h"

#include "mainwindow/Form1Handlers.h"
#include "platform/MediaControl.h"

#include <string>
#include <vector>

namespace corvanta::test {

// Logs the media control's properties into the controls' journal, so cue and control order show.
class JournalMediaControl final : public MediaControl {
public:
    explicit JournalMediaControl(RecordingControls& controls)
        : controls_(controls)
    {
    }
    void SetCommand(std::string_view command) override { Log("MMControl1.Command " + std::string(command)); }
    void SetFileName(std::string_view fileName) override { Log("MMControl1.FileName " + std::string(fileName)); }
    int sounds = 0;

private:
    void Log(std::string entry)
    {
        sounds += entry == "MMControl1.Command Sound" ? 1 : 0;
        if (controls_.recordJournal) {
            controls_.journal.push_back(std::move(entry));
        }
    }
    RecordingControls& controls_;
};

class JournalShell final : public Form1Shell {
public:
    explicit JournalShell(RecordingControls& controls)
        : controls_(controls)
    {
    }
    void OpenHelpWindow() override { Log("Form2.Show"), ++helpOpened; }
    void ShowExitBox() override { Log("MsgBox This software will exit."); }
    void EndProgram() override { Log("End"), ended = true; }
    int helpOpened = 0;
    bool ended = false;

private:
    void Log(const char* entry)
    {
        if (controls_.recordJournal) {
            controls_.journal.emplace_back(entry);
        }
    }
    RecordingControls& controls_;
};

} // namespace corvanta::test
