// The needle readings: each turns the needle's own refreshed variable (and the further
// simulator values it looks up) into the value its dial's nonlinearity table expects, held
// within the dial's bounds.
#pragma once

#include "panel_abi/records.h"

namespace twin_needle {

using panel_abi::ModuleVariable;

// Turbine inlet temperature in hundreds of degrees F, 13 to 18.
double GAUGE_CALL turbine_inlet_temperature(ModuleVariable* own);
// Fuel flow in gallons per hour (flow / fuel weight per gallon), 0 to 30.
double GAUGE_CALL fuel_flow(ModuleVariable* own);
// Fuel quantity of each side in percent of its capacity, the centre tank counted half on
// each side, 0 to 100. The needles' own variable is not read.
double GAUGE_CALL left_fuel_quantity(ModuleVariable* own);
double GAUGE_CALL right_fuel_quantity(ModuleVariable* own);
// Cylinder head temperature, unscaled, 100 to 400.
double GAUGE_CALL cylinder_head_temperature(ModuleVariable* own);
// Suction in inches of mercury, 3.0 to 5.5.
double GAUGE_CALL suction(ModuleVariable* own);
// Manifold pressure in inches of mercury, 10 to 40.
double GAUGE_CALL manifold_pressure(ModuleVariable* own);
// Engine speed in hundreds of RPM, 0 to 3000.
double GAUGE_CALL engine_rpm(ModuleVariable* own);
// Oil temperature in degrees F, 0 to 2700.
double GAUGE_CALL oil_temperature(ModuleVariable* own);
// Oil pressure in psi, 0 to 1300.
double GAUGE_CALL oil_pressure(ModuleVariable* own);

}  // namespace twin_needle
