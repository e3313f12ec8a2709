// The digital engine readout as the host draws it, compared with reviewed goldens: its eight
// lines in cruise, and with the longest texts its lines can get (negative temperatures and
// engine speed, a fuel flow held at its limit). Each case sets the simulator's tokens, runs a
// frame and draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "gauge_snapshot.h"
#include "golden_files.h"
#include "picture_compare.h"

namespace golden {
namespace {

// Simulator tokens the readout shows.
constexpr uint32_t kManifoldPressure = 0x98;
constexpr uint32_t kTurbineInlet = 0x19e;
constexpr uint32_t kOilTemperature = 0x1a0;
constexpr uint32_t kCylinderHead = 0x92;
constexpr uint32_t kEngineSpeed = 0x87;
constexpr uint32_t kEngineSpeedScale = 0x9a;
constexpr uint32_t kFuelFlow = 0x1a5;
constexpr uint32_t kFuelWeightPerGallon = 0x132;
constexpr uint32_t kOilPressure = 0x94;
constexpr uint32_t kSuction = 0x161;

struct TokenValue {
    uint32_t token;
    double value;
};

const std::vector<TokenValue> kCruise = {
    {kManifoldPressure, 31200}, {kTurbineInlet, 1920},  {kOilTemperature, 640},
    {kCylinderHead, 200},       {kEngineSpeed, 16384},  {kEngineSpeedScale, 10000},
    {kFuelFlow, 90},            {kFuelWeightPerGallon, 6}, {kOilPressure, 17880},
    {kSuction, 4.97},
};

// Cruise with these tokens changed.
std::vector<TokenValue> cruise_with(const std::vector<TokenValue>& changes) {
    std::vector<TokenValue> tokens = kCruise;
    for (const TokenValue& change : changes)
        for (TokenValue& token : tokens)
            if (token.token == change.token) token.value = change.value;
    return tokens;
}

struct HalannCase {
    const char* name;   // also the golden's name
    const char* shows;  // what the reviewed picture shows
    std::vector<TokenValue> tokens;
};

void PrintTo(const HalannCase& c, std::ostream* out) { *out << c.name; }

const HalannCase kCases[] = {
    {"halann_cruise",
     "30.0 MAP, 1500 F TIT, 190 F oil, 392 F CHT, 2500 RPM, 15 GPH, 60 PSI, 5.0 inHg",
     kCruise},
    {"halann_extremes",
     "oil temperature -9999 F, engine speed -2500 RPM, fuel flow 9999 GPH (no fuel weight), "
     "suction 0.0 inHg, the other lines as in cruise; every text inside its line",
     cruise_with({{kOilTemperature, -1e9},
                  {kEngineSpeed, -16384},
                  {kFuelWeightPerGallon, 0},
                  {kSuction, -3}})},
};

Picture draw_case(const HalannCase& halann_case) {
    GaugeSnapshot gauge("halann", "halann");
    EXPECT_TRUE(gauge.placed()) << gauge.error();
    if (!gauge.placed()) return nullptr;
    for (const TokenValue& token : halann_case.tokens) gauge.set(token.token, token.value);
    gauge.frame();
    return gauge.draw();
}

class HalannGolden : public ::testing::TestWithParam<HalannCase> {};

TEST_P(HalannGolden, MatchesTheReviewedPicture) {
    const HalannCase& halann_case = GetParam();
    const Picture drawn = draw_case(halann_case);
    ASSERT_TRUE(drawn);
    const GoldenResult result = check_golden(halann_case.name, drawn.get());
    if (result.outcome == Outcome::written || result.outcome == Outcome::kept)
        GTEST_SKIP() << result.message;
    EXPECT_EQ(result.outcome, Outcome::matched)
        << "expected: " << halann_case.shows << "\n" << result.message;
}

INSTANTIATE_TEST_SUITE_P(Halann, HalannGolden, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The two states must not pass for each other under the tolerance.
TEST(HalannGoldenCases, CruiseAndExtremesLookDifferent) {
    const Picture cruise = draw_case(kCases[0]);
    const Picture extremes = draw_case(kCases[1]);
    ASSERT_TRUE(cruise && extremes);
    const Comparison comparison = compare_pictures(cruise.get(), extremes.get());
    EXPECT_FALSE(comparison.matches()) << describe(comparison);
}

}  // namespace
}  // namespace golden
