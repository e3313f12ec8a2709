// The tooltip-only mouse list of the oldest gauge generation: routine hook 1 hands it to the
// host after forwarding the install phase, hook 6 withdraws it before forwarding teardown.
// Each dial's half of the gauge shows its help id; nothing takes a click. halfuel has no
// list at all.
#include <gtest/gtest.h>

#include <span>
#include <string>
#include <vector>

#include "panel_abi/services.h"
#include "panel_host/help_texts.h"
#include "twin_needle_gauge.h"

namespace twin_needle_test {
namespace {

using panel_abi::kSlotInstallMouseAreas;
using panel_abi::kSlotPhase1;
using panel_abi::kSlotPhase6;
using panel_abi::kSlotRegisterMouseAreas;
using panel_abi::kSlotUnregisterMouseAreas;

struct HelpCase {
    const char* member;
    uint32_t left_help;
    uint32_t right_help;
};

std::ostream& operator<<(std::ostream& out, const HelpCase& c) { return out << c.member; }

const HelpCase kHelpCases[] = {
    {"halttff", 0xab6f, 0xa031},
    {"halchvc", 0xa032, 0xa036},
    {"halmprp", 0xa021, 0xa020},
    {"halotop", 0xa022, 0xa023},
};

// Points of each half, edges included.
struct Spot {
    int x;
    int y;
};
const Spot kLeftSpots[] = {{0, 0}, {186, 135}, {319, 150}, {10, 299}, {319, 299}};
const Spot kRightSpots[] = {{320, 0}, {467, 140}, {639, 150}, {320, 299}, {639, 299}};

// Only the calls of the mouse list and of the phases it travels with.
std::vector<ServiceCall> hand_over_calls(const std::vector<ServiceCall>& calls) {
    std::vector<ServiceCall> kept;
    for (const ServiceCall& call : calls)
        if (call.slot == kSlotPhase1 || call.slot == kSlotPhase6 ||
            call.slot == kSlotInstallMouseAreas || call.slot == kSlotRegisterMouseAreas ||
            call.slot == kSlotUnregisterMouseAreas)
            kept.push_back(call);
    return kept;
}

std::vector<uint32_t> slots_of(const std::vector<ServiceCall>& calls) {
    std::vector<uint32_t> slots;
    for (const ServiceCall& call : calls) slots.push_back(call.slot);
    return slots;
}

class TooltipList : public ::testing::TestWithParam<HelpCase> {};

TEST_P(TooltipList, EachDialShowsItsHelpIdAndNothingTakesAClick) {
    TwinNeedleGauge gauge(GetParam().member);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    gauge.frame();
    for (const auto& [spots, help] :
         {std::pair{std::span<const Spot>(kLeftSpots), GetParam().left_help},
          std::pair{std::span<const Spot>(kRightSpots), GetParam().right_help}}) {
        for (const Spot& spot : spots) {
            SCOPED_TRACE(::testing::Message() << "at " << spot.x << ", " << spot.y);
            const panel_host::HoverInfo info = gauge.hover(spot.x, spot.y);
            EXPECT_EQ(info.help_id, help);
            EXPECT_FALSE(info.over_area);
            EXPECT_EQ(info.cursor, panel_abi::kCursorNone);
            EXPECT_TRUE(info.tooltip.empty());
            gauge.click(spot.x, spot.y, panel_host::MouseButton::left);
            gauge.click(spot.x, spot.y, panel_host::MouseButton::right);
        }
    }
    EXPECT_TRUE(gauge.key_events().empty());
}

// The host shows a number it has no text for as "Help 0x...".
TEST_P(TooltipList, HelpIdsHaveTextsInTheHost) {
    for (uint32_t help : {GetParam().left_help, GetParam().right_help}) {
        const std::string text = panel_host::help_text(help);
        EXPECT_FALSE(text.empty() || text.starts_with("Help 0x"))
            << "no text for help id 0x" << std::hex << help << ": \"" << text << "\"";
    }
}

// Hook 1 forwards the install phase, then installs and registers the list with the gauge's
// header and its background's size; hook 6 unregisters the same list, then forwards.
TEST_P(TooltipList, HooksHandTheListOverAndWithdrawIt) {
    TwinNeedleGauge gauge(GetParam().member, TwinNeedleGauge::Spy::attached);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    const auto* header = gauge.host().header(gauge.instance());

    const std::vector<ServiceCall> install = hand_over_calls(gauge.spy()->take_calls());
    ASSERT_EQ(slots_of(install),
              (std::vector<uint32_t>{kSlotPhase1, kSlotInstallMouseAreas,
                                     kSlotRegisterMouseAreas}));
    const panel_abi::MouseArea* list = install[1].mouse_list;
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(install[1].gauge, header);
    ASSERT_TRUE(install[1].size.has_value()) << "no background size handed over";
    EXPECT_EQ(install[1].size->width, 640);
    EXPECT_EQ(install[1].size->height, 300);
    EXPECT_EQ(install[2].mouse_list, list);
    EXPECT_EQ(install[2].gauge, header);

    gauge.frame();
    EXPECT_EQ(gauge.hover(100, 100).help_id, GetParam().left_help);

    gauge.spy()->take_calls();
    gauge.remove();
    const std::vector<ServiceCall> teardown = hand_over_calls(gauge.spy()->take_calls());
    ASSERT_EQ(slots_of(teardown), (std::vector<uint32_t>{kSlotUnregisterMouseAreas, kSlotPhase6}));
    EXPECT_EQ(teardown[0].mouse_list, list);
    EXPECT_EQ(teardown[0].gauge, header);
}

// A gauge removed and placed again hands its list over anew.
TEST_P(TooltipList, PlacedAgainAfterRemovalShowsItsHelpAgain) {
    TwinNeedleGauge gauge(GetParam().member);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    const panel_host::InstanceId first = gauge.instance();
    gauge.remove();
    EXPECT_EQ(gauge.host().hover(first, 100, 100).help_id, 0u);
    gauge.place_again();
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    gauge.frame();
    EXPECT_EQ(gauge.hover(100, 100).help_id, GetParam().left_help);
    EXPECT_EQ(gauge.hover(500, 100).help_id, GetParam().right_help);
}

INSTANTIATE_TEST_SUITE_P(Members, TooltipList, ::testing::ValuesIn(kHelpCases),
                         [](const ::testing::TestParamInfo<HelpCase>& info) {
                             return info.param.member;
                         });

TEST(FuelGaugeMouse, HandsOverNoListAndShowsNoHelp) {
    TwinNeedleGauge gauge("halfuel", TwinNeedleGauge::Spy::attached);
    ASSERT_TRUE(gauge.placed()) << gauge.error();
    gauge.frame();
    for (const Spot& spot : kLeftSpots) EXPECT_EQ(gauge.hover(spot.x, spot.y).help_id, 0u);
    for (const Spot& spot : kRightSpots) EXPECT_EQ(gauge.hover(spot.x, spot.y).help_id, 0u);
    gauge.click(178, 134, panel_host::MouseButton::left);
    EXPECT_TRUE(gauge.key_events().empty());
    gauge.remove();
    EXPECT_EQ(slots_of(hand_over_calls(gauge.spy()->take_calls())),
              (std::vector<uint32_t>{kSlotPhase1, kSlotPhase6}));
}

}  // namespace
}  // namespace twin_needle_test
