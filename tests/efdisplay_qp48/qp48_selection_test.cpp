// The NAV button steps the module-wide navigation source, which decides the VOR whose course
// the DIR knob steps.
#include "qp48_panel.h"

namespace efdisplay_qp48_test {
namespace {

TEST_F(Qp48Panel, NavButtonCyclesVor1Vor2GpsAdf) {
    // Sources 1, 2, 3, 4, 1, 2: only VOR 2 steps the VOR 2 course.
    const int expected_vor[] = {1, 2, 1, 1, 1, 2};
    for (int clicks = 0; clicks < 6; ++clicks) {
        EXPECT_EQ(stepped_vor(), expected_vor[clicks]) << "after " << clicks << " NAV clicks";
        press(kNavButton);
    }
    EXPECT_TRUE(take_events().empty()) << "the NAV button sends no key event";
}

TEST_F(Qp48Panel, NavButtonHeldStepsOnce) {
    host_.mouse_press(panel_, kNavButton.x, kNavButton.y, panel_host::MouseButton::left);
    for (int i = 0; i < 40; ++i) frame();
    host_.mouse_release();
    EXPECT_EQ(stepped_vor(), 2);
    press(kNavButton);
    EXPECT_EQ(stepped_vor(), 1) << "source 3 after two steps";
}

TEST_F(Qp48Panel, SelectionButtonsSendNoKeyEvents) {
    for (const Spot& spot : {kSingleArrowButton, kDoubleArrowButton, kTstRefKnob}) {
        press_times(spot, 6);
        EXPECT_TRUE(take_events().empty()) << spot.name;
    }
    EXPECT_EQ(stepped_vor(), 1) << "only the NAV button steps the navigation source";
}

TEST_F(Qp48Panel, TwoPlacedPanelsShareTheNavigationSource) {
    const panel_host::InstanceId other = place_another();
    press(kNavButton, other);
    EXPECT_EQ(stepped_vor(), 2);
    press(kNavButton);
    press(kDirRight, other);
    EXPECT_EQ(take_events(), (Events{{kVor1CourseUp, 0}})) << "source 3 on the other panel";
}

}  // namespace
}  // namespace efdisplay_qp48_test
