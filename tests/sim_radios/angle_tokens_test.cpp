// Angles as the radio stack writes them: the panel truncates an angle token to whole degrees,
// so a whole-degree direction must not come out a hair below its degree.
#include <gtest/gtest.h>

#include <string>

#include "navigation_units.h"
#include "radio_fixture.h"

namespace radio_test {
namespace {

TEST(RadiansToken, ReadsBackAsTheSameWholeDegreeForEveryDegree) {
    for (int degrees = 0; degrees < 360; ++degrees) {
        const double radians = panel_sim::radians_token_value(degrees);
        EXPECT_EQ(static_cast<unsigned>(radians * 57.29578), static_cast<unsigned>(degrees))
            << degrees;
        // And only a hair above it.
        EXPECT_NEAR(radians * 57.29578, degrees, 1e-9);
    }
}

struct DegreesCase {
    const char* name;
    double in;
    double written;
};

class DegreesToken : public ::testing::TestWithParam<DegreesCase> {};

TEST_P(DegreesToken, IsWithinTheCircleAndFreeOfArithmeticDust) {
    EXPECT_EQ(panel_sim::degrees_token_value(GetParam().in), GetParam().written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DegreesToken,
    ::testing::Values(DegreesCase{"JustBelowAWholeDegree", 89.99999999999999, 90.0},
                      DegreesCase{"JustAboveAWholeDegree", 225.00000000000003, 225.0},
                      DegreesCase{"JustBelowAFullCircle", 359.9999999999999, 0.0},
                      DegreesCase{"TinyNegative", -1e-13, 0.0},
                      DegreesCase{"Negative", -90.0, 270.0}, DegreesCase{"FullCircle", 360.0, 0.0},
                      DegreesCase{"MoreThanACircle", 725.5, 5.5},
                      DegreesCase{"Fraction", 38.659808, 38.659808}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace radio_test
