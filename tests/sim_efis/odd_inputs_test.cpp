// Odd values put into the tokens the EFIS side reads: everything it writes stays finite and
// the angles stay within the circle.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "efis_fixture.h"
#include "efis_nav_receivers.h"

namespace efis_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kLargest = std::numeric_limits<double>::max();

struct OddCase {
    const char* name;
    uint32_t token;
    double value;
};

constexpr OddCase kOddValues[] = {
    {"HeadingNaN", kHeading, kNaN},
    {"HeadingInfinite", kHeading, kInfinity},
    {"HeadingLargest", kHeading, -kLargest},
    {"SelectedHeadingNaN", kSelectedHeading, kNaN},
    {"SelectedHeadingLargest", kSelectedHeading, kLargest},
    {"Vor1CourseNaN", kVor1Course, kNaN},
    {"Vor2CourseInfinite", kVor2Course, -kInfinity},
    {"AltitudeNaN", kAltitude, kNaN},
    {"AltitudeLargest", kAltitude, kLargest},
    {"VerticalSpeedInfinite", kVerticalSpeed, kInfinity},
    {"GroundSpeedNaN", 0x340, kNaN},
    {"GroundSpeedZero", 0x340, 0.0},
    {"GpsDistanceNaN", kGpsDistance, kNaN},
    {"GpsBearingInfinite", kGpsBearing, kInfinity},
    {"AutopilotMasterNaN", kAutopilotMaster, kNaN},
    {"VerticalSpeedTargetNaN", 0x78, kNaN},
};

bool is_angle(uint32_t token) {
    return token == kVor1Bearing || token == kVor2Bearing || token == kAdfBearing ||
           token == kWindDirection || token == kHeading;
}

void expect_sane_efis_tokens(const Aircraft& a, uint32_t set_token) {
    for (uint32_t token : kEfisTokens) {
        // A selector set from outside keeps that value until an event changes it.
        if (token == set_token &&
            (token == kVor1Course || token == kVor2Course || token == kSelectedHeading))
            continue;
        const double value = a.number(token);
        EXPECT_TRUE(std::isfinite(value)) << "token 0x" << std::hex << token;
        if (is_angle(token)) {
            EXPECT_GE(value, 0.0) << "token 0x" << std::hex << token;
            EXPECT_LT(value, 360.0) << "token 0x" << std::hex << token;
        }
    }
    for (uint32_t token : {kVor1Deviation, kVor2Deviation, kVor1Glideslope, kVor2Glideslope})
        EXPECT_LE(std::abs(a.number(token)), 127.0) << "token 0x" << std::hex << token;
    EXPECT_LE(std::abs(a.number(kBank)), 20.0);
    EXPECT_GE(a.number(kRadioAltitude), 0.0);
}

class OddTokenValue : public ::testing::TestWithParam<OddCase> {};

TEST_P(OddTokenValue, LeavesEveryEfisValueFinite) {
    for (bool turning : {false, true}) {
        SCOPED_TRACE(turning ? "turning" : "on heading");
        Aircraft a;
        if (turning) a.send(kSetHeading, 200);
        a.store.set_number(GetParam().token, GetParam().value);
        a.run_frames(1);
        expect_sane_efis_tokens(a, GetParam().token);
        a.run_seconds(30);
        expect_sane_efis_tokens(a, GetParam().token);
    }
}

INSTANTIATE_TEST_SUITE_P(Values, OddTokenValue, ::testing::ValuesIn(kOddValues));

// The receivers on their own, on a store whose GPS names a waypoint that is not on the map:
// they cannot place the aircraft and read as receiving nothing.
TEST(UnplacedAircraft, ReceiversReadNoStation) {
    Aircraft a;
    a.run_frames(1);
    panel_host::VariableStore store;
    store.set_text(kGpsWaypoint, "NOWHR");
    store.set_number(kGpsDistance, 10000.0);
    store.set_number(kGpsBearing, 45.0);
    store.set_integer(kNav1Active, a.store.integer(kNav1Active));
    store.set_integer(kNav2Active, a.store.integer(kNav2Active));
    for (uint32_t token : {kVor1Bearing, kVor2Bearing, kAdfBearing, kVor2Flags, kVor2Deviation})
        store.set_number(token, 33.0);
    panel_sim::write_nav_receiver_tokens(store, 1000.0);
    for (uint32_t token : {kVor1Bearing, kVor2Bearing, kAdfBearing, kVor1Flags, kVor2Flags,
                           kVor1Deviation, kVor2Deviation, kVor1Glideslope, kVor2Glideslope})
        EXPECT_EQ(store.number(token), 0.0) << "token 0x" << std::hex << token;

    // The same store with the waypoint the aircraft flies to places it again.
    store.set_text(kGpsWaypoint, a.store.text(kGpsWaypoint));
    panel_sim::write_nav_receiver_tokens(store, 1000.0);
    EXPECT_EQ(store.integer(kVor2Flags) & kLocalizerBit, kLocalizerBit);
    EXPECT_NE(store.number(kVor1Bearing), 0.0);
}

}  // namespace
}  // namespace efis_test
