// The program as a user meets it: start-up time and memory, CPU while a fast run goes on, and
// wake-ups while it sits idle. Each figure comes from a separate process in a private X server
// (Xvfb) with a window manager (openbox), started from the folder that holds the sound cues, the
// way `make run` starts it.
//
//   BM_Startup/bare, BM_Startup/corvanta   launch to first complete frame of a probe build (the
//                                           start-up code plus a reporter, bench/StartupProbe.cpp)
//                                           of the bare window and of the real program; peak RSS.
//   BM_Startup/interleaved                 the two probes launched in pairs, alternating which goes
//                                           first, so that the machine's noise hits both alike.
//   BM_FastRunCpu/corvanta                 the real program running HightSpeed for --run_seconds
//                                           (60): its CPU time as a share of one core.
//   BM_Idle/bare, BM_Idle/corvanta         context switches of an idle program in --idle_seconds (30).
//
// Own flags (before Google Benchmark's): --run_seconds=S --idle_seconds=S --settle_seconds=S
// --startup_launches=N, for a quick run; the defaults are the full durations. A summary with the
// targets follows Google Benchmark's table.
#include "XSession.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace corvanta::bench {
namespace {

using namespace std::chrono_literals;
using test::WaitFor;
using test::XSession;

struct Options {
    double runSeconds = 60.0; // fast run: how long the timer runs while CPU is measured
    double idleSeconds = 30.0; // idle: how long context switches are counted
    double settleSeconds = 3.0; // idle and fast run: quiet time after the first frame
    int startupLaunches = 10; // start-up: launches per repetition
};
Options options;
XSession* session = nullptr;

// Client-area positions in the main window (logical pixels at 96 DPI).
const QPoint kHightSpeed(248 + 60, 496 + 12);
const QPoint kInit(664 + 32, 0 + 12);
const QRect kInitButton(664, 0, 65, 25);
const QRect kStopButton(520, 496, 121, 25);
const QRect kLabel1(154, 496, 69, 31);
const QString kMainWindowTitle = QStringLiteral("^ Corvanta $");
const QString kBareWindowTitle = QStringLiteral("^Bare window$");

enum class Kind { Bare, Corvanta };

const char* KindName(Kind kind)
{
    return kind == Kind::Bare ? "bare" : "corvanta";
}

long long MonotonicNs()
{
    timespec now {};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1'000'000'000LL + now.tv_nsec;
}

double Median(std::vector<double> values)
{
    if (values.empty()) {
        return 0.0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

void Sleep(double seconds)
{
    QThread::usleep(static_cast<unsigned long>(seconds * 1e6));
}

// ---- What /proc says about a process -------------------------------------------------------------

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

// The fields of /proc/<pid>/stat after the command name, which may itself hold spaces; the first of
// them is field 3 (state).
std::vector<std::string> StatFields(long long pid)
{
    const std::string stat = ReadFile("/proc/" + std::to_string(pid) + "/stat");
    const std::size_t close = stat.rfind(')');
    std::vector<std::string> fields;
    if (close == std::string::npos) {
        return fields;
    }
    std::istringstream rest(stat.substr(close + 1));
    for (std::string field; rest >> field;) {
        fields.push_back(field);
    }
    return fields;
}

// utime + stime of every thread of the process, living or ended, in milliseconds; -1 if unknown.
double CpuMs(long long pid)
{
    if (pid <= 0) {
        return -1.0;
    }
    const std::vector<std::string> fields = StatFields(pid);
    if (fields.size() < 13) {
        return -1.0;
    }
    const double ticks = std::stod(fields[11]) + std::stod(fields[12]); // fields 14 and 15
    return ticks * 1000.0 / static_cast<double>(::sysconf(_SC_CLK_TCK));
}

struct ContextSwitches {
    long long voluntary = 0;
    long long involuntary = 0;
    long long Total() const { return voluntary + involuntary; }
};

ContextSwitches ReadContextSwitches(const std::string& statusPath)
{
    ContextSwitches counts;
    std::istringstream status(ReadFile(statusPath));
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("voluntary_ctxt_switches:", 0) == 0) {
            counts.voluntary = std::stoll(line.substr(line.find(':') + 1));
        } else if (line.rfind("nonvoluntary_ctxt_switches:", 0) == 0) {
            counts.involuntary = std::stoll(line.substr(line.find(':') + 1));
        }
    }
    return counts;
}

// /proc/<pid>/status counts the main thread only; the process is the sum over its threads, each
// read from /proc/<pid>/task/<tid>/status.
struct Snapshot {
    double cpuMs = -1.0;
    ContextSwitches mainThread;
    std::map<long long, ContextSwitches> threads; // by thread id
};

// What the process's threads did between two snapshots. A thread that ended in between takes its
// last counts with it: it is only counted in threadsEnded (it woke at least once, to end).
struct Activity {
    ContextSwitches switches;
    ContextSwitches mainThread;
    int threadsEnded = 0;
    int threadsStarted = 0;
    int threads = 0;
};

Activity Between(const Snapshot& before, const Snapshot& after)
{
    Activity activity;
    activity.mainThread.voluntary = after.mainThread.voluntary - before.mainThread.voluntary;
    activity.mainThread.involuntary = after.mainThread.involuntary - before.mainThread.involuntary;
    for (const auto& [tid, counts] : after.threads) {
        const auto earlier = before.threads.find(tid);
        const ContextSwitches start = earlier != before.threads.end() ? earlier->second : ContextSwitches {};
        activity.switches.voluntary += counts.voluntary - start.voluntary;
        activity.switches.involuntary += counts.involuntary - start.involuntary;
        activity.threadsStarted += earlier == before.threads.end() ? 1 : 0;
    }
    for (const auto& [tid, counts] : before.threads) {
        activity.threadsEnded += after.threads.count(tid) == 0 ? 1 : 0;
    }
    activity.threads = static_cast<int>(after.threads.size());
    return activity;
}

Snapshot TakeSnapshot(long long pid)
{
    Snapshot snapshot;
    snapshot.cpuMs = CpuMs(pid);
    const QString base = QStringLiteral("/proc/%1").arg(pid);
    snapshot.mainThread = ReadContextSwitches((base + QStringLiteral("/status")).toStdString());
    const QStringList tasks = QDir(base + QStringLiteral("/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& task : tasks) {
        snapshot.threads[task.toLongLong()]
            = ReadContextSwitches((base + QStringLiteral("/task/") + task + QStringLiteral("/status")).toStdString());
    }
    return snapshot;
}

// The X server writes its process id into its lock file.
long long XServerPid()
{
    const std::string lock = ReadFile("/tmp/.X" + session->Display().mid(1).toStdString() + "-lock");
    try {
        return std::stoll(lock);
    } catch (...) {
        return -1;
    }
}

// The window manager is a child of this process.
long long WindowManagerPid()
{
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        bool number = false;
        const long long pid = entry.toLongLong(&number);
        if (!number) {
            continue;
        }
        const std::string stat = ReadFile("/proc/" + entry.toStdString() + "/stat");
        const std::vector<std::string> fields = StatFields(pid);
        if (fields.size() > 1 && stat.find("(openbox)") != std::string::npos
            && std::stoll(fields[1]) == static_cast<long long>(::getpid())) {
            return pid;
        }
    }
    return -1;
}

// ---- Programs under test -------------------------------------------------------------------------

// The environment a program gets from a desktop session: the toolkit picks its platform itself.
QProcessEnvironment ProgramEnvironment()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    environment.remove(QStringLiteral("QT_SCALE_FACTOR"));
    return environment;
}

