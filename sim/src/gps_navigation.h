// The GPS and the aircraft's path over the map.
//
// The aircraft flies the GPS flight plan leg by leg at a constant ground speed. Off the active
// leg it steers back toward it, at an intercept angle of 30 degrees per nautical mile off
// (at most 30 degrees), so the cross-track error dies away within a minute or two; once within
// a few metres of the leg it flies exactly along it. When it comes abeam the active waypoint,
// the next waypoint of the flight plan becomes active and the new leg starts at the waypoint
// just reached.
#pragma once

#include <cstddef>

#include "map_geometry.h"

namespace panel_sim {

// 85 m/s, about 165 knots: a turbocharged single in cruise with no wind.
constexpr double kGpsGroundSpeedMps = 85.0;

struct GpsNavigation {
    MapPosition position;
    size_t active_waypoint;  // index into the flight plan
};

// On the first leg, 25 nautical miles before its end and 0.6 of a mile right of it.
GpsNavigation gps_navigation_at_start();

// From the waypoint before the active one to the active one.
Leg active_leg(const GpsNavigation& gps);

// The cross-track error, 0 once the aircraft flies along the leg.
double gps_cross_track_nm(const GpsNavigation& gps);

// The track the aircraft flies now, in [0, 360).
double gps_track_deg(const GpsNavigation& gps);

// One panel frame of flight along the flight plan.
void fly_one_frame(GpsNavigation& gps);

}  // namespace panel_sim
