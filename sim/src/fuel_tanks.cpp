#include "fuel_tanks.h"

#include <algorithm>
#include <limits>

#include "engine_tokens.h"
#include "envelope_limits.h"

namespace panel_sim {

namespace {

double read_quantity(const panel_host::VariableStore& store, uint32_t quantity_token) {
    return within(store.number(quantity_token), 0.0, std::numeric_limits<double>::max());
}

}  // namespace

FuelQuantities read_fuel_quantities(const panel_host::VariableStore& store) {
    return {
        .left = read_quantity(store, token::kLeftFuelQuantity),
        .right = read_quantity(store, token::kRightFuelQuantity),
        .centre = read_quantity(store, token::kCentreFuelQuantity),
    };
}

void write_fuel_quantities(panel_host::VariableStore& store, const FuelQuantities& fuel) {
    store.set_number(token::kLeftFuelQuantity, fuel.left);
    store.set_number(token::kRightFuelQuantity, fuel.right);
    store.set_number(token::kCentreFuelQuantity, fuel.centre);
}

bool any_fuel(const FuelQuantities& fuel) {
    return fuel.left > 0.0 || fuel.right > 0.0 || fuel.centre > 0.0;
}

FuelQuantities after_drawing(const FuelQuantities& fuel, double gallons) {
    const double wanted = std::max(0.0, gallons);
    const double from_centre = std::min(wanted, fuel.centre);
    const double from_sides = wanted - from_centre;
    const double from_right = std::min(from_sides - std::min(from_sides / 2.0, fuel.left), fuel.right);
    const double from_left = std::min(from_sides - from_right, fuel.left);
    return {
        .left = fuel.left - from_left,
        .right = fuel.right - from_right,
        .centre = fuel.centre - from_centre,
    };
}

}  // namespace panel_sim
