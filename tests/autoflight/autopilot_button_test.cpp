// The lateral mode buttons pass straight to the simulator; the buttons take left clicks only.
#include "autopilot_panel.h"

namespace autoflight_test {
namespace {

struct LateralButton {
    Spot button;
    uint32_t event;
};

std::ostream& operator<<(std::ostream& out, const LateralButton& b) {
    return out << b.button.name;
}

class AutopilotLateralButton : public AutopilotPanel,
                          public ::testing::WithParamInterface<LateralButton> {};

TEST_P(AutopilotLateralButton, SendsItsKeyEventWithValueZero) {
    set(kMaster, 1);
    press(GetParam().button);
    EXPECT_EQ(take_events(), (Events{{GetParam().event, 0}}));
    frame();
    EXPECT_TRUE(lit_legends().empty()) << "the simulator, not the button, lights the mode";
}

INSTANTIATE_TEST_SUITE_P(Buttons, AutopilotLateralButton,
                         ::testing::Values(LateralButton{kHdgButton, 0x10106},
                                           LateralButton{kNavButton, 0x100c1},
                                           LateralButton{kAprButton, 0x100bc},
                                           LateralButton{kRevButton, 0x100c0}),
                         [](const auto& info) { return std::string(info.param.button.name); });

TEST_F(AutopilotPanel, RightClicksAreNotTaken) {
    set(kAltitude, 3000);
    set(kVerticalSpeedTarget, 300);
    for (const Spot& spot : {kHdgButton, kNavButton, kAprButton, kRevButton, kAltButton,
                             kCaptureStrip, kVsButton, kKnobLeft, kKnobRight}) {
        host_.mouse_press(autopilot_, spot.x, spot.y, panel_host::MouseButton::right);
        host_.mouse_release();
        EXPECT_TRUE(take_events().empty()) << spot.name;
    }
}

}  // namespace
}  // namespace autoflight_test