// A program started from the cue folder; killed if still running when this ends.
class RunningProgram {
public:
    explicit RunningProgram(const QString& executable)
    {
        process.setProcessEnvironment(ProgramEnvironment());
        process.setWorkingDirectory(QStringLiteral(CORVANTA_RUN_DIR));
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(executable, {});
        process.waitForStarted(5000);
    }
    ~RunningProgram()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(3000)) {
                process.kill();
                process.waitForFinished(3000);
            }
        }
        Sleep(0.2); // let the X server and the window manager forget the window
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    bool Running() const { return process.state() == QProcess::Running; }
    long long Pid() const { return process.processId(); }

    QProcess process;
};

int DarkPixels(const QImage& image, int below = 128)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < below ? 1 : 0;
        }
    }
    return dark;
}

// An enabled button's caption is black; a disabled one's is grey and its frame lighter still.
bool ButtonEnabled(const QString& window, const QRect& button)
{
    return DarkPixels(XSession::Grab(window, button), 80) > 10;
}

// Starts the real program and waits until its first activation has drawn Label1's count.
QString StartMainWindow(RunningProgram& program, QString* problem)
{
    if (!program.Running()) {
        *problem = QStringLiteral("corvanta did not start");
        return {};
    }
    const QString window = XSession::FindWindow(kMainWindowTitle, 15s);
    if (window.isEmpty()) {
        *problem = QStringLiteral("the main window did not appear");
        return {};
    }
    if (!WaitFor([&] { return test::ShowsTextOnLight(XSession::Grab(window, kLabel1)); }, 10s)) {
        *problem = QStringLiteral("Label1 never showed its count");
        return {};
    }
    return window;
}

