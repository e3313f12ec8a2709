// Extreme values in any token the engine reads, and extreme lever event values: every token
// the engine writes stays a finite number, the levers stay within their travel and the tanks
// never go below empty.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <sstream>
#include <string>
#include <tuple>

#include "engine_fixture.h"

namespace engine_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLargest = std::numeric_limits<double>::max();
constexpr double kSmallest = std::numeric_limits<double>::denorm_min();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

void expect_engine_tokens_sane(const EngineAircraft& a) {
    for (uint32_t token : kEngineWrittenTokens)
        EXPECT_TRUE(std::isfinite(a.value(token))) << "token 0x" << std::hex << token;
    for (uint32_t lever : kLeverTokens) {
        EXPECT_GE(a.value(lever), 0.0) << "lever 0x" << std::hex << lever;
        EXPECT_LE(a.value(lever), kFullTravel) << "lever 0x" << std::hex << lever;
    }
    for (uint32_t tank : kQuantityTokens) EXPECT_GE(a.value(tank), 0.0) << "tank 0x" << std::hex << tank;
}

// Every token the engine reads.
constexpr uint32_t kReadTokens[] = {
    kAltitude,            kPowerLever,          kPropellerLever,
    kMixtureLever,        kEngineSpeed,         kManifoldPressure,
    kFuelFlow,            kOilPressure,         kSuction,
    kTurbineInletTemperature,                   kCylinderHeadTemperature,
    kOilTemperature,      kLeftFuelQuantity,    kRightFuelQuantity,
    kCentreFuelQuantity,  kEngineSpeedScale,    kFuelWeightPerGallon,
};

constexpr double kExtremeValues[] = {kNaN, kInfinity, -kInfinity, kLargest, -kLargest, kSmallest, 0.0};

std::string value_name(double value) {
    if (std::isnan(value)) return "NotANumber";
    if (value == kInfinity) return "Infinity";
    if (value == -kInfinity) return "MinusInfinity";
    if (value == kLargest) return "Largest";
    if (value == -kLargest) return "MinusLargest";
    if (value == kSmallest) return "Smallest";
    return "Zero";
}

std::string case_name(const ::testing::TestParamInfo<std::tuple<uint32_t, double>>& info) {
    std::ostringstream name;
    name << "Token0x" << std::hex << std::get<0>(info.param) << "_" << value_name(std::get<1>(info.param));
    return name.str();
}

class ExtremeTokenValue : public ::testing::TestWithParam<std::tuple<uint32_t, double>> {};

TEST_P(ExtremeTokenValue, LeavesEveryEngineTokenFinite) {
    const auto [token, value] = GetParam();
    for (const Levers& levers : {Levers{.power = 11702, .propeller = 12287, .mixture = 8601},
                                 Levers{.power = kFullTravel, .propeller = kFullTravel, .mixture = kFullTravel},
                                 Levers{.power = 0, .propeller = 0, .mixture = 0}}) {
        SCOPED_TRACE(::testing::Message() << "levers " << levers.power << ", " << levers.propeller
                                          << ", " << levers.mixture);
        EngineAircraft a;
        a.set_levers(levers);
        a.store.set_number(token, value);
        a.run_frames(1);
        expect_engine_tokens_sane(a);
        a.run_seconds(120);
        expect_engine_tokens_sane(a);
    }
}

INSTANTIATE_TEST_SUITE_P(Tokens, ExtremeTokenValue,
                         ::testing::Combine(::testing::ValuesIn(kReadTokens),
                                            ::testing::ValuesIn(kExtremeValues)),
                         case_name);

TEST(ExtremeTokenValues, AllAtOnceLeaveEveryEngineTokenFinite) {
    for (double value : kExtremeValues) {
        SCOPED_TRACE(::testing::Message() << "every token at " << value);
        EngineAircraft a;
        for (uint32_t token : kReadTokens) a.store.set_number(token, value);
        a.run_frames(1);
        expect_engine_tokens_sane(a);
        a.run_seconds(120);
        expect_engine_tokens_sane(a);
    }
}

TEST(ExtremeLeverEvents, LeaveEveryEngineTokenFinite) {
    for (int32_t value : {kInt32Min, kInt32Min + 1, -1, kFullTravel + 1, kInt32Max - 1, kInt32Max}) {
        SCOPED_TRACE(::testing::Message() << "lever events with " << value);
        EngineAircraft a;
        for (uint32_t event : {kSetPower, kSetPropeller, kSetMixture}) EXPECT_TRUE(a.send(event, value));
        a.run_seconds(120);
        expect_engine_tokens_sane(a);
    }
}

// A scale or fuel weight of 0, as the engine instruments' own tests use them, stays as set;
// the engine goes on writing finite readings.
struct ReadOnlyCase {
    const char* name;
    uint32_t token;
    double value;
};

class ReadOnlyTokenSetFromOutside : public ::testing::TestWithParam<ReadOnlyCase> {};

TEST_P(ReadOnlyTokenSetFromOutside, KeepsItsValue) {
    EngineAircraft a;
    a.store.set_number(GetParam().token, GetParam().value);
    a.run_seconds(60);
    EXPECT_EQ(a.value(GetParam().token), GetParam().value);
    expect_engine_tokens_sane(a);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadOnlyTokenSetFromOutside,
    ::testing::Values(ReadOnlyCase{"NoFuelWeight", kFuelWeightPerGallon, 0.0},
                      ReadOnlyCase{"JetFuelWeight", kFuelWeightPerGallon, 6.7},
                      ReadOnlyCase{"SpeedScaleZero", kEngineSpeedScale, 0.0},
                      ReadOnlyCase{"SpeedScaleOther", kEngineSpeedScale, 10000.0},
                      ReadOnlyCase{"LampsOff", kEngineLampsEnabled, 0.0},
                      ReadOnlyCase{"NoCentreCapacity", kCentreTankCapacity, 0.0},
                      ReadOnlyCase{"BigLeftTank", kLeftMainTankCapacity, 80.0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EngineSpeedScale, AnotherScaleShowsTheSameSpeed) {
    EngineAircraft a;
    a.store.set_number(kEngineSpeedScale, 10000.0);
    a.run_seconds(60);
    EXPECT_NEAR(a.rpm(), 2400.0, 1.0);
}

TEST(FuelWeight, AnotherWeightShowsTheSameGallonsPerHour) {
    EngineAircraft standard;
    EngineAircraft heavier;
    heavier.store.set_number(kFuelWeightPerGallon, 6.7);
    standard.run_seconds(60);
    heavier.run_seconds(60);
    EXPECT_NEAR(heavier.fuel_flow_gph(), standard.fuel_flow_gph(), 1e-9);
    EXPECT_GT(heavier.value(kFuelFlow), standard.value(kFuelFlow));
}

}  // namespace
}  // namespace engine_test
