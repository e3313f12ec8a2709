#include "gps_navigation.h"

#include <algorithm>
#include <cmath>

#include "navaids.h"
#include "navigation_units.h"
#include "panel_sim/simulated_aircraft.h"

namespace panel_sim {

namespace {

constexpr double kNmPerFrame = kGpsGroundSpeedMps * kNmPerMetre / kFramesPerSecond;
constexpr double kInterceptDegPerNm = 30.0;
constexpr double kMaxInterceptDeg = 30.0;
// Closer to the leg than this (under two metres) the aircraft counts as on it.
constexpr double kOnLegNm = 0.001;

bool on_leg(const GpsNavigation& gps) {
    return std::abs(cross_track_nm(active_leg(gps), gps.position)) < kOnLegNm;
}

// Close enough to the active leg, the aircraft is put exactly on it, so that the cross-track
// error reads 0 only when bearing and desired track agree.
void settle_on_leg(GpsNavigation& gps) {
    if (!on_leg(gps)) return;
    const Leg leg = active_leg(gps);
    gps.position = point_along(leg, leg_length_nm(leg) - to_go_along_nm(leg, gps.position));
}

}  // namespace

GpsNavigation gps_navigation_at_start() {
    return {.position = {.east_nm = -5.0, .north_nm = -0.6}, .active_waypoint = 1};
}

Leg active_leg(const GpsNavigation& gps) {
    const auto plan = flight_plan();
    const size_t previous = (gps.active_waypoint + plan.size() - 1) % plan.size();
    return {.from = plan[previous].position, .to = plan[gps.active_waypoint].position};
}

double gps_cross_track_nm(const GpsNavigation& gps) {
    return on_leg(gps) ? 0.0 : cross_track_nm(active_leg(gps), gps.position);
}

double gps_track_deg(const GpsNavigation& gps) {
    // Left of the leg (positive) the aircraft turns right to come back, and the other way.
    const double intercept = std::clamp(kInterceptDegPerNm * gps_cross_track_nm(gps),
                                        -kMaxInterceptDeg, kMaxInterceptDeg);
    return degrees_within_circle(desired_track_deg(active_leg(gps)) + intercept);
}

void fly_one_frame(GpsNavigation& gps) {
    const Leg leg = active_leg(gps);
    if (on_leg(gps)) {
        const double flown = leg_length_nm(leg) - to_go_along_nm(leg, gps.position);
        gps.position = point_along(leg, flown + kNmPerFrame);
    } else {
        gps.position = moved(gps.position, gps_track_deg(gps), kNmPerFrame);
    }
    if (to_go_along_nm(leg, gps.position) <= 0.0)
        gps.active_waypoint = (gps.active_waypoint + 1) % flight_plan().size();
    settle_on_leg(gps);
}

}  // namespace panel_sim