// ---- Start-up ------------------------------------------------------------------------------------

struct Launch {
    double ms = 0.0;
    double rssMb = 0.0;
    QString problem;
};

// Starts a probe with the launch time in its environment and reads its one line.
Launch RunProbe(Kind kind)
{
    Launch launch;
    QProcess probe;
    probe.setWorkingDirectory(QStringLiteral(CORVANTA_RUN_DIR));
    QProcessEnvironment environment = ProgramEnvironment();
    environment.insert(QStringLiteral("CORVANTA_PROBE_LAUNCH_NS"), QString::number(MonotonicNs()));
    probe.setProcessEnvironment(environment);
    probe.start(QString::fromUtf8(kind == Kind::Bare ? BARE_WINDOW_STARTUP_PROBE : CORVANTA_STARTUP_PROBE), {});
    if (!probe.waitForFinished(20000)) {
        probe.kill();
        probe.waitForFinished(3000);
        launch.problem = QStringLiteral("the %1 probe did not report within 20 s").arg(KindName(kind));
        return launch;
    }
    const QString line = QString::fromLocal8Bit(probe.readAllStandardOutput()).trimmed();
    long long ns = -1;
    long kb = -1;
    if (std::sscanf(line.toLocal8Bit().constData(), "startup_ns=%lld maxrss_kb=%ld", &ns, &kb) != 2 || ns <= 0) {
        launch.problem
            = QStringLiteral("the %1 probe printed '%2' (stderr: %3)")
                  .arg(KindName(kind), line, QString::fromLocal8Bit(probe.readAllStandardError()).trimmed().left(300));
        return launch;
    }
    launch.ms = static_cast<double>(ns) / 1e6;
    launch.rssMb = static_cast<double>(kb) / 1024.0;
    Sleep(0.1); // let the X server and the window manager forget the window before the next launch
    return launch;
}

// Every launch of every start-up benchmark, for the summary.
std::map<Kind, std::vector<double>> allStartupMs;
std::map<Kind, std::vector<double>> allRssMb;
std::vector<double> allPairRatios;
std::vector<double> allPairRssDifferences;

bool SessionMissing(benchmark::State& state)
{
    if (session == nullptr) {
        state.SkipWithError("no X session");
        return true;
    }
    return false;
}

void BM_Startup(benchmark::State& state, Kind kind)
{
    if (SessionMissing(state)) {
        return;
    }
    // A first launch fills the file cache and the font cache outside the measurement.
    if (const Launch warm = RunProbe(kind); !warm.problem.isEmpty()) {
        state.SkipWithError(warm.problem.toStdString().c_str());
        return;
    }
    std::vector<double> ms;
    std::vector<double> rss;
    for (auto _ : state) {
        const Launch launch = RunProbe(kind);
        if (!launch.problem.isEmpty()) {
            state.SkipWithError(launch.problem.toStdString().c_str());
            break;
        }
        state.SetIterationTime(launch.ms / 1000.0);
        ms.push_back(launch.ms);
        rss.push_back(launch.rssMb);
        allStartupMs[kind].push_back(launch.ms);
        allRssMb[kind].push_back(launch.rssMb);
    }
    state.counters["startup_ms"] = Median(ms);
    state.counters["peak_rss_MB"] = Median(rss);
}

