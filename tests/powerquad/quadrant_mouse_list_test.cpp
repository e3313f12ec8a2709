// The quadrant's mouse list: one tooltip group per lever, a push cursor over each strip,
// and no lever handler called once the gauge is removed.
#include <string>

#include "quadrant_panel.h"

namespace powerquad_test {
namespace {

struct HoverCase {
    int x;
    int y;
    uint32_t help_id;  // 0: no lever's tooltip
    bool over_strip;
};

const HoverCase kHovers[] = {
    {20, 34, 0xa019, true},   // power
    {0, 34, 0xa019, false},   // the power group's left edge, left of its strip
    {37, 0, 0xa019, true},
    {38, 67, 0, true},        // the power strip's last column lies outside its group
    {54, 34, 0xa024, true},   // propeller
    {43, 67, 0xa024, true},
    {80, 34, 0xa025, true},   // mixture
    {92, 0, 0xa025, true},
    {40, 34, 0, false},       // between the power and propeller strips
    {100, 34, 0, false},      // right of the mixture strip
};

using QuadrantMouseList = QuadrantPanel;

TEST_F(QuadrantMouseList, EachLeverHasItsTooltipAndAPushCursorOverItsStrip) {
    for (const HoverCase& c : kHovers) {
        SCOPED_TRACE("at " + std::to_string(c.x) + ", " + std::to_string(c.y));
        const panel_host::HoverInfo hover = host_.hover(quadrant_, c.x, c.y);
        EXPECT_EQ(hover.help_id, c.help_id);
        EXPECT_EQ(hover.over_area, c.over_strip);
        EXPECT_EQ(hover.cursor, c.over_strip ? panel_abi::kCursorPush : panel_abi::kCursorNone);
    }
}

// Removing one quadrant withdraws its levers, even in the middle of a drag; a quadrant placed
// beside it keeps its own.
TEST_F(QuadrantMouseList, ARemovedQuadrantCallsNoLeverHandler) {
    const panel_host::InstanceId kept = place_another();
    host_.mouse_press(quadrant_, kPower.strip_x, 34, panel_host::MouseButton::left);
    ASSERT_EQ(take_events(), (Events{{kPower.key_event, 8191}}));

    host_.remove(quadrant_);
    host_.mouse_move(quadrant_, kPower.strip_x, 0);
    host_.run_frame();
    host_.mouse_release();
    drag({{kMixture.strip_x, 10}, {kMixture.strip_x, 20}});
    EXPECT_TRUE(take_events().empty());
    EXPECT_FALSE(host_.has_instance(quadrant_));

    drag(kept, {{kMixture.strip_x, 0}});
    EXPECT_EQ(take_events(), (Events{{kMixture.key_event, kLeverForward}}));
}

// Placed twice, both quadrants show the same simulator levers.
TEST_F(QuadrantMouseList, TwoQuadrantsShowTheSameLevers) {
    const panel_host::InstanceId second = place_another();
    set(kPropeller.token, kLeverForward);
    frame();
    int propeller_knobs = 0;
    for (const panel_host::ElementState& state : host_.elements(second)) {
        if (state.kind != panel_abi::kSlider || state.element->image_id != kPropeller.knob_image)
            continue;
        ++propeller_knobs;
        EXPECT_EQ(state.slider_y, knob(kPropeller).slider_y);
        EXPECT_LT(state.slider_y, -40.0);
    }
    EXPECT_EQ(propeller_knobs, 1);
    drag(second, {{kPower.strip_x, 67}});
    EXPECT_EQ(take_events(), (Events{{kPower.key_event, 240}}));
}

}  // namespace
}  // namespace powerquad_test
