// Dragging a lever: the pointer's height in the strip sets the lever, the strip's top edge
// fully forward (16383) and its bottom edge fully back (0), whatever lever is dragged and
// however far beyond the strip the pointer goes.
#include <string>

#include "quadrant_panel.h"

namespace powerquad_test {
namespace {

struct HeightCase {
    int y;  // the pointer's height, relative to the strip's top
    int32_t sent;
};

const HeightCase kHeights[] = {
    {0, 16383},            // the top edge
    {1, 16142},            // 67 × 16383 / 68 = 16142.07
    {17, 12287},           // a quarter down: 12287.25
    {34, 8191},            // the middle: 8191.5
    {66, 481},             // 481.85
    {67, 240},             // the bottom row
    {-1, 16383},           // above the strip
    {-50, 16383},
    {-2000000000, 16383},  // far above: no overflow on the way
    {68, 0},               // the bottom edge
    {69, 0},               // below the strip
    {500, 0},
    {2000000000, 0},
};

using QuadrantDrag = QuadrantPanel;

// The press already sets the lever; the drag then follows the pointer out of the strip.
TEST_F(QuadrantDrag, ThePointersHeightSetsEachLever) {
    for (const Lever& lever : kLevers) {
        for (const HeightCase& c : kHeights) {
            SCOPED_TRACE(std::string(lever.name) + " lever, y = " + std::to_string(c.y));
            drag({{lever.strip_x, 34}, {lever.strip_x, c.y}});
            const Events expected = {{lever.key_event, 8191}, {lever.key_event, c.sent}};
            EXPECT_EQ(take_events(), expected);
        }
    }
}

TEST_F(QuadrantDrag, APressInTheStripSetsTheLeverAtOnce) {
    for (const Lever& lever : kLevers) {
        SCOPED_TRACE(lever.name);
        drag({{lever.strip_x, 0}});
        drag({{lever.strip_x, 67}});
        const Events expected = {{lever.key_event, 16383}, {lever.key_event, 240}};
        EXPECT_EQ(take_events(), expected);
    }
}

// A drag sets the lever it started on, even when the pointer crosses another strip.
TEST_F(QuadrantDrag, ADragStaysWithTheLeverItStartedOn) {
    drag({{kPower.strip_x, 60}, {kPropeller.strip_x, 40}, {kMixture.strip_x, 20}});
    const Events expected = {{kPower.key_event, 1927}, {kPower.key_event, 6745},
                             {kPower.key_event, 11564}};
    EXPECT_EQ(take_events(), expected);
}

// The strips are hit by gauge column: the power lever's strip starts one pixel right of its
// group's left edge and reaches one pixel beyond its right edge; the gaps between strips and
// the panel's right end take no drag.
TEST_F(QuadrantDrag, EachColumnDragsItsLeverOrNone) {
    struct Column {
        int x;
        const Lever* lever;  // null: no lever there
    };
    const Column columns[] = {
        {0, nullptr},      {1, &kPower},      {37, &kPower},     {38, &kPower},
        {39, nullptr},     {42, nullptr},     {43, &kPropeller}, {65, &kPropeller},
        {66, nullptr},     {67, nullptr},     {68, &kMixture},   {92, &kMixture},
        {93, nullptr},     {104, nullptr},
    };
    for (const Column& column : columns) {
        SCOPED_TRACE("x = " + std::to_string(column.x));
        drag({{column.x, 34}});
        Events expected;
        if (column.lever != nullptr) expected.push_back({column.lever->key_event, 8191});
        EXPECT_EQ(take_events(), expected);
    }
}

// Only the left button drags a lever.
TEST_F(QuadrantDrag, TheRightButtonMovesNoLever) {
    for (const Lever& lever : kLevers) {
        host_.mouse_press(quadrant_, lever.strip_x, 10, panel_host::MouseButton::right);
        host_.mouse_move(quadrant_, lever.strip_x, 50);
        host_.mouse_release();
    }
    EXPECT_TRUE(take_events().empty());
}

}  // namespace
}  // namespace powerquad_test
