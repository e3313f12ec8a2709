// The needle readings. Further simulator values are read through module globals that hold
// only a token, refreshed with lookup_var immediately before use.
#include "readings.h"

#include "panel_abi/services.h"
#include "quiet_arithmetic.h"
#include "tokens.h"

namespace twin_needle {

using panel_abi::lookup_number;

namespace {

constexpr double kTurbineInletUnitsPerHundredF = 128.0;
constexpr double kManifoldUnitsPerInHg = 1040.0;
constexpr double kOilTemperatureOffsetF = 450.0;
constexpr double kOilPressureUnitsPerPsi = 298.0;
// Engine speed units per hundred RPM at a speed scale of 4: 16384 × 100.
constexpr double kEngineSpeedUnitsPerHundredRpm = 1638400.0;
constexpr double kEngineSpeedScaleDivisor = 4.0;

constinit ModuleVariable fuel_weight_per_gallon = {.token = tokens::kFuelWeightPerGallon};
constinit ModuleVariable engine_speed_scale = {.token = tokens::kEngineSpeedScale};

constinit ModuleVariable centre_capacity = {.token = tokens::kCentreCapacity};
constinit ModuleVariable centre_quantity = {.token = tokens::kCentreQuantity};
constinit ModuleVariable left_capacity1 = {.token = tokens::kLeftCapacity1};
constinit ModuleVariable left_capacity2 = {.token = tokens::kLeftCapacity2};
constinit ModuleVariable left_capacity3 = {.token = tokens::kLeftCapacity3};
constinit ModuleVariable left_quantity = {.token = tokens::kLeftQuantity};
constinit ModuleVariable right_capacity1 = {.token = tokens::kRightCapacity1};
constinit ModuleVariable right_capacity2 = {.token = tokens::kRightCapacity2};
constinit ModuleVariable right_capacity3 = {.token = tokens::kRightCapacity3};
constinit ModuleVariable right_quantity = {.token = tokens::kRightQuantity};

// 100 × (side quantity + centre quantity / 2) /
//       (side capacities + centre capacity / 2), in percent, 0 to 100.
// The values are refreshed in this order: the side's three capacities, the centre capacity,
// the side's quantity, the centre quantity.
double side_fuel_percent(ModuleVariable* capacity1, ModuleVariable* capacity2,
                         ModuleVariable* capacity3, ModuleVariable* quantity) {
    const double c1 = lookup_number(capacity1);
    const double c2 = lookup_number(capacity2);
    const double c3 = lookup_number(capacity3);
    const double centre_c = lookup_number(&centre_capacity);
    const double side_q = lookup_number(quantity);
    const double centre_q = lookup_number(&centre_quantity);
    const double fuel = quiet_sum(side_q, centre_q / 2);
    const double capacity = quiet_sum(quiet_sum(quiet_sum(c1, c2), c3), centre_c / 2);
    return bounded(quiet_divide(100 * fuel, capacity), 0, 100);
}

}  // namespace

double GAUGE_CALL turbine_inlet_temperature(ModuleVariable* own) {
    return bounded(own->value.number / kTurbineInletUnitsPerHundredF, 13, 18);
}

double GAUGE_CALL fuel_flow(ModuleVariable* own) {
    const double weight_per_gallon = lookup_number(&fuel_weight_per_gallon);
    return bounded(quiet_divide(own->value.number, weight_per_gallon), 0, 30);
}

double GAUGE_CALL left_fuel_quantity(ModuleVariable*) {
    return side_fuel_percent(&left_capacity1, &left_capacity2, &left_capacity3, &left_quantity);
}

double GAUGE_CALL right_fuel_quantity(ModuleVariable*) {
    return side_fuel_percent(&right_capacity1, &right_capacity2, &right_capacity3,
                             &right_quantity);
}

double GAUGE_CALL cylinder_head_temperature(ModuleVariable* own) {
    return bounded(own->value.number, 100, 400);
}

double GAUGE_CALL suction(ModuleVariable* own) { return bounded(own->value.number, 3.0, 5.5); }

double GAUGE_CALL manifold_pressure(ModuleVariable* own) {
    return bounded(own->value.number / kManifoldUnitsPerInHg, 10, 40);
}

double GAUGE_CALL engine_rpm(ModuleVariable* own) {
    const double scale = lookup_number(&engine_speed_scale);
    return bounded(quiet_product(own->value.number / kEngineSpeedUnitsPerHundredRpm,
                                 scale / kEngineSpeedScaleDivisor),
                   0, 3000);
}

double GAUGE_CALL oil_temperature(ModuleVariable* own) {
    return bounded(own->value.number - kOilTemperatureOffsetF, 0, 2700);
}

double GAUGE_CALL oil_pressure(ModuleVariable* own) {
    return bounded(own->value.number / kOilPressureUnitsPerPsi, 0, 1300);
}

}  // namespace twin_needle
