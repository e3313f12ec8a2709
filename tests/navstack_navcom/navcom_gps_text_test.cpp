// The GPS fields (the simulator's one GPS, the same on both units): distance, desired track,
// bearing, ground speed, track, waypoint, time en route, and the deviation bar.
#include <cmath>
#include <limits>
#include <string>

#include "navcom_panel.h"

namespace navcom_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kPi = 3.14159265358979;

// ---------------------------------------------------------------------------------------
// Fields of one number each.

struct FieldCase {
    Shown shown;
    uint32_t token;
    double value;
    const char* text;
};

std::ostream& operator<<(std::ostream& out, const FieldCase& c) {
    return out << c.shown << " " << c.value;
}

constexpr FieldCase kFieldCases[] = {
    // Nautical miles, one decimal below 100.
    {Shown::gps_distance, kGpsDistance, 185200, " 100"},
    {Shown::gps_distance, kGpsDistance, 9260, " 5.0"},
    {Shown::gps_distance, kGpsDistance, 0, " 0.0"},
    {Shown::gps_distance, kGpsDistance, 184000, "99.4"},
    {Shown::gps_distance, kGpsDistance, 185000, "99.9"},
    {Shown::gps_distance, kGpsDistance, 1852000, "1000"},
    {Shown::gps_distance, kGpsDistance, 1e300, "5400"},  // cut to four characters
    // Degrees, truncated, three digits.
    {Shown::desired_track, kDesiredTrack, 5.9, "005"},
    {Shown::desired_track, kDesiredTrack, 359.99, "359"},
    {Shown::desired_track, kDesiredTrack, 0, "000"},
    {Shown::desired_track, kDesiredTrack, kNaN, "000"},
    {Shown::bearing, kBearing, 1.0, "057"},
    {Shown::bearing, kBearing, kPi, "180"},
    {Shown::bearing, kBearing, 6.2, "355"},
    {Shown::track, kTrack, 1.2, "068"},
    {Shown::track, kTrack, 0.0174, "000"},
    {Shown::track, kTrack, 0.0175, "001"},
    // Knots, truncated, three places.
    {Shown::ground_speed, kGroundSpeed, 50, " 97"},
    {Shown::ground_speed, kGroundSpeed, 0, "  0"},
    {Shown::ground_speed, kGroundSpeed, 100, "194"},
    {Shown::ground_speed, kGroundSpeed, 600, "116"},  // 1166, cut to three characters
};

class GpsField : public NavcomPanel,
                 public ::testing::WithParamInterface<std::tuple<Unit, FieldCase>> {};

TEST_P(GpsField, ShowsTheConvertedValue) {
    const auto& [unit, c] = GetParam();
    set(c.token, c.value);
    frame();
    EXPECT_EQ(text(unit, c.shown), c.text);
    EXPECT_EQ(buffer(unit, c.shown), c.text);
}

INSTANTIATE_TEST_SUITE_P(BothUnits, GpsField,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kFieldCases)));

// ---------------------------------------------------------------------------------------
// The waypoint identifier, a text of the host's.

struct WaypointCase {
    std::string identifier;
    std::string shown;
};

std::ostream& operator<<(std::ostream& out, const WaypointCase& c) {
    return out << '"' << c.identifier << '"';
}

const WaypointCase kWaypointCases[] = {
    {"KSEA", "KSEA"},
    {"SEA", "SEA"},
    {"", ""},
    {"ABCDEFGH", "ABCDE"},
    {std::string(300, 'W'), "WWWWW"},  // far beyond the text buffer
};

class WaypointText : public NavcomPanel,
                     public ::testing::WithParamInterface<std::tuple<Unit, WaypointCase>> {};

TEST_P(WaypointText, ShowsTheIdentifierCutToFiveCharacters) {
    const auto& [unit, c] = GetParam();
    set_text(kWaypoint, c.identifier);
    frame();
    EXPECT_EQ(text(unit, Shown::waypoint), c.shown);
    EXPECT_EQ(buffer(unit, Shown::waypoint), c.shown);
}

INSTANTIATE_TEST_SUITE_P(BothUnits, WaypointText,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kWaypointCases)));

// ---------------------------------------------------------------------------------------
// Time en route: distance over ground speed, as minutes and seconds of the hour.

