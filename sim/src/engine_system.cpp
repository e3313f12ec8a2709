#include "engine_system.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "engine_gauge_units.h"
#include "engine_levers.h"
#include "engine_model.h"
#include "engine_start_state.h"
#include "engine_tokens.h"
#include "envelope_limits.h"
#include "first_order_lag.h"
#include "fuel_tanks.h"
#include "panel_sim/flight_envelope.h"
#include "tokens.h"

namespace panel_sim {

namespace {

constexpr double kSecondsPerFrame = 1.0 / kFramesPerSecond;
constexpr double kSecondsPerHour = 3600.0;
constexpr double kLargest = std::numeric_limits<double>::max();

// The scales the readings are written in, as the store gives them. A scale the store holds
// no usable value for (not finite, or out of range) is replaced by the standard one for the
// readings; the scale token itself is left as it is.
struct TokenScales {
    double engine_speed_scale;
    double fuel_pounds_per_gallon;
};

TokenScales read_token_scales(const panel_host::VariableStore& store) {
    const double speed_scale = store.number(token::kEngineSpeedScale);
    const double pounds_per_gallon = store.number(token::kFuelWeightPerGallon);
    return {
        .engine_speed_scale =
            std::isfinite(speed_scale) && speed_scale >= 1.0 ? speed_scale : kStandardEngineSpeedScale,
        .fuel_pounds_per_gallon = std::isfinite(pounds_per_gallon) && pounds_per_gallon >= 0.0
                                      ? pounds_per_gallon
                                      : kStandardFuelPoundsPerGallon,
    };
}

// One engine reading: its token, how quickly it follows its settled value, and its settled
// value in the token's scaling.
struct Reading {
    uint32_t token;
    double time_constant_s;
    double (*token_value)(const EngineReadings& engine, const TokenScales& scales);
};

// Pressures and speed follow the levers within a second or two; the temperatures take from
// seconds (turbine inlet) to minutes (cylinder heads, oil).
constexpr Reading kReadings[] = {
    {.token = token::kEngineSpeed, .time_constant_s = 1.0,
     .token_value = [](const EngineReadings& e, const TokenScales& s) {
         return engine_speed_token(e.rpm, s.engine_speed_scale);
     }},
    {.token = token::kManifoldPressure, .time_constant_s = 0.5,
     .token_value = [](const EngineReadings& e, const TokenScales&) {
         return manifold_pressure_token(e.manifold_inhg);
     }},
    {.token = token::kFuelFlow, .time_constant_s = 0.5,
     .token_value = [](const EngineReadings& e, const TokenScales& s) {
         return std::min(kLargest, fuel_flow_token(e.fuel_flow_gph, s.fuel_pounds_per_gallon));
     }},
    {.token = token::kOilPressure, .time_constant_s = 1.0,
     .token_value = [](const EngineReadings& e, const TokenScales&) {
         return oil_pressure_token(e.oil_pressure_psi);
     }},
    {.token = token::kSuction, .time_constant_s = 1.0,
     .token_value = [](const EngineReadings& e, const TokenScales&) { return e.suction_inhg; }},
    {.token = token::kTurbineInletTemperature, .time_constant_s = 10.0,
     .token_value = [](const EngineReadings& e, const TokenScales&) {
         return turbine_inlet_token(e.turbine_inlet_f);
     }},
    {.token = token::kCylinderHeadTemperature, .time_constant_s = 60.0,
     .token_value = [](const EngineReadings& e, const TokenScales&) {
         return cylinder_head_token(e.cylinder_head_f);
     }},
    {.token = token::kOilTemperature, .time_constant_s = 180.0,
     .token_value = [](const EngineReadings& e, const TokenScales&) {
         return oil_temperature_token(e.oil_temperature_f);
     }},
};

// What the engine's readings settle to with the levers, the air and the fuel as they are now.
EngineReadings settled_readings_now(const panel_host::VariableStore& store,
                                    const EngineControls& controls, const FuelQuantities& fuel) {
    const double altitude_ft = within(store.number(token::kAltitude), kMinAltitudeFt, kMaxAltitudeFt);
    return settled_readings(controls, ambient_air_at(altitude_ft), any_fuel(fuel));
}

}  // namespace

void EngineSystem::reset(panel_host::VariableStore& store) {
    for (const TokenValue& entry : engine_start_state()) store.set_number(entry.token, entry.value);
    const EngineReadings settled =
        settled_readings_now(store, read_and_report_levers(store), read_fuel_quantities(store));
    const TokenScales scales = read_token_scales(store);
    for (const Reading& reading : kReadings)
        store.set_number(reading.token, reading.token_value(settled, scales));
}

bool EngineSystem::apply(panel_host::VariableStore& store, const panel_abi::KeyEvent& event) {
    return apply_lever_event(store, event);
}

void EngineSystem::advance_frame(panel_host::VariableStore& store) {
    const EngineControls controls = read_and_report_levers(store);
    const FuelQuantities fuel = read_fuel_quantities(store);
    const EngineReadings settled = settled_readings_now(store, controls, fuel);
    const TokenScales scales = read_token_scales(store);
    for (const Reading& reading : kReadings) {
        const double next = one_frame_toward(store.number(reading.token),
                                             reading.token_value(settled, scales),
                                             reading.time_constant_s);
        store.set_number(reading.token, next);
    }
    // The engine draws what it burns at the flow it has settled to for these levers.
    const double gallons = settled.fuel_flow_gph * kSecondsPerFrame / kSecondsPerHour;
    write_fuel_quantities(store, after_drawing(fuel, gallons));
}

}  // namespace panel_sim
