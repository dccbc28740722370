#pragma once
// A private PulseAudio server for one test, with one sink that nobody hears and a recorder on it.
#include <QtTest>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

// What a command printed, once it ended: within 20 s, or it is killed.
inline QString run(const QString& command)
{
    QProcess process;
    process.startCommand(command);
    EXPECT_TRUE(process.waitForFinished(20000)) << command.toStdString() << " did not end within 20 s";
    return QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
}

// The 16-bit samples of a raw file.
inline std::vector<std::int16_t> rawSamples(const QString& path)
{
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

struct SoundServer {
    QTemporaryDir folder; // the server keeps its cookie and settings here
    QString socket = folder.filePath("sound"); // which anyone may use, a test's proxy too
    QString recording = folder.filePath("recording.raw"); // 16-bit mono at 44.1 kHz
    QProcess server;
    QProcess recorder;

    ~SoundServer() { stop(); }
    bool start()
    {
        server.startCommand("env HOME=" + folder.path() + " pulseaudio -n --daemonize=no --exit-idle-time=-1 "
            + "--use-pid-file=no -L \"module-null-sink sink_name=cap\" -L \"module-native-protocol-unix socket="
            + socket + " auth-anonymous=1\"");
        return QTest::qWaitFor([this] { return QFile::exists(socket); }, 10000);
    }
    bool listen() // to what sounds from now on, once
    {
        recorder.startCommand("parec -d cap.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=20 -s unix:"
            + socket + ' ' + recording);
        return QTest::qWaitFor([this] { return QFileInfo(recording).size() > 0; }, 10000);
    }
    void stop() // the recorder ends with it; what has not ended in 10 s is killed as its QProcess goes
    {
        run("pactl -s unix:" + socket + " exit");
        server.waitForFinished(10000);
        recorder.waitForFinished(10000);
    }
    bool hasStreams() const { return !run("pactl -s unix:" + socket + " list short sink-inputs").isEmpty(); }
    // Whether `tones` (Hz, within 25) sound in turn, each in 20 ms stretches for 180 ms of its 250 or 350, gaps aside.
    bool heard(const std::vector<int>& tones) const
    {
        const std::vector<std::int16_t> recorded = rawSamples(recording);
        std::size_t end = 882; // of a stretch
        for (const int tone : tones) {
            for (int ms = 0; ms < 180; end += 441) {
                if (end > recorded.size()) {
                    return false;
                }
                int crossings = 0; // of zero, two a period
                for (std::size_t i = end - 881; i < end; ++i) {
                    crossings += (recorded[i - 1] < 0) != (recorded[i] < 0);
                }
                ms += std::abs(crossings * 25 - tone) < 25 ? 10 : 0;
            }
        }
        return true;
    }
};
