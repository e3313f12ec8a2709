// The buttons and knobs of the face: fraction steps by mouse button, swaps, the identifier
// knob (the same events as the audio panel's NAV1 and NAV2 buttons), the CDI button's key
// event, and the panel window both units toggle.
#include "navcom_panel.h"

namespace navcom_test {
namespace {

// ---------------------------------------------------------------------------------------
// Fraction areas: the left button sends the left event, the right button the right one.

struct FractionCase {
    const Spot* spot;
    MouseButton button;
    uint32_t UnitRadios::*event;
};

std::ostream& operator<<(std::ostream& out, const FractionCase& c) {
    return out << *c.spot << ", " << button_name(c.button);
}

const FractionCase kFractionCases[] = {
    {&kComFraction, MouseButton::left, &UnitRadios::com_fraction_left},
    {&kComFraction, MouseButton::right, &UnitRadios::com_fraction_right},
    {&kNavFraction, MouseButton::left, &UnitRadios::nav_fraction_left},
    {&kNavFraction, MouseButton::right, &UnitRadios::nav_fraction_right},
};

class FractionArea : public NavcomPanel,
                     public ::testing::WithParamInterface<std::tuple<Unit, FractionCase>> {};

TEST_P(FractionArea, SendsTheEventOfTheButtonWithValueZero) {
    const auto& [unit, c] = GetParam();
    set_bcd(radios(unit).com_standby, 0x2250);
    set_bcd(radios(unit).nav_standby, 0x1150);
    frame();
    click(unit, *c.spot, c.button);
    EXPECT_EQ(take_events(), (Events{{radios(unit).*c.event, 0}}));
}

INSTANTIATE_TEST_SUITE_P(BothUnits, FractionArea,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kFractionCases)));

// ---------------------------------------------------------------------------------------
// Left-click buttons: one key event with value 0 each; the right button does nothing.

struct ButtonCase {
    const Spot* spot;
    uint32_t UnitRadios::*event;  // null: the same event on both units
    uint32_t shared_event;
};

std::ostream& operator<<(std::ostream& out, const ButtonCase& c) { return out << *c.spot; }

const ButtonCase kButtonCases[] = {
    {&kComSwap, &UnitRadios::com_swap, 0},
    {&kNavSwap, &UnitRadios::nav_swap, 0},
    {&kNavIdent, &UnitRadios::nav_ident, 0},
    {&kCdiButton, nullptr, kToggleCourseSource},
};

uint32_t event_of(const ButtonCase& c, Unit unit) {
    return c.event != nullptr ? radios(unit).*c.event : c.shared_event;
}

class Button : public NavcomPanel,
               public ::testing::WithParamInterface<std::tuple<Unit, ButtonCase>> {};

TEST_P(Button, LeftClickSendsItsEvent) {
    const auto& [unit, c] = GetParam();
    frame();
    click(unit, *c.spot);
    EXPECT_EQ(take_events(), (Events{{event_of(c, unit), 0}}));
}

TEST_P(Button, RightClickDoesNothing) {
    const auto& [unit, c] = GetParam();
    frame();
    click(unit, *c.spot, MouseButton::right);
    EXPECT_EQ(take_events(), Events{});
}

INSTANTIATE_TEST_SUITE_P(BothUnits, Button,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kButtonCases)));

// The identifier knobs toggle the identifier audio of NAV receiver 1 and 2 with the events
// the audio panel's NAV1 and NAV2 buttons send.
TEST_F(NavcomPanel, IdentifierKnobsSendTheNav1AndNav2IdentEvents) {
    frame();
    click(Unit::one, kNavIdent);
    click(Unit::two, kNavIdent);
    EXPECT_EQ(take_events(), (Events{{0x10132, 0}, {0x10133, 0}}));
}

// ---------------------------------------------------------------------------------------
// The large knob lower right shows and hides panel window 225, from either unit.

TEST_F(NavcomPanel, WindowKnobTogglesWindow225FromEitherUnit) {
    frame();
    click(Unit::one, kWindowKnob);
    EXPECT_TRUE(host_.window_visible(kUnitWindow));
    click(Unit::two, kWindowKnob);
    EXPECT_FALSE(host_.window_visible(kUnitWindow));
    click(Unit::two, kWindowKnob);
    EXPECT_EQ(take_window_toggles(), (std::vector<WindowToggle>{{kUnitWindow, true},
                                                                {kUnitWindow, false},
                                                                {kUnitWindow, true}}));
    EXPECT_EQ(take_events(), Events{});
}

TEST_F(NavcomPanel, WindowKnobTakesNoRightClickAndEndsAtItsEdge) {
    frame();
    click(Unit::one, kWindowKnob, MouseButton::right);
    click(Unit::one, {"left of the knob", 451, 169});
    click(Unit::one, {"below the knob", 472, 189});
    EXPECT_EQ(take_window_toggles(), std::vector<WindowToggle>{});
    click(Unit::one, {"knob's top left corner", 452, 149});
    EXPECT_EQ(take_window_toggles(), (std::vector<WindowToggle>{{kUnitWindow, true}}));
}

// ---------------------------------------------------------------------------------------
// Every control shows the hand; the screen between them takes no clicks.

class Control : public NavcomPanel, public ::testing::WithParamInterface<std::tuple<Unit, Spot>> {};

TEST_P(Control, ShowsTheHandCursor) {
    const auto& [unit, spot] = GetParam();
    const panel_host::HoverInfo hover = host_.hover(instance(unit), spot.x, spot.y);
    EXPECT_TRUE(hover.over_area);
    EXPECT_EQ(hover.cursor, panel_abi::kCursorPush);
    EXPECT_EQ(hover.help_id, 0u);
}

INSTANTIATE_TEST_SUITE_P(BothUnits, Control,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kAllControls)));

TEST_F(NavcomPanel, ClicksOnTheScreenAndBezelDoNothing) {
    frame();
    const Spot elsewhere[] = {{"GPS page", 300, 60},      {"COM active", 150, 50},
                              {"between the fractions", 162, 72},
                              {"COM knob", 38, 38},       {"MENU", 472, 82},
                              {"OBS", 200, 192}};
    for (Unit unit : kBothUnits)
        for (const Spot& spot : elsewhere) {
            click(unit, spot);
            click(unit, spot, MouseButton::right);
        }
    EXPECT_EQ(take_events(), Events{});
    EXPECT_EQ(take_window_toggles(), std::vector<WindowToggle>{});
}

}  // namespace
}  // namespace navcom_test