// Iteration time is the real program's start-up; the counters are medians of this repetition.
void BM_StartupInterleaved(benchmark::State& state)
{
    if (SessionMissing(state)) {
        return;
    }
    for (Kind kind : {Kind::Bare, Kind::Corvanta}) {
        if (const Launch warm = RunProbe(kind); !warm.problem.isEmpty()) {
            state.SkipWithError(warm.problem.toStdString().c_str());
            return;
        }
    }
    std::map<Kind, std::vector<double>> ms;
    std::map<Kind, std::vector<double>> rss;
    std::vector<double> ratios;
    std::vector<double> rssDifferences;
    bool bareFirst = true;
    for (auto _ : state) {
        std::map<Kind, Launch> pair;
        for (Kind kind :
            bareFirst ? std::vector {Kind::Bare, Kind::Corvanta} : std::vector {Kind::Corvanta, Kind::Bare}) {
            pair[kind] = RunProbe(kind);
        }
        bareFirst = !bareFirst;
        const QString problem = pair[Kind::Bare].problem + pair[Kind::Corvanta].problem;
        if (!problem.isEmpty()) {
            state.SkipWithError(problem.toStdString().c_str());
            break;
        }
        state.SetIterationTime(pair[Kind::Corvanta].ms / 1000.0);
        for (Kind kind : {Kind::Bare, Kind::Corvanta}) {
            ms[kind].push_back(pair[kind].ms);
            rss[kind].push_back(pair[kind].rssMb);
            allStartupMs[kind].push_back(pair[kind].ms);
            allRssMb[kind].push_back(pair[kind].rssMb);
        }
        ratios.push_back(pair[Kind::Corvanta].ms / pair[Kind::Bare].ms);
        rssDifferences.push_back(pair[Kind::Corvanta].rssMb - pair[Kind::Bare].rssMb);
        allPairRatios.push_back(ratios.back());
        allPairRssDifferences.push_back(rssDifferences.back());
    }
    state.counters["bare_ms"] = Median(ms[Kind::Bare]);
    state.counters["corvanta_ms"] = Median(ms[Kind::Corvanta]);
    state.counters["ratio"] = Median(ratios);
    state.counters["bare_rss_MB"] = Median(rss[Kind::Bare]);
    state.counters["corvanta_rss_MB"] = Median(rss[Kind::Corvanta]);
    state.counters["rss_diff_MB"] = Median(rssDifferences);
}

// ---- Fast run CPU --------------------------------------------------------------------------------

struct FastRunResult {
    bool done = false;
    double seconds = 0.0;
    double cpuPercent = 0.0;
    double xServerPercent = -1.0;
    double windowManagerPercent = -1.0;
    int restarts = 0;
    ContextSwitches switches;
};
FastRunResult fastRun;

void BM_FastRunCpu(benchmark::State& state)
{
    if (SessionMissing(state)) {
        return;
    }
    for (auto _ : state) {
        RunningProgram program(QStringLiteral(CORVANTA_EXECUTABLE));
        QString problem;
        const QString window = StartMainWindow(program, &problem);
        if (window.isEmpty()) {
            state.SkipWithError(problem.toStdString().c_str());
            break;
        }
        Sleep(options.settleSeconds);
        if (ButtonEnabled(window, kInitButton) || ButtonEnabled(window, kStopButton)) {
            state.SkipWithError("Init or Stop looks enabled before any run: the button probe is wrong");
            break;
        }
        const long long pid = program.Pid();
        const long long xPid = XServerPid();
        const long long wmPid = WindowManagerPid();
        const Snapshot before = TakeSnapshot(pid);
        const double xBefore = CpuMs(xPid);
        const double wmBefore = CpuMs(wmPid);
        const long long start = MonotonicNs();
        XSession::ClickAt(window, kHightSpeed);
        if (!WaitFor([&] { return ButtonEnabled(window, kStopButton); }, 5s)) {
            state.SkipWithError("HightSpeed did not start a run");
            break;
        }
        int restarts = 0;
        bool restartFailed = false;
        const auto elapsed = [start] { return static_cast<double>(MonotonicNs() - start) / 1e9; };
        while (elapsed() < options.runSeconds && program.Running()) {
            Sleep(0.2);
            // A full bin ends the run and enables Init: start over the way a teacher would.
            if (elapsed() < options.runSeconds && ButtonEnabled(window, kInitButton)) {
                ++restarts;
                XSession::ClickAt(window, kInit);
                WaitFor([&] { return !ButtonEnabled(window, kInitButton); }, 5s);
                XSession::ClickAt(window, kHightSpeed);
                if (!WaitFor([&] { return ButtonEnabled(window, kStopButton); }, 5s)) {
                    restartFailed = true;
                    break;
                }
            }
        }
        const Snapshot after = TakeSnapshot(pid);
        const double seconds = elapsed();
        const double xAfter = CpuMs(xPid);
        const double wmAfter = CpuMs(wmPid);
        if (!program.Running() || restartFailed) {
            state.SkipWithError(
                restartFailed ? "Init + HightSpeed did not start a new run" : "corvanta ended during the run");
            break;
        }
        const auto percent = [seconds](double beforeMs, double afterMs) {
            return beforeMs < 0 || afterMs < 0 ? -1.0 : (afterMs - beforeMs) / 10.0 / seconds;
        };
        fastRun.done = true;
        fastRun.seconds = seconds;
        fastRun.cpuPercent = percent(before.cpuMs, after.cpuMs);
        fastRun.xServerPercent = percent(xBefore, xAfter);
        fastRun.windowManagerPercent = percent(wmBefore, wmAfter);
        fastRun.restarts = restarts;
        const Activity activity = Between(before, after);
        fastRun.switches = activity.switches;
        state.SetIterationTime(seconds);
        state.counters["cpu_pct"] = fastRun.cpuPercent;
        state.counters["xserver_cpu_pct"] = fastRun.xServerPercent;
        state.counters["wm_cpu_pct"] = fastRun.windowManagerPercent;
        state.counters["restarts"] = restarts;
        state.counters["vol_ctx"] = static_cast<double>(fastRun.switches.voluntary);
        state.counters["invol_ctx"] = static_cast<double>(fastRun.switches.involuntary);
        state.counters["ctx_per_s"] = static_cast<double>(fastRun.switches.Total()) / seconds;
        state.counters["threads"] = activity.threads;
    }
}

