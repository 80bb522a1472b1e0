#pragma once

#include <cstdint>
#include <functional>

namespace vortalin::ui {

// Seconds on a clock that only goes forward and never wraps.
using SpeedClock = std::function<double()>;
double monotonicSeconds();

// The speed bar holds 10 to 6000, so the measurement stays within 1 to 600.
inline constexpr std::int32_t slowestSpeed = 600;
inline constexpr std::int32_t fastestSpeed = 1;

// The clock readings of one second that make one unit of the measurement.
inline constexpr std::int32_t readingsPerSpeedUnit = 180;

// A flight on the main window runs no faster than on the machine that
// measures exactly the slowest value, one step per clock reading: 108,000
// steps a second. So the longest flight lasts about 12 s whatever the value.
inline constexpr double fastestStepsPerSecond = double(slowestSpeed) * readingsPerSpeedUnit;

// Counts the clock readings of one second, divided by 180, kept within the
// speed bar's reach. Busy for that second; the clock is injected for tests.
std::int32_t calibrateSpeed(const SpeedClock& clock);

// The animation value of a speed bar position: a tenth, in single precision,
// rounded down (15 gives 1).
std::int32_t animationValue(int barValue);

} // namespace vortalin::ui
