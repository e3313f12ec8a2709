// The value each needle hands the host for its nonlinearity table: the scaling of its
// simulator values and the bounds of its dial, including zero divisors (an infinite result
// goes to the upper bound, NaN to the lower one) and values that are no number at all. Every
// frame runs with floating-point traps enabled, so a division or comparison that raised an
// exception would stop the program instead of passing.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "twin_needle_gauge.h"

namespace twin_needle_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

// Simulator tokens the needles read.
constexpr uint32_t kTurbineInlet = 0x19e;
constexpr uint32_t kFuelFlow = 0x1a5;
constexpr uint32_t kFuelWeight = 0x132;
constexpr uint32_t kCylinderHead = 0x92;
constexpr uint32_t kSuction = 0x161;
constexpr uint32_t kManifold = 0x98;
constexpr uint32_t kOilTemperature = 0x1a0;
constexpr uint32_t kOilPressure = 0x94;
constexpr uint32_t kCentreCapacity = 0x122;
constexpr uint32_t kLeftCapacities[] = {0x124, 0x126, 0x128};
constexpr uint32_t kRightCapacities[] = {0x12a, 0x12c, 0x12e};
constexpr uint32_t kLeftQuantity = 0x130;
constexpr uint32_t kRightQuantity = 0x12f;
constexpr uint32_t kCentreQuantity = 0x131;

struct ReadingCase {
    const char* member;
    Dial dial;
    const char* name;
    std::vector<TokenValue> tokens;
    double shown;
};

std::ostream& operator<<(std::ostream& out, const ReadingCase& c) {
    return out << c.member << " " << dial_name(c.dial) << " " << c.name;
}

std::string case_name(const ::testing::TestParamInfo<ReadingCase>& info) {
    return std::string(info.param.member) + "_" + dial_name(info.param.dial) + "_" +
           info.param.name;
}

class NeedleReading : public ::testing::TestWithParam<ReadingCase> {};

