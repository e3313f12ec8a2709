// The fuel in the left, right and centre tanks, in gallons, and how the engine draws it.
#pragma once

#include "panel_host/variable_store.h"

namespace panel_sim {

struct FuelQuantities {
    double left;
    double right;
    double centre;
};

// The quantities in the store; a quantity that is negative or not a number counts as an
// empty tank, an infinite one as the largest finite quantity.
FuelQuantities read_fuel_quantities(const panel_host::VariableStore& store);
void write_fuel_quantities(panel_host::VariableStore& store, const FuelQuantities& fuel);

bool any_fuel(const FuelQuantities& fuel);

// The tanks after the engine drew `gallons`: the centre tank first; then the left and right
// tanks equally, one side giving what the other cannot. A tank never goes below empty; what
// no tank holds is not drawn.
FuelQuantities after_drawing(const FuelQuantities& fuel, double gallons);

}  // namespace panel_sim
