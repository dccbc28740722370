// Cue files as a teacher might leave them (made with sox).
#include "sound/WaveCue.h"

#include <QDir>
#include <QLoggingCategory>
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
    const std::optional<Pcm16Cue> cue16 = readCueAsPcm16(cue);
    QFile expectedFile(reference);
    ASSERT_TRUE(cue16 && expectedFile.open(QIODevice::ReadOnly));
    const QByteArray expected = expectedFile.readAll().sliced(44), samples = cue16->samples;
    EXPECT_EQ(cue16->rate, QString(GetParam()).section(' ', 1, 1).toInt());
    EXPECT_EQ(cue16->channels, QString(GetParam()).section(' ', 3, 3).toInt());
    ASSERT_EQ(samples.size(), expected.size()) << "the same length, in 16 bits";
    for (qsizetype i = 0; i + 1 < samples.size(); i += 2) {
        const auto at = [i](const QByteArray& w) { return static_cast<std::int16_t>((w[i] & 0xFF) | (w[i + 1] << 8)); };
        ASSERT_LE(std::abs(at(samples) - at(expected)), 1) << "sample at byte " << i;
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
    // Why each is refused, as the program says it when asked to.
    QLoggingCategory::setFilterRules("corvanta.sound.info=true");
    static QString said;
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& m) { said = m; });
    const std::vector<std::tuple<const char*, std::function<bool()>, const char*>> cases = {
        {"missing", [] { return true; }, "missing"},
        {"a directory", [&] { return QDir().mkdir(path); }, "not a regular file"},
        {"a named pipe", [&] { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; }, "not a regular file"},
        {"over the size cap", [&] { return write(good) && file.resize(kMaxCueFileBytes + 1); }, "larger than"},
        {"not RIFF", [&] { return patched(0, "52494658"); }, "not a WAV file"},
        {"compressed", [&] { return patched(20, "02000100"); }, "encoding (format 2,"},
        {"three channels", [&] { return patched(20, "01000300"); }, "3 channels"},
        {"64 frames a second", [&] { return patched(24, "40000000"); }, "64 frames a second"},
        {"12-bit samples", [&] { return patched(32, "02000c00"); }, "12 bits"},
        {"data past the end", [&] { return write(good.first(good.size() - 2)); }, "truncated"},
        {"cut in the header", [&] { return write(good.first(30)); }, "truncated"}};
    for (const auto& [name, make, reason] : cases) {
        file.close();
        QDir(path).removeRecursively(), QFile::remove(path);
        ASSERT_TRUE(make()) << name;
        file.close();
        said.clear();
        EXPECT_FALSE(readCueAsPcm16(path)) << name;
        EXPECT_TRUE(said.startsWith("cue " + path + " refused: ") && said.contains(reason)) << said.toStdString();
    }
    ASSERT_TRUE(write(good) && file.flush() && readCueAsPcm16(path));
    file.setPermissions({});
    const int user = ::setfsuid(65534); // root reads every file; nobody cannot read this one
    EXPECT_FALSE(readCueAsPcm16(path)) << "unreadable";
    qInstallMessageHandler(previous);
    ::setfsuid(user);
}

} // namespace
} // namespace corvanta
