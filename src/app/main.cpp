// Corvanta: a Galton board for the classroom.
#include "core/RandomSource.h"
#include "mainwindow/MainWindow.h"
#include "platform/FirstFrame.h"
#include "platform/LayoutFonts.h"
#include "platform/ProgramIcon.h"
#include "platform/SystemClock.h"
#include "platform/Translations.h"
#include "sound/PulseCuePlayer.h"

#include <QApplication>
#include <QStringList>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string_view>

namespace {

// The first line of each message the toolkit gave while starting.
QStringList startupMessages;
// Qt's own handler, which writes a message out.
QtMessageHandler toolkitHandler = nullptr;

// Until a window is open the toolkit's messages are held back. If it gives up, the program says why
// in the toolkit's own words with a hint, and exits with status 1 instead of aborting with a core
// dump; if it starts, what it said is dropped.
void startupMessageHandler(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    const QStringList lines = message.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (type != QtFatalMsg) {
        startupMessages << lines.mid(0, 1);
        return;
    }
    // The fatal message opens with a generic "failed to start"; its list of platforms helps.
    const QStringList platforms = lines.filter(QStringLiteral("Available platform plugins"));
    startupMessages << (platforms.isEmpty() && startupMessages.isEmpty() ? lines.mid(0, 1) : platforms);
    std::fprintf(stderr, "corvanta: cannot open a window:\n");
    for (const QString& line : std::as_const(startupMessages)) {
        std::fprintf(stderr, "  %s\n", line.toLocal8Bit().constData());
    }
    const bool noPlugin = startupMessages.join(u' ').contains(QStringLiteral("Could not find the Qt platform plugin"));
    if (noPlugin && qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "hint: QT_QPA_PLATFORM=%s names no installed platform; unset it or pick one above\n",
            qgetenv("QT_QPA_PLATFORM").constData());
    } else if (noPlugin) {
        std::fprintf(stderr, "hint: install Qt's platform plugins (Debian package qt6-qpa-plugins)\n");
    } else {
        std::fprintf(stderr, "hint: start corvanta in a desktop session, or set DISPLAY to a running X server\n");
    }
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}

// Once running, the toolkit's warnings are not news to a teacher: they show only to whoever sets
// QT_LOGGING_RULES. The program's own categories (corvanta.*) say only what logging rules turned on,
// there or in a qtlogging.ini (such as why a cue is silent), and it shows.
void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (context.category != nullptr && std::string_view(context.category).starts_with("corvanta.")) {
        toolkitHandler(type, context, message);
    } else if (type == QtFatalMsg) { // the toolkit aborts right after
        std::fprintf(stderr, "corvanta: %s\n", message.toLocal8Bit().constData());
    }
}

} // namespace

int main(int argc, char** argv)
{
    toolkitHandler = qInstallMessageHandler(startupMessageHandler);
    QApplication app(argc, argv);
    qInstallMessageHandler(qEnvironmentVariableIsSet("QT_LOGGING_RULES") ? toolkitHandler : quietMessageHandler);
    QApplication::setApplicationName(QStringLiteral("corvanta"));
    // The desktop shell matches the window to its menu entry by this name under Wayland (the app_id),
    // and by the application name, the window's class, under X11 (the entry's StartupWMClass).
    QApplication::setDesktopFileName(QStringLiteral("org.corvanta.Corvanta"));
    QApplication::setApplicationVersion(QStringLiteral(CORVANTA_VERSION));
    QApplication::setWindowIcon(corvanta::programIcon());
    corvanta::registerLayoutFonts();
    corvanta::installTranslations();

    corvanta::PulseCuePlayer cues;
    corvanta::TimeMixedRandom random(std::random_device {}());
    corvanta::SystemClock clock;
    corvanta::MainWindow window(random, clock, cues);
    // What the user need not wait for to see the window, and a press need not wait for either.
    corvanta::afterFirstFrame(window, [&window, &cues] {
        corvanta::completeProgramIcon(window);
        cues.start();
    });
    window.show();
    return QApplication::exec();
}
