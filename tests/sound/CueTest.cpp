// Cue files as a teacher may leave them (made with sox), and the player against a private sound server.
#include "SoundServer.h"

#include "sound/PulseCuePlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QLoggingCategory>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace corvanta;

namespace corvanta {
Q_DECLARE_LOGGING_CATEGORY(lcSound) // the player's, which a test asks whether it is on
}

namespace {

bool sox(const QString& arguments)
{
    QProcess process;
    process.start("sox", arguments.split(' '));
    return process.waitForFinished(60000) && process.exitCode() == 0;
}

DecodedCue decode(const QString& path)
{
    return decodeCue(path.toStdString(), [] { return false; });
}

} // namespace

// Whatever libsndfile reads plays as the same frames sox reads from the file, at most 30 s and 8 Mi samples of them;
// more than 32 channels are mixed down to stereo.
TEST(CueFiles, DecodeToTheFramesSoxReads)
{
    const struct {
        int rate;
        int channels;
        const char* encoding; // sox's options
        const char* type;
        double seconds;
        int serverChannels; // what the sound server gets
        std::size_t frames; // of them, what plays
        int tolerance; // between a sample and sox's
    } files[] = {
        {44100, 1, "-b 16", "wav", 0.4, 1, 17640, 0}, // near full scale: every sample as it is
        {44100, 2, "-b 16", "flac", 0.4, 2, 17640, 0}, // compressed
        {48000, 2, "-b 24", "wav", 0.4, 2, 19200, 1}, // 24 bits
        {8000, 40, "-b 16", "wav", 0.4, 2, 3200, 0}, // mixed down
        {48000, 8, "-b 16", "wav", 0.4, 8, 19200, 0}, // which the server takes with a channel map
        {192000, 8, "-b 16", "flac", 6, 8, 1048576, 0}, // 8 Mi samples
        {8000, 1, "-b 16", "wav", 40, 1, 240000, 0}, // 30 s
    };
    QTemporaryDir folder;
    const QString cue = folder.filePath("cue");
    const QString expected = folder.filePath("expected.raw");
    for (const auto& file : files) {
        const QString format
            = QString("-r %1 -c %2 %3 -t %4").arg(file.rate).arg(file.channels).arg(file.encoding, file.type);
        SCOPED_TRACE(format.toStdString());
        ASSERT_TRUE(
            sox(QString("-D -n %1 %2 synth %3 sine 880 sine 440 gain -n -1").arg(format, cue).arg(file.seconds)));
        ASSERT_TRUE(sox(QString("-D %1 -t raw -e signed -b 16 %2").arg(cue, expected)));
        const DecodedCue decoded = decode(cue);
        ASSERT_TRUE(decoded.cue) << decoded.note;
        EXPECT_EQ(decoded.cue->rate, file.rate);
        EXPECT_EQ(decoded.cue->channels, file.serverChannels);
        const std::vector<std::int16_t> sox = rawSamples(expected); // 880 Hz on the even channels, 440 Hz on the odd
        ASSERT_EQ(decoded.cue->samples.size(), file.frames * file.serverChannels);
        EXPECT_EQ(decoded.note.empty(), sox.size() == file.frames * file.channels) << "a cut cue says so";
        for (std::size_t sample = 0; sample < decoded.cue->samples.size(); ++sample) {
            const std::size_t frame = sample / file.serverChannels;
            const std::size_t channel = sample % file.serverChannels;
            const int difference = decoded.cue->samples[sample] - sox[frame * file.channels + channel];
            ASSERT_LE(std::abs(difference), file.tolerance) << "sample " << sample;
        }
    }
    int asked = 0; // the 30 s of the last file take four blocks of 64 Ki frames
    const DecodedCue cancelled = decodeCue(cue.toStdString(), [&asked] { return ++asked == 2; });
    EXPECT_FALSE(cancelled.cue) << "cancelled between the first and the second block";
    EXPECT_EQ(cancelled.note, "");
    EXPECT_EQ(asked, 2);
}

