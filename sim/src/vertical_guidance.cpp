#include "vertical_guidance.h"

#include <algorithm>
#include <cmath>

#include "envelope_limits.h"
#include "panel_sim/flight_envelope.h"
#include "tokens.h"
#include "vertical_units.h"

namespace panel_sim {

namespace {

// Within this distance of the altitude target the aircraft counts as there.
constexpr double kCaptureDistanceFt = 1.0;

// Within this distance the autopilot asks for level flight exactly, so the vertical speed
// settles on 0 instead of creeping toward it.
constexpr double kLevelDistanceFt = 0.1;

// The level-off plans with this share of the maximum vertical speed from which the aircraft
// could still stop in time (0.7 of it, so half the available acceleration), which leaves
// room for the frame steps.
constexpr double kLevelOffMargin = 0.7;

// Close to the target the vertical speed is proportional to the distance left: 60 fpm per
// foot, a time constant of one second.
constexpr double kSettlingFpmPerFt = 60.0;

// While holding a captured altitude the autopilot corrects at no more than this.
constexpr double kMaxHoldCorrectionFpm = 1000.0;

// The fastest vertical speed toward a point `distance_ft` away from which the aircraft still
// levels off on it.
double fastest_approach_fpm(double distance_ft) {
    if (distance_ft <= kLevelDistanceFt) return 0.0;
    // Stopping from v fpm at a fpm/s takes v^2 / (2 a) fpm-seconds, i.e. v^2 / (120 a) feet.
    const double stopping_limit =
        std::sqrt(2.0 * kSecondsPerMinute * kVerticalAccelerationFpmPerSecond * distance_ft);
    return std::min(kLevelOffMargin * stopping_limit, kSettlingFpmPerFt * distance_ft);
}

}  // namespace

VerticalTargets read_vertical_targets(const panel_host::VariableStore& store) {
    const double altitude =
        within(store.number(token::kAltitudeTarget), kMinAltitudeFt, kMaxAltitudeFt);
    return {
        .altitude_ft = std::trunc(altitude) == 0.0 ? 0.0 : altitude,
        .vertical_speed_fpm = within(store.number(token::kVerticalSpeedTarget),
                                     -kMaxVerticalSpeedFpm, kMaxVerticalSpeedFpm),
    };
}

double commanded_vertical_speed(VerticalAutopilot& autopilot, const VerticalTargets& targets,
                                double altitude_ft) {
    if (targets.altitude_ft == 0.0) {
        autopilot.altitude_captured = false;
        return targets.vertical_speed_fpm;
    }
    const double to_go_ft = targets.altitude_ft - altitude_ft;
    const double direction = to_go_ft < 0.0 ? -1.0 : 1.0;
    const double fastest_fpm = fastest_approach_fpm(std::abs(to_go_ft));
    if (std::abs(to_go_ft) <= kCaptureDistanceFt) autopilot.altitude_captured = true;

    if (autopilot.altitude_captured)
        return direction * std::min(fastest_fpm, kMaxHoldCorrectionFpm);
    if (targets.vertical_speed_fpm * to_go_ft > 0.0)
        return direction * std::min(fastest_fpm, std::abs(targets.vertical_speed_fpm));
    return targets.vertical_speed_fpm;
}

void note_altitude_target_passed(VerticalAutopilot& autopilot, const VerticalTargets& targets,
                                 double before_ft, double after_ft) {
    if (targets.altitude_ft == 0.0) return;
    const bool passed = (before_ft - targets.altitude_ft) * (after_ft - targets.altitude_ft) <= 0.0;
    if (passed) autopilot.altitude_captured = true;
}

}  // namespace panel_sim