// ---- Idle ----------------------------------------------------------------------------------------

struct IdleResult {
    bool done = false;
    double seconds = 0.0;
    ContextSwitches switches;
    ContextSwitches mainThread;
    int threadsEnded = 0;
    int threadsStarted = 0;
    double cpuMs = 0.0;
    double xServerMs = -1.0;
    long long perfSwitches = -1;
    long long perfSyscalls = -1;
    int threads = 0;
};
std::map<Kind, IdleResult> idle;

// `perf stat` on the running process for the idle window, in parallel with the /proc counts;
// empty when perf is missing or not permitted.
class PerfStat {
public:
    explicit PerfStat(long long pid, double seconds)
    {
        const QString perf = QStandardPaths::findExecutable(QStringLiteral("perf"));
        if (perf.isEmpty()) {
            return;
        }
        process_.start(perf,
            {QStringLiteral("stat"), QStringLiteral("-x,"), QStringLiteral("-e"),
                QStringLiteral("context-switches,task-clock,raw_syscalls:sys_enter"), QStringLiteral("-p"),
                QString::number(pid), QStringLiteral("--"), QStringLiteral("sleep"), QString::number(seconds)});
        started_ = process_.waitForStarted(5000);
    }
    // Waits for perf to finish; the count of each event it reported.
    std::map<QString, long long> Counts()
    {
        std::map<QString, long long> counts;
        if (!started_ || !process_.waitForFinished(30000) || process_.exitCode() != 0) {
            return counts;
        }
        const QStringList lines = QString::fromLocal8Bit(process_.readAllStandardError()).split(QLatin1Char('\n'));
        for (const QString& line : lines) {
            const QStringList fields = line.split(QLatin1Char(','));
            bool number = false;
            double value = fields.value(0).toDouble(&number);
            // perf says "<not counted>" when no thread of the process ran at all in the window.
            if (fields.value(0) == QStringLiteral("<not counted>")) {
                value = 0.0;
                number = true;
            }
            if (fields.size() > 2 && number) {
                counts[fields[2]] = static_cast<long long>(value);
            }
        }
        return counts;
    }

private:
    QProcess process_;
    bool started_ = false;
};

