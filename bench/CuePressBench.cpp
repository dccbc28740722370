// How long a press of Init, Help or Exit spends on its cue, the first press included: 20 presses of the
// shipped cues a quick user apart, the first 150 ms after the player has started, then 20 presses that
// each follow the press of a 16 MiB cue, which is still being decoded. Run with or without a sound server.
#include "sound/PulseCuePlayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <thread>
#include <vector>

namespace {

void report(const char* what, const std::function<void(int)>& press, const std::function<void(int)>& before)
{
    std::vector<double> micros;
    for (int i = 0; i < 20; ++i) {
        before(i);
        QElapsedTimer timer;
        timer.start();
        press(i);
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        std::this_thread::sleep_for(std::chrono::milliseconds(150)); // a quick user
    }
    const double first = micros.front();
    std::ranges::sort(micros);
    std::printf(
        "%s: first %.0f us, median %.0f us, max %.0f us\n", what, first, (micros[9] + micros[10]) / 2, micros.back());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv); // the player looks for the cues beside the program
    QTemporaryDir folder;
    QDir::setCurrent(folder.path());
    // 87 s of 16-bit stereo at 48 kHz: just under 16 MiB, of which the first 30 s are decoded.
    QProcess::execute(
        "sox", {"-D", "-n", "-r", "48000", "-c", "2", "-b", "16", "large.wav", "synth", "87", "sine", "440"});
    corvanta::PulseCuePlayer player;
    player.start(); // as the program does once its first frame is up, a user's reaction before the first press
    const auto shippedCue = [&player](int i) { player.play(i % 2 == 0 ? "pinpon.wav" : "endpinpon.wav"); };
    report("20 presses", shippedCue, [](int) {});
    report("20 presses while a 16 MiB cue is decoded", shippedCue, [&player](int) { player.play("large.wav"); });
}
