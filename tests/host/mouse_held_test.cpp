// A held button: repeat areas get the click again at the host's repeat rate, drag areas get
// every pointer move, and nothing reaches a gauge that has been removed.
#include <gtest/gtest.h>

#include "host_harness.h"
#include "trace_text.h"

namespace host_test {
namespace {

using namespace fixture;
using panel_host::MouseButton;

constexpr uint32_t kLeftClick = panel_abi::kMouseLeftClick;
constexpr uint32_t kDrag = panel_abi::kMouseLeftDrag;

// With a delay of 2 frames and an interval of 3, a held repeat area is called at the press,
// then after frames 2, 5 and 8.
TEST(hostMouseRepeat, HeldRepeatAreaRepeatsAtTheHostRate) {
    HostHarness harness({.repeat_delay_frames = 2, .repeat_interval_frames = 3});
    const auto instance = harness.place(kMiddleModule, "second");
    const int32_t mark = harness.mark(kMiddleModule);
    harness.host->mouse_press(instance, 45, 7, MouseButton::left);
    EXPECT_EQ(harness.handler_calls_since(kMiddleModule, mark).size(), 1u) << "the press";

    const size_t calls_after_frame[] = {1, 2, 2, 2, 3, 3, 3, 4};
    for (size_t frame = 0; frame < std::size(calls_after_frame); ++frame) {
        harness.host->run_frame();
        EXPECT_EQ(harness.handler_calls_since(kMiddleModule, mark).size(),
                  calls_after_frame[frame])
            << "after frame " << frame + 1;
    }
    for (const auto& call : harness.handler_calls_since(kMiddleModule, mark))
        EXPECT_EQ(describe(call), handler_line(kRepeatArea, 5, 7, kLeftClick));

    harness.host->mouse_release();
    for (int frame = 0; frame < 6; ++frame) harness.host->run_frame();
    EXPECT_EQ(harness.handler_calls_since(kMiddleModule, mark).size(), 4u) << "after release";
}

// Areas without the repeat bit are called once however long the button is held.
TEST(hostMouseRepeat, AreasWithoutRepeatBitAreCalledOnce) {
    const struct {
        MouseButton button;
        int x, y;
    } presses[] = {
        {MouseButton::left, 5, 5}, {MouseButton::right, 30, 5}, {MouseButton::left, 72, 53}};
    for (const auto& press : presses) {
        HostHarness harness({.repeat_delay_frames = 1, .repeat_interval_frames = 1});
        const auto instance = harness.place(kMiddleModule, "second");
        const int32_t mark = harness.mark(kMiddleModule);
        harness.host->mouse_press(instance, press.x, press.y, press.button);
        for (int frame = 0; frame < 10; ++frame) harness.host->run_frame();
        harness.host->mouse_release();
        EXPECT_EQ(harness.handler_calls_since(kMiddleModule, mark).size(), 1u)
            << "press at " << press.x << ", " << press.y;
    }
}

// The oldest gauge's drag area lies at (10, 5) in the group at (40, 20): (50, 25) on the gauge.
// Every move while the left button is held reaches it, relative to the area, also beyond its
// box; after the release nothing does.
TEST(hostMouseDrag, MovesWhileHeldReachTheDragArea) {
    HostHarness harness;
    const auto instance = harness.place(kOldestModule, "oldest");
    harness.host->mouse_press(instance, 53, 29, MouseButton::left);
    const int32_t mark = harness.mark(kOldestModule);

    const struct {
        int x, y;
        int area_x, area_y;
    } moves[] = {{60, 30, 10, 5}, {45, 20, -5, -5}, {130, 80, 80, 55}, {50, 25, 0, 0}};
    std::vector<std::string> expected;
    for (const auto& move : moves) {
        harness.host->mouse_move(instance, move.x, move.y);
        expected.push_back(handler_line(kOldestDragArea, move.area_x, move.area_y, kDrag));
    }
    EXPECT_EQ(describe(harness.handler_calls_since(kOldestModule, mark)), expected);

    harness.host->mouse_release();
    harness.host->mouse_move(instance, 60, 30);
    harness.host->run_frame();
    EXPECT_EQ(harness.handler_calls_since(kOldestModule, mark).size(), std::size(moves));
}

// A move reaches a drag area only when the left button was pressed on it.
TEST(hostMouseDrag, MovesWithoutALeftPressOnTheAreaReachNothing) {
    const struct {
        const char* name;
        MouseButton button;
        int x, y;
    } presses[] = {
        {"left press on no area", MouseButton::left, 150, 5},
        {"left press on another area", MouseButton::left, 5, 85},
        {"right press on the drag area", MouseButton::right, 53, 29},
    };
    for (const auto& press : presses) {
        HostHarness harness;
        const auto instance = harness.place(kOldestModule, "oldest");
        harness.host->mouse_press(instance, press.x, press.y, press.button);
        const int32_t mark = harness.mark(kOldestModule);
        harness.host->mouse_move(instance, 55, 28);
        harness.host->mouse_move(instance, 60, 30);
        harness.host->mouse_release();
        EXPECT_TRUE(harness.handler_calls_since(kOldestModule, mark).empty()) << press.name;
    }
}

// Hook 6 withdraws the oldest gauge's list for that instance only: another instance of the
// same gauge keeps taking clicks, and the removed one takes none, not even a held drag.
TEST(hostMouseListLifetime, NoHandlerIsCalledForARemovedInstance) {
    HostHarness harness;
    const auto removed = harness.place(kOldestModule, "oldest");
    const auto kept = harness.place(kOldestModule, "oldest");
    int32_t mark = harness.mark(kOldestModule);
    harness.click(removed, 5, 85);
    EXPECT_EQ(harness.handler_calls_since(kOldestModule, mark).size(), 1u) << "before removal";

    harness.host->mouse_press(removed, 53, 29, MouseButton::left);
    harness.host->remove(removed);
    mark = harness.mark(kOldestModule);
    harness.host->mouse_move(removed, 60, 30);
    harness.host->run_frame();
    harness.host->mouse_release();
    harness.click(removed, 5, 85);
    EXPECT_TRUE(harness.handler_calls_since(kOldestModule, mark).empty());

    harness.click(kept, 5, 85);
    EXPECT_EQ(describe(harness.handler_calls_since(kOldestModule, mark)),
              std::vector<std::string>{handler_line(kOldestClickArea, 5, 5, kLeftClick)});
}

TEST(hostMouseListLifetime, HeldRepeatStopsWhenItsGaugeIsRemoved) {
    HostHarness harness({.repeat_delay_frames = 1, .repeat_interval_frames = 1});
    const auto instance = harness.place(kMiddleModule, "second");
    const int32_t mark = harness.mark(kMiddleModule);
    harness.host->mouse_press(instance, 45, 7, MouseButton::left);
    harness.host->run_frame();
    const size_t before_removal = harness.handler_calls_since(kMiddleModule, mark).size();
    EXPECT_EQ(before_removal, 2u);
    harness.host->remove(instance);
    for (int frame = 0; frame < 5; ++frame) harness.host->run_frame();
    EXPECT_EQ(harness.handler_calls_since(kMiddleModule, mark).size(), before_removal);
}

}  // namespace
}  // namespace host_test
