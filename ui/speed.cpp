#include "speed.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <limits>

namespace vortalin::ui {

double monotonicSeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

std::int32_t calibrateSpeed(const SpeedClock& clock) {
    const double start = clock();
    const double end = start - (-1.0);
    double last = start;
    std::int32_t readings = 0;
    // A counter at its limit ends the count rather than overflowing.
    while (last < end && readings < std::numeric_limits<std::int32_t>::max()) {
        last = clock();
        ++readings;
    }
    return std::clamp(readings / readingsPerSpeedUnit, fastestSpeed, slowestSpeed);
}

std::int32_t animationValue(int barValue) {
    return std::int32_t(std::floor(float(barValue) / 10.0f));
}

} // namespace vortalin::ui
