#include "vertical_motion.h"

#include <algorithm>

#include "envelope_limits.h"
#include "panel_sim/flight_envelope.h"
#include "tokens.h"
#include "vertical_units.h"

namespace panel_sim {

namespace {

double within_vertical_speed_limits(double fpm) {
    return within(fpm, -kMaxVerticalSpeedFpm, kMaxVerticalSpeedFpm);
}

bool vertical_speed_in_store_is_within_envelope(const panel_host::VariableStore& store) {
    const double fpm = fpm_from_vertical_speed_units(store.number(token::kVerticalSpeed));
    return within_vertical_speed_limits(fpm) == fpm;
}

}  // namespace

VerticalState read_vertical_state(const panel_host::VariableStore& store) {
    return {
        .altitude_ft = within(store.number(token::kAltitude), kMinAltitudeFt, kMaxAltitudeFt),
        .vertical_speed_fpm = within_vertical_speed_limits(
            fpm_from_vertical_speed_units(store.number(token::kVerticalSpeed))),
    };
}

void write_vertical_state(panel_host::VariableStore& store, const VerticalState& read,
                          const VerticalState& now) {
    store.set_number(token::kAltitude, now.altitude_ft);
    if (now.vertical_speed_fpm != read.vertical_speed_fpm ||
        !vertical_speed_in_store_is_within_envelope(store))
        store.set_number(token::kVerticalSpeed,
                         vertical_speed_units_from_fpm(now.vertical_speed_fpm));
}

double vertical_speed_toward(double current, double commanded) {
    constexpr double kMaxChange = kVerticalAccelerationFpmPerSecond * kSecondsPerFrame;
    return current + std::clamp(commanded - current, -kMaxChange, kMaxChange);
}

VerticalState after_one_frame(const VerticalState& state) {
    VerticalState next = state;
    next.altitude_ft += state.vertical_speed_fpm / kSecondsPerMinute * kSecondsPerFrame;
    if (next.altitude_ft >= kMaxAltitudeFt) {
        next.altitude_ft = kMaxAltitudeFt;
        next.vertical_speed_fpm = std::min(next.vertical_speed_fpm, 0.0);
    }
    if (next.altitude_ft <= kMinAltitudeFt) {
        next.altitude_ft = kMinAltitudeFt;
        next.vertical_speed_fpm = std::max(next.vertical_speed_fpm, 0.0);
    }
    return next;
}

}  // namespace panel_sim
