// The second line: the pressure altitude as a flight level (hundreds of feet, 50 feet and
// more rounding up) or the flight-time page, switched with FUNC; and the ALT legend.
#include <limits>

#include "xpndr_panel.h"

namespace navstack_xpndr_test {
namespace {

struct LevelCase {
    double feet;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const LevelCase& c) { return out << c.feet << " ft"; }

class XpndrFlightLevel : public XpndrPanel, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(XpndrFlightLevel, ShowsTheRoundedFlightLevel) {
    set_altitude(GetParam().feet);
    set_tick(1000);  // well past the first rebuild at tick 0
    frame();
    EXPECT_EQ(shown(Text::page_title), "PRESSURE ALT");
    EXPECT_EQ(shown(Text::page_value), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, XpndrFlightLevel,
    ::testing::Values(LevelCase{0, "FL 000"}, LevelCase{49, "FL 000"}, LevelCase{50, "FL 001"},
                      LevelCase{149, "FL 001"}, LevelCase{150, "FL 002"},
                      LevelCase{4549, "FL 045"}, LevelCase{4549.99, "FL 045"},
                      LevelCase{4550, "FL 046"}, LevelCase{12345, "FL 123"},
                      LevelCase{17950, "FL 180"}, LevelCase{99949, "FL 999"},
                      LevelCase{99950, "FL 1000"}));

// No aircraft reports these; they still give a defined text. Below sea level reads as level
// 000, a value beyond the integer range is held at its end (and cut to eight characters), and
// no number at all reads as 0.
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, XpndrFlightLevel,
    ::testing::Values(LevelCase{-1, "FL 000"}, LevelCase{-600, "FL 000"},
                      LevelCase{1e12, "FL 21474"},
                      LevelCase{std::numeric_limits<double>::infinity(), "FL 21474"},
                      LevelCase{-std::numeric_limits<double>::infinity(), "FL 000"},
                      LevelCase{std::numeric_limits<double>::quiet_NaN(), "FL 000"}));

TEST_F(XpndrPanel, StartsOnThePressureAltitudePageWithTheAltLegend) {
    EXPECT_EQ(shown(Text::page_title), "PRESSURE ALT");
    EXPECT_EQ(shown(Text::page_value), "FL 000");
    EXPECT_EQ(shown(Text::mode_legend), "ALT");
}

TEST_F(XpndrPanel, FuncTogglesBetweenPressureAltitudeAndFlightTime) {
    set_altitude(8470);
    struct Page {
        const char* title;
        const char* value;
    };
    const Page pages[] = {{"FLIGHT TIME", "00:00:00"},
                          {"PRESSURE ALT", "FL 085"},
                          {"FLIGHT TIME", "00:00:00"}};
    double tick = 100;
    for (const Page& page : pages) {
        press(kFuncButton);
        tick += 100;
        set_tick(tick);
        frame();
        EXPECT_EQ(shown(Text::page_title), page.title);
        EXPECT_EQ(shown(Text::page_value), page.value);
        EXPECT_EQ(shown(Text::mode_legend), "ALT");
    }
    EXPECT_TRUE(take_events().empty());
}

// The flight-time page counts nothing: it reads 00:00:00 however long the flight.
TEST_F(XpndrPanel, FlightTimeStaysAtZero) {
    press(kFuncButton);
    for (double tick = 0; tick <= 20000; tick += 997) {
        set_tick(tick);
        frame();
        EXPECT_EQ(shown(Text::page_value), "00:00:00") << "tick " << tick;
    }
}

// The title follows FUNC within 9 ticks, the value within 6, one tick a frame.
TEST_F(XpndrPanel, ThePageChangeShowsWithinItsRefreshPeriods) {
    set_altitude(3000);
    double tick = 0;
    for (; tick < 40; ++tick) {
        set_tick(tick);
        frame();
    }
    press(kFuncButton);
    int title_after = -1;
    int value_after = -1;
    for (int ticks = 0; ticks <= 20 && (title_after < 0 || value_after < 0); ++ticks) {
        set_tick(tick + ticks);
        frame();
        if (title_after < 0 && shown(Text::page_title) == "FLIGHT TIME") title_after = ticks;
        if (value_after < 0 && shown(Text::page_value) == "00:00:00") value_after = ticks;
    }
    EXPECT_GE(title_after, 0);
    EXPECT_LE(title_after, 9);
    EXPECT_GE(value_after, 0);
    EXPECT_LE(value_after, 6);
}

TEST_F(XpndrPanel, AnAltitudeChangeShowsWithinSixTicks) {
    set_altitude(5000);
    for (double tick = 0; tick < 30; ++tick) {
        set_tick(tick);
        frame();
    }
    ASSERT_EQ(shown(Text::page_value), "FL 050");
    set_altitude(6000);
    int shown_after = -1;
    for (int ticks = 0; ticks <= 12 && shown_after < 0; ++ticks) {
        set_tick(30 + ticks);
        frame();
        if (shown(Text::page_value) == "FL 060") shown_after = ticks;
    }
    EXPECT_GE(shown_after, 0);
    EXPECT_LE(shown_after, 6);
}

}  // namespace
}  // namespace navstack_xpndr_test
