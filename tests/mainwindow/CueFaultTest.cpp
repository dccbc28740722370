// Bad cue files and no sound device never cost a button its work or the run a tick: the program
// with its real cue player, in a folder whose cues are broken in each way a folder can break them.
#include "FakeControls.h"

#include "helpwindow/Form2.h"
#include "mainwindow/Form1.h"
#include "platform/Clock.h"
#include "platform/RandomSource.h"
#include "platform/SurfaceWidget.h"
#include "sound/SoundEffectMediaControl.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <optional>
#include <sys/fsuid.h>
#include <sys/stat.h>
#include <unistd.h>

namespace corvanta {
namespace {

enum class Fault { Missing, Unreadable, Corrupt, Truncated, Directory, Fifo, OneGibibyte };

const char* Name(Fault fault)
{
    switch (fault) {
    case Fault::Missing:
        return "Missing";
    case Fault::Unreadable:
        return "Unreadable";
    case Fault::Corrupt:
        return "Corrupt";
    case Fault::Truncated:
        return "Truncated";
    case Fault::Directory:
        return "Directory";
    case Fault::Fifo:
        return "Fifo";
    case Fault::OneGibibyte:
        return "OneGibibyte";
    }
    return "?";
}

// A WAV header that promises a second of 16-bit mono sound.
QByteArray WaveHeader()
{
    QByteArray header("RIFF\x24\x58\x01\x00WAVEfmt ", 16);
    const unsigned char format[] = {16, 0, 0, 0, 1, 0, 1, 0, 0x44, 0xAC, 0, 0, 0x88, 0x58, 0x01, 0, 2, 0, 16, 0};
    header.append(reinterpret_cast<const char*>(format), sizeof format);
    header.append("data\x00\x58\x01\x00", 8);
    return header;
}

bool MakeFaultyCue(const QString& path, Fault fault)
{
    const QByteArray native = QFile::encodeName(path);
    QFile file(path);
    switch (fault) {
    case Fault::Missing:
        return true;
    case Fault::Unreadable:
        return file.open(QIODevice::WriteOnly) && file.write(WaveHeader() + QByteArray(88200, '\0')) > 0
            && (file.close(), ::chmod(native.constData(), 0) == 0);
    case Fault::Corrupt:
        return file.open(QIODevice::WriteOnly) && file.write(QByteArray(4096, '\x5A')) > 0;
    case Fault::Truncated:
        return file.open(QIODevice::WriteOnly) && file.write(WaveHeader() + QByteArray(100, '\0')) > 0;
    case Fault::Directory:
        return QDir().mkdir(path);
    case Fault::Fifo:
        return ::mkfifo(native.constData(), 0644) == 0;
    case Fault::OneGibibyte:
        return file.open(QIODevice::WriteOnly) && file.write(WaveHeader()) > 0 && file.resize(qint64 {1} << 30);
    }
    return false;
}

class CueFault : public ::testing::TestWithParam<Fault> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        for (const char* cue : {"pinpon.wav", "endpinpon.wav"}) {
            ASSERT_TRUE(MakeFaultyCue(folder.filePath(QString::fromLatin1(cue)), GetParam())) << Name(GetParam());
        }
        previous = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder.path()));
        if (GetParam() == Fault::Unreadable && ::geteuid() == 0) {
            // Root reads a file of mode 000; as nobody, for this thread's file access, it cannot.
            previousFsuid = ::setfsuid(65534);
        }
    }
    void TearDown() override
    {
        if (previousFsuid) {
            ::setfsuid(static_cast<uid_t>(*previousFsuid));
        }
        CloseHelpWindow();
        QDir::setCurrent(previous);
    }

    QTemporaryDir folder;
    QString previous;
    std::optional<int> previousFsuid;
};

TEST_P(CueFault, EveryButtonDoesItsWorkAndNoTickIsLost)
{
    SoundEffectMediaControl mmControl1;
    TimeMixedRandom random(17);
    test::FakeClock clock;
    Form1 form(mmControl1, random, clock);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto tick = [&](int ticks) {
        for (int i = 0; i < ticks; ++i) {
            form.Handlers().Timer1_Timer();
        }
    };

    form.Command(1)->click();
    tick(22);
    EXPECT_EQ(form.Label(1)->text(), QStringLiteral("2")) << "both balls landed";
    form.Command(2)->click();

    form.Command(5)->click(); // Help: its cue fails, the window opens all the same
    ASSERT_NE(ExistingHelpWindow(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowActive(ExistingHelpWindow()));
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));

    form.Command(1)->click();
    form.Command(2)->click();
    form.Command(4)->click(); // Init: its cue fails, the experiment is reset all the same
    EXPECT_EQ(form.Label(1)->text(), QStringLiteral("0"));
    EXPECT_EQ(form.Handlers().experiment.State.ExperimentCount, 0);
    for (int bin = 1; bin <= 11; ++bin) {
        EXPECT_FALSE(form.Marker(bin, 1)->isVisible());
    }
    EXPECT_EQ(form.Handlers().MarkerIndex, 21);

    form.Command(6)->click();
    tick(11);
    EXPECT_EQ(form.Label(1)->text(), QStringLiteral("1")) << "ticks go on after the failed cues";
    form.Command(2)->click();

    bool asked = false;
    bool ended = false;
    form.exitBoxPresenter = [&](QMessageBox&) { asked = true; };
    form.programEnder = [&] { ended = true; };
    form.Command(3)->click(); // Exit: its cue fails, the box and the end follow all the same
    EXPECT_TRUE(asked);
    EXPECT_TRUE(ended);
    EXPECT_EQ(mmControl1.PlaysStarted(), 0) << "nothing was handed to the sound system";
}

// The same player with intact cues does hand them over: the fault cases above are silent for their
// faults, not because the player never plays.
TEST(CueFaultControl, IntactCuesAreHandedToTheSoundSystem)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* cue : {"pinpon.wav", "endpinpon.wav"}) {
        ASSERT_TRUE(QFile::copy(
            QStringLiteral(CORVANTA_CUE_DIR "/") + QLatin1String(cue), folder.filePath(QLatin1String(cue))));
    }
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(folder.path()));
    {
        SoundEffectMediaControl mmControl1;
        TimeMixedRandom random(17);
        test::FakeClock clock;
        Form1 form(mmControl1, random, clock);
        form.show();
        form.Command(5)->click();
        EXPECT_TRUE(mmControl1.IsOpen());
        EXPECT_EQ(mmControl1.OpenFileName(), folder.filePath(QStringLiteral("pinpon.wav")))
            << "resolved in the current folder";
        CloseHelpWindow();
    }
    QDir::setCurrent(previous);
}

INSTANTIATE_TEST_SUITE_P(Faults, CueFault,
    ::testing::Values(Fault::Missing, Fault::Unreadable, Fault::Corrupt, Fault::Truncated, Fault::Directory,
        Fault::Fifo, Fault::OneGibibyte),
    [](const ::testing::TestParamInfo<Fault>& info) { return std::string(Name(info.param)); });

} // namespace
} // namespace corvanta
