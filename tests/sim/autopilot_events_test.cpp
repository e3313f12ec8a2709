// The key events of the autopilot head: lateral mode buttons, targets, and the pairs that
// engage and disengage the vertical autopilot.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "aircraft_fixture.h"

namespace sim_test {
namespace {

struct ToggleCase {
    const char* name;
    uint32_t event;
    uint32_t mode_token;
};

class ModeButton : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(ModeButton, TogglesItsModeTokenAndNothingElse) {
    Aircraft a;
    const Aircraft untouched;
    const double at_start = a.store.number(GetParam().mode_token);
    ASSERT_TRUE(at_start == 0.0 || at_start == 1.0);

    ASSERT_TRUE(a.send(GetParam().event));
    EXPECT_EQ(a.store.number(GetParam().mode_token), 1.0 - at_start);
    for (uint32_t token : kChangingTokens) {
        if (token == GetParam().mode_token) continue;
        EXPECT_EQ(a.store.number(token), untouched.store.number(token))
            << "token 0x" << std::hex << token;
    }

    ASSERT_TRUE(a.send(GetParam().event, 77));  // the value plays no part
    EXPECT_EQ(a.store.number(GetParam().mode_token), at_start);
}

TEST_P(ModeButton, SwitchesAModeHoldingAnOddValueOff) {
    Aircraft a;
    a.store.set_number(GetParam().mode_token, 0.5);
    a.send(GetParam().event);
    EXPECT_EQ(a.store.number(GetParam().mode_token), 0.0);
    a.send(GetParam().event);
    EXPECT_EQ(a.store.number(GetParam().mode_token), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ModeButton,
                         ::testing::Values(ToggleCase{"Heading", kHeadingButton, kHeadingMode},
                                           ToggleCase{"Nav", kNavButton, kNavMode},
                                           ToggleCase{"Approach", kApproachButton, kApproachMode},
                                           ToggleCase{"BackCourse", kBackCourseButton,
                                                      kBackCourseMode}),
                         [](const auto& info) { return std::string(info.param.name); });

struct TargetCase {
    const char* name;
    uint32_t event;
    int32_t value;
    uint32_t target_token;
};

class TargetEvent : public ::testing::TestWithParam<TargetCase> {};

TEST_P(TargetEvent, SetsItsTargetToken) {
    Aircraft a;
    const Aircraft untouched;
    ASSERT_TRUE(a.send(GetParam().event, GetParam().value));
    EXPECT_EQ(a.store.number(GetParam().target_token), GetParam().value);
    for (uint32_t token : kChangingTokens) {
        if (token == GetParam().target_token) continue;
        EXPECT_EQ(a.store.number(token), untouched.store.number(token))
            << "token 0x" << std::hex << token;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Values, TargetEvent,
    ::testing::Values(
        TargetCase{"ClimbRate", kSetVerticalSpeedTarget, 700, kVerticalSpeedTarget},
        TargetCase{"DescentRate", kSetVerticalSpeedTarget, -1600, kVerticalSpeedTarget},
        TargetCase{"RateZero", kSetVerticalSpeedTarget, 0, kVerticalSpeedTarget},
        TargetCase{"AltitudeAbove", kSetAltitudeTarget, 12500, kAltitudeTarget},
        TargetCase{"AltitudeBelow", kSetAltitudeTarget, 3000, kAltitudeTarget},
        TargetCase{"NoAltitude", kSetAltitudeTarget, 0, kAltitudeTarget},
        TargetCase{"AltitudeBelowSeaLevel", kSetAltitudeTarget, -200, kAltitudeTarget}),
    [](const auto& info) { return std::string(info.param.name); });

struct EngageCase {
    const char* name;
    std::vector<uint32_t> events;
    bool engaged;
};

class EngageSequence : public ::testing::TestWithParam<EngageCase> {};

TEST_P(EngageSequence, EngagesWhileBothHalvesAreOn) {
    Aircraft a;
    a.send(kSetVerticalSpeedTarget, 700);
    a.send(kSetAltitudeTarget, 0);
    for (uint32_t event : GetParam().events) ASSERT_TRUE(a.send(event));

    EXPECT_EQ(a.store.number(kAltitudeHold), GetParam().engaged ? 1.0 : 0.0);
    a.run_seconds(5);
    // Engaged, it has turned to the 700 fpm target; otherwise it still flies level.
    EXPECT_NEAR(a.vertical_speed_fpm(), GetParam().engaged ? 700.0 : 0.0, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, EngageSequence,
    ::testing::Values(
        EngageCase{"EngagePair", {kEngageFirst, kEngageSecond}, true},
        EngageCase{"EngagePairReversed", {kEngageSecond, kEngageFirst}, true},
        EngageCase{"FirstHalfOnly", {kEngageFirst}, false},
        EngageCase{"SecondHalfOnly", {kEngageSecond}, false},
        EngageCase{"EngagedThenFirstDisengage", {kEngageFirst, kEngageSecond, kDisengageFirst},
                   false},
        EngageCase{"EngagedThenSecondDisengage",
                   {kEngageFirst, kEngageSecond, kDisengageSecond}, false},
        EngageCase{"EngagedThenDisengagePair",
                   {kEngageFirst, kEngageSecond, kDisengageFirst, kDisengageSecond}, false},
        EngageCase{"EngagedAgainAfterDisengage",
                   {kEngageFirst, kEngageSecond, kDisengageFirst, kDisengageSecond, kEngageFirst,
                    kEngageSecond},
                   true},
        EngageCase{"EngagedTwice", {kEngageFirst, kEngageSecond, kEngageFirst, kEngageSecond},
                   true},
        EngageCase{"DisengageWhileOff", {kDisengageFirst, kDisengageSecond}, false}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace sim_test
