#include "efis_flight.h"

#include <algorithm>
#include <cmath>

#include "efis_tokens.h"
#include "map_geometry.h"
#include "navigation_units.h"
#include "panel_sim/flight_envelope.h"
#include "panel_sim/simulated_aircraft.h"
#include "radio_tokens.h"
#include "tokens.h"
#include "vertical_units.h"

namespace panel_sim {

namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kFpmPerMps = 60.0 / kMetresPerFoot;
// The ground speed assumed while the GPS gives none that makes sense.
constexpr double kFallbackGroundSpeedMps = 85.0;

double finite_or(double value, double fallback) { return std::isfinite(value) ? value : fallback; }

double signed_angle(double degrees) {
    const double within = degrees_within_circle(degrees);
    return within > 180.0 ? within - 360.0 : within;
}

bool is_on(const panel_host::VariableStore& store, uint32_t token) {
    const double value = store.number(token);
    return std::isfinite(value) && value != 0.0;
}

bool heading_mode_on(const panel_host::VariableStore& store) {
    return is_on(store, token::kAutopilotMaster) && is_on(store, token::kHeadingMode);
}

double bank_for_turn_rate(double rate_deg_per_second) {
    // Left wing down is positive: a turn to the right banks negative.
    return -rate_deg_per_second / kStandardRateDegPerSecond * kStandardRateBankDeg;
}

double ground_speed_mps(const panel_host::VariableStore& store) {
    const double speed = store.number(radio_token::kGpsGroundSpeed);
    return std::isfinite(speed) && speed > 1.0 ? speed : kFallbackGroundSpeedMps;
}

double altitude_ft(const panel_host::VariableStore& store) {
    return std::clamp(finite_or(store.number(token::kAltitude), 0.0), kMinAltitudeFt,
                      kMaxAltitudeFt);
}

// The vertical speed the flight director asks for, metres per second.
double commanded_vertical_speed_mps(const panel_host::VariableStore& store) {
    if (!is_on(store, token::kAltitudeHold)) return 0.0;
    const double target_ft = finite_or(store.number(token::kAltitudeTarget), 0.0);
    if (target_ft != 0.0 && std::abs(target_ft - altitude_ft(store)) <= kLevelOffBandFt) return 0.0;
    const double target_fpm = std::clamp(finite_or(store.number(token::kVerticalSpeedTarget), 0.0),
                                         -kMaxVerticalSpeedFpm, kMaxVerticalSpeedFpm);
    return target_fpm / kFpmPerMps;
}

void write_attitude(panel_host::VariableStore& store, double nose_up_deg, double bank_deg) {
    store.set_number(efis_token::kPitchAttitude, -nose_up_deg);
    store.set_number(efis_token::kSpherePitch, -nose_up_deg);
    store.set_number(efis_token::kBankAttitude, bank_deg);
    store.set_number(efis_token::kBankScale, bank_deg);
}

void write_air_and_ground(panel_host::VariableStore& store) {
    const Wind wind = wind_at(altitude_ft(store));
    store.set_number(efis_token::kWindDirection, wind.from_deg);
    store.set_number(efis_token::kWindSpeed, wind.speed_kt);
    store.set_number(efis_token::kRadioAltitude, height_above_ground_ft(store) * kMetresPerFoot);
}

}  // namespace

double turn_rate_toward(double heading_deg, double selected_deg) {
    const double error = signed_angle(selected_deg - heading_deg);
    if (!std::isfinite(error)) return 0.0;
    return std::clamp(error, -kStandardRateDegPerSecond, kStandardRateDegPerSecond);
}

double nose_up_pitch_deg(double vertical_speed_mps, double ground_speed_mps) {
    const double path = std::atan2(vertical_speed_mps, ground_speed_mps) * 180.0 / M_PI;
    return std::isfinite(path) ? path : 0.0;
}

Wind wind_at(double altitude_ft) {
    const double thousands = std::clamp(finite_or(altitude_ft, 0.0), 0.0, kMaxAltitudeFt) / 1000.0;
    return {.from_deg = degrees_token_value(250.0 + 2.0 * thousands),
            .speed_kt = 5.0 + 2.5 * thousands};
}

double height_above_ground_ft(const panel_host::VariableStore& store) {
    return std::max(altitude_ft(store) - kGroundElevationFt, 0.0);
}

void reset_efis_flight(panel_host::VariableStore& store) {
    write_attitude(store, nose_up_pitch_deg(0.0, kFallbackGroundSpeedMps), 0.0);
    store.set_number(efis_token::kFlightDirectorOn,
                     is_on(store, token::kAutopilotMaster) ? 1.0 : 0.0);
    store.set_number(efis_token::kFlightDirectorPitch,
                     -nose_up_pitch_deg(0.0, kFallbackGroundSpeedMps));
    store.set_number(efis_token::kFlightDirectorBank, 0.0);
    write_air_and_ground(store);
}

void advance_efis_flight(panel_host::VariableStore& store) {
    double heading = finite_or(store.number(token::kHeading), 0.0);
    double rate = 0.0;
    if (heading_mode_on(store)) {
        rate = turn_rate_toward(heading,
                                finite_or(store.number(efis_token::kSelectedHeading), heading));
        heading += rate / kFramesPerSecond;
    }
    store.set_number(token::kHeading, degrees_token_value(heading));

    const double ground_speed = ground_speed_mps(store);
    const double vertical_speed =
        fpm_from_vertical_speed_units(finite_or(store.number(token::kVerticalSpeed), 0.0)) /
        kFpmPerMps;
    const double bank = bank_for_turn_rate(rate);
    write_attitude(store, nose_up_pitch_deg(vertical_speed, ground_speed), bank);

    const bool director_on = is_on(store, token::kAutopilotMaster);
    store.set_number(efis_token::kFlightDirectorOn, director_on ? 1.0 : 0.0);
    store.set_number(efis_token::kFlightDirectorPitch,
                     -nose_up_pitch_deg(commanded_vertical_speed_mps(store), ground_speed));
    store.set_number(efis_token::kFlightDirectorBank, heading_mode_on(store) ? bank : 0.0);
    write_air_and_ground(store);
}

}  // namespace panel_sim
