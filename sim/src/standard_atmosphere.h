// The air around the aircraft, from the standard atmosphere at its altitude: what a stopped
// engine's manifold gauge and its cooling temperatures settle to, and what limits the
// turbocharger.
#pragma once

namespace panel_sim {

struct AmbientAir {
    double pressure_inhg;
    double temperature_f;
};

// The standard atmosphere at `altitude_ft` (pressure altitude), for altitudes of the flight
// envelope; above the tropopause the temperature stays at its value there.
AmbientAir ambient_air_at(double altitude_ft);

}  // namespace panel_sim
