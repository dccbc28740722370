#pragma once
// A private PulseAudio server for one test, with one sink that nobody hears and a recorder on it.
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

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
        recorder.startCommand("parec -d cap.monitor --format=s16le --rate=44100 --channels=1 --latency-msec=20 -s unix:"
            + socket + ' ' + recording);
        return QTest::qWaitFor([this] { return recordedBytes() > 0; }, 10000);
    }
    void stop()
    {
        pactl("exit");
        server.waitForFinished();
        recorder.waitForFinished();
    }
    qint64 recordedBytes() const { return QFileInfo(recording).size(); }
    QString pactl(const QString& command) const
    {
        QProcess process;
        process.startCommand("pactl -s unix:" + socket + ' ' + command);
        process.waitForFinished();
        return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
    }
};
