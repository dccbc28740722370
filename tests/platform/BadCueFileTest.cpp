// A cue file that cannot be played must cost nothing: PlayCue returns at once, nothing is handed to
// QSoundEffect, nothing is played. Each case puts something bad under the cue's name in a temporary
// current directory.
#include "platform/PlayCue.h"
#include "sound/SoundEffectMediaControl.h"

#include "CueDesign.h"
#include "WaveTestSupport.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <string>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

using corvanta::PlayCue;
using corvanta::SoundEffectMediaControl;
using corvanta::cues::kRisingCueFileName;
using namespace corvanta::test;
using namespace std::chrono_literals;

constexpr char kCue[] = "pinpon.wav";
constexpr qint64 kBoundNs = 50'000'000; // 50 ms

class BadCueFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        // Searchable by every user, so a case may look at it under another filesystem uid.
        ASSERT_EQ(::chmod(QFile::encodeName(dir_.path()).constData(), 0755), 0);
        current_.emplace(dir_.path());
    }
    void TearDown() override { current_.reset(); }

    QString Path(const QString& name) const { return dir_.filePath(name); }
    QByteArray NativePath(const QString& name) const { return QFile::encodeName(Path(name)); }

    bool CopyRealCue(const QString& name) const { return QFile::copy(CuePath(kRisingCueFileName), Path(name)); }

    // Plays the cue once through a fresh control: it must return within 50 ms and leave nothing
    // open, loading or played.
    void ExpectQuickSilence(const std::string& label)
    {
        SCOPED_TRACE(label);
        SoundEffectMediaControl control;
        QElapsedTimer timer;
        timer.start();
        PlayCue(control, kCue);
        const qint64 elapsedNs = timer.nsecsElapsed();
        RecordProperty("elapsed_us_" + label, static_cast<int>(elapsedNs / 1000));
        EXPECT_LT(elapsedNs, kBoundNs);
        EXPECT_FALSE(control.IsOpen());
        EXPECT_TRUE(control.OpenFileName().isEmpty());
        EXPECT_FALSE(control.IsLoading());
        EXPECT_EQ(control.PlaysStarted(), 0);
    }

    QTemporaryDir dir_;
    std::optional<CurrentDirectory> current_;
};

// The control group: an intact copy of the generated cue is opened, so what the other cases
// refuse is refused because of the file.
TEST_F(BadCueFile, IntactCopyIsOpened)
{
    ASSERT_TRUE(CopyRealCue(kCue));
    SoundEffectMediaControl control;
    QElapsedTimer timer;
    timer.start();
    PlayCue(control, kCue);
    EXPECT_LT(timer.nsecsElapsed(), kBoundNs);
    EXPECT_TRUE(control.IsOpen());
    EXPECT_EQ(control.OpenFileName(), QDir(QDir::currentPath()).filePath(kCue));
    EXPECT_TRUE(SoundEffectMediaControl::IsPlayableWaveFile(Path(kCue)));
    control.SettleBeforeExit();
    EXPECT_FALSE(control.IsLoading());
}

TEST_F(BadCueFile, MissingFile)
{
    ASSERT_FALSE(QFile::exists(Path(kCue)));
    ExpectQuickSilence("missing");
}

// Drops the privilege of root to read any file, for the calling thread only, by switching its
// filesystem uid; an ordinary user keeps its own uid.
class FilesystemUid {
public:
    explicit FilesystemUid(uid_t uid)
        : previous_(static_cast<uid_t>(::setfsuid(uid)))
    {
    }
    ~FilesystemUid() { ::setfsuid(previous_); }
    FilesystemUid(const FilesystemUid&) = delete;
    FilesystemUid& operator=(const FilesystemUid&) = delete;

private:
    uid_t previous_;
};

TEST_F(BadCueFile, UnreadableFile)
{
    ASSERT_TRUE(CopyRealCue(kCue));
    ASSERT_EQ(::chmod(NativePath(kCue).constData(), 0), 0);
    constexpr uid_t kNobody = 65534;
    std::optional<FilesystemUid> asNobody;
    if (::geteuid() == 0) {
        asNobody.emplace(kNobody);
    }
    const int probe = ::open(NativePath(kCue).constData(), O_RDONLY | O_NONBLOCK);
    if (probe >= 0) {
        ::close(probe);
        GTEST_SKIP() << "this process reads a file of mode 000 even under another filesystem uid, so no file is "
                        "unreadable to it here";
    }
    ASSERT_EQ(errno, EACCES);
    ExpectQuickSilence("unreadable");
}

TEST_F(BadCueFile, CorruptFiles)
{
    const QByteArray good = MakeWave(1, 1, 44100, 16, 4410);
    std::vector<std::pair<std::string, QByteArray>> cases;
    {
        QByteArray noise;
        std::uint32_t state = 12345;
        for (int i = 0; i < 4096; ++i) {
            state = state * 1103515245u + 12345u;
            noise.append(static_cast<char>(state >> 24));
        }
        cases.emplace_back("random_bytes", noise);
    }
    cases.emplace_back("text", QByteArray("this is not a sound\n"));
    cases.emplace_back("riff_but_not_wave", QByteArray(good).replace(8, 4, "AVI "));
    cases.emplace_back("big_endian_rifx", QByteArray(good).replace(0, 4, "RIFX"));
    cases.emplace_back("three_channels", MakeWave(1, 3, 44100, 16, 4410));
    cases.emplace_back("no_channels", MakeWave(1, 0, 44100, 16, 4410));
    cases.emplace_back("sample_rate_zero", MakeWave(1, 1, 0, 16, 4410));
    cases.emplace_back("empty_data", MakeWave(1, 1, 44100, 16, 0));
    cases.emplace_back("fmt_too_short", QByteArray(good).replace(16, 4, QByteArray("\x0c\x00\x00\x00", 4)));
    cases.emplace_back("no_fmt_chunk", QByteArray(good).replace(12, 4, "junk"));
    cases.emplace_back("no_data_chunk", QByteArray(good).replace(36, 4, "junk"));
    {
        // The data chunk before the format: it cannot be interpreted when it is reached.
        QByteArray swapped = good.left(12);
        swapped.append(good.mid(36));
        swapped.append(good.mid(12, 24));
        cases.emplace_back("data_before_fmt", swapped);
    }
    for (const auto& [label, bytes] : cases) {
        ASSERT_TRUE(WriteBytes(Path(kCue), bytes));
        ExpectQuickSilence(label);
    }
}

