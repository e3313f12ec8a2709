// What the two NAV receivers and the ADF tell the flight instruments: bearings to their
// stations relative to the nose, the localizer and glideslope flags, and the course and
// glideslope deviations.
//
// The aircraft's map position is taken from the GPS tokens the radio stack writes (the active
// waypoint, the distance and the bearing to it), so these values follow the same flight.
// A NAV receiver whose active frequency is a station of the map receives it at any distance;
// a localizer frequency (110.30 for the airport) gives the localizer bit and, within
// kGlideslopeRangeNm of the airport in front of it, the glideslope bit. A VOR's deviation is
// measured from the selected course, a localizer's from its own inbound course. Deviations
// are positive when the aircraft lies left of the course (the sense of the GPS cross-track
// error) and, for the glideslope, when it lies above the glide path; full scale is +-127
// units at kVorFullScaleDeg, kLocalizerFullScaleDeg and kGlideslopeFullScaleDeg. A receiver
// with no station reads flags 0, deviations 0 and a relative bearing of 0.
#pragma once

#include <optional>

#include "map_geometry.h"
#include "panel_host/variable_store.h"

namespace panel_sim {

constexpr double kVorFullScaleDeg = 10.0;
constexpr double kLocalizerFullScaleDeg = 2.5;
constexpr double kGlideslopeFullScaleDeg = 0.7;
constexpr double kGlideslopeAngleDeg = 3.0;
constexpr double kGlideslopeRangeNm = 15.0;
constexpr double kDeviationFullScale = 127.0;

// The inbound course of the airport's localizer: the final approach course, flown west.
constexpr double kLocalizerCourseDeg = 270.0;

// The ADF's beacon: a locator on the outer marker of the approach.
constexpr MapPosition kAdfBeacon{.east_nm = 14.5, .north_nm = 40.0};

// The aircraft's map position from the GPS tokens; none while the active waypoint is not one
// of the flight plan's or the GPS values are not finite.
std::optional<MapPosition> aircraft_position(const panel_host::VariableStore& store);

// Deviation, in units, of `position` from the course `course_deg` through `station`: the angle
// off the course line seen from the station, on whichever side of it the aircraft is.
double course_deviation_units(MapPosition station, MapPosition position, double course_deg,
                              double full_scale_deg);

// Deviation, in units, from the glide path to a station at ground level, `height_ft` above it.
double glideslope_deviation_units(double distance_nm, double height_ft);

// Writes every receiver token from the aircraft's position, heading (0x51), altitude above the
// ground and the selected courses.
void write_nav_receiver_tokens(panel_host::VariableStore& store, double height_above_ground_ft);

}  // namespace panel_sim
