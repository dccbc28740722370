#include "XSession.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QStandardPaths>

#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace corvanta::test {

namespace {

// The X server and the window manager end with the test process, even when it is killed.
void DieWithParent()
{
    ::prctl(PR_SET_PDEATHSIG, SIGTERM);
}

} // namespace

bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeout.count()) {
            return false;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        ::usleep(10'000); // the condition lives in another process: poll it gently
    }
    return true;
}

int DarkPixels(const QImage& image)
{
    int dark = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    return dark;
}

bool ShowsTextOnLight(const QImage& image)
{
    int light = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            light += qGray(image.pixel(x, y)) >= 200 ? 1 : 0;
        }
    }
    // A window not yet painted is black: dark pixels alone do not mean text.
    return light * 2 >= image.width() * image.height() && DarkPixels(image) > 0;
}

XSession::~XSession()
{
    for (QProcess* process : {&windowManager_, &xvfb_}) {
        if (process->state() != QProcess::NotRunning) {
            process->terminate();
            if (!process->waitForFinished(3000)) {
                process->kill();
                process->waitForFinished(3000);
            }
        }
    }
}

QString XSession::Start()
{
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) {
        return QStringLiteral("Xvfb is not installed (Debian package xvfb)");
    }
    // A display number of our own: the first one whose socket is free.
    for (int number = 90 + ::getpid() % 400; number < 1000; ++number) {
        if (QFileInfo::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number))
            || QFileInfo::exists(QStringLiteral("/tmp/.X%1-lock").arg(number))) {
            continue;
        }
        display_ = QStringLiteral(":%1").arg(number);
        break;
    }
    xvfb_.setChildProcessModifier(DieWithParent);
    xvfb_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    xvfb_.setStandardOutputFile(QProcess::nullDevice());
    xvfb_.start(xvfb,
        {display_, QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x1024x24"),
            QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-dpi"), QStringLiteral("96")});
    const QString socket = QStringLiteral("/tmp/.X11-unix/X") + display_.mid(1);
    if (!xvfb_.waitForStarted(5000)
        || !WaitFor([&] { return QFileInfo::exists(socket) || xvfb_.state() == QProcess::NotRunning; },
            std::chrono::seconds(10))
        || xvfb_.state() == QProcess::NotRunning) {
        return QStringLiteral("Xvfb did not start on %1").arg(display_);
    }
    ::setenv("DISPLAY", display_.toLocal8Bit().constData(), 1);
    return {};
}

bool XSession::StartWindowManager()
{
    const QString openbox = QStandardPaths::findExecutable(QStringLiteral("openbox"));
    if (openbox.isEmpty()) {
        return false;
    }
    windowManager_.setChildProcessModifier(DieWithParent);
    windowManager_.setStandardOutputFile(QProcess::nullDevice());
    windowManager_.setStandardErrorFile(QProcess::nullDevice());
    windowManager_.start(openbox, {QStringLiteral("--sm-disable")});
    // Ready once it answers for the desktops it manages; a window mapped earlier may stay unmanaged.
    return windowManager_.waitForStarted(5000)
        && WaitFor(
            [] {
                bool ok = false;
                XDoTool({QStringLiteral("get_num_desktops")}, &ok);
                return ok;
            },
            std::chrono::seconds(10));
}

QString XSession::XDoTool(const QStringList& arguments, bool* ok)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    const bool finished = process.waitForStarted(5000) && process.waitForFinished(5000);
    if (!finished) {
        process.kill();
        process.waitForFinished(1000);
    }
    const bool success = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (ok != nullptr) {
        *ok = success;
    }
    return success ? QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed() : QString();
}

QString XSession::FindWindow(const QString& titlePattern, std::chrono::milliseconds timeout)
{
    QString window;
    WaitFor(
        [&] {
            window = XDoTool(
                {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern})
                         .section(QLatin1Char('\n'), 0, 0);
            return !window.isEmpty();
        },
        timeout);
    return window;
}

bool XSession::ClickAt(const QString& window, QPoint point)
{
    bool ok = false;
    XDoTool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(point.x()),
                QString::number(point.y()), QStringLiteral("click"), QStringLiteral("1")},
        &ok);
    return ok;
}

QImage XSession::Grab(const QString& window, const QRect& rect)
{
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen->grabWindow(window.toULongLong(), rect.x(), rect.y(), rect.width(), rect.height()).toImage();
}

} // namespace corvanta::test
