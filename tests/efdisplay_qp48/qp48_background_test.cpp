// The panel draws its background only, at the picture's size, and no simulator failure
// darkens it or stops its controls.
#include "qp48_panel.h"

namespace efdisplay_qp48_test {
namespace {

TEST_F(Qp48Panel, DrawsOnlyItsBackgroundAtItsDesignSize) {
    const panel_abi::ImageSize size = host_.design_size(panel_);
    EXPECT_EQ(size.width, 413);
    EXPECT_EQ(size.height, 132);
    const auto& states = host_.elements(panel_);
    ASSERT_EQ(states.size(), 1u);
    EXPECT_EQ(states[0].kind, panel_abi::kStaticImage);
    EXPECT_TRUE(states[0].drawn);
}

TEST_F(Qp48Panel, FailuresLeaveThePanelDrawnAndWorking) {
    for (uint32_t key : {0x14u, 0x15u, 0x5u}) host_.set_failure(key, true);
    frame();
    EXPECT_TRUE(host_.elements(panel_)[0].drawn);
    EXPECT_FALSE(host_.elements(panel_)[0].failed);
    press(kNavButton);
    EXPECT_EQ(stepped_vor(), 2);
}

}  // namespace
}  // namespace efdisplay_qp48_test
