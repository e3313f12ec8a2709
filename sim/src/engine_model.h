// The engine: a turbocharged six-cylinder with a constant-speed propeller. Given the lever
// positions, the air around it and whether any tank holds fuel, it gives the values every
// engine reading settles to.
#pragma once

#include "engine_levers.h"
#include "standard_atmosphere.h"

namespace panel_sim {

// Engine readings in plain units.
struct EngineReadings {
    double rpm;
    double manifold_inhg;
    double fuel_flow_gph;
    double turbine_inlet_f;
    double cylinder_head_f;
    double oil_temperature_f;
    double oil_pressure_psi;
    double suction_inhg;
};

// The engine runs while the mixture lever is above idle cut-off and a tank holds fuel.
bool engine_runs(const EngineControls& controls, bool fuel_available);

// What every reading settles to when the levers, the air and the fuel stay as they are. A
// stopped engine settles to no speed, flow, oil pressure or suction, its manifold pressure to
// the air's pressure and its temperatures to the air's temperature.
EngineReadings settled_readings(const EngineControls& controls, const AmbientAir& air,
                                bool fuel_available);

}  // namespace panel_sim
