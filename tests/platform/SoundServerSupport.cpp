#include "SoundServerSupport.h"

#include "CueDesign.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <sys/prctl.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace corvanta::test {

using namespace std::chrono_literals;

PrivateRuntimeFolder::PrivateRuntimeFolder(const char* namePrefix, const char* programName)
{
    std::string folder = std::string("/tmp/") + namePrefix + "-XXXXXX";
    if (::mkdtemp(folder.data()) == nullptr) {
        std::perror((std::string(programName) + ": mkdtemp").c_str());
        return;
    }
    path_ = folder;
    ::setenv("XDG_RUNTIME_DIR", path_.c_str(), 1);
    ::setenv("HOME", path_.c_str(), 1);
    const std::string server = "unix:" + path_ + "/pulse/native";
    ::setenv("PULSE_SERVER", server.c_str(), 1);
}

PrivateRuntimeFolder::~PrivateRuntimeFolder()
{
    if (Made()) {
        QDir(QString::fromLocal8Bit(path_.c_str())).removeRecursively();
    }
}

QString RuntimeDirectory()
{
    return qEnvironmentVariable("XDG_RUNTIME_DIR");
}

QString ReadText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

void EndWithTheTests(QProcess& process, int signal)
{
    process.setChildProcessModifier([signal] { ::prctl(PR_SET_PDEATHSIG, signal); });
}

bool RunHelper(const QString& program, const QStringList& arguments, QString* output, int boundMs)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForStarted(5000) && process.waitForFinished(boundMs);
    if (!finished) {
        process.kill();
        process.waitForFinished(2000);
    }
    if (output != nullptr) {
        *output = QString::fromLocal8Bit(process.readAll());
    }
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

void EndProcess(QProcess& process)
{
    if (process.state() == QProcess::NotRunning) {
        return;
    }
    process.terminate();
    if (!process.waitForFinished(3000)) {
        process.kill();
        process.waitForFinished(3000);
    }
}

QString MissingSoundTool()
{
    for (const char* tool : {"pulseaudio", "pactl", "parec"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            return QString::fromLatin1(tool);
        }
    }
    return {};
}

std::string PrivateSoundServer::Start()
{
    pactl_ = QStandardPaths::findExecutable(QStringLiteral("pactl"));
    const QString pulseaudio = QStandardPaths::findExecutable(QStringLiteral("pulseaudio"));
    const QString log = RuntimeDirectory() + QStringLiteral("/server.log");
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.setStandardOutputFile(log);
    EndWithTheTests(process_, SIGTERM);
    // The sink is loaded before the socket, so a server that answers has its sink.
    process_.start(pulseaudio,
        {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
            QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=cap"), QStringLiteral("-L"),
            QStringLiteral("module-native-protocol-unix")});
    const QString socket = RuntimeDirectory() + QStringLiteral("/pulse/native");
    const bool up = process_.waitForStarted(5000)
        && WaitUntil([&] { return QFileInfo::exists(socket) || process_.state() == QProcess::NotRunning; }, 10s)
        && process_.state() == QProcess::Running;
    if (!up) {
        return "the sound server did not start: " + ReadText(log).toStdString();
    }
    QString output;
    if (!RunHelper(pactl_, {QStringLiteral("set-default-sink"), QStringLiteral("cap")}, &output)) {
        return "pactl set-default-sink failed: " + output.toStdString();
    }
    return {};
}

void PrivateSoundServer::Stop()
{
    if (process_.state() == QProcess::Running) {
        RunHelper(pactl_, {QStringLiteral("exit")});
    }
    if (process_.state() != QProcess::NotRunning && !process_.waitForFinished(3000)) {
        process_.kill();
        process_.waitForFinished(3000);
    }
}

QString PrivateSoundServer::Address()
{
    return QStringLiteral("unix:") + RuntimeDirectory() + QStringLiteral("/pulse/native");
}

Recorder::Recorder(const QString& directory)
    : raw_(directory + QStringLiteral("/capture.raw"))
    , log_(directory + QStringLiteral("/parec.log"))
{
}

bool Recorder::Start()
{
    process_.setStandardOutputFile(raw_);
    process_.setStandardErrorFile(log_);
    EndWithTheTests(process_, SIGKILL);
    process_.start(QStandardPaths::findExecutable(QStringLiteral("parec")),
        {QStringLiteral("-v"), QStringLiteral("-d"), QStringLiteral("cap.monitor"), QStringLiteral("--format=s16le"),
            QStringLiteral("--rate=%1").arg(cues::kSampleRate), QStringLiteral("--channels=1"),
            QStringLiteral("--latency-msec=20")});
    return process_.waitForStarted(5000)
        && WaitUntil(
            [this] {
                return Log().contains(QStringLiteral("Connected to device"))
                    || process_.state() == QProcess::NotRunning;
            },
            5s)
        && process_.state() == QProcess::Running;
}

std::vector<std::int16_t> Recorder::Samples() const
{
    QFile file(raw_);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    std::vector<std::int16_t> samples(static_cast<std::size_t>(bytes.size()) / 2);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto low = static_cast<unsigned char>(bytes[static_cast<qsizetype>(2 * i)]);
        const auto high = static_cast<unsigned char>(bytes[static_cast<qsizetype>(2 * i + 1)]);
        samples[i] = static_cast<std::int16_t>(low | (high << 8));
    }
    return samples;
}

bool Recorder::HoldsAfterTheFirstSound(std::size_t count) const
{
    const auto samples = Samples();
    const auto first = std::find_if(samples.begin(), samples.end(), [](std::int16_t s) { return s != 0; });
    return first != samples.end() && static_cast<std::size_t>(samples.end() - first) >= count;
}

std::string Describe(const std::vector<ToneRun>& runs)
{
    std::ostringstream text;
    text << runs.size() << " runs:";
    for (const ToneRun& run : runs) {
        text << " [" << run.frequencyHz << " Hz from " << run.firstFrame * kFrameMs << " ms for "
             << run.frames * kFrameMs << " ms]";
    }
    return text.str();
}

} // namespace corvanta::test
