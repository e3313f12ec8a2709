// Electrical failures blank every text and the deviation bar of both units; the face stays
// and the controls keep sending their key events.
#include <set>
#include <vector>

#include "navcom_panel.h"

namespace navcom_test {
namespace {

struct FailureCase {
    const char* what;
    std::vector<uint32_t> keys;
    bool blanks;
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) { return out << c.what; }

const FailureCase kFailureCases[] = {
    {"none", {}, false},
    {"0x14", {0x14}, true},
    {"0x15", {0x15}, true},
    {"0x14 and 0x15", {0x14, 0x15}, true},
    {"another system's (0x11)", {0x11}, false},
    {"another system's (5)", {5}, false},
};

class Failure : public NavcomPanel,
                public ::testing::WithParamInterface<std::tuple<Unit, FailureCase>> {};

TEST_P(Failure, BlanksEverythingButTheFace) {
    const auto& [unit, c] = GetParam();
    for (uint32_t key : c.keys) host_.set_failure(key, true);
    frame();
    const auto& elements = host_.elements(instance(unit));
    ASSERT_EQ(elements.size(), 15u);
    EXPECT_TRUE(elements[0].drawn) << "the face";
    EXPECT_FALSE(elements[0].failed) << "the face";
    for (size_t i = 1; i < elements.size(); ++i) {
        EXPECT_EQ(elements[i].failed, c.blanks) << static_cast<Shown>(i);
        EXPECT_EQ(elements[i].drawn, !c.blanks) << static_cast<Shown>(i);
    }
}

INSTANTIATE_TEST_SUITE_P(BothUnits, Failure,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kFailureCases)));

TEST_F(NavcomPanel, ControlsKeepSendingUnderFailure) {
    host_.set_failure(0x14, true);
    host_.set_failure(0x15, true);
    set_bcd(radios(Unit::one).com_standby, 0x2250);
    frame();
    click(Unit::one, kComSwap);
    click(Unit::one, kComWholeMhz, MouseButton::right);
    click(Unit::two, kNavFraction);
    click(Unit::one, kCdiButton);
    EXPECT_EQ(take_events(), (Events{{radios(Unit::one).com_swap, 0},
                                     {radios(Unit::one).set_com_standby, 0x2350},
                                     {radios(Unit::two).nav_fraction_left, 0},
                                     {kToggleCourseSource, 0}}));
    click(Unit::two, kWindowKnob);
    EXPECT_TRUE(host_.window_visible(kUnitWindow));
}

TEST_F(NavcomPanel, TextsShowAgainWhenTheFailureEnds) {
    set_bcd(radios(Unit::two).com_active, 0x2790);
    host_.set_failure(0x14, true);
    frame();
    EXPECT_FALSE(element(Unit::two, Shown::com_active).drawn);
    host_.set_failure(0x14, false);
    frame();
    EXPECT_TRUE(element(Unit::two, Shown::com_active).drawn);
    EXPECT_EQ(text(Unit::two, Shown::com_active), "127.90");
}

}  // namespace
}  // namespace navcom_test
