#pragma once

// Helpers for the tests that play sound through a private PulseAudio server: the process's private
// runtime folder, short helper processes, the server itself, and parec recording what it plays.

#include "WaveTestSupport.h"

#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

namespace corvanta::test {

// A fresh private runtime folder (0700) for this process and its children, made before Qt starts:
// XDG_RUNTIME_DIR and HOME point at it, so the sound server's socket and PulseAudio's cookie and
// settings never touch the user's own, and PULSE_SERVER points at the socket the test server will
// create there, so parallel runs never share a server. The folder is removed with this object.
class PrivateRuntimeFolder {
public:
    // namePrefix starts the folder's name under /tmp; programName prefixes the error message.
    PrivateRuntimeFolder(const char* namePrefix, const char* programName);
    ~PrivateRuntimeFolder();
    PrivateRuntimeFolder(const PrivateRuntimeFolder&) = delete;
    PrivateRuntimeFolder& operator=(const PrivateRuntimeFolder&) = delete;

    // False when the folder could not be made (the reason is printed on the error output).
    bool Made() const { return !path_.empty(); }

private:
    std::string path_;
};

// The runtime folder of this process (XDG_RUNTIME_DIR).
QString RuntimeDirectory();

// A file's whole text, or an empty string when it cannot be read.
QString ReadText(const QString& path);

// Makes a child end when this test program dies (killed by a time limit, say) instead of outliving
// it: the signal is sent when the thread that started the child exits.
void EndWithTheTests(QProcess& process, int signal);

// Runs a short helper to its end (bounded) and reports whether it succeeded; its merged output goes
// to output when given.
bool RunHelper(const QString& program, const QStringList& arguments, QString* output = nullptr, int boundMs = 5000);

// Asks a process to end, and kills it if it has not within a few seconds.
void EndProcess(QProcess& process);

// The first of the tools the sound tests need (pulseaudio, pactl, parec) that is not installed, or
// an empty string when all are.
QString MissingSoundTool();

// A private PulseAudio server in the runtime folder, with a null sink "cap" as its default sink.
class PrivateSoundServer {
public:
    PrivateSoundServer() = default;
    ~PrivateSoundServer() { Stop(); }
    PrivateSoundServer(const PrivateSoundServer&) = delete;
    PrivateSoundServer& operator=(const PrivateSoundServer&) = delete;

    // Returns an empty string, or why the server is not usable.
    std::string Start();
    void Stop();

    // The address of the server's socket, as PULSE_SERVER takes it.
    static QString Address();

private:
    QString pactl_;
    QProcess process_;
};

// parec recording the null sink's monitor as 16-bit mono at the cues' rate.
class Recorder {
public:
    // The recording and parec's log are written into directory.
    explicit Recorder(const QString& directory);
    ~Recorder() { Stop(); }
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Starts parec and waits until its stream is connected to the monitor.
    bool Start();
    void Stop() { EndProcess(process_); }

    std::vector<std::int16_t> Samples() const;
    // Whether the recording holds at least `count` samples from its first sound on.
    bool HoldsAfterTheFirstSound(std::size_t count) const;
    QString Log() const { return ReadText(log_); }

private:
    QString raw_;
    QString log_;
    QProcess process_;
};

// The tone runs as one line, for failure messages and measurements.
std::string Describe(const std::vector<ToneRun>& runs);

} // namespace corvanta::test
