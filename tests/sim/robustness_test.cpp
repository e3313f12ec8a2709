// Extreme key-event values and token values: the aircraft keeps every value it writes finite
// and inside the flight envelope.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "aircraft_fixture.h"
#include "panel_sim/flight_envelope.h"
#include "panel_sim/start_state.h"

namespace sim_test {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLargest = std::numeric_limits<double>::max();

void expect_sane(const Aircraft& a) {
    for (const panel_sim::TokenValue& entry : panel_sim::start_state())
        EXPECT_TRUE(std::isfinite(a.store.number(entry.token)))
            << "token 0x" << std::hex << entry.token;
    EXPECT_LE(std::abs(a.vertical_speed_fpm()), panel_sim::kMaxVerticalSpeedFpm);
    EXPECT_GE(a.altitude(), panel_sim::kMinAltitudeFt);
    EXPECT_LE(a.altitude(), panel_sim::kMaxAltitudeFt);
    EXPECT_LE(std::abs(a.store.number(kVerticalSpeedTarget)), panel_sim::kMaxVerticalSpeedFpm);
    EXPECT_GE(a.store.number(kAltitudeTarget), panel_sim::kMinAltitudeFt);
    EXPECT_LE(a.store.number(kAltitudeTarget), panel_sim::kMaxAltitudeFt);
    const double ticks = a.store.number(kTickCount);
    EXPECT_GE(ticks, 0.0);
    EXPECT_LT(ticks, 4294967296.0);
    EXPECT_EQ(ticks, std::floor(ticks));
}

class ExtremeEventValue : public ::testing::TestWithParam<int32_t> {};

TEST_P(ExtremeEventValue, EveryEventAcceptsItAndTheAircraftStaysSane) {
    Aircraft a;
    for (uint32_t event : {kHeadingButton, kNavButton, kApproachButton, kBackCourseButton,
                           kSetVerticalSpeedTarget, kSetAltitudeTarget, kEngageFirst,
                           kEngageSecond})
        EXPECT_TRUE(a.send(event, GetParam()));
    EXPECT_EQ(a.store.number(kAltitudeHold), 1.0);
    // Long enough to reach either end of the envelope at full vertical speed.
    a.run_seconds(15 * 60);
    expect_sane(a);

    EXPECT_TRUE(a.send(kDisengageFirst, GetParam()));
    EXPECT_TRUE(a.send(kDisengageSecond, GetParam()));
    a.run_seconds(60);
    expect_sane(a);
}

INSTANTIATE_TEST_SUITE_P(Values, ExtremeEventValue,
                         ::testing::Values(kInt32Min, kInt32Min + 1, -1, 1, kInt32Max - 1,
                                           kInt32Max));

TEST(ExtremeTargets, AreHeldToTheEnvelope) {
    Aircraft a;
    a.send(kSetVerticalSpeedTarget, kInt32Max);
    EXPECT_EQ(a.store.number(kVerticalSpeedTarget), panel_sim::kMaxVerticalSpeedFpm);
    a.send(kSetVerticalSpeedTarget, kInt32Min);
    EXPECT_EQ(a.store.number(kVerticalSpeedTarget), -panel_sim::kMaxVerticalSpeedFpm);
    a.send(kSetAltitudeTarget, kInt32Max);
    EXPECT_EQ(a.store.number(kAltitudeTarget), panel_sim::kMaxAltitudeFt);
    a.send(kSetAltitudeTarget, kInt32Min);
    EXPECT_EQ(a.store.number(kAltitudeTarget), panel_sim::kMinAltitudeFt);
}

TEST(ExtremeTargets, TheAircraftClimbsToTheTopOfTheEnvelopeAndStopsThere) {
    Aircraft a;
    a.send(kSetVerticalSpeedTarget, kInt32Max);
    a.send(kSetAltitudeTarget, 0);
    a.engage();
    a.run_seconds(15 * 60);
    EXPECT_EQ(a.altitude(), panel_sim::kMaxAltitudeFt);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
}

struct TokenCase {
    const char* name;
    uint32_t token;
    double value;
};

bool only_read_by_the_aircraft(uint32_t token) {
    return token == kAutopilotMaster || token == kAltitudeTarget || token == kVerticalSpeedTarget;
}

class ExtremeTokenValue : public ::testing::TestWithParam<TokenCase> {};

TEST_P(ExtremeTokenValue, NeverReachesTheOtherTokens) {
    for (bool engaged : {false, true}) {
        SCOPED_TRACE(engaged ? "vertical autopilot engaged" : "vertical autopilot off");
        Aircraft a;
        a.send(kSetVerticalSpeedTarget, 500);
        if (engaged) a.engage();
        a.store.set_number(GetParam().token, GetParam().value);
        a.run_seconds(60);
        a.send_all({kHeadingButton, kNavButton, kApproachButton, kBackCourseButton});
        a.run_seconds(60);
        for (uint32_t token : kChangingTokens) {
            // A token the aircraft only reads keeps whatever was set from outside.
            if (token == GetParam().token && only_read_by_the_aircraft(token)) continue;
            EXPECT_TRUE(std::isfinite(a.store.number(token))) << "token 0x" << std::hex << token;
        }
        EXPECT_LE(std::abs(a.vertical_speed_fpm()), panel_sim::kMaxVerticalSpeedFpm);
        EXPECT_GE(a.altitude(), panel_sim::kMinAltitudeFt);
        EXPECT_LE(a.altitude(), panel_sim::kMaxAltitudeFt);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, ExtremeTokenValue,
    ::testing::Values(TokenCase{"VerticalSpeedNaN", kVerticalSpeed, kNaN},
                      TokenCase{"VerticalSpeedInfinite", kVerticalSpeed, kInfinity},
                      TokenCase{"VerticalSpeedLargest", kVerticalSpeed, -kLargest},
                      TokenCase{"AltitudeNaN", kAltitude, kNaN},
                      TokenCase{"AltitudeInfinite", kAltitude, -kInfinity},
                      TokenCase{"AltitudeLargest", kAltitude, kLargest},
                      TokenCase{"AltitudeTargetNaN", kAltitudeTarget, kNaN},
                      TokenCase{"AltitudeTargetInfinite", kAltitudeTarget, kInfinity},
                      TokenCase{"AltitudeTargetLargest", kAltitudeTarget, -kLargest},
                      TokenCase{"RateTargetNaN", kVerticalSpeedTarget, kNaN},
                      TokenCase{"RateTargetInfinite", kVerticalSpeedTarget, -kInfinity},
                      TokenCase{"RateTargetLargest", kVerticalSpeedTarget, kLargest},
                      TokenCase{"MasterNaN", kAutopilotMaster, kNaN},
                      TokenCase{"HeadingModeNaN", kHeadingMode, kNaN},
                      TokenCase{"TickCountNaN", kTickCount, kNaN}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sim_test
