// The engine control quadrant as the host draws it, compared with reviewed goldens: the
// power, propeller and mixture knobs where the simulator's lever positions put them (0 at the
// back of the strip, 16383 fully forward). Each case sets the three lever tokens, runs a frame
// and draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "gauge_snapshot.h"
#include "golden_files.h"
#include "picture_compare.h"

namespace golden {
namespace {

constexpr uint32_t kPowerLever = 0x80;
constexpr uint32_t kPropellerLever = 0x81;
constexpr uint32_t kMixtureLever = 0x82;

struct QuadrantCase {
    const char* name;   // also the golden's name
    const char* shows;  // what the reviewed picture shows
    double power;
    double propeller;
    double mixture;
};

void PrintTo(const QuadrantCase& c, std::ostream* out) { *out << c.name; }

const QuadrantCase kCases[] = {
    {"powerquad_power_forward",
     "power knob fully forward, propeller knob half way, mixture knob fully back", 16383, 8192,
     0},
    {"powerquad_power_back",
     "power knob fully back, propeller and mixture knobs fully forward", 0, 16383, 16383},
};

Picture draw_case(const QuadrantCase& quadrant_case) {
    GaugeSnapshot gauge("powerquad", "ORIN_520_Quadrant");
    EXPECT_TRUE(gauge.placed()) << gauge.error();
    if (!gauge.placed()) return nullptr;
    gauge.set(kPowerLever, quadrant_case.power);
    gauge.set(kPropellerLever, quadrant_case.propeller);
    gauge.set(kMixtureLever, quadrant_case.mixture);
    gauge.frame();
    return gauge.draw();
}

class QuadrantGolden : public ::testing::TestWithParam<QuadrantCase> {};

TEST_P(QuadrantGolden, MatchesTheReviewedPicture) {
    const QuadrantCase& quadrant_case = GetParam();
    const Picture drawn = draw_case(quadrant_case);
    ASSERT_TRUE(drawn);
    const GoldenResult result = check_golden(quadrant_case.name, drawn.get());
    if (result.outcome == Outcome::written || result.outcome == Outcome::kept)
        GTEST_SKIP() << result.message;
    EXPECT_EQ(result.outcome, Outcome::matched)
        << "expected: " << quadrant_case.shows << "\n" << result.message;
}

INSTANTIATE_TEST_SUITE_P(Powerquad, QuadrantGolden, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The two lever settings must not pass for each other under the tolerance.
TEST(QuadrantGoldenCases, TheTwoLeverSettingsLookDifferent) {
    const Picture forward = draw_case(kCases[0]);
    const Picture back = draw_case(kCases[1]);
    ASSERT_TRUE(forward && back);
    const Comparison comparison = compare_pictures(forward.get(), back.get());
    EXPECT_FALSE(comparison.matches()) << describe(comparison);
}

}  // namespace
}  // namespace golden
