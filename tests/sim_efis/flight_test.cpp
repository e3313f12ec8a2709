// Heading, attitude, flight director, radio altitude and wind as the aircraft flies.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "efis_fixture.h"

namespace efis_test {
namespace {

struct TurnCase {
    const char* name;
    int32_t selected;
    int direction;  // +1 right, -1 left
};

// The aircraft starts on heading 090 with the heading mode on.
constexpr TurnCase kTurns[] = {
    {"RightBy30", 120, +1},        {"LeftBy30", 60, -1},    {"RightBy170", 260, +1},
    {"LeftThroughNorth", 300, -1}, {"ByOneDegree", 91, +1},
};

class HeadingModeTurn : public ::testing::TestWithParam<TurnCase> {};

TEST_P(HeadingModeTurn, TurnsTheShorterWayAtStandardRateBankedAndRollsOutOnTheHeading) {
    const TurnCase& c = GetParam();
    Aircraft a;
    ASSERT_EQ(a.number(kHeading), 90.0);
    ASSERT_NE(a.number(kHeadingMode), 0.0);
    a.send(kSetHeading, c.selected);

    double heading = a.number(kHeading);
    double remaining = std::abs(angle_between(heading, c.selected));
    for (int frame = 0; frame < 120 * panel_sim::kFramesPerSecond; ++frame) {
        a.run_frames(1);
        const double now = a.number(kHeading);
        const double turned = angle_between(heading, now);
        ASSERT_GE(now, 0.0);
        ASSERT_LT(now, 360.0);
        // Never faster than 3 degrees a second (the heading is written to a millionth of a
        // degree), always toward the selected heading.
        ASSERT_LE(std::abs(turned), 3.0 / panel_sim::kFramesPerSecond + 2e-6);
        ASSERT_GE(turned * c.direction, 0.0);
        const double left = std::abs(angle_between(now, c.selected));
        ASSERT_LE(left, remaining + 2e-6);
        // Banked into the turn (left wing down positive), the flight director asking the same.
        if (std::abs(turned) > 1e-6) {
            ASSERT_LT(a.number(kBank) * c.direction, 0.0);
        }
        ASSERT_LE(std::abs(a.number(kBank)), 20.0 + 1e-9);
        ASSERT_EQ(a.number(kBankScale), a.number(kBank));
        ASSERT_EQ(a.number(kDirectorBank), a.number(kBank));
        heading = now;
        remaining = left;
    }
    EXPECT_LT(remaining, 0.01);
    EXPECT_LT(std::abs(a.number(kBank)), 0.1);
}

INSTANTIATE_TEST_SUITE_P(Selected, HeadingModeTurn, ::testing::ValuesIn(kTurns));

TEST(HeadingModeTurn, AFullStandardRateTurnKeepsTwentyDegreesOfBank) {
    Aircraft a;
    a.send(kSetHeading, 180);
    a.run_seconds(5);
    EXPECT_NEAR(a.number(kHeading), 105.0, 0.5);
    EXPECT_NEAR(a.number(kBank), -20.0, 1e-9);
}

struct HoldCase {
    const char* name;
    uint32_t switch_off;  // the token switched off before the new selected heading
};

constexpr HoldCase kHolds[] = {{"HeadingModeOff", kHeadingMode},
                               {"AutopilotOff", kAutopilotMaster}};

class WithoutHeadingMode : public ::testing::TestWithParam<HoldCase> {};

TEST_P(WithoutHeadingMode, TheHeadingStaysAndTheWingsStayLevel) {
    Aircraft a;
    a.store.set_number(GetParam().switch_off, 0.0);
    a.send(kSetHeading, 200);
    a.run_seconds(30);
    EXPECT_EQ(a.number(kHeading), 90.0);
    EXPECT_EQ(a.number(kBank), 0.0);
    EXPECT_EQ(a.number(kDirectorBank), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Switches, WithoutHeadingMode, ::testing::ValuesIn(kHolds));

TEST(FlightDirector, IsOnWithTheAutopilotMasterAndOffWithout) {
    Aircraft a;
    a.run_frames(1);
    EXPECT_EQ(a.number(kDirectorOn), 1.0);
    a.store.set_number(kAutopilotMaster, 0.0);
    a.run_frames(1);
    EXPECT_EQ(a.number(kDirectorOn), 0.0);
    a.store.set_number(kAutopilotMaster, 1.0);
    a.run_frames(1);
    EXPECT_EQ(a.number(kDirectorOn), 1.0);
}

struct ClimbCase {
    const char* name;
    int32_t vertical_speed_fpm;
};

constexpr ClimbCase kClimbs[] = {{"Climb1000", 1000}, {"Descend1500", -1500}};

class VerticalSpeedTarget : public ::testing::TestWithParam<ClimbCase> {};

TEST_P(VerticalSpeedTarget, PitchAndItsCommandFollowTheFlightPath) {
    const ClimbCase& c = GetParam();
    Aircraft a;
    a.run_frames(1);
    EXPECT_EQ(a.number(kPitch), 0.0) << "level at start";
    EXPECT_EQ(a.number(kDirectorPitch), 0.0);

    a.send(kSetVerticalSpeedTarget, c.vertical_speed_fpm);
    a.send(kEngageFirst);
    a.send(kEngageSecond);
    ASSERT_NE(a.number(kAltitudeHold), 0.0);
    a.run_frames(1);
    // Pitch is positive nose down: a climb asks for a negative pitch at once.
    const double sense = c.vertical_speed_fpm > 0 ? -1.0 : 1.0;
    EXPECT_GT(a.number(kDirectorPitch) * sense, 0.5);
    a.run_seconds(10);
    // Once established the attitude matches the command: the flight path angle at the
    // GPS ground speed.
    const double ground_speed_mps = a.number(0x340);
    const double path_deg =
        std::atan2(c.vertical_speed_fpm * kMetresPerFoot / 60.0, ground_speed_mps) * 180.0 / M_PI;
    EXPECT_NEAR(a.number(kPitch), -path_deg, 0.05);
    EXPECT_NEAR(a.number(kDirectorPitch), -path_deg, 0.05);
    EXPECT_EQ(a.number(kSpherePitch), a.number(kPitch));
}

INSTANTIATE_TEST_SUITE_P(Targets, VerticalSpeedTarget, ::testing::ValuesIn(kClimbs));

struct HeightCase {
    const char* name;
    double altitude_ft;
    double radio_altitude_m;
};

constexpr HeightCase kHeights[] = {
    {"Cruise", 8500.0, 8000.0 * kMetresPerFoot},
    {"LowOnApproach", 1500.0, 1000.0 * kMetresPerFoot},
    {"OnTheGround", kGroundElevationFt, 0.0},
    {"BelowTheGroundReadsZero", -1000.0, 0.0},
};

class RadioAltitude : public ::testing::TestWithParam<HeightCase> {};

TEST_P(RadioAltitude, IsTheHeightAboveTheFlatGroundInMetres) {
    Aircraft a;
    a.store.set_number(kAltitude, GetParam().altitude_ft);
    a.run_frames(1);
    EXPECT_NEAR(a.number(kRadioAltitude), GetParam().radio_altitude_m, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Altitudes, RadioAltitude, ::testing::ValuesIn(kHeights));

TEST(Wind, VeersAndStrengthensWithAltitude) {
    Aircraft low;
    low.store.set_number(kAltitude, 2000.0);
    low.run_frames(1);
    Aircraft high;
    high.store.set_number(kAltitude, 20000.0);
    high.run_frames(1);
    for (const Aircraft* a : {&low, &high}) {
        EXPECT_GE(a->number(kWindDirection), 0.0);
        EXPECT_LT(a->number(kWindDirection), 360.0);
        EXPECT_GT(a->number(kWindSpeed), 0.0);
    }
    EXPECT_GT(high.number(kWindSpeed), low.number(kWindSpeed));
    EXPECT_GT(angle_between(low.number(kWindDirection), high.number(kWindDirection)), 0.0);
}

}  // namespace
}  // namespace efis_test
