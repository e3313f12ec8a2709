// The simulator variables of the engine, its control levers and the fuel system, by token
// number, in the scaled units the engine instruments read.
#pragma once

#include <cstdint>

namespace panel_sim::token {

// Control levers, 0 to 16383: closed throttle / lowest governed speed / idle cut-off at 0,
// full power / highest governed speed / full rich at 16383.
constexpr uint32_t kPowerLever = 0x80;
constexpr uint32_t kPropellerLever = 0x81;
constexpr uint32_t kMixtureLever = 0x82;

// Engine readings.
constexpr uint32_t kEngineSpeed = 0x87;              // RPM = value / 16384 x scale / 4
constexpr uint32_t kCylinderHeadTemperature = 0x92;  // degrees C
constexpr uint32_t kOilPressure = 0x94;              // psi x 298
constexpr uint32_t kManifoldPressure = 0x98;         // inHg x 1040
constexpr uint32_t kEngineSpeedScale = 0x9a;
constexpr uint32_t kSuction = 0x161;                 // inHg
constexpr uint32_t kEngineLampsEnabled = 0x16c;      // 0 unlit, 1 lit
constexpr uint32_t kTurbineInletTemperature = 0x19e; // hundreds of degrees F x 128
constexpr uint32_t kOilTemperature = 0x1a0;          // degrees F + 450
constexpr uint32_t kFuelFlow = 0x1a5;                // pounds per hour

// Fuel: tank capacities and quantities in gallons, and the fuel's weight per gallon.
constexpr uint32_t kCentreTankCapacity = 0x122;
constexpr uint32_t kLeftMainTankCapacity = 0x124;
constexpr uint32_t kLeftAuxTankCapacity = 0x126;
constexpr uint32_t kLeftTipTankCapacity = 0x128;
constexpr uint32_t kRightMainTankCapacity = 0x12a;
constexpr uint32_t kRightAuxTankCapacity = 0x12c;
constexpr uint32_t kRightTipTankCapacity = 0x12e;
constexpr uint32_t kRightFuelQuantity = 0x12f;
constexpr uint32_t kLeftFuelQuantity = 0x130;
constexpr uint32_t kCentreFuelQuantity = 0x131;
constexpr uint32_t kFuelWeightPerGallon = 0x132;     // pounds

}  // namespace panel_sim::token
