// The vertical autopilot in flight: flying a vertical-speed target, capturing and holding an
// altitude, and what the aircraft does when it is off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "aircraft_fixture.h"

namespace sim_test {
namespace {

constexpr double kAccelerationFpmPerSecond = 600.0;
constexpr double kMaxChangePerFrame = kAccelerationFpmPerSecond / panel_sim::kFramesPerSecond;

// How far the aircraft may end from an altitude it levels off at or holds.
constexpr double kSettledFt = 2.0;
// How far it may pass an altitude target it captures.
constexpr double kOvershootFt = 3.0;

TEST(VerticalSpeedUnit, IsFeetPerMinuteTimes1_30048) {
    Aircraft a;
    a.send(kSetVerticalSpeedTarget, 1000);
    a.send(kSetAltitudeTarget, 0);
    a.engage();
    a.run_seconds(5);
    EXPECT_NEAR(a.store.number(kVerticalSpeed), 1300.48, 1e-9);
}

TEST(NotEngaged, TheVerticalSpeedStaysAsThePilotHoldsIt) {
    // Token values in 1/256 m/s; 777 does not survive a trip to feet per minute and back.
    for (double units : {777.0, -650.24}) {
        SCOPED_TRACE(units);
        Aircraft a;
        a.store.set_number(kVerticalSpeed, units);
        a.run_seconds(60);
        EXPECT_EQ(a.store.number(kVerticalSpeed), units);
        EXPECT_NEAR(a.altitude(), 8500.0 + units / kUnitsPerFpm, 1e-6);
    }
}

struct RateCase {
    const char* name;
    double start_fpm;
    int32_t target_fpm;
};

class FliesVerticalSpeedTarget : public ::testing::TestWithParam<RateCase> {};

TEST_P(FliesVerticalSpeedTarget, TurnsToTheTargetAtABoundedRateAndHoldsIt) {
    const RateCase& c = GetParam();
    Aircraft a;
    a.set_vertical_speed_fpm(c.start_fpm);
    a.send(kSetVerticalSpeedTarget, c.target_fpm);
    a.send(kSetAltitudeTarget, 0);
    a.engage();

    // Every frame the vertical speed moves toward the target by no more than the airframe
    // allows, and never past it.
    const double change = c.target_fpm - c.start_fpm;
    const int frames_to_turn =
        static_cast<int>(std::ceil(std::abs(change) / kMaxChangePerFrame - 1e-9));
    double previous = a.vertical_speed_fpm();
    for (int frame = 0; frame < frames_to_turn + 5; ++frame) {
        a.run_frames(1);
        const double now = a.vertical_speed_fpm();
        EXPECT_LE(std::abs(now - previous), kMaxChangePerFrame + 1e-9) << "frame " << frame;
        EXPECT_LE(std::abs(c.target_fpm - now), std::abs(c.target_fpm - previous) + 1e-9);
        previous = now;
    }
    if (frames_to_turn > 1) {
        // It took the whole time to turn: not one frame less.
        Aircraft b;
        b.set_vertical_speed_fpm(c.start_fpm);
        b.send(kSetVerticalSpeedTarget, c.target_fpm);
        b.send(kSetAltitudeTarget, 0);
        b.engage();
        b.run_frames(frames_to_turn - 1);
        EXPECT_GT(std::abs(b.vertical_speed_fpm() - c.target_fpm), 1.0);
    }
    EXPECT_NEAR(a.vertical_speed_fpm(), c.target_fpm, 1e-9);

    // Then it flies the target: a minute later the altitude has changed by the target.
    const double altitude_before = a.altitude();
    a.run_seconds(60);
    EXPECT_NEAR(a.altitude() - altitude_before, c.target_fpm, 1e-6);
    EXPECT_NEAR(a.vertical_speed_fpm(), c.target_fpm, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Cases, FliesVerticalSpeedTarget,
                         ::testing::Values(RateCase{"ClimbFromLevel", 0.0, 500},
                                           RateCase{"DescendFromLevel", 0.0, -700},
                                           RateCase{"ReverseADescent", -500.0, 1600},
                                           RateCase{"LevelAClimb", 800.0, 0},
                                           RateCase{"ReverseAClimb", 1000.0, -1600},
                                           RateCase{"AlreadyThere", 300.0, 300}),
                         [](const auto& info) { return std::string(info.param.name); });

struct CaptureCase {
    const char* name;
    double start_fpm;
    int32_t target_ft;
    int32_t target_fpm;
    bool reaches_target_rate;  // false where the distance is too short to get to that rate
};

class CapturesAltitude : public ::testing::TestWithParam<CaptureCase> {};

TEST_P(CapturesAltitude, FliesTheRateAndLevelsOffOnTheAltitude) {
    const CaptureCase& c = GetParam();
    Aircraft a;
    a.set_vertical_speed_fpm(c.start_fpm);
    // What the autopilot head's capture button sends.
    a.send(kSetVerticalSpeedTarget, c.target_fpm);
    a.send(kSetAltitudeTarget, c.target_ft);
    a.engage();

    const double direction = c.target_ft > 8500 ? 1.0 : -1.0;
    const double minutes = std::abs(c.target_ft - 8500.0) / std::abs(c.target_fpm);
    double furthest_past_ft = 0.0;
    double fastest_fpm = 0.0;
    const int frames = static_cast<int>((minutes * 60.0 + 60.0) * panel_sim::kFramesPerSecond);
    for (int frame = 0; frame < frames; ++frame) {
        a.run_frames(1);
        furthest_past_ft = std::max(furthest_past_ft, direction * (a.altitude() - c.target_ft));
        fastest_fpm = std::max(fastest_fpm, direction * a.vertical_speed_fpm());
    }

    EXPECT_LE(furthest_past_ft, kOvershootFt);
    EXPECT_LE(fastest_fpm, std::abs(c.target_fpm) + 1e-9);
    if (c.reaches_target_rate) {
        EXPECT_NEAR(fastest_fpm, std::abs(c.target_fpm), 1e-9);
    }
    EXPECT_NEAR(a.altitude(), c.target_ft, kSettledFt);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
    EXPECT_EQ(a.store.number(kAltitudeHold), 1.0);

    // And it stays there.
    a.run_seconds(120);
    EXPECT_NEAR(a.altitude(), c.target_ft, kSettledFt);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CapturesAltitude,
    ::testing::Values(CaptureCase{"ClimbTo10000", 0.0, 10000, 1000, true},
                      CaptureCase{"DescendTo7000", 0.0, 7000, -800, true},
                      CaptureCase{"ClimbFastTo8700", 0.0, 8700, 1600, true},
                      CaptureCase{"DescendSlowlyTo8450", 0.0, 8450, -500, true},
                      CaptureCase{"CreepUpTo9000", 0.0, 9000, 100, true},
                      CaptureCase{"ShortHopTo8520", 0.0, 8520, 1500, false},
                      CaptureCase{"AlreadyClimbingTo9500", 1200.0, 9500, 1200, true},
                      CaptureCase{"AlreadyDescendingTo6000", -1500.0, 6000, -1500, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CapturesAltitude, EvenWhenEngagedTooCloseToStopBeforeIt) {
    Aircraft a;
    a.set_vertical_speed_fpm(4000.0);
    a.send(kSetVerticalSpeedTarget, 4000);
    a.send(kSetAltitudeTarget, 8505);
    a.engage();

    // It passes the altitude by about its stopping distance, then comes back to it.
    const double stopping_ft = 4000.0 * 4000.0 / (2.0 * 60.0 * kAccelerationFpmPerSecond);
    double highest_ft = 0.0;
    for (int frame = 0; frame < 60 * panel_sim::kFramesPerSecond; ++frame) {
        a.run_frames(1);
        highest_ft = std::max(highest_ft, a.altitude());
    }
    EXPECT_GT(highest_ft, 8505.0 + kOvershootFt);
    EXPECT_LE(highest_ft, 8505.0 + stopping_ft + kOvershootFt);
    EXPECT_NEAR(a.altitude(), 8505.0, kSettledFt);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
}

struct HoldCase {
    const char* name;
    double vertical_speed_at_engage_fpm;
};

class HoldsAltitude : public ::testing::TestWithParam<HoldCase> {};

TEST_P(HoldsAltitude, StopsAndReturnsToTheAltitudeAtEngage) {
    const double v = GetParam().vertical_speed_at_engage_fpm;
    Aircraft a;
    a.set_vertical_speed_fpm(v);
    a.run_seconds(1.3);  // somewhere between whole feet

    // What the autopilot head's ALT button sends.
    const double held_ft = std::trunc(a.altitude());
    a.send(kSetVerticalSpeedTarget, 0);
    a.send(kSetAltitudeTarget, static_cast<int32_t>(held_ft));
    a.engage();

    // It may go no further than it takes to stop at full vertical acceleration, plus a little.
    const double stopping_ft = v * v / (2.0 * 60.0 * kAccelerationFpmPerSecond);
    double furthest_ft = 0.0;
    for (int frame = 0; frame < 30 * panel_sim::kFramesPerSecond; ++frame) {
        a.run_frames(1);
        furthest_ft = std::max(furthest_ft, std::abs(a.altitude() - held_ft));
    }
    EXPECT_LE(furthest_ft, stopping_ft + kOvershootFt);
    EXPECT_NEAR(a.altitude(), held_ft, kSettledFt);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);

    a.run_seconds(300);
    EXPECT_NEAR(a.altitude(), held_ft, kSettledFt);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, HoldsAltitude,
                         ::testing::Values(HoldCase{"Level", 0.0}, HoldCase{"Climbing", 500.0},
                                           HoldCase{"Descending", -500.0},
                                           HoldCase{"ClimbingFast", 1500.0},
                                           HoldCase{"DescendingFast", -1200.0}),
                         [](const auto& info) { return std::string(info.param.name); });

// Engages altitude hold at the start altitude and lets the aircraft settle.
void hold_start_altitude(Aircraft& a) {
    a.send(kSetVerticalSpeedTarget, 0);
    a.send(kSetAltitudeTarget, 8500);
    a.engage();
    a.run_seconds(5);
}

TEST(HoldingAltitude, VerticalSpeedTargetStepsDoNotMoveIt) {
    Aircraft a;
    hold_start_altitude(a);
    a.send(kSetVerticalSpeedTarget, 100);
    a.send(kSetVerticalSpeedTarget, 200);
    a.run_seconds(60);
    EXPECT_NEAR(a.altitude(), 8500.0, kSettledFt);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
}

TEST(VerticalSpeedMode, CapturesAnAltitudeSetLaterOnTheWay) {
    Aircraft a;
    // What the VS button sends: the rate, no altitude target.
    a.send(kSetVerticalSpeedTarget, 500);
    a.send(kSetAltitudeTarget, 0);
    a.engage();
    a.run_seconds(30);
    ASSERT_GT(a.altitude(), 8700.0);
    // The altitude preselector sets a target ahead.
    a.send(kSetAltitudeTarget, 9000);
    double highest_ft = 0.0;
    for (int frame = 0; frame < 180 * panel_sim::kFramesPerSecond; ++frame) {
        a.run_frames(1);
        highest_ft = std::max(highest_ft, a.altitude());
    }
    EXPECT_LE(highest_ft, 9000.0 + kOvershootFt);
    EXPECT_NEAR(a.altitude(), 9000.0, kSettledFt);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
}

TEST(VerticalSpeedMode, ARateAwayFromTheAltitudeTargetIsFlownAsItIs) {
    Aircraft a;
    a.send(kSetVerticalSpeedTarget, -500);
    a.send(kSetAltitudeTarget, 10000);
    a.engage();
    a.run_seconds(120);
    EXPECT_NEAR(a.vertical_speed_fpm(), -500.0, 1e-9);
    EXPECT_LT(a.altitude(), 7600.0);
}

TEST(HoldingAltitude, ANewAltitudeTargetWithRateZeroKeepsTheAircraftLevel) {
    Aircraft a;
    hold_start_altitude(a);
    a.send(kSetAltitudeTarget, 9500);
    a.run_seconds(60);
    EXPECT_NEAR(a.altitude(), 8500.0, kSettledFt);
    // Given a rate toward it, the aircraft goes there.
    a.send(kSetVerticalSpeedTarget, 1000);
    a.run_seconds(120);
    EXPECT_NEAR(a.altitude(), 9500.0, kSettledFt);
}

struct DisengageCase {
    const char* name;
    std::vector<uint32_t> events;
};

class Disengage : public ::testing::TestWithParam<DisengageCase> {};

TEST_P(Disengage, LeavesTheVerticalSpeedWhereItWas) {
    Aircraft a;
    a.send(kSetVerticalSpeedTarget, 800);
    a.send(kSetAltitudeTarget, 0);
    a.engage();
    a.run_seconds(0.5);  // still turning toward 800 fpm
    const double token_at_disengage = a.store.number(kVerticalSpeed);
    const double fpm_at_disengage = a.vertical_speed_fpm();
    ASSERT_GT(fpm_at_disengage, 100.0);
    ASSERT_LT(fpm_at_disengage, 700.0);

    for (uint32_t event : GetParam().events) a.send(event);
    EXPECT_EQ(a.store.number(kAltitudeHold), 0.0);
    const double altitude_at_disengage = a.altitude();
    a.run_seconds(60);
    EXPECT_EQ(a.store.number(kVerticalSpeed), token_at_disengage);
    EXPECT_NEAR(a.altitude() - altitude_at_disengage, fpm_at_disengage, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Disengage,
    ::testing::Values(DisengageCase{"Pair", {kDisengageFirst, kDisengageSecond}},
                      DisengageCase{"FirstOnly", {kDisengageFirst}},
                      DisengageCase{"SecondOnly", {kDisengageSecond}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Disengage, DuringACaptureLeavesTheAircraftClimbingPastTheTarget) {
    Aircraft a;
    a.send(kSetVerticalSpeedTarget, 1000);
    a.send(kSetAltitudeTarget, 8600);
    a.engage();
    a.run_seconds(3);
    const double fpm_at_disengage = a.vertical_speed_fpm();
    ASSERT_GT(fpm_at_disengage, 900.0);
    a.disengage();
    a.run_seconds(60);
    EXPECT_NEAR(a.vertical_speed_fpm(), fpm_at_disengage, 1e-9);
    EXPECT_GT(a.altitude(), 9400.0);
}

TEST(Disengage, EndsTheHoldOfACapturedAltitude) {
    Aircraft a;
    hold_start_altitude(a);
    a.disengage();
    a.set_vertical_speed_fpm(500.0);
    a.run_seconds(24);  // the pilot climbs 200 ft

    // Engaged again with the old targets, the aircraft is away from the altitude target and
    // flies its rate; it does not go back to the altitude it held before.
    a.send(kSetVerticalSpeedTarget, 500);
    a.engage();
    a.run_seconds(60);
    EXPECT_NEAR(a.vertical_speed_fpm(), 500.0, 1e-9);
    EXPECT_GT(a.altitude(), 9100.0);
}

TEST(AutopilotMaster, OffTheVerticalAutopilotFliesNothing) {
    Aircraft a;
    a.store.set_number(kAutopilotMaster, 0.0);
    a.send(kSetVerticalSpeedTarget, 700);
    a.send(kSetAltitudeTarget, 0);
    a.engage();
    a.run_seconds(10);
    EXPECT_EQ(a.store.number(kAltitudeHold), 1.0);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
    EXPECT_EQ(a.altitude(), 8500.0);

    a.store.set_number(kAutopilotMaster, 1.0);
    a.run_seconds(10);
    EXPECT_NEAR(a.vertical_speed_fpm(), 700.0, 1e-9);
}

}  // namespace
}  // namespace sim_test
