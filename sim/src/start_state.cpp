// The aircraft at start: in level cruise at 8500 ft, engine at cruise power, autopilot on
// in heading mode with an altitude target of 10000 ft and the vertical autopilot off.
#include "panel_sim/start_state.h"

#include "tokens.h"

namespace panel_sim {

namespace {

constexpr TokenValue kStartState[] = {
    {.token = token::kTickCount, .value = 0.0},

    // Flight: level at 8500 ft, heading east.
    {.token = token::kAltitude, .value = 8500.0},
    {.token = token::kVerticalSpeed, .value = 0.0},
    {.token = token::kPitch, .value = 0.0},
    {.token = token::kHeading, .value = 90.0},

    // Autopilot: master on, heading mode, vertical autopilot off.
    {.token = token::kAutopilotMaster, .value = 1.0},
    {.token = token::kHeadingMode, .value = 1.0},
    {.token = token::kNavMode, .value = 0.0},
    {.token = token::kApproachMode, .value = 0.0},
    {.token = token::kBackCourseMode, .value = 0.0},
    {.token = token::kGlideslopeMode, .value = 0.0},
    {.token = token::kAltitudeHold, .value = 0.0},
    {.token = token::kAltitudeTarget, .value = 10000.0},
    {.token = token::kVerticalSpeedTarget, .value = 0.0},

    // Engine at cruise: 2400 RPM, 30 inHg, 15 gallons per hour.
    {.token = token::kEngineSpeedScale, .value = 16384.0},
    {.token = token::kEngineSpeed, .value = 2400.0 * 4.0},
    {.token = token::kManifoldPressure, .value = 30.0 * 1040.0},
    {.token = token::kOilPressure, .value = 70.0 * 298.0},
    {.token = token::kOilTemperature, .value = 190.0 + 450.0},
    {.token = token::kCylinderHeadTemperature, .value = 360.0},
    {.token = token::kTurbineInletTemperature, .value = 15.5 * 128.0},
    {.token = token::kFuelWeightPerGallon, .value = 6.0},
    {.token = token::kFuelFlow, .value = 15.0 * 6.0},
    {.token = token::kSuction, .value = 5.0},
    {.token = token::kEngineLampsEnabled, .value = 1.0},

    // Fuel: two 46-gallon main tanks, 36 gallons in each.
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

std::span<const TokenValue> start_state() { return kStartState; }

}  // namespace panel_sim
