// The two status lamps: dark while the lamps are off, red while on with the engine stopped,
// green while on with the engine turning; both always alike. halmprp takes the engine speed
// from its RPM needle's own variable, the others look it up.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "twin_needle_gauge.h"

namespace twin_needle_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kRunning = 16384;  // any engine speed above zero

struct LampCaseRow {
    const char* name;
    double lamps;
    double engine_speed;
    LampCase shown;
};

const LampCaseRow kLampRows[] = {
    {"OffStopped", 0, 0, LampCase::unlit},
    {"OffRunning", 0, kRunning, LampCase::unlit},
    {"OnStopped", 1, 0, LampCase::red},
    {"OnRunning", 1, kRunning, LampCase::green},
    {"OnBarelyTurning", 1, 1e-9, LampCase::green},
    {"OnStoppedNegativeZero", 1, -0.0, LampCase::red},
    // States the lamps are not defined for stay dark.
    {"OnTurningBackwards", 1, -kRunning, LampCase::unlit},
    {"OnSpeedNaN", 1, kNaN, LampCase::unlit},
    {"LampStateTwo", 2, kRunning, LampCase::unlit},
    {"LampStateHalf", 0.5, 0, LampCase::unlit},
};

struct LampTestCase {
    const char* member;
    LampCaseRow row;
};

std::ostream& operator<<(std::ostream& out, const LampTestCase& c) {
    return out << c.member << " " << c.row.name;
}

std::vector<LampTestCase> all_lamp_cases() {
    std::vector<LampTestCase> cases;
    for (const char* member : kMembers)
        for (const LampCaseRow& row : kLampRows) cases.push_back({member, row});
    return cases;
}

class Lamps : public ::testing::TestWithParam<LampTestCase> {};

TEST_P(Lamps, ShowTheLampStateAndEngineSpeed) {
    TwinNeedleGauge gauge(GetParam().member);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    gauge.set(kEngineSpeedScale, 10000);
    gauge.set(kLampEnable, GetParam().row.lamps);
    gauge.set(kEngineSpeed, GetParam().row.engine_speed);
    gauge.frame();
    EXPECT_EQ(gauge.left_lamp(), GetParam().row.shown);
    EXPECT_EQ(gauge.right_lamp(), GetParam().row.shown);
}

INSTANTIATE_TEST_SUITE_P(Members, Lamps, ::testing::ValuesIn(all_lamp_cases()),
                         [](const ::testing::TestParamInfo<LampTestCase>& info) {
                             return std::string(info.param.member) + "_" + info.param.row.name;
                         });

// The lamps follow the engine from one frame to the next.
TEST(LampsOverFrames, TurnGreenWhenTheEngineStartsAndRedWhenItStops) {
    for (const char* member : kMembers) {
        SCOPED_TRACE(member);
        TwinNeedleGauge gauge(member);
        ASSERT_TRUE(gauge.placed()) << gauge.error();
        gauge.set(kLampEnable, 1);
        gauge.frame();
        EXPECT_EQ(gauge.left_lamp(), LampCase::red);
        gauge.set(kEngineSpeed, kRunning);
        gauge.frame();
        EXPECT_EQ(gauge.left_lamp(), LampCase::green);
        gauge.set(kEngineSpeed, 0);
        gauge.frame();
        EXPECT_EQ(gauge.left_lamp(), LampCase::red);
        gauge.set(kLampEnable, 0);
        gauge.frame();
        EXPECT_EQ(gauge.left_lamp(), LampCase::unlit);
    }
}

// Where the lamps take the engine speed from. The spy makes lookup_var report the opposite
// engine state to the one the host refreshes into the elements' own variables: lamps that
// look the speed up show the spy's state, halmprp's lamps show its RPM needle's.
struct SpeedSourceCase {
    const char* member;
    double refreshed_speed;  // what the host holds, and refreshes into the needle
    double looked_up_speed;  // what lookup_var reports
    LampCase shown;
};

std::ostream& operator<<(std::ostream& out, const SpeedSourceCase& c) {
    return out << c.member << " host " << c.refreshed_speed << " lookup " << c.looked_up_speed;
}

class LampSpeedSource : public ::testing::TestWithParam<SpeedSourceCase> {};

TEST_P(LampSpeedSource, IsTheLookupOrTheRpmNeedle) {
    TwinNeedleGauge gauge(GetParam().member, TwinNeedleGauge::Spy::attached);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    gauge.set(kLampEnable, 1);
    gauge.set(kEngineSpeedScale, 10000);
    gauge.set(kEngineSpeed, GetParam().refreshed_speed);
    gauge.spy()->answer_lookups(kEngineSpeed, GetParam().looked_up_speed);
    gauge.frame();
    EXPECT_EQ(gauge.left_lamp(), GetParam().shown);
    EXPECT_EQ(gauge.right_lamp(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Members, LampSpeedSource,
    ::testing::Values(SpeedSourceCase{"halttff", kRunning, 0, LampCase::red},
                      SpeedSourceCase{"halttff", 0, kRunning, LampCase::green},
                      SpeedSourceCase{"halfuel", kRunning, 0, LampCase::red},
                      SpeedSourceCase{"halfuel", 0, kRunning, LampCase::green},
                      SpeedSourceCase{"halchvc", kRunning, 0, LampCase::red},
                      SpeedSourceCase{"halchvc", 0, kRunning, LampCase::green},
                      SpeedSourceCase{"halotop", kRunning, 0, LampCase::red},
                      SpeedSourceCase{"halotop", 0, kRunning, LampCase::green},
                      SpeedSourceCase{"halmprp", kRunning, 0, LampCase::green},
                      SpeedSourceCase{"halmprp", 0, kRunning, LampCase::red}),
    [](const ::testing::TestParamInfo<SpeedSourceCase>& info) {
        return std::string(info.param.member) +
               (info.param.refreshed_speed > 0 ? "_HostRunning" : "_HostStopped");
    });

// halmprp's lamps make no lookup of the engine speed at all; the others make one per lamp.
TEST(LampSpeedSource, HalmprpLooksUpNoEngineSpeed) {
    for (const char* member : kMembers) {
        SCOPED_TRACE(member);
        TwinNeedleGauge gauge(member, TwinNeedleGauge::Spy::attached);
        ASSERT_TRUE(gauge.placed()) << gauge.error();
        gauge.set(kLampEnable, 1);
        gauge.spy()->take_calls();
        gauge.frame();
        int speed_lookups = 0;
        for (uint32_t token : looked_up_tokens(gauge.spy()->take_calls()))
            speed_lookups += token == kEngineSpeed ? 1 : 0;
        EXPECT_EQ(speed_lookups, std::string(member) == "halmprp" ? 0 : 2);
    }
}

}  // namespace
}  // namespace twin_needle_test
