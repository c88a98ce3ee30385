#include "clock_random.h"

#include <QTime>

namespace mud::app {

void ClockRandom::seedFromClock() {
    // Milliseconds make two starts within the same second differ too.
    engine_.seed(static_cast<std::mt19937::result_type>(QTime::currentTime().msecsSinceStartOfDay()));
}

double ClockRandom::next() {
    return std::generate_canonical<double, 32>(engine_) * (1.0 - 1e-12);  // never exactly 1
}

}  // namespace mud::app
