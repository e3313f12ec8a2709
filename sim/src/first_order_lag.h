// How an engine reading follows its settled value: each frame it closes a fixed share of the
// remaining gap, so it approaches smoothly and never passes the value.
#pragma once

#include <algorithm>
#include <cmath>

#include "panel_sim/simulated_aircraft.h"

namespace panel_sim {

// A value this close to its target has arrived. Without it a reading would creep toward its
// target forever and a stopped engine would never show a speed of exactly 0, which the
// engine lamps test for.
constexpr double kArrivedWithin = 1e-6;

// `current` one frame later, following `target` with the given time constant in seconds. A
// current value that is not a finite number starts again from the target.
inline double one_frame_toward(double current, double target, double time_constant_s) {
    if (!std::isfinite(current)) return target;
    const double share = 1.0 - std::exp(-1.0 / (kFramesPerSecond * time_constant_s));
    const double next = current + (target - current) * share;
    if (std::abs(target - next) <= kArrivedWithin) return target;
    // Rounding must not carry the value past its target either.
    return std::clamp(next, std::min(current, target), std::max(current, target));
}

}  // namespace panel_sim
