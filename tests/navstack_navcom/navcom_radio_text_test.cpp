// The radio texts: the four BCD frequencies as 1xx.xx MHz and the distance from the NAV
// receiver with one decimal ("----" when it has none), each unit from its own radios, every
// frame.
#include <cmath>
#include <limits>

#include "navcom_panel.h"

namespace navcom_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---------------------------------------------------------------------------------------
// Frequencies.

struct FrequencyCase {
    int64_t digits;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const FrequencyCase& c) {
    return out << "0x" << std::hex << c.digits << std::dec;
}

constexpr FrequencyCase kFrequencyCases[] = {
    {0x0850, "108.50"},
    {0x2345, "123.45"},
    {0x1850, "118.50"},
    {0x3597, "135.97"},
    {0x0000, "100.00"},
    {0x121850, "118.50"},      // only the low four digits count
    {0xabcd, "11011."},        // no decimal digits: "11011.1213", cut to six characters
    {-1, "11515."},            // every digit 15
};

class FrequencyText : public NavcomPanel,
                      public ::testing::WithParamInterface<std::tuple<Unit, FrequencyCase>> {};

TEST_P(FrequencyText, ShowsTheDigitsAsMegahertz) {
    const auto& [unit, c] = GetParam();
    const UnitRadios& r = radios(unit);
    for (uint32_t token : {r.com_active, r.com_standby, r.nav_active, r.nav_standby})
        set_bcd(token, c.digits);
    frame();
    for (Shown shown : {Shown::com_active, Shown::com_standby, Shown::nav_active,
                        Shown::nav_standby}) {
        EXPECT_EQ(text(unit, shown), c.shown) << shown;
        EXPECT_EQ(buffer(unit, shown), c.shown) << shown << ": the text is cut in its buffer";
    }
}

INSTANTIATE_TEST_SUITE_P(BothUnits, FrequencyText,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kFrequencyCases)));

// Both units placed together, each showing its own four radios.
TEST_F(NavcomPanel, EachUnitShowsItsOwnFrequencies) {
    set_bcd(radios(Unit::one).com_active, 0x1800);
    set_bcd(radios(Unit::one).com_standby, 0x1905);
    set_bcd(radios(Unit::one).nav_active, 0x0810);
    set_bcd(radios(Unit::one).nav_standby, 0x0915);
    set_bcd(radios(Unit::two).com_active, 0x2020);
    set_bcd(radios(Unit::two).com_standby, 0x2125);
    set_bcd(radios(Unit::two).nav_active, 0x1030);
    set_bcd(radios(Unit::two).nav_standby, 0x1135);
    frame();
    EXPECT_EQ(text(Unit::one, Shown::com_active), "118.00");
    EXPECT_EQ(text(Unit::one, Shown::com_standby), "119.05");
    EXPECT_EQ(text(Unit::one, Shown::nav_active), "108.10");
    EXPECT_EQ(text(Unit::one, Shown::nav_standby), "109.15");
    EXPECT_EQ(text(Unit::two, Shown::com_active), "120.20");
    EXPECT_EQ(text(Unit::two, Shown::com_standby), "121.25");
    EXPECT_EQ(text(Unit::two, Shown::nav_active), "110.30");
    EXPECT_EQ(text(Unit::two, Shown::nav_standby), "111.35");
}

// ---------------------------------------------------------------------------------------
// NAV distance, taken in single precision.

struct DistanceCase {
    double distance;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const DistanceCase& c) { return out << c.distance; }

constexpr DistanceCase kDistanceCases[] = {
    {-1.0, "----"},
    {-1.00000001, "----"},  // -1.0 in single precision
    {-1.5, "-1.5"},
    {12.34, "12.3"},
    {0.0, "0.0"},
    {0.96, "1.0"},
    {99.95, "99.9"},        // 99.9499969 in single precision
    {123.4, "123."},        // cut to four characters
    {kNaN, "nan"},
    {1e300, "inf"},         // beyond single precision
    {-1e300, "-inf"},
};

class NavDistanceText : public NavcomPanel,
                        public ::testing::WithParamInterface<std::tuple<Unit, DistanceCase>> {};

TEST_P(NavDistanceText, ShowsOneDecimalOrDashesForNoDistance) {
    const auto& [unit, c] = GetParam();
    const Unit other = unit == Unit::one ? Unit::two : Unit::one;
    set(radios(unit).nav_distance, c.distance);
    set(radios(other).nav_distance, 55.5);
    frame();
    EXPECT_EQ(text(unit, Shown::nav_distance), c.shown);
    EXPECT_EQ(buffer(unit, Shown::nav_distance), c.shown);
    EXPECT_EQ(text(other, Shown::nav_distance), "55.5");
}

INSTANTIATE_TEST_SUITE_P(BothUnits, NavDistanceText,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kDistanceCases)));

}  // namespace
}  // namespace navcom_test
