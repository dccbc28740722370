#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>

namespace corvanta::test {

// Waits, processing Qt events, until the condition holds or the time is up.
bool WaitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout);

// How many pixels of the image are darker than mid-grey: text or lines drawn on a light background.
int DarkPixels(const QImage& image);
// True when the picture is mostly light with some dark pixels: text painted on a light control.
bool ShowsTextOnLight(const QImage& image);

// A private X server (Xvfb) with a small window manager, for tests of the real program's window.
// Start() must run before the test's QGuiApplication connects to it.
class XSession {
public:
    XSession() = default;
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // Starts Xvfb on a free display and sets DISPLAY; returns an empty string or why it failed.
    QString Start();
    // Starts openbox so that windows are activated and focused as on a desktop.
    bool StartWindowManager();
    QString Display() const { return display_; }

    // xdotool, run to its end (bounded); returns its output, or nothing on failure.
    static QString XDoTool(const QStringList& arguments, bool* ok = nullptr);
    // The id of the visible window whose title matches the regular expression, waiting up to the timeout.
    static QString FindWindow(const QString& titlePattern, std::chrono::milliseconds timeout);
    static bool ClickAt(const QString& window, QPoint point);
    // The window's pixels in a rectangle of its client area (logical pixels of a 96-DPI screen).
    static QImage Grab(const QString& window, const QRect& rect);

private:
    QProcess xvfb_;
    QProcess windowManager_;
    QString display_;
};

} // namespace corvanta::test