TEST_F(BadCueFile, TruncatedFiles)
{
    QFile real(CuePath(kRisingCueFileName));
    ASSERT_TRUE(real.open(QIODevice::ReadOnly));
    const QByteArray whole = real.readAll();
    ASSERT_EQ(whole.size(), corvanta::cues::kCueFileBytes);
    const std::vector<std::pair<std::string, qsizetype>> cases {{"empty", 0}, {"inside_riff_header", 8},
        {"inside_fmt_chunk", 30}, {"header_only", 44}, {"half_the_samples", whole.size() / 2},
        {"one_byte_short", whole.size() - 1}};
    for (const auto& [label, length] : cases) {
        ASSERT_TRUE(WriteBytes(Path(kCue), whole.left(length)));
        ExpectQuickSilence(label);
    }
}

TEST_F(BadCueFile, DirectoryWithTheCueName)
{
    ASSERT_TRUE(QDir(dir_.path()).mkdir(kCue));
    ExpectQuickSilence("directory");
}

// Opening a named pipe for reading blocks until a writer comes. Should the call under test block
// there, this opens the writing end after two seconds to release it, so the test fails on its bound
// instead of hanging.
class PipeReleaser {
public:
    explicit PipeReleaser(QByteArray path)
        : path_(std::move(path))
        , thread_([this] { Watch(); })
    {
    }
    ~PipeReleaser()
    {
        {
            const std::lock_guard lock(mutex_);
            done_ = true;
        }
        changed_.notify_all();
        thread_.join();
    }
    PipeReleaser(const PipeReleaser&) = delete;
    PipeReleaser& operator=(const PipeReleaser&) = delete;

private:
    void Watch()
    {
        std::unique_lock lock(mutex_);
        if (!changed_.wait_for(lock, 2s, [this] { return done_; })) {
            const int writer = ::open(path_.constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                ::close(writer);
            }
        }
    }

    QByteArray path_;
    std::mutex mutex_;
    std::condition_variable changed_;
    bool done_ = false;
    std::thread thread_;
};

TEST_F(BadCueFile, NamedPipeWithTheCueName)
{
    ASSERT_EQ(::mkfifo(NativePath(kCue).constData(), 0644), 0);
    {
        const PipeReleaser releaser(NativePath(kCue));
        ExpectQuickSilence("fifo");
    }
    // The same pipe reached through a symbolic link with the cue's name.
    ASSERT_TRUE(QFile::rename(Path(kCue), Path("pipe")));
    ASSERT_TRUE(QFile::link(Path("pipe"), Path(kCue)));
    {
        const PipeReleaser releaser(NativePath("pipe"));
        ExpectQuickSilence("symlink_to_fifo");
    }
}

TEST_F(BadCueFile, FileLargerThan16MiB)
{
    constexpr std::int64_t kLimit = SoundEffectMediaControl::kMaxFileBytes;
    ASSERT_EQ(kLimit, 16 * 1024 * 1024);
    // A sound header that is fine in itself, in a sparse file one byte over the limit.
    ASSERT_TRUE(WriteBytes(Path(kCue), MakeWave(1, 1, 44100, 16, 4410)));
    ASSERT_EQ(::truncate(NativePath(kCue).constData(), kLimit + 1), 0);
    struct stat info { };
    ASSERT_EQ(::stat(NativePath(kCue).constData(), &info), 0);
    ASSERT_EQ(info.st_size, kLimit + 1);
    EXPECT_LT(info.st_blocks * 512, 1024 * 1024) << "the file should be sparse";
    ExpectQuickSilence("over_16_MiB");

    // The limit itself is still accepted.
    ASSERT_EQ(::truncate(NativePath(kCue).constData(), kLimit), 0);
    EXPECT_TRUE(SoundEffectMediaControl::IsPlayableWaveFile(Path(kCue)));
}

// The header check accepts what QSoundEffect plays: stereo, and chunks it does not know before the
// samples (with their padding byte when the length is odd).
TEST(CueFileCheck, AcceptsStereoAndUnknownChunksBeforeTheSamples)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString stereo = dir.filePath("stereo.wav");
    ASSERT_TRUE(WriteBytes(stereo, MakeWave(1, 2, 48000, 16, 4800)));
    EXPECT_TRUE(SoundEffectMediaControl::IsPlayableWaveFile(stereo));

    QByteArray withList = MakeWave(1, 1, 44100, 16, 4410);
    withList.insert(36, QByteArray("LIST\x05\x00\x00\x00INFOx\x00", 14));
    const QString listed = dir.filePath("listed.wav");
    ASSERT_TRUE(WriteBytes(listed, withList));
    EXPECT_TRUE(SoundEffectMediaControl::IsPlayableWaveFile(listed));

    EXPECT_FALSE(SoundEffectMediaControl::IsPlayableWaveFile(dir.filePath("absent.wav")));
    EXPECT_FALSE(SoundEffectMediaControl::IsPlayableWaveFile(QString()));
}

} // namespace
