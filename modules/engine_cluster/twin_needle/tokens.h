// The simulator variables the twin-needle gauges read, by token.
#pragma once

#include <cstdint>

namespace twin_needle::tokens {

inline constexpr uint32_t kTickCount = 0x01;  // carried by the fuel needles, never read
inline constexpr uint32_t kEngineSpeed = 0x87;
inline constexpr uint32_t kCylinderHeadTemperature = 0x92;
inline constexpr uint32_t kOilPressure = 0x94;
inline constexpr uint32_t kManifoldPressure = 0x98;
inline constexpr uint32_t kEngineSpeedScale = 0x9a;
inline constexpr uint32_t kCentreCapacity = 0x122;
inline constexpr uint32_t kLeftCapacity1 = 0x124;
inline constexpr uint32_t kLeftCapacity2 = 0x126;
inline constexpr uint32_t kLeftCapacity3 = 0x128;
inline constexpr uint32_t kRightCapacity1 = 0x12a;
inline constexpr uint32_t kRightCapacity2 = 0x12c;
inline constexpr uint32_t kRightCapacity3 = 0x12e;
inline constexpr uint32_t kRightQuantity = 0x12f;
inline constexpr uint32_t kLeftQuantity = 0x130;
inline constexpr uint32_t kCentreQuantity = 0x131;
inline constexpr uint32_t kFuelWeightPerGallon = 0x132;
inline constexpr uint32_t kSuction = 0x161;
inline constexpr uint32_t kLampEnable = 0x16c;
inline constexpr uint32_t kTurbineInletTemperature = 0x19e;
inline constexpr uint32_t kOilTemperature = 0x1a0;
inline constexpr uint32_t kFuelFlow = 0x1a5;

}  // namespace twin_needle::tokens
