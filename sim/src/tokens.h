// The simulator variables the aircraft writes, by token number.
#pragma once

#include <cstdint>

namespace panel_sim::token {

constexpr uint32_t kTickCount = 0x01;             // frames since start
constexpr uint32_t kVerticalSpeed = 0x41;         // 1/256 metre per second
constexpr uint32_t kAltitude = 0x4a;              // feet
constexpr uint32_t kPitch = 0x4d;                 // degrees
constexpr uint32_t kHeading = 0x51;               // degrees

// Autopilot: the master switch, the lateral and vertical mode states (0.0 or 1.0) and the
// targets.
constexpr uint32_t kAutopilotMaster = 0x67;
constexpr uint32_t kNavMode = 0x69;
constexpr uint32_t kHeadingMode = 0x6a;
constexpr uint32_t kAltitudeHold = 0x6c;          // the vertical autopilot is engaged
constexpr uint32_t kAltitudeTarget = 0x6d;        // feet; 0 means no target
constexpr uint32_t kGlideslopeMode = 0x6f;
constexpr uint32_t kApproachMode = 0x70;
constexpr uint32_t kBackCourseMode = 0x71;
constexpr uint32_t kVerticalSpeedTarget = 0x78;   // feet per minute

// Engine, in the scaled units the engine instruments read.
constexpr uint32_t kEngineSpeed = 0x87;           // RPM = value / 16384 x scale / 4
constexpr uint32_t kCylinderHeadTemperature = 0x92;  // degrees F
constexpr uint32_t kOilPressure = 0x94;           // psi x 298
constexpr uint32_t kManifoldPressure = 0x98;      // inHg x 1040
constexpr uint32_t kEngineSpeedScale = 0x9a;
constexpr uint32_t kSuction = 0x161;              // inHg
constexpr uint32_t kEngineLampsEnabled = 0x16c;
constexpr uint32_t kTurbineInletTemperature = 0x19e;  // hundreds of degrees F x 128
constexpr uint32_t kOilTemperature = 0x1a0;       // degrees F + 450
constexpr uint32_t kFuelFlow = 0x1a5;             // pounds per hour

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
constexpr uint32_t kFuelWeightPerGallon = 0x132;  // pounds

}  // namespace panel_sim::token
