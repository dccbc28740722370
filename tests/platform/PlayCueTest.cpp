#include "platform/PlayCue.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace {

// Records every property set on it, in order.
class RecordingMediaControl final : public corvanta::MediaControl {
public:
    void SetCommand(std::string_view command) override { calls.push_back("Command=" + std::string(command)); }
    void SetFileName(std::string_view fileName) override { calls.push_back("FileName=" + std::string(fileName)); }

    std::vector<std::string> calls;
};

TEST(PlayCue, StopsClosesNamesOpensAndSoundsInThatOrder)
{
    RecordingMediaControl control;
    corvanta::PlayCue(control, "pinpon.wav");
    const std::vector<std::string> expected {
        "Command=Stop", "Command=Close", "FileName=pinpon.wav", "Command=Open", "Command=Sound"};
    EXPECT_EQ(control.calls, expected);
}

TEST(PlayCue, RepeatsTheWholeSequenceForEachCue)
{
    RecordingMediaControl control;
    corvanta::PlayCue(control, "pinpon.wav");
    corvanta::PlayCue(control, "endpinpon.wav");
    ASSERT_EQ(control.calls.size(), 10u);
    EXPECT_EQ(control.calls[5], "Command=Stop");
    EXPECT_EQ(control.calls[7], "FileName=endpinpon.wav");
    EXPECT_EQ(control.calls[9], "Command=Sound");
}

} // namespace