struct EteCase {
    double metres;
    double metres_per_second;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const EteCase& c) {
    return out << c.metres << " m at " << c.metres_per_second << " m/s";
}

constexpr EteCase kEteCases[] = {
    {5000, 50, "01:40"},
    {200000, 50, "06:40"},        // 4000 s: the whole hour dropped
    {196500, 50, "05:30"},        // 1 h 5 min 30 s
    {5000, 0, "00:00"},
    {59, 1, "00:59"},
    {3599, 1, "59:59"},
    {3600, 1, "00:00"},
    {100, 0.3, "05:33"},          // 333.3 s, truncated
    {0, 50, "00:00"},
    {5000, -50, "00:00"},         // a negative time is no count of seconds
    {-5000, 50, "00:00"},
    {kNaN, 50, "00:00"},
    {kInfinity, 50, "00:00"},
    {1e12, 0.001, "00:00"},       // beyond the unsigned 32-bit range
    {3e9, 1, "20:00"},            // above the signed range, still counted exactly
    {4294967295.0, 1, "28:15"},   // the last count of seconds
    {4294967296.0, 1, "00:00"},   // one past it
};

class EteText : public NavcomPanel,
                public ::testing::WithParamInterface<std::tuple<Unit, EteCase>> {};

TEST_P(EteText, ShowsMinutesAndSecondsOfTheHour) {
    const auto& [unit, c] = GetParam();
    set(kGpsDistance, c.metres);
    set(kGroundSpeed, c.metres_per_second);
    frame();
    EXPECT_EQ(text(unit, Shown::ete), c.shown);
}

INSTANTIATE_TEST_SUITE_P(BothUnits, EteText,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kEteCases)));

// ---------------------------------------------------------------------------------------
// Deviation bar: 17.6 pixels per nautical mile off the leg, five miles at most either way.

struct DeviationCase {
    double metres;
    double pixels;
};

std::ostream& operator<<(std::ostream& out, const DeviationCase& c) {
    return out << c.metres << " m";
}

constexpr DeviationCase kDeviationCases[] = {
    {0, 0},
    {2778, 26.402},        // 1.5 NM right
    {-2778, -26.402},
    {9000, 85.536},        // 4.86 NM
    {9260, 88},            // just beyond five miles
    {20000, 88},
    {-20000, -88},
    {kInfinity, 88},
    {-kInfinity, -88},
};

class DeviationBar : public NavcomPanel,
                     public ::testing::WithParamInterface<std::tuple<Unit, DeviationCase>> {};

TEST_P(DeviationBar, MovesAlongXByTheCrossTrackDeviation) {
    const auto& [unit, c] = GetParam();
    set(kCrossTrack, c.metres);
    frame();
    EXPECT_NEAR(element(unit, Shown::deviation_bar).slider_x, c.pixels, 0.001);
    EXPECT_EQ(element(unit, Shown::deviation_bar).slider_y, 0.0);
}

INSTANTIATE_TEST_SUITE_P(BothUnits, DeviationBar,
                         ::testing::Combine(::testing::ValuesIn(kBothUnits),
                                            ::testing::ValuesIn(kDeviationCases)));

// ---------------------------------------------------------------------------------------

TEST_F(NavcomPanel, BothUnitsShowTheSameGps) {
    set(kGpsDistance, 46300);
    set(kGroundSpeed, 61.7);
    set(kTrack, 0.5);
    set(kBearing, 0.6);
    set(kDesiredTrack, 31);
    set(kCrossTrack, -1000);
    set_text(kWaypoint, "OLM");
    frame();
    for (Shown shown : {Shown::ete, Shown::track, Shown::ground_speed, Shown::bearing,
                        Shown::desired_track, Shown::gps_distance, Shown::waypoint})
        EXPECT_EQ(text(Unit::one, shown), text(Unit::two, shown)) << shown;
    EXPECT_EQ(text(Unit::one, Shown::gps_distance), "25.0");
    EXPECT_EQ(text(Unit::one, Shown::waypoint), "OLM");
    EXPECT_EQ(element(Unit::one, Shown::deviation_bar).slider_x,
              element(Unit::two, Shown::deviation_bar).slider_x);
    EXPECT_LT(element(Unit::one, Shown::deviation_bar).slider_x, 0.0);
}

}  // namespace
}  // namespace navcom_test
