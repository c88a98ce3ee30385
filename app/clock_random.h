// The game's random generator, seeded from the clock so that runs differ.
#pragma once

#include <random>

#include "board.h"

namespace mud::app {

class ClockRandom : public RandomSource {
public:
    void seedFromClock() override;  // seconds since local midnight
    double next() override;         // uniform in [0, 1)

private:
    std::mt19937 engine_;
};

}  // namespace mud::app
