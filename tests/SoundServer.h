#pragma once
// A private PulseAudio server for one test, with one sink that nobody hears and a recorder on it.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

// The frequency of the tone on the first channel over a stretch, from the typical spacing of its zero crossings: a
// gap in a recording made on a busy machine does not change it.
inline double toneHz(
    const std::vector<std::int16_t>& samples, int channels, int rate, double fromSeconds, double seconds)
{
    const auto first = static_cast<std::size_t>(fromSeconds * rate);
    const auto last = first + static_cast<std::size_t>(seconds * rate);
    std::vector<std::size_t> spacings;
    std::size_t previous = 0;
    for (std::size_t frame = first + 1; frame < last; ++frame) {
        if ((samples.at((frame - 1) * channels) < 0) != (samples.at(frame * channels) < 0)) {
            if (previous != 0) {
                spacings.push_back(frame - previous);
            }
            previous = frame;
        }
    }
    if (spacings.size() < 4) {
        return 0;
    }
    std::sort(spacings.begin(), spacings.end()); // the middle half, for a spacing finer than a sample
    double middle = 0;
    for (std::size_t i = spacings.size() / 4; i < spacings.size() * 3 / 4; ++i) {
        middle += static_cast<double>(spacings[i]);
    }
    return rate / 2.0 / (middle / static_cast<double>(spacings.size() * 3 / 4 - spacings.size() / 4));
}

// The 16-bit samples of a raw file.
inline std::vector<std::int16_t> rawSamples(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    return samples;
}

struct SoundServer {
    QTemporaryDir folder; // the server keeps its cookie and settings here
    QString socket = folder.filePath("sound");
    QString recording = folder.filePath("recording.raw"); // 16-bit mono at 44.1 kHz
    QProcess server;
    QProcess recorder;

    ~SoundServer() { stop(); }

    // Started and recording; `modules` are loaded too.
    bool start(const QString& modules = {})
    {
        server.startCommand(
            QString("env HOME=%1 pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no "
                    "-L \"module-native-protocol-unix socket=%2\" -L \"module-null-sink sink_name=cap\" ")
                .arg(folder.path(), socket)
            + modules);
        if (!QTest::qWaitFor([this] { return QFile::exists(socket); }, 10000)) {
            return false;
        }
        QFile::remove(recording); // what the server's last run recorded
        recorder.startCommand("parec -d cap.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=20 -s unix:"
            + socket + ' ' + recording);
        return QTest::qWaitFor([this] { return recordedBytes() > 0; }, 10000);
    }
    void stop() // what does not end in 10 s is killed
    {
        pactl("exit");
        server.waitForFinished(10000);
        recorder.waitForFinished(10000);
        server.kill();
        recorder.kill();
        server.waitForFinished(10000);
        recorder.waitForFinished(10000);
    }
    qint64 recordedBytes() const { return QFileInfo(recording).size(); }
    // Waits, at most 10 s, for `tones` to sound one after another after `fromBytes` of the recording: each for 50 ms
    // at least, within 12 Hz. However late the first comes, on a busy machine.
    bool waitForTones(qint64 fromBytes, const std::vector<double>& tones) const
    {
        return QTest::qWaitFor([&] { return heard(fromBytes, tones); }, 10000);
    }
    bool heard(qint64 fromBytes, const std::vector<double>& tones) const
    {
        const std::vector<std::int16_t> recorded = rawSamples(recording);
        std::size_t found = 0;
        for (auto from = static_cast<std::size_t>(fromBytes / 2); found < tones.size(); from += 441) { // 10 ms apart
            if (from + 2205 > recorded.size()) {
                return false;
            }
            if (std::abs(toneHz(recorded, 1, 44100, from / 44100.0, 0.05) - tones[found]) < 12) {
                ++found;
            }
        }
        return true;
    }
    QString pactl(const QString& command) const
    {
        QProcess process;
        process.startCommand("pactl -s unix:" + socket + ' ' + command);
        process.waitForFinished(10000); // then killed, if need be
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }
};
