// The vertical-speed knob steps the target by 100 fpm and never past 1600 either way.
#include <limits>

#include "autopilot_panel.h"

namespace autoflight_test {
namespace {

struct KnobCase {
    Spot side;
    double target;
    int32_t sent;
};

std::ostream& operator<<(std::ostream& out, const KnobCase& c) {
    return out << c.side.name << " at " << c.target;
}

class AutopilotKnob : public AutopilotPanel,
                      public ::testing::WithParamInterface<KnobCase> {};

TEST_P(AutopilotKnob, StepsTheVerticalSpeedTarget) {
    set(kVerticalSpeedTarget, GetParam().target);
    press(GetParam().side);
    EXPECT_EQ(take_events(), (Events{{kSetVerticalSpeed, GetParam().sent}}));
}

INSTANTIATE_TEST_SUITE_P(
    Increase, AutopilotKnob,
    ::testing::Values(KnobCase{kKnobRight, 1600, 1600}, KnobCase{kKnobRight, 1550, 1600},
                      KnobCase{kKnobRight, 1500, 1600}, KnobCase{kKnobRight, 1499.5, 1599},
                      KnobCase{kKnobRight, 0, 100}, KnobCase{kKnobRight, -1600, -1500},
                      KnobCase{kKnobRight, -150.5, -50}, KnobCase{kKnobRight, 5000, 1600},
                      KnobCase{kKnobRight, std::numeric_limits<double>::quiet_NaN(), 0}));

INSTANTIATE_TEST_SUITE_P(
    Decrease, AutopilotKnob,
    ::testing::Values(KnobCase{kKnobLeft, -1600, -1600}, KnobCase{kKnobLeft, -1550, -1600},
                      KnobCase{kKnobLeft, -1500, -1600}, KnobCase{kKnobLeft, -1499.5, -1599},
                      KnobCase{kKnobLeft, 0, -100}, KnobCase{kKnobLeft, 1600, 1500},
                      KnobCase{kKnobLeft, 250.7, 150}, KnobCase{kKnobLeft, -5000, -1600},
                      KnobCase{kKnobLeft, std::numeric_limits<double>::quiet_NaN(), 0}));

TEST_F(AutopilotPanel, KnobLeavesTheModesAlone) {
    set(kMaster, 1);
    set(kAltitude, 2000);
    press(kAltButton);
    take_events();
    set(kVerticalSpeedTarget, 300);
    press(kKnobRight);
    press(kKnobLeft);
    EXPECT_EQ(take_events(), (Events{{kSetVerticalSpeed, 400}, {kSetVerticalSpeed, 200}}));
    frame();
    EXPECT_EQ(lit_legends(), std::vector<Legend>{Legend::alt});
}

}  // namespace
}  // namespace autoflight_test
