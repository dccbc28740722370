#include "Experiment.h"

#include "Clock.h"
#include "MainView.h"
#include "RandomSource.h"

#include <algorithm>
#include <cassert>
#include <cmath>
#include <numeric>

namespace corvanta {

Experiment::Experiment(MainView& view, RandomSource& random, Clock& clock)
    : view_(view)
    , random_(random)
    , clock_(clock)
{
}

bool Experiment::finished() const
{
    return std::ranges::any_of(state_.binCounts, [](int count) { return count >= kBinCapacity; });
}

void Experiment::reset()
{
    state_.ballX = kStartX;
    state_.ballY = kStartY;
    state_.binCounts.fill(0);
    state_.landed = 0;
    view_.showBinCounts(state_.binCounts);
}

bool Experiment::step()
{
    // The sprite shows where the previous tick left the ball.
    view_.moveBall(state_.ballX, state_.ballY);
    random_.reseed(clock_.secondsSinceMidnight());
    // In double 2r + 1 is exact, so the largest float below 1 gives 2, never 3. Turn 1 goes one
    // column right, 2 one column left.
    const int turn = static_cast<int>(std::floor(2.0 * static_cast<double>(random_.next()) + 1.0));

    if (state_.ballY < kBottomY) {
        state_.ballX += turn == 1 ? 1.0f : -1.0f;
        state_.ballY += 1.0f;
        return false;
    }
    ++state_.landed;
    view_.setCount(std::to_string(state_.landed));
    const bool runOver = tallyLanding(binAt(state_.ballX));
    state_.ballX = kStartX;
    state_.ballY = kStartY;
    return runOver;
}

int Experiment::binAt(float ballX)
{
    for (int bin = 1; bin < kBins; ++bin) {
        if (ballX < static_cast<float>(10 + 2 * (bin - 1))) {
            return bin;
        }
    }
    // Ten steps from 19.8 end at 29.8 at most: bin 11 is the last there is.
    assert(ballX < 30.0f);
    return kBins;
}

bool Experiment::tallyLanding(int bin)
{
    int& count = state_.binCounts.at(static_cast<std::size_t>(bin - 1));
    assert(count < kBinCapacity && state_.landed <= kBinCapacity + (kBins - 1) * (kBinCapacity - 1));
    ++count;
    view_.setMarkerVisible(bin, count, true);
    view_.showBinCounts(state_.binCounts);
    if (count < kBinCapacity) {
        return false;
    }
    view_.setBallVisible(false);
    printRatios();
    return true;
}

void Experiment::printRatios()
{
    const int total = std::accumulate(state_.binCounts.begin(), state_.binCounts.end(), 0);
    // Stopped before the first landing there is no ratio to show: the heading stays alone.
    if (total == 0) {
        return;
    }
    const std::string decimalSign = view_.decimalSign();
    std::array<std::string, kBins> ratios;
    for (int bin = 1; bin <= kBins; ++bin) {
        std::string& ratio = ratios.at(static_cast<std::size_t>(bin - 1));
        ratio = ratioText(state_.binCount(bin), total, decimalSign);
        view_.ratioRow().printAt(column(bin), kRowY, ratio);
    }
    view_.showStripTexts(Heading::Ratio, ratios);
}

void Experiment::showRatioHeading()
{
    view_.ratioRow().printAt(kHeadingX, kRowY, view_.heading(Heading::Ratio));
}

void Experiment::resetRatioReadout()
{
    view_.ratioRow().clear();
    showRatioHeading();
    view_.showStripTexts(Heading::Ratio, {});
}

std::string thousandthsText(int thousandths, std::string_view decimalSign)
{
    // 1000 + 46 is "1046": the three decimals with their leading zeros follow the 1.
    const std::string decimals = std::to_string(1000 + thousandths % 1000).substr(1);
    return std::to_string(thousandths / 1000) + std::string(decimalSign) + decimals;
}

std::string ratioText(int count, int total, std::string_view decimalSign)
{
    // Thousandths rounded half up, all in integers: floor(1000 count / total + 1/2).
    return thousandthsText((2000 * count + total) / (2 * total), decimalSign);
}

} // namespace corvanta
