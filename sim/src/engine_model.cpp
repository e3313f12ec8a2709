#include "engine_model.h"

#include <algorithm>

namespace panel_sim {

namespace {

// Mixture lever travel below which the engine gets no fuel (idle cut-off).
constexpr double kMixtureCutOff = 0.05;

// Engine speed. The governor holds the speed the propeller lever selects, from 1800 RPM at
// the bottom of its travel to the 2600 RPM redline at the top, as long as the engine has the
// power for it; below that the propeller sits on its fine-pitch stop and the speed follows
// the power lever from 700 RPM at closed throttle.
constexpr double kRedlineRpm = 2600.0;
constexpr double kLowestGovernedRpm = 1800.0;
constexpr double kIdleRpm = 700.0;
constexpr double kFinePitchRpmPerPowerTravel = 2600.0;

// Manifold pressure from the power lever, 10 inHg at closed throttle to 38 inHg at full
// power; the turbocharger can raise it to at most 2.8 times the air's pressure, so full power
// holds 38 inHg up to about 20000 ft.
constexpr double kClosedThrottleInhg = 10.0;
constexpr double kFullThrottleInhg = 38.0;
constexpr double kMaxBoostRatio = 2.8;

// Fuel flow, full rich: 2 gal/h at idle to 25 gal/h at full power. Leaning to just above
// cut-off takes it down to 60 per cent of that.
constexpr double kIdleFlowGph = 2.0;
constexpr double kFullPowerFlowGph = 25.0;
constexpr double kLeanestFlowShare = 0.6;

// Temperatures in degrees F: a base at idle, full rich; the rise at full power; the rise
// from full rich to fully leaned. The turbine inlet never settles above its 1650 F limit.
struct TemperatureRule {
    double idle_rich_f;
    double rise_at_full_power_f;
    double rise_when_leaned_f;
};
constexpr TemperatureRule kTurbineInlet = {.idle_rich_f = 1100.0, .rise_at_full_power_f = 450.0, .rise_when_leaned_f = 300.0};
constexpr double kTurbineInletLimitF = 1650.0;
constexpr TemperatureRule kCylinderHead = {.idle_rich_f = 220.0, .rise_at_full_power_f = 180.0, .rise_when_leaned_f = 60.0};
constexpr TemperatureRule kOil = {.idle_rich_f = 150.0, .rise_at_full_power_f = 50.0, .rise_when_leaned_f = 0.0};

// Oil pressure grows with engine speed, 80 psi at redline. The vacuum pump's regulator holds
// 5 inHg of suction from 1200 RPM up; below that the suction falls with the speed.
constexpr double kOilPressureAtRedlinePsi = 80.0;
constexpr double kRegulatedSuctionInhg = 5.0;
constexpr double kRegulatedSuctionFromRpm = 1200.0;

double manifold_pressure_inhg(const EngineControls& controls, const AmbientAir& air) {
    const double lever_inhg =
        kClosedThrottleInhg + (kFullThrottleInhg - kClosedThrottleInhg) * controls.power;
    return std::min(lever_inhg, kMaxBoostRatio * air.pressure_inhg);
}

double engine_speed_rpm(const EngineControls& controls) {
    const double governed = kLowestGovernedRpm + (kRedlineRpm - kLowestGovernedRpm) * controls.propeller;
    const double on_fine_pitch_stop = kIdleRpm + kFinePitchRpmPerPowerTravel * controls.power;
    return std::min(governed, on_fine_pitch_stop);
}

// The share of full rated power the engine makes: manifold pressure above closed throttle
// times engine speed, both as shares of their full-power values.
double power_share(double manifold_inhg, double rpm) {
    const double pressure_share = std::clamp(
        (manifold_inhg - kClosedThrottleInhg) / (kFullThrottleInhg - kClosedThrottleInhg), 0.0, 1.0);
    return pressure_share * rpm / kRedlineRpm;
}

// How far the mixture is leaned: 0 at full rich, 1 just above cut-off.
double leaning(const EngineControls& controls) {
    return std::clamp((1.0 - controls.mixture) / (1.0 - kMixtureCutOff), 0.0, 1.0);
}

double temperature_f(const TemperatureRule& rule, double power, double leaned) {
    return rule.idle_rich_f + rule.rise_at_full_power_f * power + rule.rise_when_leaned_f * leaned;
}

}  // namespace

bool engine_runs(const EngineControls& controls, bool fuel_available) {
    return fuel_available && controls.mixture > kMixtureCutOff;
}

EngineReadings settled_readings(const EngineControls& controls, const AmbientAir& air,
                                bool fuel_available) {
    if (!engine_runs(controls, fuel_available))
        return {
            .rpm = 0.0,
            .manifold_inhg = air.pressure_inhg,
            .fuel_flow_gph = 0.0,
            .turbine_inlet_f = air.temperature_f,
            .cylinder_head_f = air.temperature_f,
            .oil_temperature_f = air.temperature_f,
            .oil_pressure_psi = 0.0,
            .suction_inhg = 0.0,
        };

    const double manifold_inhg = manifold_pressure_inhg(controls, air);
    const double rpm = engine_speed_rpm(controls);
    const double power = power_share(manifold_inhg, rpm);
    const double leaned = leaning(controls);
    const double rich_flow_gph = kIdleFlowGph + (kFullPowerFlowGph - kIdleFlowGph) * power;
    return {
        .rpm = rpm,
        .manifold_inhg = manifold_inhg,
        .fuel_flow_gph = rich_flow_gph * (1.0 - (1.0 - kLeanestFlowShare) * leaned),
        .turbine_inlet_f = std::min(kTurbineInletLimitF, temperature_f(kTurbineInlet, power, leaned)),
        .cylinder_head_f = temperature_f(kCylinderHead, power, leaned),
        .oil_temperature_f = temperature_f(kOil, power, leaned),
        .oil_pressure_psi = kOilPressureAtRedlinePsi * rpm / kRedlineRpm,
        .suction_inhg = kRegulatedSuctionInhg * std::min(1.0, rpm / kRegulatedSuctionFromRpm),
    };
}

}  // namespace panel_sim
