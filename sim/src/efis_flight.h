// The aircraft's attitude and the air around it, as the flight instruments show them.
//
// Heading: while the autopilot master (0x67) and its heading mode (0x6a) are on, the aircraft
// turns toward the selected heading (0x6b) by the shorter way, at the standard rate of
// 3 degrees a second, easing off over the last 3 degrees; otherwise the heading stays as it
// is. The GPS path over the ground does not depend on it: the difference is the drift angle.
// Bank: the bank of that turn, kStandardRateBankDeg at the standard rate, 0 when not turning.
// Pitch: the flight path angle from the vertical speed (0x41) and the ground speed (0x340),
// so 0 in level flight as at start (the wing's angle of attack is left out).
// Attitude tokens use the simulator's senses: pitch positive nose down, bank positive left
// wing down.
// Flight director: on while the autopilot master is on. Its bank command is the heading
// turn's bank (0 outside heading mode); its pitch command is the attitude for the vertical
// speed target while the vertical autopilot (0x6c) is engaged, levelling within
// kLevelOffBandFt of the altitude target, and for level flight otherwise.
// Radio altitude: the height above flat ground at kGroundElevationFt, never below 0.
// Wind: from the west-south-west, veering and strengthening with altitude.
#pragma once

#include "panel_host/variable_store.h"

namespace panel_sim {

constexpr double kStandardRateDegPerSecond = 3.0;
constexpr double kStandardRateBankDeg = 20.0;
constexpr double kGroundElevationFt = 500.0;
constexpr double kLevelOffBandFt = 100.0;

// Turn rate, degrees a second (positive to the right), to go from `heading` to `selected`.
double turn_rate_toward(double heading_deg, double selected_deg);

// Nose-up pitch, degrees, for a vertical speed at a ground speed.
double nose_up_pitch_deg(double vertical_speed_mps, double ground_speed_mps);

struct Wind {
    double from_deg;
    double speed_kt;
};
Wind wind_at(double altitude_ft);

// Values at start, for the aircraft of the start state (level, on its heading).
void reset_efis_flight(panel_host::VariableStore& store);

// One frame: turns the heading, then writes attitude, flight director, radio altitude, wind.
void advance_efis_flight(panel_host::VariableStore& store);

// Height above the ground, feet, from the altitude token.
double height_above_ground_ft(const panel_host::VariableStore& store);

}  // namespace panel_sim
