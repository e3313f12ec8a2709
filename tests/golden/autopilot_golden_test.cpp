// The autopilot head as the host draws it, compared with reviewed goldens: which legends are
// lit in its window and what the vertical-speed readout says, and the window under an
// electrical failure. Each case sets the simulator's tokens, runs a frame, presses the
// buttons it names (the panel's own vertical modes), runs another frame and draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "gauge_snapshot.h"
#include "golden_files.h"
#include "picture_compare.h"

namespace golden {
namespace {

// Simulator tokens the autopilot reads.
constexpr uint32_t kVerticalSpeed = 0x41;  // 1/256 metre per second
constexpr uint32_t kAltitude = 0x4a;
constexpr uint32_t kMaster = 0x67;
constexpr uint32_t kNavMode = 0x69;
constexpr uint32_t kHeadingMode = 0x6a;
constexpr uint32_t kGlideSlope = 0x6f;
constexpr uint32_t kApproachMode = 0x70;
constexpr uint32_t kGpss = 0x350;

constexpr double kUnitsPerFpm = 1.30048;
constexpr uint32_t kAutopilotFailure = 0x14;

// Buttons of the face that run the panel's own vertical modes, in gauge pixels.
struct Button {
    int x;
    int y;
};
constexpr Button kAltButton{310, 86};
constexpr Button kVsButton{377, 86};

struct TokenValue {
    uint32_t token;
    double value;
};

struct AutopilotCase {
    const char* name;      // also the golden's name
    const char* shows;     // what the reviewed picture shows
    std::vector<TokenValue> tokens;
    double vertical_speed_fpm;  // far enough from a readout step that rounding cannot matter
    std::vector<Button> presses;
    double master_after_presses;
    uint32_t failure = 0;
};

void PrintTo(const AutopilotCase& c, std::ostream* out) { *out << c.name; }

const AutopilotCase kCases[] = {
    {"autopilot_heading", "master on, HDG lit alone, readout +0",
     {{kHeadingMode, 1.0}}, 0.0, {}, 1.0},
    {"autopilot_altitude_nav_gpss", "master on, NAV, GPSS and ALT lit, readout -9",
     {{kNavMode, 1.0}, {kGpss, 1.0}, {kAltitude, 8500.0}}, -905.0, {kAltButton}, 1.0},
    {"autopilot_vertical_speed_approach", "master on, APR, GS and VS lit, readout +15",
     {{kApproachMode, 1.0}, {kGlideSlope, 1.0}}, 1520.0, {kVsButton}, 1.0},
    {"autopilot_master_off",
     "master off after ALT was engaged, with HDG still reported: RDY lit alone, readout +3",
     {{kHeadingMode, 1.0}, {kAltitude, 8500.0}}, 320.0, {kAltButton}, 0.0},
    {"autopilot_failed",
     "failure 0x14 with HDG and ALT engaged: the window empty (no legend, no readout box), the "
     "face and buttons as ever",
     {{kHeadingMode, 1.0}, {kAltitude, 8500.0}}, -905.0, {kAltButton}, 1.0,
     kAutopilotFailure},
};

// The autopilot after the case's tokens, presses and frames.
Picture draw_case(const AutopilotCase& autopilot_case) {
    GaugeSnapshot gauge("autoflight", "autopilot");
    EXPECT_TRUE(gauge.placed()) << gauge.error();
    if (!gauge.placed()) return nullptr;
    gauge.set(kMaster, 1.0);
    for (const TokenValue& token : autopilot_case.tokens) gauge.set(token.token, token.value);
    gauge.set(kVerticalSpeed, autopilot_case.vertical_speed_fpm * kUnitsPerFpm);
    gauge.frame();
    for (const Button& button : autopilot_case.presses) gauge.click(button.x, button.y);
    gauge.set(kMaster, autopilot_case.master_after_presses);
    if (autopilot_case.failure != 0) gauge.fail(autopilot_case.failure);
    gauge.frame();
    return gauge.draw();
}

class AutopilotGolden : public ::testing::TestWithParam<AutopilotCase> {};

TEST_P(AutopilotGolden, MatchesTheReviewedPicture) {
    const AutopilotCase& autopilot_case = GetParam();
    const Picture drawn = draw_case(autopilot_case);
    ASSERT_TRUE(drawn);
    const GoldenResult result = check_golden(autopilot_case.name, drawn.get());
    if (result.outcome == Outcome::written || result.outcome == Outcome::kept)
        GTEST_SKIP() << result.message;
    EXPECT_EQ(result.outcome, Outcome::matched)
        << "expected: " << autopilot_case.shows << "\n" << result.message;
}

INSTANTIATE_TEST_SUITE_P(Autoflight, AutopilotGolden, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Two states that the tolerance could not tell apart would let a wrong legend or readout pass.
TEST(AutopilotGoldenCases, EachStateLooksDifferentFromTheOthers) {
    std::vector<Picture> drawn;
    for (const AutopilotCase& autopilot_case : kCases) {
        drawn.push_back(draw_case(autopilot_case));
        ASSERT_TRUE(drawn.back()) << autopilot_case.name;
    }
    for (size_t a = 0; a < drawn.size(); ++a) {
        for (size_t b = a + 1; b < drawn.size(); ++b) {
            const Comparison comparison = compare_pictures(drawn[a].get(), drawn[b].get());
            EXPECT_FALSE(comparison.matches())
                << kCases[a].name << " passes for " << kCases[b].name << ": "
                << describe(comparison);
        }
    }
}

}  // namespace
}  // namespace golden
