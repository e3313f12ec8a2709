// What the engine's readings settle to for a few lever settings, and how they move as one
// lever sweeps its travel.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace engine_test {
namespace {

constexpr double kCruiseAltitudeFt = 8500.0;

struct Range {
    double low;
    double high;
};

struct SettledCase {
    const char* name;
    Levers levers;
    double altitude_ft;
    Range rpm;
    Range manifold_inhg;
    Range fuel_flow_gph;
    Range turbine_inlet_f;
    Range cylinder_head_f;
    Range oil_temperature_f;
    Range oil_pressure_psi;
    Range suction_inhg;
};

// The air at 8500 ft: about 21.8 inHg and 29 F.
constexpr Range kStillAirPressure = {21.0, 22.6};
constexpr Range kStillAirTemperature = {20.0, 40.0};

class SettledReadings : public ::testing::TestWithParam<SettledCase> {};

void expect_within(const char* what, double value, const Range& range) {
    EXPECT_GE(value, range.low) << what;
    EXPECT_LE(value, range.high) << what;
}

TEST_P(SettledReadings, AreThoseOfATurbochargedSixCylinder) {
    const SettledCase& c = GetParam();
    EngineAircraft a;
    a.store.set_number(kAltitude, c.altitude_ft);
    a.set_levers(c.levers);
    a.settle();

    expect_within("engine speed, RPM", a.rpm(), c.rpm);
    expect_within("manifold pressure, inHg", a.manifold_inhg(), c.manifold_inhg);
    expect_within("fuel flow, gal/h", a.fuel_flow_gph(), c.fuel_flow_gph);
    expect_within("turbine inlet, F", a.turbine_inlet_f(), c.turbine_inlet_f);
    expect_within("cylinder heads, F", a.cylinder_head_f(), c.cylinder_head_f);
    expect_within("oil temperature, F", a.oil_temperature_f(), c.oil_temperature_f);
    expect_within("oil pressure, psi", a.oil_pressure_psi(), c.oil_pressure_psi);
    expect_within("suction, inHg", a.suction_inhg(), c.suction_inhg);
}

INSTANTIATE_TEST_SUITE_P(
    Levers, SettledReadings,
    ::testing::Values(
        SettledCase{.name = "FullPowerFullRich",
                    .levers = {.power = kFullTravel, .propeller = kFullTravel, .mixture = kFullTravel},
                    .altitude_ft = kCruiseAltitudeFt,
                    .rpm = {2599.5, 2600.0},
                    .manifold_inhg = {37.95, 38.0},
                    .fuel_flow_gph = {24.95, 25.0},
                    .turbine_inlet_f = {1450.0, 1650.0},
                    .cylinder_head_f = {350.0, 460.0},
                    .oil_temperature_f = {170.0, 245.0},
                    .oil_pressure_psi = {60.0, 100.0},
                    .suction_inhg = {4.5, 5.5}},
        SettledCase{.name = "Cruise",
                    .levers = {.power = 11702, .propeller = 12287, .mixture = 8601},
                    .altitude_ft = kCruiseAltitudeFt,
                    .rpm = {2399.0, 2401.0},
                    .manifold_inhg = {29.9, 30.1},
                    .fuel_flow_gph = {11.0, 17.0},
                    .turbine_inlet_f = {1500.0, 1650.0},
                    .cylinder_head_f = {320.0, 420.0},
                    .oil_temperature_f = {160.0, 230.0},
                    .oil_pressure_psi = {55.0, 90.0},
                    .suction_inhg = {4.5, 5.5}},
        SettledCase{.name = "IdleFullRich",
                    .levers = {.power = 0, .propeller = kFullTravel, .mixture = kFullTravel},
                    .altitude_ft = kCruiseAltitudeFt,
                    .rpm = {600.0, 800.0},
                    .manifold_inhg = {8.0, 14.0},
                    .fuel_flow_gph = {1.0, 4.0},
                    .turbine_inlet_f = {900.0, 1300.0},
                    .cylinder_head_f = {150.0, 300.0},
                    .oil_temperature_f = {100.0, 180.0},
                    .oil_pressure_psi = {10.0, 40.0},
                    .suction_inhg = {2.0, 5.0}},
        SettledCase{.name = "FullPowerPropellerBack",
                    .levers = {.power = kFullTravel, .propeller = 0, .mixture = kFullTravel},
                    .altitude_ft = kCruiseAltitudeFt,
                    .rpm = {1799.5, 1800.5},
                    .manifold_inhg = {37.95, 38.0},
                    .fuel_flow_gph = {10.0, 25.0},
                    .turbine_inlet_f = {1300.0, 1650.0},
                    .cylinder_head_f = {250.0, 460.0},
                    .oil_temperature_f = {150.0, 245.0},
                    .oil_pressure_psi = {40.0, 80.0},
                    .suction_inhg = {4.5, 5.5}},
        SettledCase{.name = "FullPowerFullyLeaned",
                    .levers = {.power = kFullTravel, .propeller = kFullTravel, .mixture = 1000},
                    .altitude_ft = kCruiseAltitudeFt,
                    .rpm = {2599.5, 2600.0},
                    .manifold_inhg = {37.95, 38.0},
                    .fuel_flow_gph = {12.0, 20.0},
                    .turbine_inlet_f = {1600.0, 1650.0},
                    .cylinder_head_f = {350.0, 500.0},
                    .oil_temperature_f = {170.0, 245.0},
                    .oil_pressure_psi = {60.0, 100.0},
                    .suction_inhg = {4.5, 5.5}},
        SettledCase{.name = "MixtureCutOff",
                    .levers = {.power = kFullTravel, .propeller = kFullTravel, .mixture = 0},
                    .altitude_ft = kCruiseAltitudeFt,
                    .rpm = {0.0, 0.0},
                    .manifold_inhg = kStillAirPressure,
                    .fuel_flow_gph = {0.0, 0.0},
                    .turbine_inlet_f = kStillAirTemperature,
                    .cylinder_head_f = kStillAirTemperature,
                    .oil_temperature_f = kStillAirTemperature,
                    .oil_pressure_psi = {0.0, 0.0},
                    .suction_inhg = {0.0, 0.0}},
        // Above the turbocharger's critical altitude full power no longer reaches 38 inHg.
        SettledCase{.name = "FullPowerAt25000Feet",
                    .levers = {.power = kFullTravel, .propeller = kFullTravel, .mixture = kFullTravel},
                    .altitude_ft = 25000.0,
                    .rpm = {2599.5, 2600.0},
                    .manifold_inhg = {25.0, 35.0},
                    .fuel_flow_gph = {15.0, 24.0},
                    .turbine_inlet_f = {1300.0, 1650.0},
                    .cylinder_head_f = {300.0, 460.0},
                    .oil_temperature_f = {150.0, 245.0},
                    .oil_pressure_psi = {60.0, 100.0},
                    .suction_inhg = {4.5, 5.5}}),
    [](const auto& info) { return std::string(info.param.name); });

// How one reading moves as a lever goes up.
struct Trend {
    const char* reading_name;
    ReadingOf reading;
    int direction;  // +1: never falls as the lever goes up; -1: never rises
    bool strictly;  // it must also move at every step
};

struct SweepCase {
    const char* name;
    uint32_t lever_event;
    Levers others;  // the other two levers; the swept one's entry is not used
    std::vector<Trend> trends;
};

class LeverSweep : public ::testing::TestWithParam<SweepCase> {};

// The swept lever's positions: from just above the mixture's cut-off to full travel.
constexpr int32_t kSweepPositions[] = {1500, 3500, 5500, 7500, 9500, 11500, 13500, 16383};

void expect_trend(const Trend& trend, const std::vector<const EngineAircraft*>& settled) {
    std::vector<double> values;
    for (const EngineAircraft* a : settled) values.push_back(trend.reading(*a));
    for (size_t i = 1; i < values.size(); ++i) {
        SCOPED_TRACE(::testing::Message() << trend.reading_name << " from lever "
                                          << kSweepPositions[i - 1] << " to " << kSweepPositions[i]);
        const double change = (values[i] - values[i - 1]) * trend.direction;
        const double tolerance = 1e-9 * std::abs(values[i]);
        if (trend.strictly) {
            EXPECT_GT(change, tolerance);
        } else {
            EXPECT_GE(change, -tolerance);
        }
    }
    EXPECT_NE(values.front(), values.back()) << trend.reading_name << " does not follow the lever";
}

TEST_P(LeverSweep, MovesEachReadingOneWay) {
    const SweepCase& c = GetParam();
    std::vector<std::unique_ptr<EngineAircraft>> aircraft;
    std::vector<const EngineAircraft*> settled;
    for (int32_t position : kSweepPositions) {
        aircraft.push_back(std::make_unique<EngineAircraft>());
        EngineAircraft& a = *aircraft.back();
        a.set_levers(c.others);
        a.send(c.lever_event, position);
        a.settle();
        settled.push_back(&a);
    }
    for (const Trend& trend : c.trends) expect_trend(trend, settled);
}

constexpr Levers kAllFull = {.power = kFullTravel, .propeller = kFullTravel, .mixture = kFullTravel};

double engine_speed(const EngineAircraft& a) { return a.rpm(); }
double manifold_pressure(const EngineAircraft& a) { return a.manifold_inhg(); }
double fuel_flow(const EngineAircraft& a) { return a.fuel_flow_gph(); }
double turbine_inlet(const EngineAircraft& a) { return a.turbine_inlet_f(); }
double cylinder_heads(const EngineAircraft& a) { return a.cylinder_head_f(); }
double oil_temperature(const EngineAircraft& a) { return a.oil_temperature_f(); }
double oil_pressure(const EngineAircraft& a) { return a.oil_pressure_psi(); }

INSTANTIATE_TEST_SUITE_P(
    Levers, LeverSweep,
    ::testing::Values(
        // The engine speed rises with power until the governor holds it.
        SweepCase{"Power", kSetPower, kAllFull,
                  {{"manifold pressure", manifold_pressure, +1, true},
                   {"engine speed", engine_speed, +1, false},
                   {"fuel flow", fuel_flow, +1, true},
                   {"turbine inlet", turbine_inlet, +1, false},
                   {"cylinder heads", cylinder_heads, +1, true},
                   {"oil temperature", oil_temperature, +1, true}}},
        SweepCase{"Propeller", kSetPropeller, kAllFull,
                  {{"engine speed", engine_speed, +1, true},
                   {"oil pressure", oil_pressure, +1, true}}},
        // A richer mixture burns more fuel and runs cooler; leaned far, the turbine inlet
        // stays at its limit.
        SweepCase{"Mixture", kSetMixture, kAllFull,
                  {{"fuel flow", fuel_flow, +1, true},
                   {"turbine inlet", turbine_inlet, -1, false},
                   {"cylinder heads", cylinder_heads, -1, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace engine_test
