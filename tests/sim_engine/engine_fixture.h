// A simulated aircraft on its own variable store, with the engine tokens and key events the
// tests use, and the engine's readings in the units the engine instruments show them in.
#pragma once

#include <cmath>
#include <cstdint>
#include <ostream>
#include <string_view>

#include "panel_host/variable_store.h"
#include "panel_sim/simulated_aircraft.h"

namespace engine_test {

// Tokens.
constexpr uint32_t kAltitude = 0x4a;  // feet
constexpr uint32_t kPowerLever = 0x80;
constexpr uint32_t kPropellerLever = 0x81;
constexpr uint32_t kMixtureLever = 0x82;
constexpr uint32_t kEngineSpeed = 0x87;
constexpr uint32_t kCylinderHeadTemperature = 0x92;
constexpr uint32_t kOilPressure = 0x94;
constexpr uint32_t kManifoldPressure = 0x98;
constexpr uint32_t kEngineSpeedScale = 0x9a;
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
constexpr uint32_t kFuelWeightPerGallon = 0x132;
constexpr uint32_t kSuction = 0x161;
constexpr uint32_t kEngineLampsEnabled = 0x16c;
constexpr uint32_t kTurbineInletTemperature = 0x19e;
constexpr uint32_t kOilTemperature = 0x1a0;
constexpr uint32_t kFuelFlow = 0x1a5;

// Key events of the quadrant.
constexpr uint32_t kSetPower = 0x1011c;
constexpr uint32_t kSetPropeller = 0x10183;
constexpr uint32_t kSetMixture = 0x1017f;

constexpr int32_t kFullTravel = 16383;

constexpr uint32_t kLeverTokens[] = {kPowerLever, kPropellerLever, kMixtureLever};

// The readings the engine writes every frame.
constexpr uint32_t kReadingTokens[] = {
    kEngineSpeed, kManifoldPressure, kFuelFlow,
    kOilPressure, kSuction,          kTurbineInletTemperature,
    kCylinderHeadTemperature,        kOilTemperature,
};

constexpr uint32_t kQuantityTokens[] = {kLeftFuelQuantity, kRightFuelQuantity, kCentreFuelQuantity};

// Every token the engine writes while it runs.
constexpr uint32_t kEngineWrittenTokens[] = {
    kPowerLever,      kPropellerLever,          kMixtureLever,
    kEngineSpeed,     kManifoldPressure,        kFuelFlow,
    kOilPressure,     kSuction,                 kTurbineInletTemperature,
    kCylinderHeadTemperature,                   kOilTemperature,
    kLeftFuelQuantity, kRightFuelQuantity,      kCentreFuelQuantity,
};

// Every token the engine sets at start, read-only ones included.
constexpr uint32_t kEngineStartTokens[] = {
    kPowerLever,           kPropellerLever,        kMixtureLever,
    kEngineSpeed,          kManifoldPressure,      kFuelFlow,
    kOilPressure,          kSuction,               kTurbineInletTemperature,
    kCylinderHeadTemperature,                      kOilTemperature,
    kLeftFuelQuantity,     kRightFuelQuantity,     kCentreFuelQuantity,
    kEngineSpeedScale,     kEngineLampsEnabled,    kFuelWeightPerGallon,
    kCentreTankCapacity,   kLeftMainTankCapacity,  kLeftAuxTankCapacity,
    kLeftTipTankCapacity,  kRightMainTankCapacity, kRightAuxTankCapacity,
    kRightTipTankCapacity,
};

// Long enough for the slowest reading (oil temperature, minutes) to settle.
constexpr double kSettleSeconds = 45 * 60;

namespace {

// A table case prints as its name in test output.
template <typename Case>
    requires requires(const Case& c) { std::string_view(c.name); }
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace

struct Levers {
    int32_t power;
    int32_t propeller;
    int32_t mixture;
};

// Not copyable: the simulated aircraft refers to its own store.
struct EngineAircraft {
    EngineAircraft() = default;
    EngineAircraft(const EngineAircraft&) = delete;
    EngineAircraft& operator=(const EngineAircraft&) = delete;

    panel_host::VariableStore store;
    panel_sim::SimulatedAircraft aircraft{store};

    bool send(uint32_t id, int32_t value) { return aircraft.apply({.id = id, .value = value}); }
    void set_levers(const Levers& levers) {
        send(kSetPower, levers.power);
        send(kSetPropeller, levers.propeller);
        send(kSetMixture, levers.mixture);
    }

    void run_frames(int frames) {
        for (int i = 0; i < frames; ++i) aircraft.advance_frame();
    }
    void run_seconds(double seconds) {
        run_frames(static_cast<int>(std::lround(seconds * panel_sim::kFramesPerSecond)));
    }
    void settle() { run_seconds(kSettleSeconds); }

    double value(uint32_t token) const { return store.number(token); }

    // The readings as the engine instruments scale them.
    double rpm() const { return value(kEngineSpeed) / 16384.0 * value(kEngineSpeedScale) / 4.0; }
    double manifold_inhg() const { return value(kManifoldPressure) / 1040.0; }
    double fuel_flow_gph() const { return value(kFuelFlow) / value(kFuelWeightPerGallon); }
    double oil_pressure_psi() const { return value(kOilPressure) / 298.0; }
    double suction_inhg() const { return value(kSuction); }
    double turbine_inlet_f() const { return value(kTurbineInletTemperature) / 1.28; }
    // The cylinder head token is in degrees C; the digital readout shows it x 1.8 + 32.
    double cylinder_head_f() const { return value(kCylinderHeadTemperature) * 1.8 + 32.0; }
    double oil_temperature_f() const { return value(kOilTemperature) - 450.0; }

    double fuel_gallons() const {
        return value(kLeftFuelQuantity) + value(kRightFuelQuantity) + value(kCentreFuelQuantity);
    }
};

// One reading of the engine, by name, for tables of cases.
using ReadingOf = double (*)(const EngineAircraft&);

}  // namespace engine_test
