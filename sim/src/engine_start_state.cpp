#include "engine_start_state.h"

#include "engine_gauge_units.h"
#include "engine_tokens.h"

namespace panel_sim {

namespace {

constexpr TokenValue kEngineStartState[] = {
    // Cruise: about 30 inHg and 2400 RPM, leaned halfway to about 14 gal/h with the turbine
    // inlet at about 1550 F.
    {.token = token::kPowerLever, .value = 11702.0},
    {.token = token::kPropellerLever, .value = 12287.0},
    {.token = token::kMixtureLever, .value = 8601.0},

    {.token = token::kEngineSpeedScale, .value = kStandardEngineSpeedScale},
    {.token = token::kEngineLampsEnabled, .value = 1.0},

    // Fuel: avgas; two 46-gallon main tanks with 36 gallons in each.
    {.token = token::kFuelWeightPerGallon, .value = kStandardFuelPoundsPerGallon},
    {.token = token::kLeftMainTankCapacity, .value = 46.0},
    {.token = token::kLeftAuxTankCapacity, .value = 0.0},
    {.token = token::kLeftTipTankCapacity, .value = 0.0},
    {.token = token::kRightMainTankCapacity, .value = 46.0},
    {.token = token::kRightAuxTankCapacity, .value = 0.0},
    {.token = token::kRightTipTankCapacity, .value = 0.0},
    {.token = token::kCentreTankCapacity, .value = 0.0},
    {.token = token::kLeftFuelQuantity, .value = 36.0},
    {.token = token::kRightFuelQuantity, .value = 36.0},
    {.token = token::kCentreFuelQuantity, .value = 0.0},
};

}  // namespace

std::span<const TokenValue> engine_start_state() { return kEngineStartState; }

}  // namespace panel_sim
