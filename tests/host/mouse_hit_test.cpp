// Which area takes a click: the first in list order whose box (offset by every enclosing
// group's origin) holds the pointer and whose mask holds the event. Positions reach the
// handler relative to the area's top left corner.
#include <gtest/gtest.h>

#include <ostream>

#include "host_harness.h"
#include "trace_text.h"

namespace host_test {
namespace {

using namespace fixture;
using panel_host::MouseButton;

constexpr MouseButton kLeft = MouseButton::left;
constexpr MouseButton kRight = MouseButton::right;

uint32_t click_bit(MouseButton button) {
    return button == kLeft ? panel_abi::kMouseLeftClick : panel_abi::kMouseRightClick;
}

struct ClickCase {
    const char* name;
    MouseButton button;
    int x, y;                // on the second gauge (see the fixture's mouse list)
    int32_t area;            // kNoTag: no handler takes it
    int area_x, area_y;      // the position the handler gets
};

// Cases print as their name in test listings.
void PrintTo(const ClickCase& c, std::ostream* out) { *out << c.name; }

const ClickCase kClickCases[] = {
    // Masks: the left-only area lies over the right-only one.
    {"left_taken_by_left_only_area", kLeft, 5, 5, kLeftArea, 5, 5},
    {"right_passes_left_only_area_to_the_next", kRight, 5, 5, kRightArea, 5, 5},
    {"left_ignored_by_right_only_area", kLeft, 30, 5, kNoTag, 0, 0},
    {"right_on_right_only_area", kRight, 30, 5, kRightArea, 30, 5},
    {"right_ignored_by_left_only_repeat_area", kRight, 45, 5, kNoTag, 0, 0},
    {"left_on_repeat_area", kLeft, 45, 7, kRepeatArea, 5, 7},
    // Nested groups: window area at (5, 5) in group (50, 40); deep area at (0, 10) in group
    // (20, 0) in that group.
    {"area_in_a_group", kLeft, 57, 47, kWindowArea, 2, 2},
    {"area_in_a_group_top_left_pixel", kLeft, 55, 45, kWindowArea, 0, 0},
    {"area_in_a_group_last_pixel", kLeft, 64, 54, kWindowArea, 9, 9},
    {"area_in_a_group_in_a_group", kLeft, 72, 53, kDeepArea, 2, 3},
    {"right_on_area_in_a_group_in_a_group", kRight, 79, 59, kDeepArea, 9, 9},
    {"deep_area_is_not_at_the_outer_group_origin_alone", kLeft, 52, 53, kNoTag, 0, 0},
    {"deep_area_is_not_at_the_inner_group_origin_alone", kLeft, 22, 13, kNoTag, 0, 0},
    {"inside_a_group_but_on_no_area", kLeft, 100, 75, kNoTag, 0, 0},
    // Groups that hold no areas take no clicks.
    {"tooltip_only_group_left", kLeft, 10, 50, kNoTag, 0, 0},
    {"tooltip_only_group_right", kRight, 30, 55, kNoTag, 0, 0},
    {"help_only_group", kLeft, 130, 10, kNoTag, 0, 0},
    {"outside_every_area", kLeft, 190, 110, kNoTag, 0, 0},
};

class hostMouseHit : public ::testing::TestWithParam<ClickCase> {};

TEST_P(hostMouseHit, ClickGoesToTheFirstAreaWhoseBoxAndMaskMatch) {
    const ClickCase& click = GetParam();
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "second");
    const int32_t mark = harness.mark(kMiddleModule);
    harness.click(instance, click.x, click.y, click.button);

    std::vector<std::string> expected;
    if (click.area != kNoTag)
        expected.push_back(
            handler_line(click.area, click.area_x, click.area_y, click_bit(click.button)));
    EXPECT_EQ(describe(harness.handler_calls_since(kMiddleModule, mark)), expected);
    if (click.area != kDeepArea) {
        EXPECT_TRUE(harness.key_events.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(second_gauge, hostMouseHit, ::testing::ValuesIn(kClickCases),
                         [](const auto& info) { return std::string(info.param.name); });

// An area with a key event has the host send it, with value 0, for the events in its mask.
TEST(hostMouseKeyEvents, AreaKeyEventIsSentWithValueZero) {
    HostHarness harness;
    const auto second = harness.place(kMiddleModule, "second");
    const auto nohooks = harness.place(kNewestModule, "nohooks");
    const int32_t mark = harness.mark(kMiddleModule);

    harness.click(second, 65, 5, kLeft);
    harness.click(second, 65, 5, kRight);  // the area takes left clicks only
    harness.click(nohooks, 10, 10, kLeft);

    ASSERT_EQ(harness.key_events.size(), 2u);
    EXPECT_EQ(harness.key_events[0].id, key_event::kSecondKeyArea);
    EXPECT_EQ(harness.key_events[0].value, 0);
    EXPECT_EQ(harness.key_events[1].id, key_event::kNoHooksArea);
    EXPECT_EQ(harness.key_events[1].value, 0);
    EXPECT_TRUE(harness.handler_calls_since(kMiddleModule, mark).empty());
}

// The oldest gauge's list reaches the host only through hook 1: its areas take clicks, with
// the nested group's origin applied.
TEST(hostMouseKeyEvents, OldestGaugeAreasTakeClicksAfterInstall) {
    HostHarness harness;
    const auto instance = harness.place(kOldestModule, "oldest");
    const int32_t mark = harness.mark(kOldestModule);
    harness.click(instance, 5, 85, kLeft);
    harness.click(instance, 5, 85, kRight);  // left only
    harness.click(instance, 150, 5, kLeft);  // on no area
    EXPECT_EQ(describe(harness.handler_calls_since(kOldestModule, mark)),
              std::vector<std::string>{
                  handler_line(kOldestClickArea, 5, 5, panel_abi::kMouseLeftClick)});
}

}  // namespace
}  // namespace host_test