// A named pipe is never read (that would block), and why a file is refused goes to the program's own category,
// which is silent unless asked for.
TEST(CueFiles, AreRefusedWithTheirReason)
{
    QTemporaryDir folder;
    const QString pipe = folder.filePath("pipe.wav");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto zeros = [&folder](const char* name, qint64 bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        EXPECT_TRUE(file.resize(bytes));
        return file.fileName();
    };
    const struct {
        QString path;
        std::string reason; // how it starts: what follows is libsndfile's
    } files[] = {
        {pipe, "it is not a regular file"},
        {folder.path(), "it is not a regular file"},
        {zeros("large.wav", 16 * 1024 * 1024 + 1), "it is larger than 16 MiB"},
        {zeros("zeros.wav", 64), "libsndfile cannot read it"},
    };
    for (const auto& file : files) {
        const DecodedCue decoded = decode(file.path);
        EXPECT_FALSE(decoded.cue);
        EXPECT_TRUE(decoded.note.starts_with(file.reason)) << decoded.note;
    }

    EXPECT_FALSE(lcSound().isInfoEnabled()) << "quiet unless asked for";
    static QString said;
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext& context, const QString& message) {
        said = QString(context.category) + ": " + message;
    });
    QLoggingCategory::setFilterRules("corvanta.sound.info=true");
    const QString current = QDir::currentPath();
    QDir::setCurrent(folder.path());
    PulseCuePlayer player;
    player.play("pipe.wav");
    EXPECT_TRUE(QTest::qWaitFor([] { return !said.isEmpty(); }, 5000));
    EXPECT_EQ(said, "corvanta.sound: cue pipe.wav refused: it is not a regular file");
    QDir::setCurrent(current);
    QLoggingCategory::setFilterRules("");
    qInstallMessageHandler(nullptr);
}

// A cue is looked for in the current folder, then in the program's data folder beside it, then in the desktop's data
// folders; the first that holds it wins.
TEST(CueFiles, AreLookedForInTheCurrentFolderThenTheProgramsThenTheDesktops)
{
    qputenv("XDG_DATA_HOME", "/home/teacher/.local/share");
    qputenv("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
    const std::string program = QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
    const std::vector<std::string> folders = {"", program + "/../share/corvanta", "/home/teacher/.local/share/corvanta",
        "/usr/local/share/corvanta", "/usr/share/corvanta"};
    EXPECT_EQ(cueFolders(), folders);
    qunsetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_DIRS");
    const std::vector<std::string> lookIn = {"/nowhere", CORVANTA_CUE_DIR, "/usr/share/corvanta"};
    EXPECT_EQ(findCue("endpinpon.wav", lookIn), CORVANTA_CUE_DIR "/endpinpon.wav");
    EXPECT_EQ(findCue("teacher.wav", lookIn), std::nullopt);
}

namespace {

// Passes the client's TCP connections to the server, and holds back what the server says by 80 ms: a busy server,
// or a sink waking from suspend.
class LateReplies {
public:
    explicit LateReplies(quint16 serverPort)
    {
        listener_.listen(QHostAddress::LocalHost);
        QObject::connect(&listener_, &QTcpServer::newConnection, [this, serverPort] {
            QTcpSocket* client = listener_.nextPendingConnection();
            auto* server = new QTcpSocket(client);
            server->connectToHost(QHostAddress::LocalHost, serverPort);
            server->waitForConnected(1000);
            QObject::connect(
                client, &QTcpSocket::readyRead, server, [client, server] { server->write(client->readAll()); });
            QObject::connect(server, &QTcpSocket::readyRead, client, [client, server] {
                QTimer::singleShot(
                    80, Qt::PreciseTimer, client, [client, said = server->readAll()] { client->write(said); });
            });
            QObject::connect(server, &QTcpSocket::disconnected, client, &QTcpSocket::disconnectFromHost);
            QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
        });
    }
    quint16 port() const { return listener_.serverPort(); }

private:
    QTcpServer listener_;
};

quint16 freePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();
}

bool cueOpen(const QString& name) // by this process
{
    for (const QFileInfo& descriptor : QDir("/proc/self/fd").entryInfoList(QDir::Files | QDir::System)) {
        if (descriptor.symLinkTarget().endsWith('/' + name)) {
            return true;
        }
    }
    return false;
}

} // namespace

struct CuePlayerTest : ::testing::Test {
    SoundServer sound;
    QTemporaryDir cues; // the current folder while the test runs
    QString previousFolder = QDir::currentPath();

