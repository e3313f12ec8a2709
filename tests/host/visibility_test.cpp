// Which elements are drawn: the hidden bit that gauges set and clear through the element-tree
// helpers, and failures whose action blanks an element.
#include <gtest/gtest.h>

#include <ostream>

#include "host_harness.h"
#include "trace_text.h"

namespace host_test {
namespace {

using namespace fixture;

// The second gauge's callback shows its lamp (depth 1 from the root) while the lamp switch
// token is non-zero and hides it otherwise, on every code 6.
TEST(hostHiddenBit, LampFollowsItsSwitchFrameByFrame) {
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "second");
    const std::pair<double, bool> switch_to_hidden[] = {
        {0, true}, {1, false}, {1, false}, {0, true}, {2, false}};
    for (auto [value, hidden] : switch_to_hidden) {
        harness.store.set_number(token::kLampSwitch, value);
        harness.host->run_frame();
        const auto& lamp = harness.state(instance, kLamp);
        EXPECT_EQ(lamp.hidden, hidden) << "switch " << value;
        EXPECT_EQ(lamp.drawn, !hidden) << "switch " << value;
        EXPECT_TRUE(harness.state(instance, kLongText).drawn) << "other elements stay drawn";
    }
}

// Failure lists: the lit icon carries {0x14, 3} and {0x15, 3}; the long text {0x11, 0}.
struct FailureCase {
    const char* name;
    std::vector<uint32_t> active;
    bool icon_failed;
    bool text_failed;
};

// Cases print as their name in test listings.
void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

const FailureCase kFailureCases[] = {
    {"none_active", {}, false, false},
    {"first_blanking_key", {0x14}, true, false},
    {"second_blanking_key", {0x15}, true, false},
    {"both_blanking_keys", {0x14, 0x15}, true, false},
    {"action_zero_has_no_effect", {0x11}, false, false},
    {"key_in_no_list", {0x05}, false, false},
};

class hostFailures : public ::testing::TestWithParam<FailureCase> {};

TEST_P(hostFailures, BlankingActionHidesTheElementWhileItsCallbackRuns) {
    const FailureCase& failure = GetParam();
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "second");
    harness.store.set_number(token::kLongTextWord, 1);
    harness.host->run_frame();
    for (uint32_t key : failure.active) harness.host->set_failure(key, true);

    harness.store.set_number(token::kCaseIcon, 2);
    harness.store.set_number(token::kLongTextWord, 2);
    const int32_t mark = harness.mark(kMiddleModule);
    harness.host->run_frame();

    const auto& icon = harness.state(instance, kCaseIcon);
    EXPECT_EQ(icon.failed, failure.icon_failed);
    EXPECT_EQ(icon.drawn, !failure.icon_failed);
    EXPECT_EQ(icon.icon_case, 2) << "the icon still follows its value";
    const auto& text = harness.state(instance, kLongText);
    EXPECT_EQ(text.failed, failure.text_failed);
    EXPECT_EQ(text.drawn, !failure.text_failed);
    EXPECT_EQ(text.text, "ABCDEFGH") << "the text still follows its value";

    const auto updates = describe(harness.calls_since(kMiddleModule, mark));
    for (int32_t tag : {kCaseIcon, kLongText})
        EXPECT_NE(std::find(updates.begin(), updates.end(), update_line(tag)), updates.end())
            << tag_name(tag) << " callback ran";
}

INSTANTIATE_TEST_SUITE_P(keys, hostFailures, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(hostFailures, ClearedFailureDrawsTheElementAgain) {
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "second");
    harness.host->set_failure(0x14, true);
    harness.host->run_frame();
    EXPECT_FALSE(harness.state(instance, kCaseIcon).drawn);
    harness.host->set_failure(0x14, false);
    harness.host->run_frame();
    EXPECT_TRUE(harness.state(instance, kCaseIcon).drawn);
    EXPECT_FALSE(harness.state(instance, kCaseIcon).failed);
}

}  // namespace
}  // namespace host_test
