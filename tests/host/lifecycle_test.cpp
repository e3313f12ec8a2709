// The order in which the host drives a gauge of each generation: codes 0, 2, 4 (or hooks 0
// to 2) at install, code 6, the update in pre-order, codes 8 and 10 (or hooks 3 to 5) every
// frame, code 12 (or hook 6) at removal.
#include <gtest/gtest.h>

#include <ostream>

#include "host_harness.h"
#include "trace_text.h"

namespace host_test {
namespace {

using namespace fixture;

struct LifecycleCase {
    const char* name;
    const char* module;
    const char* gauge;
    std::vector<std::string> install;
    std::vector<std::string> frame;
    std::vector<std::string> teardown;
};

// Cases print as their name in test listings.
void PrintTo(const LifecycleCase& c, std::ostream* out) { *out << c.name; }

const LifecycleCase kLifecycleCases[] = {
    {"oldest_hooks_in_every_phase", kOldestModule, "oldest",
     {hook_line(kOldestGauge, 0), hook_line(kOldestGauge, 1), hook_line(kOldestGauge, 2)},
     {hook_line(kOldestGauge, 3), update_line(kOldestNeedle), update_line(kOldestIcon),
      update_line(kOldestText), hook_line(kOldestGauge, 4), hook_line(kOldestGauge, 5)},
     {hook_line(kOldestGauge, 6)}},
    {"middle_first_gauge", kMiddleModule, "first",
     {code_line(kFirstGauge, 0), code_line(kFirstGauge, 2), code_line(kFirstGauge, 4)},
     {code_line(kFirstGauge, 6), update_line(kFormsText), code_line(kFirstGauge, 8),
      code_line(kFirstGauge, 10)},
     {code_line(kFirstGauge, 12)}},
    // The lamp's child (the counter text) comes before the lamp's siblings: pre-order.
    {"middle_second_gauge_in_pre_order", kMiddleModule, "second",
     {code_line(kSecondGauge, 0), code_line(kSecondGauge, 2), code_line(kSecondGauge, 4)},
     {code_line(kSecondGauge, 6), update_line(kLamp), update_line(kCounterText),
      update_line(kLongText), update_line(kCaseIcon), update_line(kSecondSprite),
      code_line(kSecondGauge, 8), code_line(kSecondGauge, 10)},
     {code_line(kSecondGauge, 12)}},
    {"newest_with_null_hooks", kNewestModule, "nohooks",
     {code_line(kNoHooksGauge, 0), code_line(kNoHooksGauge, 2), code_line(kNoHooksGauge, 4)},
     {code_line(kNoHooksGauge, 6), update_line(kNoHooksIcon), code_line(kNoHooksGauge, 8),
      code_line(kNoHooksGauge, 10)},
     {code_line(kNoHooksGauge, 12)}},
};

class hostLifecycle : public ::testing::TestWithParam<LifecycleCase> {};

TEST_P(hostLifecycle, InstallFramesAndRemovalCallTheGaugeInOrder) {
    const LifecycleCase& lifecycle = GetParam();
    HostHarness harness;
    harness.load(lifecycle.module);

    int32_t mark = harness.mark(lifecycle.module);
    const panel_host::InstanceId instance = harness.place(lifecycle.module, lifecycle.gauge);
    EXPECT_EQ(describe(harness.calls_since(lifecycle.module, mark)), lifecycle.install);

    for (int frame = 1; frame <= 2; ++frame) {
        mark = harness.mark(lifecycle.module);
        harness.host->run_frame();
        EXPECT_EQ(describe(harness.calls_since(lifecycle.module, mark)), lifecycle.frame)
            << "frame " << frame;
    }

    mark = harness.mark(lifecycle.module);
    harness.host->remove(instance);
    EXPECT_EQ(describe(harness.calls_since(lifecycle.module, mark)), lifecycle.teardown);

    mark = harness.mark(lifecycle.module);
    harness.host->run_frame();
    EXPECT_TRUE(harness.calls_since(lifecycle.module, mark).empty())
        << "a removed instance is driven no more";
}

INSTANTIATE_TEST_SUITE_P(generations, hostLifecycle, ::testing::ValuesIn(kLifecycleCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Both gauges' hooks forward the first gauge's root; the second gauge must still be updated
// and drawn from its own tree.
TEST(hostForwardedRoot, SecondGaugeRunsItsOwnTree) {
    HostHarness harness;
    const auto second = harness.place(kMiddleModule, "second");
    const int32_t mark = harness.mark(kMiddleModule);
    harness.store.set_number(token::kLongTextWord, 1);
    harness.host->run_frame();

    const auto& view = fixture_view(kMiddleModule);
    std::vector<const panel_abi::Element*> visited;
    for (const auto& state : harness.host->elements(second)) visited.push_back(state.element);
    const std::vector<const panel_abi::Element*> own_tree = {
        view.element(kSecondBackground), view.element(kLamp),     view.element(kCounterText),
        view.element(kLongText),         view.element(kCaseIcon), view.element(kSecondSprite)};
    EXPECT_EQ(visited, own_tree);

    for (const auto& call : harness.calls_since(kMiddleModule, mark))
        EXPECT_NE(call.who, kFormsText) << "the first gauge's text was updated for the second";
    EXPECT_EQ(harness.state(second, kLongText).text, "ABC");
    EXPECT_TRUE(harness.state(second, kLongText).drawn);
}

TEST(hostForwardedRoot, BothGaugesPlacedEachKeepTheirTree) {
    HostHarness harness;
    const auto first = harness.place(kMiddleModule, "first");
    const auto second = harness.place(kMiddleModule, "second");
    harness.store.set_integer(token::kComStandby, 0x2345);
    harness.store.set_number(token::kLongTextWord, 2);
    harness.host->run_frame();

    const auto& view = fixture_view(kMiddleModule);
    ASSERT_EQ(harness.host->elements(first).size(), 2u);
    EXPECT_EQ(harness.host->elements(first)[0].element, view.element(kFirstBackground));
    EXPECT_EQ(harness.host->elements(second)[0].element, view.element(kSecondBackground));
    EXPECT_EQ(harness.state(first, kFormsText).text, "2345||0.00");
    EXPECT_EQ(harness.state(second, kLongText).text, "ABCDEFGH");
}

// A 0x262 gauge's fields after 0x58 and its later-generation callback fields hold recorders
// planted at load; none of them may be called, whatever the gauge is asked to do.
TEST(hostOldestGeneration, LaterGenerationFieldsAreNeverCalled) {
    HostHarness harness;
    harness.load(kOldestModule);
    const int32_t mark = harness.mark(kOldestModule);
    const auto instance = harness.place(kOldestModule, "oldest");
    harness.store.set_number(token::kOldestNeedle, 5);
    harness.store.set_number(token::kOldestText, 1.5);
    for (int frame = 0; frame < 3; ++frame) harness.host->run_frame();
    for (auto button : {panel_host::MouseButton::left, panel_host::MouseButton::right})
        for (auto [x, y] : {std::pair{150, 5}, {5, 5}, {53, 29}, {5, 85}, {80, 95}})
            harness.click(instance, x, y, button);
    harness.host->mouse_press(instance, 150, 50, panel_host::MouseButton::left);
    harness.host->mouse_move(instance, 120, 40);
    harness.host->mouse_release();
    harness.host->remove(instance);

    const auto calls = harness.calls_since(kOldestModule, mark);
    ASSERT_FALSE(calls.empty());
    for (const auto& call : calls)
        EXPECT_NE(call.call, Call::wrong_generation) << describe(call);
}

}  // namespace
}  // namespace host_test
