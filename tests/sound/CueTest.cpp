// The shipped cues, and cue files as a teacher might leave them (made with sox).
#include "sound/WaveCue.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace corvanta;

QString sox(const QString& arguments) // "ok" and what it reported (its statistics), or "failed"
{
    QProcess process;
    process.start("sox", arguments.split(' '));
    return process.waitForFinished() && process.exitCode() == 0 ? "ok " + process.readAllStandardError() : "failed";
}
const QString kTone = "-n %1 %2 synth 0.4 sine 880 vol 0.5 pad 0 0.3"; // 880 Hz at half scale, in encoding %1

// A two-tone chime of 0.25 s and 0.35 s, 16-bit mono: E5 rising to A5 for Init and Help, falling for Exit.
TEST(ShippedCues, RiseForInitAndHelpAndFallForExit)
{
    for (const auto& [name, first] : {std::pair {"pinpon", 659}, std::pair {"endpinpon", 880}}) {
        const QString path = CORVANTA_CUE_DIR "/" + QString(name) + ".wav";
        const std::optional<Pcm16Cue> cue = readCueAsPcm16(path);
        ASSERT_TRUE(cue && cue->channels == 1 && cue->rate == 44100 && cue->samples.size() == 2 * 26460) << name;
        const QString stat = sox(path + " -n trim 0.05 0.15 stat"); // inside the first tone's attack and fade
        EXPECT_NEAR(QRegularExpression("frequency:\\s+(\\d+)").match(stat).captured(1).toInt(), first, 12) << name;
    }
}

class CueEncodings : public ::testing::TestWithParam<const char*> { };

TEST_P(CueEncodings, BecomeSixteenBitPcmOfTheSameSound)
{
    QTemporaryDir dir;
    const QString cue = dir.filePath("cue.wav"), reference = dir.filePath("reference.wav");
    ASSERT_EQ(sox(kTone.arg(GetParam(), cue)), "ok ");
    ASSERT_EQ(sox(cue + " -D -b 16 -e signed -t wavpcm " + reference), "ok ");
    const std::optional<Pcm16Cue> cue16 = readCueAsPcm16(cue);
    QFile expectedFile(reference);
    ASSERT_TRUE(cue16 && expectedFile.open(QIODevice::ReadOnly));
    const QByteArray expected = expectedFile.readAll().sliced(44), samples = cue16->samples;
    EXPECT_EQ(QString("-r %1 -c %2").arg(cue16->rate).arg(cue16->channels), QString(GetParam()).section(' ', 0, 3));
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

TEST(CueFiles, UnsafeOrBrokenFilesAreRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cue.wav");
    ASSERT_EQ(sox(kTone.arg("-r 8000 -b 16 -t wavpcm", path)), "ok ");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray good = file.readAll();
    const auto patched
        = [&](int at, const char* hex) { return QByteArray(good).replace(at, 4, QByteArray::fromHex(hex)); };
    for (const auto& [bytes, why] :
        std::initializer_list<std::pair<QByteArray, QString>> {{patched(0, "52494658"), "not a WAV file"},
            {patched(20, "02000100"), "encoding (format 2,"}, {patched(20, "01000300"), "3 channels"},
            {patched(24, "40000000"), "64 frames a second"}, {patched(32, "02000c00"), "12 bits"},
            {good.first(good.size() - 2), "truncated"}, {good.first(30), "truncated"}}) {
        QString refusal;
        EXPECT_TRUE(!convertWaveToPcm16(bytes, &refusal) && refusal.contains(why)) << refusal.toStdString();
    }
    ASSERT_EQ(::mkfifo(QFile::encodeName(path + ".pipe").constData(), 0600), 0);
    static QString said; // why, in the program's own category: silent unless asked for
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext& c, const QString& m) { said = c.category + (": " + m); });
    EXPECT_FALSE(readCueAsPcm16(path + ".pipe")) << "a named pipe, which would block the opening";
    EXPECT_EQ(said, "");
    QLoggingCategory::setFilterRules("corvanta.sound.info=true");
    readCueAsPcm16(path + ".pipe");
    EXPECT_EQ(said, "corvanta.sound: cue " + path + ".pipe refused: it is not a regular file");
    qInstallMessageHandler(nullptr);
}
