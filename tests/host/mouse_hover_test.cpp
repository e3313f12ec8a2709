// What the host shows under the pointer: the area's cursor, and the help id or tooltip text
// of the innermost group holding the pointer.
#include <gtest/gtest.h>

#include <ostream>

#include "host_harness.h"

namespace host_test {
namespace {

using namespace fixture;
using panel_abi::kCursorIncrease;
using panel_abi::kCursorPush;

struct HoverCase {
    const char* name;
    const char* module;
    const char* gauge;
    int x, y;
    bool over_area;
    int32_t cursor;  // read only over an area
    uint32_t help_id;
    const char* tooltip;
};

// Cases print as their name in test listings.
void PrintTo(const HoverCase& c, std::ostream* out) { *out << c.name; }

const HoverCase kHoverCases[] = {
    {"push_area", kMiddleModule, "second", 5, 5, true, kCursorPush, 0, ""},
    {"increase_area", kMiddleModule, "second", 45, 5, true, kCursorIncrease, 0, ""},
    {"tooltip_only_group", kMiddleModule, "second", 10, 50, false, 0, 0, "Lamp test"},
    {"area_in_group_33", kMiddleModule, "second", 57, 47, true, kCursorPush, 33, ""},
    {"group_33_off_its_areas", kMiddleModule, "second", 52, 75, false, 0, 33, ""},
    {"area_in_group_34_inside_33", kMiddleModule, "second", 72, 53, true, kCursorPush, 34, ""},
    {"group_34_off_its_area", kMiddleModule, "second", 100, 75, false, 0, 34, ""},
    {"help_only_group", kMiddleModule, "second", 130, 10, false, 0, 40, ""},
    {"nothing", kMiddleModule, "second", 190, 110, false, 0, 0, ""},
    {"oldest_drag_area_in_group_7", kOldestModule, "oldest", 53, 29, true, kCursorPush, 7, ""},
    {"oldest_group_7_off_its_area", kOldestModule, "oldest", 95, 55, false, 0, 7, ""},
};

class hostMouseHover : public ::testing::TestWithParam<HoverCase> {};

TEST_P(hostMouseHover, CursorHelpIdAndTooltipUnderThePointer) {
    const HoverCase& hover = GetParam();
    HostHarness harness;
    const auto instance = harness.place(hover.module, hover.gauge);
    const panel_host::HoverInfo info = harness.host->hover(instance, hover.x, hover.y);
    EXPECT_EQ(info.over_area, hover.over_area);
    if (hover.over_area) {
        EXPECT_EQ(info.cursor, hover.cursor);
    }
    EXPECT_EQ(info.help_id, hover.help_id);
    EXPECT_EQ(info.tooltip, hover.tooltip);
}

INSTANTIATE_TEST_SUITE_P(points, hostMouseHover, ::testing::ValuesIn(kHoverCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace host_test
