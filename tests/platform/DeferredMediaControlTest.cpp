// The program's media control loads the real player at the first cue, and is silent without it.
#include "platform/DeferredMediaControl.h"
#include "platform/PlayCue.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace corvanta {
namespace {

TEST(DeferredMediaControl, LoadsThePlayerAtTheFirstCueOnly)
{
    DeferredMediaControl control({QStringLiteral("/nonexistent"), QStringLiteral(CORVANTA_SOUND_LIBRARY_DIR)});
    control.SettleBeforeExit();
    EXPECT_FALSE(control.Loaded()) << "settling never loads the player";
    PlayCue(control, "no-such-cue.wav");
    EXPECT_TRUE(control.Loaded()) << "found in the second folder";
}

TEST(DeferredMediaControl, WithoutThePlayerEveryCueIsSilentAndReturns)
{
    QTemporaryDir empty;
    ASSERT_TRUE(empty.isValid());
    // A file of the library's name that is no library at all is refused as well.
    QFile fake(QDir(empty.path()).filePath(QString::fromLatin1(DeferredMediaControl::kLibraryName)));
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write("not a shared library");
    fake.close();

    DeferredMediaControl control({empty.path()});
    ::testing::internal::CaptureStderr();
    for (int press = 0; press < 3; ++press) {
        PlayCue(control, "pinpon.wav");
    }
    const std::string warnings = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(control.Loaded());
    EXPECT_EQ(std::count(warnings.begin(), warnings.end(), '\n'), 1) << "one warning, not one per cue: " << warnings;
    control.SettleBeforeExit();
}

} // namespace
} // namespace corvanta
