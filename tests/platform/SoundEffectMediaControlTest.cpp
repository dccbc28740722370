// The commands of SoundEffectMediaControl, with no sound server: what is open when.
#include "sound/SoundEffectMediaControl.h"
#include "platform/PlayCue.h"

#include "CueDesign.h"
#include "WaveTestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QCoreApplication>
#include <QElapsedTimer>

#include <memory>

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

namespace {

// A player destroyed while its cue is still loading: when the loading ends afterwards, nothing may
// reach the destroyed player (AddressSanitizer reports it if it does).
TEST(SoundEffectMediaControl, LoadingThatEndsAfterThePlayerIsGoneTouchesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(kCue);
    ASSERT_TRUE(QFile::copy(CuePath(kRisingCueFileName), path));
    int stillLoading = 0;
    for (int round = 0; round < 5; ++round) {
        auto control = std::make_unique<SoundEffectMediaControl>(0);
        PlayCue(*control, path.toStdString());
        stillLoading += control->IsLoading() ? 1 : 0;
        control.reset();
        // Lets the loading finish and its status reach this thread. At this level processEvents runs no
        // deferred delete, so an effect handed to deleteLater is still there when its status arrives.
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 300) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
    }
    EXPECT_GT(stillLoading, 0) << "no player was destroyed while its cue loaded";
}

} // namespace
