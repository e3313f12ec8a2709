// Units of the vertical motion: the store gives vertical speed in 1/256 metre per second,
// the aircraft works in feet per minute and moves in steps of one panel frame.
#pragma once

#include "panel_sim/simulated_aircraft.h"

namespace panel_sim {

// One foot per minute is 0.00508 m/s, that is 1.30048 units of 1/256 m/s.
constexpr double kVerticalSpeedUnitsPerFpm = 1.30048;

constexpr double kSecondsPerFrame = 1.0 / kFramesPerSecond;
constexpr double kSecondsPerMinute = 60.0;

constexpr double fpm_from_vertical_speed_units(double units) {
    return units / kVerticalSpeedUnitsPerFpm;
}

constexpr double vertical_speed_units_from_fpm(double fpm) {
    return fpm * kVerticalSpeedUnitsPerFpm;
}

}  // namespace panel_sim
