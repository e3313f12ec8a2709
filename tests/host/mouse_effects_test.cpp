// What handlers do through the host: toggle panel windows by number, send key events, and
// change module state that every placed instance shares.
#include <gtest/gtest.h>

#include "host_harness.h"
#include "trace_text.h"

namespace host_test {
namespace {

using namespace fixture;

TEST(hostPanelWindows, HandlerTogglesTheNumberedWindow) {
    HostHarness harness;
    harness.host->define_window(kToggledWindow, false);
    harness.host->define_window(50, true);
    const auto instance = harness.place(kMiddleModule, "second");

    const bool visible_after_click[] = {true, false, true};
    for (bool visible : visible_after_click) {
        harness.click(instance, 57, 47);
        EXPECT_EQ(harness.host->window_visible(kToggledWindow), visible);
        EXPECT_TRUE(harness.host->window_visible(50)) << "other windows keep their state";
    }
    const std::vector<std::pair<uint32_t, bool>> toggles = {
        {kToggledWindow, true}, {kToggledWindow, false}, {kToggledWindow, true}};
    EXPECT_EQ(harness.window_toggles, toggles);
    EXPECT_FALSE(harness.host->toggle_window(kToggledWindow)) << "the host's own toggle";
}

TEST(hostKeyEvents, HandlerKeyEventKeepsItsSignedValue) {
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "second");
    harness.click(instance, 72, 53, panel_host::MouseButton::left);
    harness.click(instance, 72, 53, panel_host::MouseButton::right);
    ASSERT_EQ(harness.key_events.size(), 2u);
    for (const auto& event : harness.key_events) {
        EXPECT_EQ(event.id, key_event::kDeepArea);
        EXPECT_EQ(event.value, key_event::kDeepAreaValue);
    }
}

// The second gauge counts left clicks in a module global that its counter text shows:
// placed twice, a click on either instance shows in both.
TEST(hostSharedModuleState, GaugePlacedTwiceSharesItsState) {
    HostHarness harness;
    const auto panel = harness.place(kMiddleModule, "second");
    const auto cockpit = harness.place(kMiddleModule, "second");
    ASSERT_NE(panel, cockpit);
    harness.host->run_frame();
    const int start = std::stoi(harness.state(panel, kCounterText).text);
    EXPECT_EQ(harness.state(cockpit, kCounterText).text, std::to_string(start));

    const panel_host::InstanceId clicked[] = {panel, cockpit, cockpit};
    int clicks = 0;
    for (auto instance : clicked) {
        harness.click(instance, 5, 5);
        ++clicks;
        harness.host->run_frame();
        for (auto shown : {panel, cockpit})
            EXPECT_EQ(harness.state(shown, kCounterText).text, std::to_string(start + clicks))
                << "instance " << shown << " after click " << clicks;
    }
}

}  // namespace
}  // namespace host_test
