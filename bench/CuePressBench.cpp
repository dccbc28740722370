// How long a press of Init, Help or Exit spends on its cue (stop, close, open, play), the first
// press included: run in the folder of the shipped cues, with or without a sound server.
#include "sound/PulseCuePlayer.h"

#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>
#include <vector>

int main()
{
    corvanta::PulseCuePlayer player;
    std::vector<double> micros;
    for (int press = 0; press < 20; ++press) {
        QElapsedTimer timer;
        timer.start();
        corvanta::playCue(player, press % 2 == 0 ? "pinpon.wav" : "endpinpon.wav");
        micros.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
        std::this_thread::sleep_for(std::chrono::milliseconds(150)); // a quick user
    }
    const double first = micros.front();
    std::ranges::sort(micros);
    std::printf("20 presses: first %.0f us, median %.0f us, max %.0f us\n", first, (micros[9] + micros[10]) / 2,
        micros.back());
}
