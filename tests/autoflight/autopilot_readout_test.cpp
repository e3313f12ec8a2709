// The vertical-speed readout: hundreds of feet per minute, a positive remainder of 50 or
// more rounding up, a negative one never rounding.
#include <cmath>
#include <limits>

#include "autopilot_panel.h"

namespace autoflight_test {
namespace {

struct ReadoutCase {
    double feet_per_minute;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const ReadoutCase& c) {
    return out << c.feet_per_minute << " fpm";
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

class AutopilotReadout : public AutopilotPanel,
                         public ::testing::WithParamInterface<ReadoutCase> {};

TEST_P(AutopilotReadout, ShowsHundredsOfFeetPerMinute) {
    set_vertical_speed_fpm(GetParam().feet_per_minute);
    frame();
    EXPECT_EQ(readout().text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Rounding, AutopilotReadout,
    ::testing::Values(ReadoutCase{0, "+0"}, ReadoutCase{-160, "-1"}, ReadoutCase{160, "+2"},
                      ReadoutCase{-250, "-2"}, ReadoutCase{-199, "-1"}, ReadoutCase{149, "+1"},
                      ReadoutCase{150, "+2"}, ReadoutCase{49, "+0"}, ReadoutCase{50, "+1"},
                      ReadoutCase{-99, "+0"}, ReadoutCase{-100, "-1"}, ReadoutCase{1549, "+15"},
                      ReadoutCase{-900, "-9"}, ReadoutCase{1234.9, "+12"},
                      ReadoutCase{9999, "+10"}, ReadoutCase{-9999, "-99"}));

// Values no aircraft reaches still give a defined text: held at the ends of the integer
// range (shown cut to three characters), and no number at all reads as zero.
INSTANTIATE_TEST_SUITE_P(
    OutOfRange, AutopilotReadout,
    ::testing::Values(ReadoutCase{1e12, "+21"}, ReadoutCase{-1e12, "-21"},
                      ReadoutCase{kInfinity, "+21"}, ReadoutCase{-kInfinity, "-21"},
                      ReadoutCase{kNaN, "+0"}));

TEST_F(AutopilotPanel, ReadoutShowsPlusZeroFromMinus99ToPlus49) {
    for (int fpm = -99; fpm <= 49; ++fpm) {
        set_vertical_speed_fpm(fpm);
        frame();
        EXPECT_EQ(readout().text, "+0") << fpm << " fpm";
    }
}

TEST_F(AutopilotPanel, ReadoutHoldsTheWholeTextOfTheLargestValue) {
    set_vertical_speed_fpm(1e12);
    frame();
    const auto* text = reinterpret_cast<const panel_abi::TextString*>(readout().element);
    ASSERT_NE(text->buffer, nullptr);
    EXPECT_STREQ(text->buffer, "+21474836");
}

TEST_F(AutopilotPanel, ReadoutFollowsTheVerticalSpeedEveryFrameWhateverTheMaster) {
    set_vertical_speed_fpm(520);
    frame();
    EXPECT_EQ(readout().text, "+5");

    set(kMaster, 1);
    set_vertical_speed_fpm(-730);
    frame();
    EXPECT_EQ(readout().text, "-7");
}

}  // namespace
}  // namespace autoflight_test