void BM_Idle(benchmark::State& state, Kind kind)
{
    if (SessionMissing(state)) {
        return;
    }
    for (auto _ : state) {
        // The pointer rests outside the window, so no hover event reaches it.
        XSession::XDoTool({QStringLiteral("mousemove"), QStringLiteral("1270"), QStringLiteral("1010")});
        RunningProgram program(QString::fromUtf8(kind == Kind::Bare ? BARE_WINDOW_EXECUTABLE : CORVANTA_EXECUTABLE));
        QString window;
        QString problem;
        if (kind == Kind::Corvanta) {
            window = StartMainWindow(program, &problem);
        } else {
            window = XSession::FindWindow(kBareWindowTitle, 15s);
            problem = QStringLiteral("the bare window did not appear");
        }
        if (window.isEmpty()) {
            state.SkipWithError(problem.toStdString().c_str());
            break;
        }
        Sleep(options.settleSeconds);
        const long long pid = program.Pid();
        const long long xPid = XServerPid();
        const Snapshot before = TakeSnapshot(pid);
        const double xBefore = CpuMs(xPid);
        const long long start = MonotonicNs();
        PerfStat perf(pid, options.idleSeconds);
        Sleep(options.idleSeconds);
        const Snapshot after = TakeSnapshot(pid);
        const double xAfter = CpuMs(xPid);
        const double seconds = static_cast<double>(MonotonicNs() - start) / 1e9;
        const std::map<QString, long long> perfCounts = perf.Counts();
        if (!program.Running()) {
            state.SkipWithError("the program ended while idle");
            break;
        }
        IdleResult& result = idle[kind];
        result.done = true;
        result.seconds = seconds;
        const Activity activity = Between(before, after);
        result.switches = activity.switches;
        result.mainThread = activity.mainThread;
        result.threadsEnded = activity.threadsEnded;
        result.threadsStarted = activity.threadsStarted;
        result.cpuMs = after.cpuMs - before.cpuMs;
        result.xServerMs = xBefore < 0 || xAfter < 0 ? -1.0 : xAfter - xBefore;
        result.threads = activity.threads;
        const auto count = [&](const char* event) {
            const auto found = perfCounts.find(QString::fromLatin1(event));
            return found != perfCounts.end() ? found->second : -1LL;
        };
        result.perfSwitches = count("context-switches");
        result.perfSyscalls = count("raw_syscalls:sys_enter");
        state.SetIterationTime(seconds);
        state.counters["ctx_switches"] = static_cast<double>(result.switches.Total());
        state.counters["main_thread_ctx"] = static_cast<double>(result.mainThread.Total());
        state.counters["perf_ctx"] = static_cast<double>(result.perfSwitches);
        state.counters["perf_syscalls"] = static_cast<double>(result.perfSyscalls);
        state.counters["cpu_ms"] = result.cpuMs;
        state.counters["xserver_cpu_ms"] = result.xServerMs;
        state.counters["threads"] = result.threads;
        state.counters["threads_ended"] = result.threadsEnded;
        state.counters["threads_started"] = result.threadsStarted;
    }
}

// ---- Set-up and summary --------------------------------------------------------------------------

// Takes this program's own flags out of argv, leaving Google Benchmark's.
void ParseOptions(int& argc, char** argv)
{
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        const auto value = [&](const char* name) -> std::optional<double> {
            const std::string prefix = std::string("--") + name + "=";
            if (argument.rfind(prefix, 0) != 0) {
                return std::nullopt;
            }
            return std::stod(argument.substr(prefix.size()));
        };
        if (auto v = value("run_seconds")) {
            options.runSeconds = *v;
        } else if (auto v = value("idle_seconds")) {
            options.idleSeconds = *v;
        } else if (auto v = value("settle_seconds")) {
            options.settleSeconds = *v;
        } else if (auto v = value("startup_launches")) {
            options.startupLaunches = std::max(1, static_cast<int>(*v));
        } else {
            argv[kept++] = argv[i];
        }
    }
    argc = kept;
}

