#pragma once

#include "platform/RandomSource.h"

#include <deque>
#include <vector>

namespace corvanta::test {

// Hands out given draws in order; logs every reseed so the order reseed-then-draw can be checked.
class ScriptedRandom final : public RandomSource {
public:
    void Reseed(float seconds) override { log.push_back(Event::Reseed), reseedTimes.push_back(seconds); }
    float Next() override
    {
        log.push_back(Event::Draw);
        if (draws.empty()) {
            return 0.25f;
        }
        const float r = draws.front();
        draws.pop_front();
        return r;
    }
    // Queues the draws that give these turns (1: r below 0.5, 2: r at or above 0.5).
    void QueueTurns(std::initializer_list<int> turns)
    {
        for (int turn : turns) {
            draws.push_back(turn == 1 ? 0.25f : 0.75f);
        }
    }

    enum class Event { Reseed, Draw };
    std::deque<float> draws;
    std::vector<Event> log;
    std::vector<float> reseedTimes;
};

} // namespace corvanta::test
