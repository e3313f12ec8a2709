// Whole-MHz tuning of the standby frequencies: a left click steps the MHz down, a right click
// up; COM wraps within 118-135 MHz and NAV within 108-117 MHz, skipping the non-decimal
// digits; the fraction stays. Each unit tunes its own radios.
#include "navcom_panel.h"

namespace navcom_test {
namespace {

enum class Band { com, nav };

struct TuningCase {
    const char* what;
    Band band;
    int64_t standby;  // BCD as the simulator holds it
    MouseButton button;
    int32_t sent;     // the new standby frequency sent with the set event
};

std::ostream& operator<<(std::ostream& out, const TuningCase& c) {
    return out << (c.band == Band::com ? "COM " : "NAV ") << c.what << ", "
               << button_name(c.button);
}

constexpr TuningCase kTuningCases[] = {
    // COM: 118 to 135 MHz.
    {"118.50 down wraps to 135.50", Band::com, 0x1850, MouseButton::left, 0x3550},
    {"135.50 up wraps to 118.50", Band::com, 0x3550, MouseButton::right, 0x1850},
    {"120.25 down", Band::com, 0x2025, MouseButton::left, 0x1925},
    {"119.25 up", Band::com, 0x1925, MouseButton::right, 0x2025},
    {"129.90 up", Band::com, 0x2990, MouseButton::right, 0x3090},
    {"130.00 down", Band::com, 0x3000, MouseButton::left, 0x2900},
    {"125.50 down", Band::com, 0x2550, MouseButton::left, 0x2450},
    {"125.50 up", Band::com, 0x2550, MouseButton::right, 0x2650},
    {"118.97 up keeps the fraction", Band::com, 0x1897, MouseButton::right, 0x1997},
    {"bits above the four digits dropped", Band::com, 0x121850, MouseButton::left, 0x3550},
    {"108.50 (below the band) down, no wrap", Band::com, 0x0850, MouseButton::left, 0x0750},
    {"117.50 (below the band) up, no correction", Band::com, 0x1750, MouseButton::right, 0x1850},
    {"136.50 (above the band) up, no wrap", Band::com, 0x3650, MouseButton::right, 0x3750},
    {"136.50 (above the band) down", Band::com, 0x3650, MouseButton::left, 0x3550},
    {"MHz byte 00 down wraps to ff", Band::com, 0x0025, MouseButton::left, 0xff25},
    {"MHz byte ff up wraps to 00", Band::com, 0xff25, MouseButton::right, 0x0025},
    // NAV: 108 to 117 MHz.
    {"108.10 down wraps to 117.10", Band::nav, 0x0810, MouseButton::left, 0x1710},
    {"117.10 up wraps to 108.10", Band::nav, 0x1710, MouseButton::right, 0x0810},
    {"109.10 up", Band::nav, 0x0910, MouseButton::right, 0x1010},
    {"110.10 down", Band::nav, 0x1010, MouseButton::left, 0x0910},
    {"112.50 down", Band::nav, 0x1250, MouseButton::left, 0x1150},
    {"112.55 up keeps the fraction", Band::nav, 0x1255, MouseButton::right, 0x1355},
    {"118.50 (above the band) down, no correction", Band::nav, 0x1850, MouseButton::left, 0x1750},
    {"120.00 (above the band) up", Band::nav, 0x2000, MouseButton::right, 0x2100},
    {"105.50 (below the band) down", Band::nav, 0x0550, MouseButton::left, 0x0450},
    {"bits above the four digits dropped", Band::nav, 0x7f0810, MouseButton::left, 0x1710},
};

class WholeMhzTuning : public NavcomPanel,
                       public ::testing::WithParamInterface<std::tuple<Unit, TuningCase>> {};

TEST_P(WholeMhzTuning, SendsTheSteppedStandbyFrequency) {
    const auto& [unit, c] = GetParam();
    const UnitRadios& own = radios(unit);
    const UnitRadios& other = radios(unit == Unit::one ? Unit::two : Unit::one);
    // Every other standby frequency holds a value that would give a different result.
    for (uint32_t token : {own.com_standby, own.nav_standby, other.com_standby, other.nav_standby})
        set_bcd(token, 0x1111);
    const bool com = c.band == Band::com;
    set_bcd(com ? own.com_standby : own.nav_standby, c.standby);
    frame();

    click(unit, com ? kComWholeMhz : kNavWholeMhz, c.button);
    EXPECT_EQ(take_events(), (Events{{com ? own.set_com_standby : own.set_nav_standby, c.sent}}));
}

INSTANTIATE_TEST_SUITE_P(BothUnits, WholeMhzTuning,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kTuningCases)));

// Held down, the area repeats; each repeat starts from the frequency the simulator set.
TEST_F(NavcomPanel, HeldWholeMhzAreaKeepsSteppingThroughTheWrap) {
    tune_standby_on_key_events();
    set_bcd(radios(Unit::one).com_standby, 0x3350);
    frame();

    hold(Unit::one, kComWholeMhz, MouseButton::right, 30);
    const Events sent = take_events();
    ASSERT_GE(sent.size(), 4u);
    const int32_t expected[] = {0x3450, 0x3550, 0x1850, 0x1950};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(sent[i], (Sent{radios(Unit::one).set_com_standby, expected[i]})) << "step " << i;
}

TEST_F(NavcomPanel, HeldNavWholeMhzAreaStepsDownThroughTheWrap) {
    tune_standby_on_key_events();
    set_bcd(radios(Unit::two).nav_standby, 0x0935);
    frame();

    hold(Unit::two, kNavWholeMhz, MouseButton::left, 30);
    const Events sent = take_events();
    ASSERT_GE(sent.size(), 3u);
    const int32_t expected[] = {0x0835, 0x1735, 0x1635};
    for (size_t i = 0; i < 3; ++i)
        EXPECT_EQ(sent[i], (Sent{radios(Unit::two).set_nav_standby, expected[i]})) << "step " << i;
}

}  // namespace
}  // namespace navcom_test
