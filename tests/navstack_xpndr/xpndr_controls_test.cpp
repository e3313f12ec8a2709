// The areas over the code step single digits through the simulator; the painted buttons,
// digits 8 and 9 among them, take no clicks; only left clicks count.
#include "xpndr_panel.h"

namespace navstack_xpndr_test {
namespace {

// The code's areas lie in a group whose origin is the code's top left corner (190, 33).
constexpr int kCodeX = 190;
constexpr int kCodeY = 33;

struct DigitStep {
    const char* name;
    int x;  // relative to the code
    int y;
    uint32_t event;
    int32_t cursor;
};

std::ostream& operator<<(std::ostream& out, const DigitStep& s) { return out << s.name; }

constexpr int32_t kUpCursor = 1;
constexpr int32_t kDownCursor = 2;
constexpr int32_t kPushCursor = 5;
constexpr uint32_t kCodeHelpId = 0xa70a;

class XpndrDigitStep : public XpndrPanel, public ::testing::WithParamInterface<DigitStep> {};

TEST_P(XpndrDigitStep, SendsItsStepEventAndLeavesTheEntryAlone) {
    const DigitStep& s = GetParam();
    set_code(0x4567);
    key_in("12");
    take_events();
    const Spot spot{s.name, kCodeX + s.x, kCodeY + s.y};
    press(spot);
    EXPECT_EQ(take_events(), (Events{{s.event, 0}}));
    frame();
    EXPECT_EQ(shown(Text::code), "1200") << "a step changes the simulator's code, not the entry";

    const panel_host::HoverInfo hover = host_.hover(xpndr_, spot.x, spot.y);
    EXPECT_EQ(hover.cursor, s.cursor);
    EXPECT_EQ(hover.help_id, kCodeHelpId);
}

// Near both ends of each area's box, so that the group's origin is seen to apply.
INSTANTIATE_TEST_SUITE_P(
    Areas, XpndrDigitStep,
    ::testing::Values(DigitStep{"FirstUp", 1, 1, 0x10073, kUpCursor},
                      DigitStep{"FirstUpFarCorner", 14, 9, 0x10073, kUpCursor},
                      DigitStep{"SecondUp", 25, 2, 0x10074, kUpCursor},
                      DigitStep{"SecondUpFarCorner", 43, 9, 0x10074, kUpCursor},
                      DigitStep{"ThirdUp", 48, 5, 0x10075, kUpCursor},
                      DigitStep{"FourthUp", 90, 5, 0x10076, kUpCursor},
                      DigitStep{"FirstDown", 1, 21, 0x10397, kDownCursor},
                      DigitStep{"SecondDown", 30, 25, 0x10398, kDownCursor},
                      DigitStep{"ThirdDown", 66, 29, 0x10399, kDownCursor},
                      DigitStep{"FourthDown", 73, 28, 0x1039a, kDownCursor}),
    [](const auto& info) { return std::string(info.param.name); });

// Between the upper and lower edges, and in the gaps between the digits, nothing is stepped.
TEST_F(XpndrPanel, TheMiddleOfTheCodeAndTheGapsTakeNoClicks) {
    for (const Spot& spot : {Spot{"middle of the first digit", kCodeX + 7, kCodeY + 15},
                             Spot{"middle of the fourth digit", kCodeX + 80, kCodeY + 14},
                             Spot{"gap after the first digit", kCodeX + 19, kCodeY + 5},
                             Spot{"gap after the third digit", kCodeX + 69, kCodeY + 25},
                             Spot{"right of the fourth digit", kCodeX + 93, kCodeY + 5}}) {
        press(spot);
        EXPECT_TRUE(take_events().empty()) << spot.name;
        EXPECT_EQ(host_.hover(xpndr_, spot.x, spot.y).help_id, kCodeHelpId) << spot.name;
    }
}

TEST_F(XpndrPanel, PaintedButtonsTakeNoClicks) {
    set_code(0x1200);
    frame();
    for (const Spot& spot : kPaintedButtons) {
        press(spot);
        frame();
        EXPECT_TRUE(take_events().empty()) << spot.name;
        EXPECT_EQ(shown(Text::code), "1200") << spot.name;
        EXPECT_FALSE(host_.hover(xpndr_, spot.x, spot.y).over_area) << spot.name;
    }
}

TEST_F(XpndrPanel, ButtonsShowThePushCursor) {
    std::vector<Spot> buttons = {kVfrButton, kFuncButton, kClrButton};
    buttons.insert(buttons.end(), std::begin(kDigitButtons), std::end(kDigitButtons));
    for (const Spot& spot : buttons) {
        const panel_host::HoverInfo hover = host_.hover(xpndr_, spot.x, spot.y);
        EXPECT_TRUE(hover.over_area) << spot.name;
        EXPECT_EQ(hover.cursor, kPushCursor) << spot.name;
        EXPECT_EQ(hover.help_id, 0u) << spot.name;
    }
}

TEST_F(XpndrPanel, RightClicksAreNotTaken) {
    set_code(0x4521);
    frame();
    std::vector<Spot> spots = {kVfrButton, kFuncButton, kClrButton,
                               Spot{"step up", kCodeX + 5, kCodeY + 5},
                               Spot{"step down", kCodeX + 5, kCodeY + 25}};
    spots.insert(spots.end(), std::begin(kDigitButtons), std::end(kDigitButtons));
    for (const Spot& spot : spots) {
        host_.mouse_press(xpndr_, spot.x, spot.y, panel_host::MouseButton::right);
        host_.mouse_release();
        frame();
        EXPECT_TRUE(take_events().empty()) << spot.name;
        EXPECT_EQ(shown(Text::code), "4521") << spot.name;
    }
    set_tick(1000);  // due for a rebuild
    frame();
    EXPECT_EQ(shown(Text::page_title), "PRESSURE ALT") << "a right click on FUNC turned the page";
}

}  // namespace
}  // namespace navstack_xpndr_test
