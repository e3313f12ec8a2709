// The localizer and glideslope scales and pointers follow the VOR receiver that the
// navigation source selects, and only while that receiver has the signal.
#include <ostream>
#include <string>

#include "eadi_panel.h"

namespace efdisplay_test {
namespace {

constexpr double kVor1CourseDeviation = 20.0;
constexpr double kVor2CourseDeviation = -40.0;
constexpr double kVor1GlideslopeDeviation = 10.0;
constexpr double kVor2GlideslopeDeviation = -30.0;

struct ReceiverCase {
    const char* name;
    int nav_source;
    uint32_t vor1_flags;
    uint32_t vor2_flags;
    bool glideslope;         // scale lit and pointer shown
    double glideslope_y;     // pointer offset, pixels
    bool localizer;
    double localizer_x;
};

std::ostream& operator<<(std::ostream& out, const ReceiverCase& c) { return out << c.name; }

class ReceiverItems : public EadiPanel, public ::testing::WithParamInterface<ReceiverCase> {};

TEST_P(ReceiverItems, FollowTheSelectedReceiver) {
    const ReceiverCase& c = GetParam();
    select_nav_source(c.nav_source);
    set(kVor1Flags, c.vor1_flags);
    set(kVor2Flags, c.vor2_flags);
    set(kVor1Deviation, kVor1CourseDeviation);
    set(kVor2Deviation, kVor2CourseDeviation);
    set(kVor1Glideslope, kVor1GlideslopeDeviation);
    set(kVor2Glideslope, kVor2GlideslopeDeviation);
    frame();

    EXPECT_EQ(item(Item::glideslope_scale).icon_case, c.glideslope ? 0 : -1);
    EXPECT_EQ(item(Item::glideslope_pointer).hidden, !c.glideslope);
    EXPECT_NEAR(item(Item::glideslope_pointer).slider_y, c.glideslope_y, 1e-9);
    EXPECT_DOUBLE_EQ(item(Item::glideslope_pointer).slider_x, 0.0);

    EXPECT_EQ(item(Item::localizer_scale).icon_case, c.localizer ? 0 : -1);
    EXPECT_EQ(item(Item::localizer_pointer).hidden, !c.localizer);
    EXPECT_NEAR(item(Item::localizer_pointer).slider_x, c.localizer_x, 1e-9);
    EXPECT_DOUBLE_EQ(item(Item::localizer_pointer).slider_y, 0.0);
}

constexpr uint32_t kBoth = kGlideslopeBit | kLocalizerBit;

INSTANTIATE_TEST_SUITE_P(
    Sources, ReceiverItems,
    ::testing::Values(
        ReceiverCase{"vor1_nothing_received", 1, 0, kBoth, false, 0, false, 0},
        ReceiverCase{"vor1_localizer_only", 1, kLocalizerBit, 0, false, 0, true, 10},
        ReceiverCase{"vor1_glideslope_only", 1, kGlideslopeBit, 0, true, 6, false, 0},
        ReceiverCase{"vor1_both", 1, kBoth, 0, true, 6, true, 10},
        ReceiverCase{"vor1_other_bits_do_not_count", 1, 0x3f | 0x100, kBoth, false, 0, false, 0},
        ReceiverCase{"vor2_nothing_received", 2, kBoth, 0, false, 0, false, 0},
        ReceiverCase{"vor2_both", 2, 0, kBoth, true, -18, true, -20},
        ReceiverCase{"vor2_localizer_only", 2, 0, kLocalizerBit, false, 0, true, -20},
        ReceiverCase{"gps_shows_none", 3, kBoth, kBoth, false, 0, false, 0},
        ReceiverCase{"adf_shows_none", 4, kBoth, kBoth, false, 0, false, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EadiPanel, SwitchingToTheGpsHidesTheReceiverItemsAtTheNextFrame) {
    set(kVor1Flags, kGlideslopeBit | kLocalizerBit);
    frame();
    ASSERT_EQ(item(Item::localizer_scale).icon_case, 0);
    ASSERT_FALSE(item(Item::glideslope_pointer).hidden);

    select_nav_source(3);
    frame();
    EXPECT_EQ(item(Item::glideslope_scale).icon_case, -1);
    EXPECT_TRUE(item(Item::glideslope_pointer).hidden);
    EXPECT_EQ(item(Item::localizer_scale).icon_case, -1);
    EXPECT_TRUE(item(Item::localizer_pointer).hidden);
    EXPECT_FALSE(item(Item::glideslope_pointer).drawn);
    EXPECT_FALSE(item(Item::localizer_pointer).drawn);

    // Round to VOR 1 again: the same signal shows everything once more.
    select_nav_source(1);
    frame();
    EXPECT_FALSE(item(Item::glideslope_pointer).hidden);
    EXPECT_FALSE(item(Item::localizer_pointer).hidden);
}

TEST_F(EadiPanel, LosingTheLocalizerHidesThePointerAndDarkensTheScale) {
    set(kVor1Flags, kLocalizerBit);
    set(kVor1Deviation, -50);
    frame();
    ASSERT_FALSE(item(Item::localizer_pointer).hidden);
    EXPECT_DOUBLE_EQ(item(Item::localizer_pointer).slider_x, -25.0);

    set(kVor1Flags, 0);
    frame();
    EXPECT_TRUE(item(Item::localizer_pointer).hidden);
    EXPECT_EQ(item(Item::localizer_scale).icon_case, -1);
}

TEST_F(EadiPanel, EveryPlacedDisplayFollowsOneSelection) {
    std::string error;
    const panel_host::InstanceId second = host_.place(module_, "qd42eadi", &error);
    ASSERT_NE(second, panel_host::kNoInstance) << error;
    set(kVor1Flags, 0);
    set(kVor2Flags, kLocalizerBit);
    frame();
    EXPECT_TRUE(item(Item::localizer_pointer).hidden);
    EXPECT_TRUE(item(Item::localizer_pointer, second).hidden);

    select_nav_source(2);
    frame();
    EXPECT_FALSE(item(Item::localizer_pointer).hidden);
    EXPECT_FALSE(item(Item::localizer_pointer, second).hidden);
}

}  // namespace
}  // namespace efdisplay_test