TEST_P(NeedleReading, HandsTheTableItsScaledAndBoundedValue) {
    TwinNeedleGauge gauge(GetParam().member);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    gauge.set(GetParam().tokens);
    gauge.frame();
    EXPECT_DOUBLE_EQ(gauge.needle(GetParam().dial).value, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    TurbineInletTemperature, NeedleReading,
    ::testing::Values(
        // Hundreds of degrees F: value / 128, held within 13 to 18.
        ReadingCase{"halttff", Dial::left, "Mid", {{kTurbineInlet, 1920}}, 15},
        ReadingCase{"halttff", Dial::left, "Fraction", {{kTurbineInlet, 2112}}, 16.5},
        ReadingCase{"halttff", Dial::left, "EightHundredF", {{kTurbineInlet, 1024}}, 13},
        ReadingCase{"halttff", Dial::left, "TopOfScale", {{kTurbineInlet, 2304}}, 18},
        ReadingCase{"halttff", Dial::left, "TwoThousandF", {{kTurbineInlet, 2560}}, 18},
        ReadingCase{"halttff", Dial::left, "Cold", {{kTurbineInlet, 0}}, 13},
        ReadingCase{"halttff", Dial::left, "NaN", {{kTurbineInlet, kNaN}}, 13},
        ReadingCase{"halttff", Dial::left, "Infinite", {{kTurbineInlet, kInf}}, 18},
        ReadingCase{"halttff", Dial::left, "MinusInfinite", {{kTurbineInlet, -kInf}}, 13}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    FuelFlow, NeedleReading,
    ::testing::Values(
        // Gallons per hour: flow / fuel weight per gallon, held within 0 to 30.
        ReadingCase{"halttff", Dial::right, "TwentyFive", {{kFuelFlow, 150}, {kFuelWeight, 6}}, 25},
        ReadingCase{"halttff", Dial::right, "Fraction", {{kFuelFlow, 63}, {kFuelWeight, 6}}, 10.5},
        ReadingCase{"halttff", Dial::right, "AboveScale", {{kFuelFlow, 200}, {kFuelWeight, 5}}, 30},
        ReadingCase{"halttff", Dial::right, "Negative", {{kFuelFlow, -30}, {kFuelWeight, 6}}, 0},
        ReadingCase{"halttff", Dial::right, "NoFlow", {{kFuelFlow, 0}, {kFuelWeight, 6}}, 0},
        // A zero weight per gallon: a positive flow divides to infinity, no flow to NaN.
        ReadingCase{"halttff", Dial::right, "ZeroWeight", {{kFuelFlow, 150}, {kFuelWeight, 0}}, 30},
        ReadingCase{"halttff", Dial::right, "ZeroWeightNoFlow",
                    {{kFuelFlow, 0}, {kFuelWeight, 0}}, 0},
        ReadingCase{"halttff", Dial::right, "ZeroWeightNegativeFlow",
                    {{kFuelFlow, -10}, {kFuelWeight, 0}}, 0},
        ReadingCase{"halttff", Dial::right, "NegativeZeroWeight",
                    {{kFuelFlow, 150}, {kFuelWeight, -0.0}}, 0},
        ReadingCase{"halttff", Dial::right, "InfiniteOverInfinite",
                    {{kFuelFlow, kInf}, {kFuelWeight, kInf}}, 0},
        ReadingCase{"halttff", Dial::right, "NaNWeight",
                    {{kFuelFlow, 150}, {kFuelWeight, kNaN}}, 0}),
    case_name);

std::vector<TokenValue> left_fuel(double capacity1, double capacity2, double capacity3,
                                  double centre_capacity, double quantity, double centre) {
    return {{kLeftCapacities[0], capacity1}, {kLeftCapacities[1], capacity2},
            {kLeftCapacities[2], capacity3}, {kCentreCapacity, centre_capacity},
            {kLeftQuantity, quantity},       {kCentreQuantity, centre}};
}

std::vector<TokenValue> right_fuel(double capacity1, double capacity2, double capacity3,
                                   double centre_capacity, double quantity, double centre) {
    return {{kRightCapacities[0], capacity1}, {kRightCapacities[1], capacity2},
            {kRightCapacities[2], capacity3}, {kCentreCapacity, centre_capacity},
            {kRightQuantity, quantity},       {kCentreQuantity, centre}};
}

INSTANTIATE_TEST_SUITE_P(
    FuelQuantity, NeedleReading,
    ::testing::Values(
        // 100 × (side + centre / 2) / (side capacities + centre capacity / 2), 0 to 100.
        ReadingCase{"halfuel", Dial::left, "HalfWithCentre", left_fuel(40, 0, 0, 20, 20, 10), 50},
        ReadingCase{"halfuel", Dial::right, "HalfWithCentre", right_fuel(40, 0, 0, 20, 20, 10), 50},
        ReadingCase{"halfuel", Dial::left, "ThreeTanks", left_fuel(30, 30, 40, 0, 75, 0), 75},
        ReadingCase{"halfuel", Dial::right, "ThreeTanks", right_fuel(10, 20, 20, 0, 12.5, 0), 25},
        ReadingCase{"halfuel", Dial::left, "CentreOnly", left_fuel(0, 0, 0, 100, 0, 40), 40},
        ReadingCase{"halfuel", Dial::right, "CentreOnly", right_fuel(0, 0, 0, 100, 0, 90), 90},
        ReadingCase{"halfuel", Dial::left, "Overfull", left_fuel(50, 0, 0, 0, 60, 0), 100},
        ReadingCase{"halfuel", Dial::right, "Empty", right_fuel(50, 10, 0, 20, 0, 0), 0},
        // No capacity: fuel divides to infinity, no fuel to NaN.
        ReadingCase{"halfuel", Dial::left, "NoTanksNoFuel", left_fuel(0, 0, 0, 0, 0, 0), 0},
        ReadingCase{"halfuel", Dial::right, "NoTanksNoFuel", right_fuel(0, 0, 0, 0, 0, 0), 0},
        ReadingCase{"halfuel", Dial::left, "NoTanksSomeFuel", left_fuel(0, 0, 0, 0, 10, 0), 100},
        ReadingCase{"halfuel", Dial::right, "NoTanksCentreFuel", right_fuel(0, 0, 0, 0, 0, 4), 100},
        // Capacities that cancel to infinity minus infinity are no number.
        ReadingCase{"halfuel", Dial::left, "CancellingCapacities",
                    left_fuel(kInf, -kInf, 0, 0, 10, 0), 0}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    CylinderHeadAndSuction, NeedleReading,
    ::testing::Values(
        ReadingCase{"halchvc", Dial::left, "Mid", {{kCylinderHead, 250}}, 250},
        ReadingCase{"halchvc", Dial::left, "Fraction", {{kCylinderHead, 333.25}}, 333.25},
        ReadingCase{"halchvc", Dial::left, "Cold", {{kCylinderHead, 50}}, 100},
        ReadingCase{"halchvc", Dial::left, "Hot", {{kCylinderHead, 450}}, 400},
        ReadingCase{"halchvc", Dial::left, "NaN", {{kCylinderHead, kNaN}}, 100},
        ReadingCase{"halchvc", Dial::right, "Mid", {{kSuction, 4.2}}, 4.2},
        ReadingCase{"halchvc", Dial::right, "Low", {{kSuction, 2}}, 3.0},
        ReadingCase{"halchvc", Dial::right, "High", {{kSuction, 6}}, 5.5},
        ReadingCase{"halchvc", Dial::right, "NaN", {{kSuction, kNaN}}, 3.0}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    ManifoldPressureAndRpm, NeedleReading,
    ::testing::Values(
        // Inches of mercury: value / 1040, 10 to 40.
        ReadingCase{"halmprp", Dial::left, "Mid", {{kManifold, 26000}}, 25},
        ReadingCase{"halmprp", Dial::left, "Low", {{kManifold, 5200}}, 10},
        ReadingCase{"halmprp", Dial::left, "High", {{kManifold, 52000}}, 40},
        ReadingCase{"halmprp", Dial::left, "Infinite", {{kManifold, kInf}}, 40},
        ReadingCase{"halmprp", Dial::left, "NaN", {{kManifold, kNaN}}, 10},
        // Hundreds of RPM: value / 1638400 × scale / 4, 0 to 3000.
        ReadingCase{"halmprp", Dial::right, "RedLine",
                    {{kEngineSpeed, 16384}, {kEngineSpeedScale, 10000}}, 25},
        ReadingCase{"halmprp", Dial::right, "Stopped",
                    {{kEngineSpeed, 0}, {kEngineSpeedScale, 10000}}, 0},
        ReadingCase{"halmprp", Dial::right, "OtherScale",
                    {{kEngineSpeed, 16384}, {kEngineSpeedScale, 4000}}, 10},
        // Beyond the last table row (30) the value goes to the host unchanged.
        ReadingCase{"halmprp", Dial::right, "BeyondTable",
                    {{kEngineSpeed, 32768}, {kEngineSpeedScale, 10000}}, 50},
        ReadingCase{"halmprp", Dial::right, "AboveBound",
                    {{kEngineSpeed, 16384 * 200.0}, {kEngineSpeedScale, 10000}}, 3000},
        ReadingCase{"halmprp", Dial::right, "Negative",
                    {{kEngineSpeed, -16384}, {kEngineSpeedScale, 10000}}, 0},
        ReadingCase{"halmprp", Dial::right, "InfiniteTimesZeroScale",
                    {{kEngineSpeed, kInf}, {kEngineSpeedScale, 0}}, 0},
        ReadingCase{"halmprp", Dial::right, "NaNScale",
                    {{kEngineSpeed, 16384}, {kEngineSpeedScale, kNaN}}, 0}),
    case_name);

INSTANTIATE_TEST_SUITE_P(
    OilTemperatureAndPressure, NeedleReading,
    ::testing::Values(
        // Degrees F: value - 450, 0 to 2700.
        ReadingCase{"halotop", Dial::left, "Mid", {{kOilTemperature, 650}}, 200},
        ReadingCase{"halotop", Dial::left, "BelowOffset", {{kOilTemperature, 400}}, 0},
        ReadingCase{"halotop", Dial::left, "BeyondTable", {{kOilTemperature, 1450}}, 1000},
        ReadingCase{"halotop", Dial::left, "AboveBound", {{kOilTemperature, 5450}}, 2700},
        ReadingCase{"halotop", Dial::left, "NaN", {{kOilTemperature, kNaN}}, 0},
        // Psi: value / 298, 0 to 1300.
        ReadingCase{"halotop", Dial::right, "Mid", {{kOilPressure, 17880}}, 60},
        ReadingCase{"halotop", Dial::right, "BeyondTable", {{kOilPressure, 149000}}, 500},
        ReadingCase{"halotop", Dial::right, "AboveBound", {{kOilPressure, 596000}}, 1300},
        ReadingCase{"halotop", Dial::right, "Negative", {{kOilPressure, -298}}, 0},
        ReadingCase{"halotop", Dial::right, "MinusInfinite", {{kOilPressure, -kInf}}, 0}),
    case_name);

// Each fuel needle reads its own side only, whatever the other side holds.
TEST(FuelQuantity, EachSideReadsItsOwnTanks) {
    TwinNeedleGauge gauge("halfuel");
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    gauge.set(left_fuel(100, 0, 0, 0, 30, 0));
    gauge.set({{kRightCapacities[0], 50}, {kRightCapacities[1], 50}, {kRightQuantity, 80}});
    gauge.frame();
    EXPECT_DOUBLE_EQ(gauge.needle(Dial::left).value, 30);
    EXPECT_DOUBLE_EQ(gauge.needle(Dial::right).value, 80);
}

// The readings look their further values up afresh in every frame, in a fixed order: the
// right needle first (it comes first in the element tree), each side's three capacities, the
// centre capacity, the side's quantity and the centre quantity; then each lamp the engine
// speed.
TEST(FuelQuantity, LooksUpTheTanksInOrderEveryFrame) {
    TwinNeedleGauge gauge("halfuel", TwinNeedleGauge::Spy::attached);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    const std::vector<uint32_t> one_frame = {0x12a, 0x12c, 0x12e, 0x122, 0x12f, 0x131,
                                             0x124, 0x126, 0x128, 0x122, 0x130, 0x131,
                                             kEngineSpeed, kEngineSpeed};
    for (int frame = 0; frame < 2; ++frame) {
        gauge.spy()->take_calls();
        gauge.frame();
        EXPECT_EQ(looked_up_tokens(gauge.spy()->take_calls()), one_frame) << "frame " << frame;
    }
}

struct LookupCase {
    const char* member;
    std::vector<uint32_t> one_frame;
};

std::ostream& operator<<(std::ostream& out, const LookupCase& c) { return out << c.member; }

class ReadingLookups : public ::testing::TestWithParam<LookupCase> {};

// What each gauge looks up besides its elements' own variables, in one frame.
TEST_P(ReadingLookups, AreTheFurtherValuesOfTheReadingsAndLamps) {
    TwinNeedleGauge gauge(GetParam().member, TwinNeedleGauge::Spy::attached);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    gauge.spy()->take_calls();
    gauge.frame();
    EXPECT_EQ(looked_up_tokens(gauge.spy()->take_calls()), GetParam().one_frame);
}

INSTANTIATE_TEST_SUITE_P(
    Members, ReadingLookups,
    ::testing::Values(LookupCase{"halttff", {kFuelWeight, kEngineSpeed, kEngineSpeed}},
                      LookupCase{"halchvc", {kEngineSpeed, kEngineSpeed}},
                      LookupCase{"halmprp", {kEngineSpeedScale}},
                      LookupCase{"halotop", {kEngineSpeed, kEngineSpeed}}),
    [](const ::testing::TestParamInfo<LookupCase>& info) { return info.param.member; });

}  // namespace
}  // namespace twin_needle_test
