// The fuel the engine burns: as much as the fuel flow shows, from the centre tank first and
// then from both sides alike, never below empty; an engine out of fuel stops.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "engine_fixture.h"

namespace engine_test {
namespace {

struct Tanks {
    double left;
    double right;
    double centre;
};

void fill(EngineAircraft& a, const Tanks& tanks) {
    a.store.set_number(kLeftFuelQuantity, tanks.left);
    a.store.set_number(kRightFuelQuantity, tanks.right);
    a.store.set_number(kCentreFuelQuantity, tanks.centre);
}

Tanks tanks_of(const EngineAircraft& a) {
    return {.left = a.value(kLeftFuelQuantity),
            .right = a.value(kRightFuelQuantity),
            .centre = a.value(kCentreFuelQuantity)};
}

struct DrawCase {
    const char* name;
    Tanks before;
    double minutes;
    // Each tank's share of the fuel burnt.
    Tanks share;
};

class FuelDraw : public ::testing::TestWithParam<DrawCase> {};

TEST_P(FuelDraw, BurnsWhatTheFlowShowsFromTheRightTanks) {
    const DrawCase& c = GetParam();
    EngineAircraft a;  // at cruise, its readings already settled
    fill(a, c.before);
    const double gallons_per_hour = a.fuel_flow_gph();
    ASSERT_GT(gallons_per_hour, 0.0);

    a.run_seconds(c.minutes * 60.0);

    const double burnt = gallons_per_hour * c.minutes / 60.0;
    const Tanks after = tanks_of(a);
    const double tolerance = 1e-9 * burnt;
    EXPECT_NEAR(c.before.left - after.left, burnt * c.share.left, tolerance) << "left";
    EXPECT_NEAR(c.before.right - after.right, burnt * c.share.right, tolerance) << "right";
    EXPECT_NEAR(c.before.centre - after.centre, burnt * c.share.centre, tolerance) << "centre";
    // The flow did not change while the engine drew the fuel.
    EXPECT_EQ(a.fuel_flow_gph(), gallons_per_hour);
}

// At cruise the engine burns about 2.3 gallons in ten minutes.
INSTANTIATE_TEST_SUITE_P(
    Tanks, FuelDraw,
    ::testing::Values(
        DrawCase{"BothSidesAlike", {36.0, 36.0, 0.0}, 10.0, {0.5, 0.5, 0.0}},
        DrawCase{"UnevenSidesAlike", {40.0, 20.0, 0.0}, 10.0, {0.5, 0.5, 0.0}},
        DrawCase{"CentreFirst", {36.0, 36.0, 10.0}, 10.0, {0.0, 0.0, 1.0}},
        DrawCase{"LeftOnlyWhenRightIsEmpty", {36.0, 0.0, 0.0}, 10.0, {1.0, 0.0, 0.0}},
        DrawCase{"RightOnlyWhenLeftIsEmpty", {0.0, 36.0, 0.0}, 10.0, {0.0, 1.0, 0.0}},
        DrawCase{"CentreOnlyWhenSidesAreEmpty", {0.0, 0.0, 10.0}, 10.0, {0.0, 0.0, 1.0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FuelDraw, TheCentreTankRunsDryThenBothSidesGiveAlike) {
    EngineAircraft a;
    constexpr double kCentre = 0.5;
    fill(a, {.left = 30.0, .right = 30.0, .centre = kCentre});
    const double burnt = a.fuel_flow_gph() * 10.0 / 60.0;
    ASSERT_GT(burnt, 2.0 * kCentre);

    a.run_seconds(10 * 60);
    const Tanks after = tanks_of(a);
    EXPECT_EQ(after.centre, 0.0);
    EXPECT_NEAR(30.0 - after.left, (burnt - kCentre) / 2.0, 1e-9 * burnt);
    EXPECT_NEAR(30.0 - after.right, (burnt - kCentre) / 2.0, 1e-9 * burnt);
}

TEST(FuelDraw, OneSideRunsDryThenTheOtherGivesAll) {
    EngineAircraft a;
    constexpr double kLeft = 0.4;
    fill(a, {.left = kLeft, .right = 30.0, .centre = 0.0});
    const double burnt = a.fuel_flow_gph() * 10.0 / 60.0;
    ASSERT_GT(burnt, 2.0 * kLeft);

    a.run_seconds(10 * 60);
    const Tanks after = tanks_of(a);
    EXPECT_EQ(after.left, 0.0);
    EXPECT_NEAR(30.0 - after.right, burnt - kLeft, 1e-9 * burnt);
}

struct StarvationCase {
    const char* name;
    Tanks before;
};

class OutOfFuel : public ::testing::TestWithParam<StarvationCase> {};

TEST_P(OutOfFuel, TanksStopAtEmptyAndTheEngineStops) {
    EngineAircraft a;
    fill(a, GetParam().before);
    const int frames = 20 * 60 * panel_sim::kFramesPerSecond;
    for (int frame = 0; frame < frames; ++frame) {
        a.run_frames(1);
        for (uint32_t tank : kQuantityTokens)
            ASSERT_GE(a.value(tank), 0.0) << "tank 0x" << std::hex << tank << ", frame " << std::dec << frame;
    }
    for (uint32_t tank : kQuantityTokens) EXPECT_EQ(a.value(tank), 0.0) << "tank 0x" << std::hex << tank;

    // Stopped: no speed at all (the lit lamps turn red), no flow, no oil pressure.
    EXPECT_EQ(a.value(kEngineLampsEnabled), 1.0);
    EXPECT_EQ(a.value(kEngineSpeed), 0.0);
    EXPECT_EQ(a.value(kFuelFlow), 0.0);
    EXPECT_EQ(a.value(kOilPressure), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Tanks, OutOfFuel,
    ::testing::Values(StarvationCase{"AllNearlyEmpty", {0.1, 0.1, 0.1}},
                      StarvationCase{"UnevenAndNearlyEmpty", {0.3, 0.01, 0.0}},
                      StarvationCase{"AlreadyEmpty", {0.0, 0.0, 0.0}},
                      StarvationCase{"LessThanOneFrameWorth", {1e-7, 0.0, 1e-9}},
                      StarvationCase{"NegativeCountsAsEmpty", {-5.0, -1.0, -0.5}},
                      StarvationCase{"NotANumberCountsAsEmpty",
                                     {std::numeric_limits<double>::quiet_NaN(), 0.0, 0.0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(OutOfFuel, FuelBroughtBackStartsTheEngineAgain) {
    EngineAircraft a;
    fill(a, {.left = 0.0, .right = 0.0, .centre = 0.0});
    a.run_seconds(120);
    ASSERT_EQ(a.value(kEngineSpeed), 0.0);

    fill(a, {.left = 20.0, .right = 20.0, .centre = 0.0});
    a.settle();
    EXPECT_NEAR(a.rpm(), 2400.0, 1.0);
    EXPECT_LT(a.value(kLeftFuelQuantity), 20.0);
}

}  // namespace
}  // namespace engine_test
