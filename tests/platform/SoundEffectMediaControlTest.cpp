// The commands of SoundEffectMediaControl, with no sound server: what is open when.
#include "sound/SoundEffectMediaControl.h"
#include "platform/PlayCue.h"

#include "CueDesign.h"
#include "WaveTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using corvanta::PlayCue;
using corvanta::SoundEffectMediaControl;
using corvanta::cues::kRisingCueFileName;
using namespace corvanta::test;

constexpr char kCue[] = "pinpon.wav";

TEST(SoundEffectMediaControl, CommandsWithoutAFileDoNothing)
{
    SoundEffectMediaControl control;
    control.SetCommand("Sound");
    control.SetCommand("Open"); // no name given yet
    control.SetCommand("Sound");
    control.SetCommand("Eject"); // not a command it knows
    control.SetCommand("");
    control.SetCommand("Stop");
    control.SetCommand("Close");
    EXPECT_FALSE(control.IsOpen());
    EXPECT_FALSE(control.IsLoading());
    EXPECT_EQ(control.PlaysStarted(), 0);
}

TEST(SoundEffectMediaControl, OpenResolvesTheNameAgainstTheCurrentDirectoryAtOpenTime)
{
    QTemporaryDir withCue;
    QTemporaryDir withoutCue;
    ASSERT_TRUE(withCue.isValid() && withoutCue.isValid());
    ASSERT_TRUE(QFile::copy(CuePath(kRisingCueFileName), withCue.filePath(kCue)));

    SoundEffectMediaControl control;
    control.SetFileName(kCue);
    {
        const CurrentDirectory current(withoutCue.path());
        control.SetCommand("Open");
        EXPECT_FALSE(control.IsOpen());
    }
    {
        const CurrentDirectory current(withCue.path());
        control.SetCommand("Open");
        EXPECT_TRUE(control.IsOpen());
        EXPECT_EQ(control.OpenFileName(), QDir(QDir::currentPath()).filePath(kCue));
    }
    // Once open, the file stays open whatever the current directory.
    EXPECT_TRUE(control.IsOpen());
    control.SettleBeforeExit();
    EXPECT_FALSE(control.IsLoading());
}

TEST(SoundEffectMediaControl, CloseReleasesTheFileAndCommandWordsIgnoreCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(kCue);
    ASSERT_TRUE(QFile::copy(CuePath(kRisingCueFileName), path));

    SoundEffectMediaControl control;
    control.SetFileName(path.toStdString());
    control.SetCommand("open");
    ASSERT_TRUE(control.IsOpen());
    EXPECT_EQ(control.OpenFileName(), path);
    control.SetCommand("STOP");
    EXPECT_TRUE(control.IsOpen()) << "Stop leaves the file open";
    control.SetCommand("Close");
    EXPECT_FALSE(control.IsOpen());
    EXPECT_TRUE(control.OpenFileName().isEmpty());
    control.SetCommand("Sound");
    control.SettleBeforeExit();
    EXPECT_EQ(control.PlaysStarted(), 0) << "nothing is open to play";
}

} // namespace