    void SetUp() override
    {
        ASSERT_TRUE(sound.start());
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(sound.socket));
        QDir::setCurrent(cues.path());
        ASSERT_TRUE(sox("-n -r 44100 -c 1 -b 16 long.wav synth 5 sine 440"));
    }
    void TearDown() override
    {
        QDir::setCurrent(previousFolder);
        qunsetenv("PULSE_SERVER");
    }
    bool soundsOnTheServer() { return !sound.pactl("list short sink-inputs").isEmpty(); }
};

// Init, then Exit as soon as Init's stream is on the server: the exit chime follows, falling from A5 to E5, where the
// rest of Init's chime would rise to A5 and stop.
TEST_F(CuePlayerTest, APressThatCloselyFollowsAnotherStartsItsOwnCue)
{
    PulseCuePlayer player;
    const qint64 before = sound.recordedBytes();
    player.play("pinpon.wav");
    ASSERT_TRUE(QTest::qWaitFor([&] { return soundsOnTheServer(); }, 10000));
    player.play("endpinpon.wav");
    EXPECT_TRUE(sound.waitForTones(before, {880, 659}));
}

// Thirty double presses a millisecond apart, each pair a little later than the last, reach streams that the server
// is still creating, that play and that drain: once the last cue has played, none of them stays on the server.
TEST_F(CuePlayerTest, LetsGoOfEveryStreamEvenWhenTheServerRepliesLate)
{
    sound.stop();
    const quint16 serverPort = freePort();
    ASSERT_TRUE(sound.start(
        QString("-L \"module-native-protocol-tcp port=%1 auth-anonymous=1 listen=127.0.0.1\"").arg(serverPort)));
    LateReplies proxy(serverPort);
    qputenv("PULSE_SERVER", "tcp:127.0.0.1:" + QByteArray::number(proxy.port()));
    PulseCuePlayer player;
    for (int pair = 0; pair < 30; ++pair) {
        player.play("pinpon.wav");
        QTest::qWait(1);
        player.play("pinpon.wav");
        QTest::qWait(40 + 20 * (pair % 5));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !soundsOnTheServer(); }, 10000))
        << sound.pactl("list short sink-inputs").toStdString();
}

// After the server comes back, a teacher's own cue (24-bit, 8 channels at 48 kHz, in the current folder) sounds as it
// should: an A5 of 880 Hz.
TEST_F(CuePlayerTest, PlaysAgainWhenTheServerComesBackAfterGoingAwayMidCue)
{
    ASSERT_TRUE(sox("-n -r 48000 -c 8 -b 24 teacher.wav synth 0.6 sine 880 vol 0.5"));
    PulseCuePlayer player;
    player.play("long.wav");
    ASSERT_TRUE(QTest::qWaitFor([&] { return soundsOnTheServer(); }, 10000));
    sound.stop();
    ASSERT_TRUE(sound.start());
    const qint64 before = sound.recordedBytes();
    player.play("teacher.wav");
    EXPECT_TRUE(sound.waitForTones(before, {880}));
}

// A newer press, and the player's end, stop a decoding at once: within 100 ms the cue file is closed, and after the
// end nothing is on the server. The player also ends while a cue plays: nothing stays on the server.
TEST_F(CuePlayerTest, EndsWhileACueIsDecodedOrPlays)
{
    ASSERT_TRUE(sox("-n -r 48000 -c 8 -C 10 large.ogg synth 21 whitenoise vol 0.5")); // hundreds of ms to decode
    {
        PulseCuePlayer player;
        player.play("large.ogg");
        ASSERT_TRUE(QTest::qWaitFor([] { return cueOpen("large.ogg"); }, 10000));
        player.play("pinpon.wav");
        EXPECT_TRUE(QTest::qWaitFor([] { return !cueOpen("large.ogg"); }, 100)) << "the newer press waited";
        player.play("large.ogg");
        ASSERT_TRUE(QTest::qWaitFor([] { return cueOpen("large.ogg"); }, 10000));
    }
    EXPECT_TRUE(QTest::qWaitFor([] { return !cueOpen("large.ogg"); }, 100)) << "the decoding went on";
    EXPECT_FALSE(soundsOnTheServer());
    {
        PulseCuePlayer player;
        player.play("long.wav");
        ASSERT_TRUE(QTest::qWaitFor([&] { return soundsOnTheServer(); }, 10000));
    }
    EXPECT_TRUE(QTest::qWaitFor([&] { return !soundsOnTheServer(); }, 10000));
}
