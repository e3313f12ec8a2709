// The scalings the engine instruments read the engine's tokens in.
#pragma once

namespace panel_sim {

// The engine speed token counts 16384 per unit of the speed factor, and RPM is the speed
// factor x scale / 4; with the standard scale of 16384 the token is four times the RPM.
constexpr double kStandardEngineSpeedScale = 16384.0;
constexpr double engine_speed_token(double rpm, double scale) { return rpm * 4.0 * 16384.0 / scale; }

constexpr double manifold_pressure_token(double inhg) { return inhg * 1040.0; }
constexpr double oil_pressure_token(double psi) { return psi * 298.0; }
constexpr double turbine_inlet_token(double degrees_f) { return degrees_f / 100.0 * 128.0; }
constexpr double oil_temperature_token(double degrees_f) { return degrees_f + 450.0; }
// The cylinder head temperature token is in degrees C.
constexpr double cylinder_head_token(double degrees_f) { return (degrees_f - 32.0) / 1.8; }
// Fuel flow is by weight: gallons per hour times the fuel's weight per gallon, 6 pounds for
// the aircraft's avgas.
constexpr double kStandardFuelPoundsPerGallon = 6.0;
constexpr double fuel_flow_token(double gallons_per_hour, double pounds_per_gallon) {
    return gallons_per_hour * pounds_per_gallon;
}

}  // namespace panel_sim
