// Corvanta: a Galton board for the classroom.
#include "mainwindow/Form1.h"
#include "platform/Clock.h"
#include "platform/DeferredMediaControl.h"
#include "platform/LayoutFonts.h"
#include "platform/ProgramIcon.h"
#include "platform/RandomSource.h"

#include <QApplication>
#include <QSocketNotifier>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// What the toolkit said while it started, first lines only: when it cannot open a window, these
// name what failed (the platform plugin, the display).
QStringList startupMessages;

// Until a window can be opened, the toolkit's messages are held back. If it then gives up, the
// program says why in the toolkit's own words, adds a hint, and exits with status 1 instead of
// aborting with a core dump. If it starts, what it said is dropped: nothing went wrong.
void StartupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    const QStringList lines = message.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (type != QtFatalMsg) {
        if (!lines.isEmpty()) {
            startupMessages << lines.first();
        }
        return;
    }
    // The fatal message's first line is a generic "failed to start"; its list of plugins helps.
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("Available platform plugins"))) {
            startupMessages << line;
        }
    }
    if (startupMessages.isEmpty() && !lines.isEmpty()) {
        startupMessages << lines.first();
    }
    std::fprintf(stderr, "corvanta: cannot open a window:\n");
    for (const QString& line : std::as_const(startupMessages)) {
        std::fprintf(stderr, "  %s\n", line.toLocal8Bit().constData());
    }
    const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
    if (startupMessages.join(QLatin1Char(' ')).contains(QStringLiteral("Could not find the Qt platform plugin"))) {
        std::fprintf(stderr, "hint: QT_QPA_PLATFORM=%s names no installed platform; unset it or pick an available one\n",
            platform.toLocal8Bit().constData());
    } else {
        std::fprintf(stderr, "hint: start corvanta in a desktop session, or set DISPLAY to a running X server\n");
    }
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

// Once running, the program keeps no log: the toolkit's warnings (a missing sound device, on every
// cue) are not news to a teacher. Whoever sets QT_LOGGING_RULES to look into a problem sees them.
void QuietMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) { // the toolkit aborts after this
        std::fprintf(stderr, "corvanta: %s\n", message.toLocal8Bit().constData());
    }
}

int signalPipe[2] = {-1, -1};

void OnTerminationSignal(int)
{
    const char byte = 1;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

// SIGTERM, SIGINT and SIGHUP end the program the way closing it does: through the event loop, so
// that the sound player is settled and every window is torn down in order.
void QuitOnTerminationSignals(QApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
        return;
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] {
        char byte;
        [[maybe_unused]] const auto read = ::read(signalPipe[0], &byte, 1);
        QCoreApplication::exit(0);
    });
    struct sigaction action { };
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        ::sigaction(signal, &action, nullptr);
    }
}

} // namespace

int main(int argc, char** argv)
{
    const QtMessageHandler defaultHandler = qInstallMessageHandler(StartupMessageHandler);
    QApplication app(argc, argv);
    startupMessages.clear();
    qInstallMessageHandler(qEnvironmentVariableIsSet("QT_LOGGING_RULES") ? defaultHandler : QuietMessageHandler);
    QApplication::setApplicationName(QStringLiteral("corvanta"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANTA_VERSION));
    QApplication::setWindowIcon(corvanta::ProgramIcon());
    QuitOnTerminationSignals(app);

    corvanta::RegisterLayoutFonts();

    // The sound player lies beside the program in the build tree, and in its library folder once installed.
    const QString programFolder = QCoreApplication::applicationDirPath();
    corvanta::DeferredMediaControl mmControl1(
        {programFolder, programFolder + QStringLiteral("/../" CORVANTA_INSTALL_LIBDIR "/corvanta")});
    corvanta::TimeMixedRandom random(std::random_device {}());
    corvanta::SystemClock clock;
    corvanta::Form1 form1(mmControl1, random, clock);
    form1.show();
    const int status = QApplication::exec();
    // The program keeps nothing, so once the event loop is done nothing is left to save or close.
    // It ends here rather than tearing the toolkit down: Qt Multimedia's sound-system teardown
    // races with its own audio thread and can abort the process ("Assertion
    // 'm->io_events_please_scan == 0' failed" in libpulse, seen about once in 150 quick exits).
    // A cue still loading is let finish first, as destroying it mid-load can hang.
    mmControl1.SettleBeforeExit();
    std::fflush(nullptr);
    std::_Exit(status);
}
