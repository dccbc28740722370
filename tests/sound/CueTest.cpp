// Cue files as a teacher may leave them (made with sox), and the player against a private sound server.
#include "SoundServer.h"

#include "sound/PulseCuePlayer.h"

#include <signal.h>

using namespace corvanta;

// Each path a file takes plays its samples, at most 30 s and 8 Mi of them; more than 32 channels are mixed down to
// stereo, the even ones (880 Hz) to the left, the odd ones (440 Hz) to the right.
TEST(CueFiles, DecodeToTheirSamples)
{
    const struct {
        int rate;
        int channels;
        const char* encoding; // sox's options
        double seconds;
        int serverChannels; // what the sound server gets
        std::size_t frames; // of them, what plays
    } files[] = {
        {44100, 1, "-b 16 -t wav", 0.4, 1, 17640}, // near full scale, as it is
        {48000, 2, "-b 24 -t wav", 0.4, 2, 19200}, // 24 bits
        {4000, 40, "-b 16 -t wav", 31, 2, 120000}, // mixed down, 30 s
        {192000, 8, "-b 16 -t flac", 6, 8, 1048576}, // compressed, with a channel map on the server, 8 Mi samples
    };
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    for (const auto& file : files) {
        const QString samples = QString("-r %1 -c %2 -b 16 -e signed -t raw samples").arg(file.rate).arg(file.channels);
        SCOPED_TRACE(samples.toStdString() + " as " + file.encoding);
        const QString synth
            = QString("sox -D -n %1 synth %2 sine 880 sine 440 gain -n -1").arg(samples).arg(file.seconds);
        ASSERT_EQ(run(synth), "");
        ASSERT_EQ(run(QString("sox -D %1 %2 cue").arg(samples, file.encoding)), "");
        const DecodedCue decoded = decodeCue("cue", [] { return false; });
        ASSERT_TRUE(decoded.cue) << decoded.note;
        ASSERT_EQ(decoded.cue->channels, file.serverChannels);
        ASSERT_EQ(decoded.cue->samples.size(), file.frames * file.serverChannels);
        const std::vector<std::int16_t> written = rawSamples("samples");
        for (std::size_t sample = 0; sample < decoded.cue->samples.size(); ++sample) {
            const std::size_t frame = sample / file.serverChannels;
            const std::size_t channel = sample % file.serverChannels;
            ASSERT_EQ(decoded.cue->samples[sample], written[frame * file.channels + channel]) << "sample " << sample;
        }
    }
}

// The player, with the shipped cues beside the tests' program, whatever the files and the server do.
TEST(CuePlayer, RefusesPlaysLetsGoAndEndsWhateverTheFilesAndTheServerDo)
{
    SoundServer sound;
    ASSERT_TRUE(sound.start());
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(sound.socket));
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    std::optional<PulseCuePlayer> player(std::in_place);
    static QStringList said; // by the program's own category, which is quiet unless asked
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& message) {
        said.append(QString(context.category) + ": " + message);
    });
    QLoggingCategory::setFilterRules("corvanta.sound.info=true");
    ASSERT_EQ(run("mkfifo pipe.wav"), ""); // never opened: a read would block
    player->play("pipe.wav");
    ASSERT_TRUE(QTest::qWaitFor([] { return !said.isEmpty(); }, 5000));
    EXPECT_EQ(said, QStringList {"corvanta.sound: cue pipe.wav refused: it is not a regular file"});

    // Thirty double presses a millisecond apart to a server stopped for 80 ms, then free a while: no stream stays.
    for (int pair = 0; pair < 30; ++pair) {
        ::kill(sound.server.processId(), SIGSTOP);
        player->play("pinpon.wav");
        QTest::qWait(1);
        player->play("pinpon.wav");
        QTest::qWait(80);
        ::kill(sound.server.processId(), SIGCONT);
        QTest::qWait(20 * (pair % 5));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sound.hasStreams(); }, 10000)) << "a stream stays";
    ASSERT_EQ(run("truncate -s 16777217 large.wav"), ""); // 16 MiB and a byte: never read
    said.clear();
    player->play("large.wav");
    EXPECT_TRUE(QTest::qWaitFor([] { return !said.isEmpty(); }, 5000));
    EXPECT_EQ(said, QStringList {"corvanta.sound: cue large.wav refused: it is larger than 16 MiB"});

    // An 8-channel cue (which the server takes with a channel map) from the current folder plays till the server goes
    // away. Once it is back, Init, then Exit as soon as Init's stream is on it: Exit's own chime, its first tone whole.
    ASSERT_EQ(run("sox -D -n -r 48000 -c 8 -b 16 long.wav synth 5 sine 440"), "");
    player->play("long.wav");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound.hasStreams(); }, 10000));
    sound.stop();
    ASSERT_TRUE(sound.start() && sound.listen());
    player->play("pinpon.wav");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound.hasStreams(); }, 10000));
    player->play("endpinpon.wav");
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound.heard({880, 659}); }, 10000)) << "no fall from A5 to E5";

    // The player ends while a cue decodes: within 100 ms its file is closed (no longer among this process's), and
    // nothing is on the server. It also ends while a cue of 21 s plays.
    ASSERT_EQ(run("sox -D -n -r 48000 -c 8 -C 10 large.ogg synth 21 whitenoise vol 0.5"), ""); // decoded in 100s of ms
    const auto decoding = [] { return run("ls -l /proc/" + QString::number(getpid()) + "/fd").contains("large.ogg"); };
    player->play("large.ogg");
    ASSERT_TRUE(QTest::qWaitFor(decoding, 10000));
    player->play("pinpon.wav");
    EXPECT_TRUE(QTest::qWaitFor([&] { return !decoding(); }, 100)) << "a newer press waited";
    player->play("large.ogg");
    ASSERT_TRUE(QTest::qWaitFor(decoding, 10000));
    player.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !decoding(); }, 100)) << "the decoding went on";
    EXPECT_FALSE(sound.hasStreams());
    player.emplace();
    player->play("large.ogg");
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound.hasStreams(); }, 10000));
    player.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sound.hasStreams(); }, 2000)) << "the cue went on";
}