void RegisterAll()
{
    for (Kind kind : {Kind::Bare, Kind::Corvanta}) {
        benchmark::RegisterBenchmark((std::string("BM_Startup/") + KindName(kind)).c_str(), BM_Startup, kind)
            ->UseManualTime()
            ->Iterations(options.startupLaunches)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_Startup/interleaved", BM_StartupInterleaved)
        ->UseManualTime()
        ->Iterations(options.startupLaunches)
        ->Unit(benchmark::kMillisecond);
    // One long run each: repeating them would multiply minutes, not add precision.
    benchmark::RegisterBenchmark("BM_FastRunCpu/corvanta", BM_FastRunCpu)
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(1)
        ->Unit(benchmark::kSecond);
    for (Kind kind : {Kind::Bare, Kind::Corvanta}) {
        benchmark::RegisterBenchmark((std::string("BM_Idle/") + KindName(kind)).c_str(), BM_Idle, kind)
            ->UseManualTime()
            ->Iterations(1)
            ->Repetitions(1)
            ->Unit(benchmark::kSecond);
    }
}

const char* Verdict(bool met)
{
    return met ? "met" : "MISSED";
}

void PrintSummary()
{
    std::printf("\nSummary (medians over every launch of this run)\n");
    if (!allStartupMs[Kind::Bare].empty() && !allStartupMs[Kind::Corvanta].empty()) {
        const double bare = Median(allStartupMs[Kind::Bare]);
        const double corvanta = Median(allStartupMs[Kind::Corvanta]);
        const double ratio = allPairRatios.empty() ? corvanta / bare : Median(allPairRatios);
        std::printf("  start-up   bare %.1f ms (%zu launches), corvanta %.1f ms (%zu launches); ratio of medians %.3f, "
                    "median paired ratio %.3f; target <= 1.20: %s\n",
            bare, allStartupMs[Kind::Bare].size(), corvanta, allStartupMs[Kind::Corvanta].size(), corvanta / bare,
            ratio, Verdict(ratio <= 1.2));
        const double bareRss = Median(allRssMb[Kind::Bare]);
        const double corvantaRss = Median(allRssMb[Kind::Corvanta]);
        const double difference = allPairRssDifferences.empty() ? corvantaRss - bareRss : Median(allPairRssDifferences);
        std::printf(
            "  peak RSS   bare %.1f MB, corvanta %.1f MB; median paired difference %+.1f MB; target <= +8 MB: %s\n",
            bareRss, corvantaRss, difference, Verdict(difference <= 8.0));
    }
    if (fastRun.done) {
        std::printf(
            "  fast run   corvanta %.2f %% of one core over %.0f s (%d restart(s)); X server %.2f %%, window "
            "manager %.2f %%; context switches %lld voluntary + %lld involuntary (%.1f/s); target <= 2 %%: %s\n",
            fastRun.cpuPercent, fastRun.seconds, fastRun.restarts, fastRun.xServerPercent, fastRun.windowManagerPercent,
            fastRun.switches.voluntary, fastRun.switches.involuntary,
            static_cast<double>(fastRun.switches.Total()) / fastRun.seconds, Verdict(fastRun.cpuPercent <= 2.0));
    }
    for (Kind kind : {Kind::Bare, Kind::Corvanta}) {
        const IdleResult& result = idle[kind];
        if (!result.done) {
            continue;
        }
        // Fewer than one wake-up per ten seconds is no periodic wake-up; a thread that ended woke once.
        const long long wakeUps = result.switches.Total() + result.threadsEnded;
        const bool quiet = static_cast<double>(wakeUps) <= result.seconds / 10.0;
        std::printf("  idle       %s: %lld context switches in %.0f s (%lld voluntary, %lld involuntary; main thread "
                    "%lld; %d thread(s) ended, %d started, %d left), CPU %.0f ms, X server %.0f ms; perf: %s; "
                    "target ~0: %s\n",
            KindName(kind), result.switches.Total(), result.seconds, result.switches.voluntary,
            result.switches.involuntary, result.mainThread.Total(), result.threadsEnded, result.threadsStarted,
            result.threads, result.cpuMs, result.xServerMs,
            result.perfSwitches < 0 ? "unavailable"
                                    : QStringLiteral("%1 context switches, %2 system calls")
                                          .arg(result.perfSwitches)
                                          .arg(result.perfSyscalls)
                                          .toLocal8Bit()
                                          .constData(),
            Verdict(quiet));
    }
    std::fflush(stdout);
}

} // namespace
} // namespace corvanta::bench

int main(int argc, char** argv)
{
    using namespace corvanta::bench;
    ParseOptions(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // A private runtime folder, as a desktop session gives its programs.
    QTemporaryDir runtime;
    if (std::getenv("XDG_RUNTIME_DIR") == nullptr && runtime.isValid()) {
        ::setenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit().constData(), 1);
    }
    // The X server must run before the toolkit connects to it.
    XSession xSession;
    const QString problem = xSession.Start();
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "process_bench: skipped: %s\n", problem.toLocal8Bit().constData());
        return 0;
    }
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    QGuiApplication app(argc, argv);
    if (!xSession.StartWindowManager()) {
        std::fprintf(
            stderr, "process_bench: skipped: openbox is not installed or did not start (Debian package openbox)\n");
        return 0;
    }
    session = &xSession;
    RegisterAll();
    benchmark::RunSpecifiedBenchmarks();
    PrintSummary();
    benchmark::Shutdown();
    return 0;
}
