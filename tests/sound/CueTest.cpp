// Cue files as a teacher might leave them (made with sox), and the player on Qt Multimedia.
#include "sound/SoundEffectCuePlayer.h"
#include "sound/WaveCue.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/fsuid.h>
#include <sys/stat.h>

namespace corvanta {
namespace {

bool sox(const QString& arguments)
{
    return QProcess::execute("sox", arguments.split(' ')) == 0;
}
// 0.4 s of 880 Hz at half scale and 0.3 s of silence, in an encoding (%1), into a file (%2).
const QString kTone = "-n %1 %2 synth 0.4 sine 880 vol 0.5 pad 0 0.3";

class CueEncodings : public ::testing::TestWithParam<const char*> { };

TEST_P(CueEncodings, BecomeSixteenBitPcmOfTheSameSound)
{
    QTemporaryDir dir;
    const QString cue = dir.filePath("cue.wav"), reference = dir.filePath("reference.wav");
    ASSERT_TRUE(sox(kTone.arg(GetParam(), cue)));
    ASSERT_TRUE(sox(cue + " -D -b 16 -e signed -t wavpcm " + reference));
    const std::optional<QByteArray> wave = readCueAsPcm16(cue);
    QFile expectedFile(reference);
    ASSERT_TRUE(wave && expectedFile.open(QIODevice::ReadOnly));
    const QByteArray expected = expectedFile.readAll();
    ASSERT_EQ(wave->first(44), expected.first(44)) << "the same rate, channels and length, in 16 bits";
    for (qsizetype i = 44; i + 1 < wave->size(); i += 2) {
        const auto at = [i](const QByteArray& w) { return static_cast<std::int16_t>((w[i] & 0xFF) | (w[i + 1] << 8)); };
        ASSERT_LE(std::abs(at(*wave) - at(expected)), 1) << "sample at byte " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(SoundEditors, CueEncodings,
    ::testing::Values("-r 8000 -c 1 -b 8 -e unsigned -t wavpcm", "-r 22050 -c 2 -b 16 -t wavpcm",
        "-r 44100 -c 1 -b 24 -t wavpcm", "-r 48000 -c 2 -b 32 -e signed -t wavpcm",
        "-r 96000 -c 1 -b 32 -e float -t wavpcm", "-r 48000 -c 2 -b 24 -t wav", "-r 44100 -c 2 -b 32 -e float -t wav"),
    [](const auto& info) { return QString(info.param).remove(QRegularExpression("[^a-z0-9]")).toStdString(); });

TEST(CueFiles, UnsafeOrBrokenFilesAreRefusedAtOnce)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cue.wav");
    ASSERT_TRUE(sox(kTone.arg("-r 8000 -b 16 -t wavpcm", path)));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    const auto write = [&](const QByteArray& bytes) { return file.open(QIODevice::WriteOnly) && file.write(bytes); };
    const auto patched
        = [&](int at, const char* hex) { return write(QByteArray(good).replace(at, 4, QByteArray::fromHex(hex))); };
    const std::vector<std::pair<const char*, std::function<bool()>>> cases = {{"missing", [] { return true; }},
        {"a directory", [&] { return QDir().mkdir(path); }},
        {"a named pipe", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }},
        {"over the size cap", [&] { return write(good) && file.resize(kMaxCueFileBytes + 1); }},
        {"not RIFF", [&] { return patched(0, "52494658"); }}, {"compressed", [&] { return patched(20, "02000100"); }},
        {"three channels", [&] { return patched(20, "01000300"); }},
        {"64 frames a second", [&] { return patched(24, "40000000"); }},
        {"12-bit samples", [&] { return patched(32, "02000c00"); }},
        {"data past the end", [&] { return write(good.first(good.size() - 2)); }},
        {"cut in the header", [&] { return write(good.first(30)); }}};
    for (const auto& [name, make] : cases) {
        file.close();
        QDir(path).removeRecursively(), QFile::remove(path);
        ASSERT_TRUE(make()) << name;
        file.close();
        EXPECT_FALSE(readCueAsPcm16(path)) << name;
    }
    ASSERT_TRUE(write(good) && file.flush() && readCueAsPcm16(path));
    file.setPermissions({});
    const int user = ::setfsuid(65534); // root reads every file; nobody cannot read this one
    EXPECT_FALSE(readCueAsPcm16(path)) << "unreadable";
    ::setfsuid(user);
}

// A player destroyed while its cue still loads: when the loading ends, nothing may reach the gone
// player (AddressSanitizer reports it if anything does).
TEST(CuePlayer, ALoadingCueThatOutlivesItsPlayerReachesNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(sox(kTone.arg("-r 48000 -c 2 -b 16", dir.filePath("cue.wav"))));
    auto player = std::make_unique<SoundEffectCuePlayer>(std::chrono::milliseconds(0));
    playCue(*player, dir.filePath("cue.wav").toStdString());
    player.reset();
    // At this level processEvents runs no deferred delete: the effect is still there when it loads.
    QElapsedTimer loading;
    for (loading.start(); loading.elapsed() < 300;) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
}

} // namespace
} // namespace corvanta
