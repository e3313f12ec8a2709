// The quadrant's lever events, the lever tokens, the engine at start and after reset, and
// key events the engine does not know.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <map>
#include <string>

#include "engine_fixture.h"
#include "engine_system.h"

namespace engine_test {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

struct LeverEventCase {
    const char* name;
    uint32_t event;
    int32_t value;
    uint32_t lever_token;
    double reported;
};

class LeverEvent : public ::testing::TestWithParam<LeverEventCase> {};

TEST_P(LeverEvent, SetsItsLeverOnlyHeldToItsTravel) {
    const LeverEventCase& c = GetParam();
    EngineAircraft a;
    std::map<uint32_t, double> before;
    for (uint32_t lever : kLeverTokens) before[lever] = a.value(lever);

    EXPECT_TRUE(a.send(c.event, c.value));
    EXPECT_EQ(a.value(c.lever_token), c.reported);
    for (uint32_t lever : kLeverTokens) {
        if (lever == c.lever_token) continue;
        EXPECT_EQ(a.value(lever), before[lever]) << "lever token 0x" << std::hex << lever;
    }

    // The engine keeps the position it was given.
    a.run_seconds(5);
    EXPECT_EQ(a.value(c.lever_token), c.reported);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LeverEvent,
    ::testing::Values(
        LeverEventCase{"PowerClosed", kSetPower, 0, kPowerLever, 0.0},
        LeverEventCase{"PowerHalf", kSetPower, 8191, kPowerLever, 8191.0},
        LeverEventCase{"PowerFull", kSetPower, 16383, kPowerLever, 16383.0},
        LeverEventCase{"PowerJustBelowTravel", kSetPower, -1, kPowerLever, 0.0},
        LeverEventCase{"PowerJustAboveTravel", kSetPower, 16384, kPowerLever, 16383.0},
        LeverEventCase{"PowerLowestValue", kSetPower, kInt32Min, kPowerLever, 0.0},
        LeverEventCase{"PowerHighestValue", kSetPower, kInt32Max, kPowerLever, 16383.0},
        LeverEventCase{"PropellerLow", kSetPropeller, 0, kPropellerLever, 0.0},
        LeverEventCase{"PropellerSome", kSetPropeller, 240, kPropellerLever, 240.0},
        LeverEventCase{"PropellerHigh", kSetPropeller, 16383, kPropellerLever, 16383.0},
        LeverEventCase{"PropellerBelowTravel", kSetPropeller, kInt32Min, kPropellerLever, 0.0},
        LeverEventCase{"PropellerAboveTravel", kSetPropeller, 20000, kPropellerLever, 16383.0},
        LeverEventCase{"MixtureCutOff", kSetMixture, 0, kMixtureLever, 0.0},
        LeverEventCase{"MixtureSome", kSetMixture, 12345, kMixtureLever, 12345.0},
        LeverEventCase{"MixtureFullRich", kSetMixture, 16383, kMixtureLever, 16383.0},
        LeverEventCase{"MixtureBelowTravel", kSetMixture, -16383, kMixtureLever, 0.0},
        LeverEventCase{"MixtureAboveTravel", kSetMixture, kInt32Max, kMixtureLever, 16383.0}),
    [](const auto& info) { return std::string(info.param.name); });

struct StoredLeverCase {
    const char* name;
    double stored;
    double reported;
};

class LeverTokenSetFromOutside : public ::testing::TestWithParam<StoredLeverCase> {};

TEST_P(LeverTokenSetFromOutside, IsReportedAsThePositionTheEngineRunsOn) {
    for (uint32_t lever : kLeverTokens) {
        SCOPED_TRACE(::testing::Message() << "lever token 0x" << std::hex << lever);
        EngineAircraft a;
        a.store.set_number(lever, GetParam().stored);
        a.run_frames(1);
        EXPECT_EQ(a.value(lever), GetParam().reported);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, LeverTokenSetFromOutside,
                         ::testing::Values(StoredLeverCase{"InTravel", 8000.5, 8000.5},
                                           StoredLeverCase{"Negative", -5.0, 0.0},
                                           StoredLeverCase{"BeyondFull", 20000.0, 16383.0},
                                           StoredLeverCase{"NotANumber", kNaN, 0.0},
                                           StoredLeverCase{"MinusInfinity", -kInfinity, 0.0},
                                           StoredLeverCase{"Infinity", kInfinity, 16383.0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EngineAtStart, LeversAtCruiseAndLampsLit) {
    EngineAircraft a;
    // Cruise: part power, governed below redline, leaned but well above cut-off.
    EXPECT_GT(a.value(kPowerLever), 0.5 * kFullTravel);
    EXPECT_LT(a.value(kPowerLever), 0.9 * kFullTravel);
    EXPECT_GT(a.value(kPropellerLever), 0.5 * kFullTravel);
    EXPECT_LT(a.value(kPropellerLever), kFullTravel);
    EXPECT_GT(a.value(kMixtureLever), 0.3 * kFullTravel);
    EXPECT_LT(a.value(kMixtureLever), kFullTravel);
    EXPECT_EQ(a.value(kEngineLampsEnabled), 1.0);

    EXPECT_NEAR(a.rpm(), 2400.0, 1.0);
    EXPECT_NEAR(a.manifold_inhg(), 30.0, 0.1);
    EXPECT_GT(a.turbine_inlet_f(), 1500.0);
    EXPECT_LT(a.turbine_inlet_f(), 1650.0);
}

TEST(EngineAtStart, FuelTanksAsLoaded) {
    EngineAircraft a;
    EXPECT_EQ(a.value(kFuelWeightPerGallon), 6.0);
    const double left_capacity =
        a.value(kLeftMainTankCapacity) + a.value(kLeftAuxTankCapacity) + a.value(kLeftTipTankCapacity);
    const double right_capacity =
        a.value(kRightMainTankCapacity) + a.value(kRightAuxTankCapacity) + a.value(kRightTipTankCapacity);
    EXPECT_EQ(left_capacity, right_capacity);
    EXPECT_GT(a.value(kLeftFuelQuantity), 0.0);
    EXPECT_LE(a.value(kLeftFuelQuantity), left_capacity);
    EXPECT_EQ(a.value(kLeftFuelQuantity), a.value(kRightFuelQuantity));
    EXPECT_LE(a.value(kCentreFuelQuantity), a.value(kCentreTankCapacity));
}

TEST(EngineAtStart, ReadingsStandAtWhatTheCruiseLeversSettleTo) {
    EngineAircraft a;
    std::map<uint32_t, double> at_start;
    for (uint32_t token : kReadingTokens) at_start[token] = a.value(token);
    a.settle();
    for (uint32_t token : kReadingTokens)
        EXPECT_NEAR(a.value(token), at_start[token], 1e-6 * std::abs(at_start[token]))
            << "token 0x" << std::hex << token;
}

TEST(EngineReset, RestoresLeversReadingsAndFuel) {
    EngineAircraft a;
    a.set_levers({.power = kFullTravel, .propeller = 0, .mixture = 0});
    a.store.set_number(kCentreFuelQuantity, 7.0);
    a.store.set_number(kFuelWeightPerGallon, 0.0);
    a.run_seconds(600);
    a.aircraft.reset();

    const EngineAircraft fresh;
    for (uint32_t token : kEngineStartTokens)
        EXPECT_EQ(a.value(token), fresh.value(token)) << "token 0x" << std::hex << token;
}

// Engine tokens as they stand in a store.
std::map<uint32_t, double> engine_tokens(const panel_host::VariableStore& store) {
    std::map<uint32_t, double> values;
    for (uint32_t token : kEngineStartTokens) values[token] = store.number(token);
    return values;
}

class EventTheEngineDoesNotKnow : public ::testing::TestWithParam<uint32_t> {};

TEST_P(EventTheEngineDoesNotKnow, IsRefusedAndChangesNothing) {
    panel_host::VariableStore store;
    panel_sim::EngineSystem engine;
    engine.reset(store);
    const std::map<uint32_t, double> before = engine_tokens(store);

    EXPECT_FALSE(engine.apply(store, {.id = GetParam(), .value = 1234}));
    EXPECT_EQ(engine_tokens(store), before);
}

// The lever events' neighbours, the lever tokens' own numbers, other systems' events and the
// ends of the id range.
INSTANTIATE_TEST_SUITE_P(Ids, EventTheEngineDoesNotKnow,
                         ::testing::Values(0u, 0x80u, 0x81u, 0x82u, 0x1011bu, 0x1011du, 0x1017eu,
                                           0x10180u, 0x10182u, 0x10184u, 0x10106u, 0x1024cu,
                                           0x1011c0u, 0xffffffffu));

TEST(EventTheAircraftDoesNotKnow, LeavesTheEngineRunningAsBefore) {
    EngineAircraft with_event;
    EngineAircraft without_event;
    EXPECT_FALSE(with_event.send(0x1011d, kFullTravel));
    with_event.run_seconds(60);
    without_event.run_seconds(60);
    for (uint32_t token : kEngineStartTokens)
        EXPECT_EQ(with_event.value(token), without_event.value(token)) << "token 0x" << std::hex << token;
}

}  // namespace
}  // namespace engine_test
