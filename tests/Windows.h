#pragma once
// Both windows of the program driven through their real widgets, offscreen: after each event, each cue as it sounded,
// what opened, and what each window shows, widget by widget. For the lesson and the language test.
#include "core/Clock.h"
#include "core/CuePlayer.h"
#include "core/RandomSource.h"
#include "helpwindow/HelpWindow.h"
#include "mainwindow/MainWindow.h"
#include "platform/SurfaceWidget.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace corvanta::test {

inline std::string quoted(const QString& text)
{
    return '"' + text.toStdString() + '"';
}

// The help window, when it shows.
inline QWidget* helpWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<HelpWindow*>(window) != nullptr && window->isVisible()) {
            return window;
        }
    }
    return nullptr;
}

// The cues as they sound, scripted draws, and a clock that stands at noon.
struct Fakes final : CuePlayer, RandomSource, Clock {
    std::vector<std::string> heard;
    std::vector<float> draws;
    std::size_t drawn = 0;
    void play(std::string_view file) override
    {
        heard.push_back("cue " + std::string(file) + (helpWindow() != nullptr ? ", the help window shown" : ""));
    }
    void reseed(float) override { }
    float next() override { return draws.at(drawn++); }
    float secondsSinceMidnight() override { return 43200; }
};

struct Windows {
    Fakes fakes;
    MainWindow main {fakes, fakes, fakes};
    QTimer* timer = main.findChild<QTimer*>("stepTimer");
    std::map<std::string, std::string> shown; // what stands at each place of the screen
    std::string transcript;
    QObject boxReader; // no exit box is read once the windows have gone

    ~Windows() { HelpWindow::closeIfOpen(); }
    QWidget* child(const char* name) { return main.findChild<QWidget*>(name); }

    // Each named widget that shows, by place and size: enabled, text, what a reader reads; strip texts by their place.
    void addScene(std::map<std::string, std::string>& now, QWidget* window, const std::string& name)
    {
        now[name] = quoted(window->windowTitle()) + (window->isVisible() ? " shows" : " hidden");
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const std::string object = name + " " + widget->objectName().toStdString();
            if (widget->objectName().isEmpty() || !widget->isVisibleTo(window)) {
                continue;
            }
            const QRect box = widget->geometry();
            const QString text = widget->property("text").toString();
            const QString reader = widget->accessibleName(); // none: a screen reader reads the text
            std::ostringstream place;
            place << object << " (" << box.x() << ", " << box.y() << ") " << box.width() << 'x' << box.height();
            std::string& content = now[place.str()];
            content = widget->isEnabled() ? "enabled" : "disabled";
            content += text.isEmpty() ? "" : " " + quoted(text);
            content += reader.isEmpty() || reader == text ? "" : " named " + quoted(reader);
            content
                += widget->accessibleDescription().isEmpty() ? "" : " reads " + quoted(widget->accessibleDescription());
            if (widget->objectName().endsWith("Row")) { // a strip
                for (const SurfaceWidget::PrintedText& printed : static_cast<SurfaceWidget*>(widget)->printedTexts()) {
                    std::ostringstream at;
                    at << object << " text (" << printed.x << ", " << printed.y << ')';
                    now[at.str()] = quoted(printed.text);
                }
            }
        }
    }
    // What sounded and opened since the last look, then each place whose content is new, changed or gone.
    void look(const std::string& event)
    {
        QWidget* focus = QApplication::focusWidget();
        std::map<std::string, std::string> now = {{"focus", focus ? focus->objectName().toStdString() : "none"},
            {"step timer", timer->isActive() ? std::to_string(timer->interval()) + " ms" : "stopped"}};
        addScene(now, &main, "main");
        if (helpWindow() != nullptr) {
            addScene(now, helpWindow(), "help");
        }
        transcript += "== " + event + "\n";
        for (const std::string& heard : fakes.heard) {
            transcript += heard + "\n";
        }
        fakes.heard.clear();
        for (const auto& [place, content] : now) {
            transcript += shown.contains(place) && shown.at(place) == content ? "" : place + " " + content + "\n";
        }
        for (const auto& [place, content] : shown) {
            transcript += now.contains(place) ? "" : place + " gone\n";
        }
        shown = now;
    }
    // A button pressed, as a user can only while it is enabled; a look once the help window it opens is active.
    void press(const char* button, const std::string& event)
    {
        EXPECT_TRUE(child(button)->isEnabled()) << button << " pressed while it is disabled";
        QTest::mouseClick(child(button), Qt::LeftButton);
        if (std::string_view(button) == "helpButton") {
            EXPECT_TRUE(QTest::qWaitForWindowActive(helpWindow()));
        }
        look(event);
    }
    // Ticks while the step timer runs, at most `count`; then a look.
    void ticks(int count, const std::string& event)
    {
        QTimerEvent tick(timer->timerId());
        for (int n = 0; n < count && timer->isActive(); ++n) {
            QCoreApplication::sendEvent(timer, &tick);
        }
        look(event);
    }
    // The main window made the program's active window again, from `other`, with no tick meanwhile; then a look.
    void activateFrom(QWidget* other, const std::string& event)
    {
        const QSignalBlocker noTicks(timer);
        other->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(other));
        main.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&main));
        look(event);
    }
    // Once the exit box shows, inside its own event loop: its texts, whether it is plain, and OK.
    void readTheExitBox()
    {
        QTimer::singleShot(0, &boxReader, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr) << "no exit box";
            const bool plain = box->icon() == QMessageBox::NoIcon && box->standardButtons() == QMessageBox::Ok
                && box->windowModality() == Qt::ApplicationModal;
            const std::string texts = quoted(box->windowTitle()) + " " + quoted(box->text());
            fakes.heard.push_back("box " + texts + (plain ? ", OK alone" : ", not a plain modal box with OK alone"));
            box->button(QMessageBox::Ok)->click();
        });
    }
};

} // namespace corvanta::test
