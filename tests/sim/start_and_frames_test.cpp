// The aircraft at start, the tick count, reset, and key events the aircraft does not know.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "aircraft_fixture.h"
#include "panel_sim/start_state.h"

namespace sim_test {
namespace {

TEST(StartState, CruisesLevelAt8500FeetWithAutopilotInHeadingMode) {
    Aircraft a;
    EXPECT_EQ(a.altitude(), 8500.0);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
    EXPECT_EQ(a.store.number(kTickCount), 0.0);
    EXPECT_EQ(a.store.number(kAutopilotMaster), 1.0);
    EXPECT_EQ(a.store.number(kHeadingMode), 1.0);
    EXPECT_EQ(a.store.number(kNavMode), 0.0);
    EXPECT_EQ(a.store.number(kApproachMode), 0.0);
    EXPECT_EQ(a.store.number(kBackCourseMode), 0.0);
    EXPECT_EQ(a.store.number(kAltitudeTarget), 10000.0);
    EXPECT_EQ(a.store.number(kVerticalSpeedTarget), 0.0);
    EXPECT_EQ(a.store.number(kAltitudeHold), 0.0);

    // Level: a minute later it is still at 8500 ft.
    a.run_seconds(60);
    EXPECT_EQ(a.altitude(), 8500.0);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
}

TEST(StartState, EngineRunsAtCruise) {
    Aircraft a;
    // The engine instruments read RPM as value / 16384 x scale / 4.
    const double rpm = a.store.number(0x87) / 16384.0 * a.store.number(0x9a) / 4.0;
    EXPECT_GT(rpm, 2000.0);
    EXPECT_LT(rpm, 2700.0);
    EXPECT_GT(a.store.number(0x98) / 1040.0, 20.0);  // manifold pressure, inHg
    EXPECT_GT(a.store.number(0x94) / 298.0, 30.0);   // oil pressure, psi
    EXPECT_GT(a.store.number(0x1a5), 0.0);           // fuel flow
    EXPECT_GT(a.store.number(0x130), 0.0);           // fuel on the left
    EXPECT_GT(a.store.number(0x12f), 0.0);           // and on the right
}

TEST(TickCount, CountsOnePerFrame) {
    Aircraft a;
    a.run_frames(1);
    EXPECT_EQ(a.store.number(kTickCount), 1.0);
    a.run_frames(17);
    EXPECT_EQ(a.store.number(kTickCount), 18.0);
    a.run_seconds(10);
    EXPECT_EQ(a.store.number(kTickCount), 198.0);
}

struct TickCase {
    const char* name;
    double before;
    double after_one_frame;
};

class TickCountFrom : public ::testing::TestWithParam<TickCase> {};

TEST_P(TickCountFrom, AdvancesToAWholeUnsigned32BitCount) {
    Aircraft a;
    a.store.set_number(kTickCount, GetParam().before);
    a.run_frames(1);
    EXPECT_EQ(a.store.number(kTickCount), GetParam().after_one_frame);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TickCountFrom,
    ::testing::Values(TickCase{"Zero", 0.0, 1.0},
                      TickCase{"LastBeforeWrap", 4294967294.0, 4294967295.0},
                      TickCase{"Wraps", 4294967295.0, 0.0},
                      TickCase{"Fraction", 41.7, 42.0},
                      TickCase{"Negative", -5.0, 1.0},
                      TickCase{"NotANumber", std::numeric_limits<double>::quiet_NaN(), 1.0},
                      TickCase{"Infinite", std::numeric_limits<double>::infinity(), 1.0},
                      TickCase{"Huge", 1e300, std::fmod(1e300, 4294967296.0) + 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

// Drives an aircraft through every kind of change it knows.
void change_everything(Aircraft& a) {
    a.send_all({kHeadingButton, kNavButton, kApproachButton, kBackCourseButton});
    a.send(kSetVerticalSpeedTarget, 900);
    a.send(kSetAltitudeTarget, 0);
    a.engage();
    a.run_seconds(30);
    a.store.set_number(kAutopilotMaster, 0.0);
}

TEST(Reset, RestoresTheStartState) {
    Aircraft a;
    change_everything(a);
    ASSERT_NE(a.altitude(), 8500.0);
    a.aircraft.reset();

    for (const panel_sim::TokenValue& entry : panel_sim::start_state())
        EXPECT_EQ(a.store.number(entry.token), entry.value) << "token 0x" << std::hex << entry.token;
    const Aircraft fresh;
    for (uint32_t token : kChangingTokens)
        EXPECT_EQ(a.store.number(token), fresh.store.number(token)) << "token 0x" << std::hex << token;
}

TEST(Reset, DisengagesTheVerticalAutopilot) {
    Aircraft a;
    a.engage();
    a.aircraft.reset();
    EXPECT_EQ(a.store.number(kAltitudeHold), 0.0);

    // Both halves are off again: the second half alone does not engage it.
    a.send(kSetVerticalSpeedTarget, 700);
    a.send(kSetAltitudeTarget, 0);
    a.send(kEngageSecond);
    a.run_seconds(10);
    EXPECT_EQ(a.store.number(kAltitudeHold), 0.0);
    EXPECT_EQ(a.store.number(kVerticalSpeed), 0.0);
}

class UnknownEvent : public ::testing::TestWithParam<uint32_t> {};

TEST_P(UnknownEvent, IsRefusedAndChangesNothing) {
    // Two aircraft in the same state, climbing under the vertical autopilot; only one of them
    // gets the unknown event.
    Aircraft with_event;
    Aircraft without_event;
    for (Aircraft* a : {&with_event, &without_event}) {
        a->send(kSetVerticalSpeedTarget, 700);
        a->engage();
        a->run_seconds(2);
    }

    EXPECT_FALSE(with_event.send(GetParam(), 1234));
    for (uint32_t token : kChangingTokens)
        EXPECT_EQ(with_event.store.number(token), without_event.store.number(token))
            << "token 0x" << std::hex << token;

    with_event.run_seconds(60);
    without_event.run_seconds(60);
    for (uint32_t token : kChangingTokens)
        EXPECT_EQ(with_event.store.number(token), without_event.store.number(token))
            << "token 0x" << std::hex << token;
}

INSTANTIATE_TEST_SUITE_P(Ids, UnknownEvent,
                         ::testing::Values(0u, 0x6au, 0x10000u, 0x10107u, 0x10245u, 0x1024bu,
                                           0x7fffffffu, 0xffffffffu));

}  // namespace
}  // namespace sim_test
