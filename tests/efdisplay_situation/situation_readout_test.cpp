// The readouts: distances, ground speed and time to go, headings, course and wind speed.
#include <cmath>
#include <limits>

#include "situation_panel.h"

namespace efdisplay_test {
namespace {

constexpr double kMetresPerNm = 1.0 / 0.00054;

// ---------------------------------------------------------------------------------------
// Distances: the navigation distance with the navigation source, each bearing distance with
// its bearing source.

struct DistanceCase {
    Part readout;
    int source;
    uint32_t token;  // 0: nothing to set
    double value;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const DistanceCase& c) {
    return out << "element " << static_cast<int>(c.readout) << " from " << source_name(c.source)
               << " with " << c.value;
}

class SituationDistance : public SituationPanel,
                          public ::testing::WithParamInterface<DistanceCase> {};

TEST_P(SituationDistance, ShowsTheDistanceOfItsSource) {
    const DistanceCase& c = GetParam();
    // The other DME and the GPS hold values that must not show.
    set(kDme1Distance, 77.7);
    set(kDme2Distance, 88.8);
    set(kGpsDistance, 66.6 * kMetresPerNm);
    if (c.token != 0) set(c.token, c.value);
    switch (c.readout) {
    case kNavigationDistance: select_navigation(c.source); break;
    case kBearing1Distance: select_bearing1(c.source); break;
    default: select_bearing2(c.source); break;
    }
    frame();
    EXPECT_EQ(text(c.readout), c.shown);
}

DistanceCase on(Part readout, DistanceCase c) {
    c.readout = readout;
    return c;
}

// The cases every distance readout shows alike.
const DistanceCase kSharedDistances[] = {
    {kNavigationDistance, kVor1, kDme1Distance, 12.34, "12.3 NM"},
    {kNavigationDistance, kVor1, kDme1Distance, -1.0, "--.- NM"},
    {kNavigationDistance, kVor1, kDme1Distance, -2.0, "-2.0 NM"},
    {kNavigationDistance, kVor1, kDme1Distance, 3.0, " 3.0 NM"},
    {kNavigationDistance, kVor2, kDme2Distance, 45.67, "45.7 NM"},
    {kNavigationDistance, kVor2, kDme2Distance, -1.0, "--.- NM"},
    {kNavigationDistance, kGps, kGpsDistance, 5.0 * kMetresPerNm, " 5.0 NM"},
    {kNavigationDistance, kGps, kGpsDistance, 99.9 * kMetresPerNm, "99.9 NM"},
    {kNavigationDistance, kGps, kGpsDistance, 100.2 * kMetresPerNm, " 100 NM"},
    {kNavigationDistance, kGps, kGpsDistance, 1234.4 * kMetresPerNm, "1234 NM"},
    // Below 100 before rounding: the one-decimal form, cut to the readout's seven characters.
    {kNavigationDistance, kGps, kGpsDistance, 99.97 * kMetresPerNm, "100.0 N"},
    {kNavigationDistance, kAdf, kAdfBearing, 10.0, "      "},
};

std::vector<DistanceCase> distances_on(Part readout, bool with_off) {
    std::vector<DistanceCase> cases;
    for (const DistanceCase& c : kSharedDistances) cases.push_back(on(readout, c));
    if (with_off) cases.push_back({readout, kOff, 0, 0.0, "      "});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Navigation, SituationDistance,
                         ::testing::ValuesIn(distances_on(kNavigationDistance, false)));
INSTANTIATE_TEST_SUITE_P(Bearing1, SituationDistance,
                         ::testing::ValuesIn(distances_on(kBearing1Distance, true)));
INSTANTIATE_TEST_SUITE_P(Bearing2, SituationDistance,
                         ::testing::ValuesIn(distances_on(kBearing2Distance, true)));

// ---------------------------------------------------------------------------------------
// Ground speed, or time to go to the navigation source.

struct SpeedTimeCase {
    const char* name;
    bool time_to_go;
    int source;
    double distance;  // DME NM or GPS metres, into the source's distance token
    double speed;     // DME kt or GPS m/s
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const SpeedTimeCase& c) { return out << c.name; }

class SituationSpeedTime : public SituationPanel,
                           public ::testing::WithParamInterface<SpeedTimeCase> {};

TEST_P(SituationSpeedTime, ShowsGroundSpeedOrTimeToGo) {
    const SpeedTimeCase& c = GetParam();
    select_navigation(c.source);
    if (!c.time_to_go) {
        set(kGpsGroundSpeed, c.speed);
        frame();
        EXPECT_EQ(text(kSpeedTimeReadout), c.shown);
        return;
    }
    show_time_to_go();
    switch (c.source) {
    case kVor1: set(kDme1Distance, c.distance); set(kDme1Speed, c.speed); break;
    case kVor2: set(kDme2Distance, c.distance); set(kDme2Speed, c.speed); break;
    default: set(kGpsDistance, c.distance); set(kGpsGroundSpeed, c.speed); break;
    }
    frame();
    EXPECT_EQ(text(kSpeedTimeReadout), c.shown);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(
    Cases, SituationSpeedTime,
    ::testing::Values(
        SpeedTimeCase{"gs 51.44 m/s", false, kGps, 0, 51.44, " 99 KT"},
        SpeedTimeCase{"gs 100 m/s", false, kVor1, 0, 100.0, "194 KT"},
        SpeedTimeCase{"gs shown whatever the source", false, kAdf, 0, 10.0, " 19 KT"},
        SpeedTimeCase{"dme1 10 NM at 120 kt", true, kVor1, 10.0, 120.0, "05:00"},
        SpeedTimeCase{"dme1 59:59", true, kVor1, 119.99, 120.0, "59:59"},
        SpeedTimeCase{"dme1 65 minutes blanks", true, kVor1, 130.0, 120.0, "      "},
        SpeedTimeCase{"dme1 no speed blanks", true, kVor1, 10.0, 0.0, "      "},
        SpeedTimeCase{"dme1 no data blanks", true, kVor1, -1.0, 120.0, "      "},
        SpeedTimeCase{"dme2 20 NM at 240 kt", true, kVor2, 20.0, 240.0, "05:00"},
        SpeedTimeCase{"gps 1 h 5 min 30 s drops the hour", true, kGps, 3930.0, 1.0, "05:30"},
        SpeedTimeCase{"gps 90 s", true, kGps, 4500.0, 50.0, "01:30"},
        SpeedTimeCase{"gps no ground speed", true, kGps, 4500.0, 0.0, "00:00"},
        SpeedTimeCase{"gps no number", true, kGps, kNaN, 10.0, "00:00"},
        SpeedTimeCase{"gps beyond 64-bit range", true, kGps, 1e30, 1e-5, "00:00"},
        SpeedTimeCase{"adf blanks", true, kAdf, 10.0, 100.0, "      "}));

TEST_F(SituationPanel, SpeedTimeKnobTogglesBackToGroundSpeed) {
    set(kGpsGroundSpeed, 10.0);
    set(kDme1Distance, 10.0);
    set(kDme1Speed, 120.0);
    show_time_to_go();
    EXPECT_EQ(text(kSpeedTimeReadout), "05:00");
    press(kSpeedTimeKnob);
    frame();
    EXPECT_EQ(text(kSpeedTimeReadout), " 19 KT");
}

// ---------------------------------------------------------------------------------------
// Heading, selected heading, course and wind speed.

struct NumberCase {
    Part readout;
    uint32_t token;
    double value;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const NumberCase& c) {
    return out << "element " << static_cast<int>(c.readout) << " with " << c.value;
}

class SituationNumber : public SituationPanel, public ::testing::WithParamInterface<NumberCase> {
};

TEST_P(SituationNumber, ShowsTheTruncatedValue) {
    set(GetParam().token, GetParam().value);
    frame();
    EXPECT_EQ(text(GetParam().readout), GetParam().shown);
    EXPECT_EQ(part(GetParam().readout, cdu_).text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SituationNumber,
    ::testing::Values(NumberCase{kHeadingReadout, kHeading, 359.7, "359"},
                      NumberCase{kHeadingReadout, kHeading, 7.9, "007"},
                      NumberCase{kSelectedHeadingReadout, kSelectedHeading, 0.0, "000"},
                      NumberCase{kSelectedHeadingReadout, kSelectedHeading, 123.9, "123"},
                      NumberCase{kCourseReadout, kVor1Course, 45.8, "CRS 045"},
                      NumberCase{kWindSpeedReadout, kWindSpeed, 12.7, "13"},
                      NumberCase{kWindSpeedReadout, kWindSpeed, 12.5, "12"},
                      NumberCase{kWindSpeedReadout, kWindSpeed, 5.0, "5 "}));

// The course readout follows the navigation source: VOR 2's course only for VOR 2.
TEST_F(SituationPanel, CourseReadoutShowsTheVor2CourseOnlyForVor2) {
    set(kVor1Course, 90.0);
    set(kVor2Course, 270.0);
    const std::pair<int, const char*> expected[] = {
        {kVor1, "CRS 090"}, {kVor2, "CRS 270"}, {kGps, "CRS 090"}, {kAdf, "CRS 090"}};
    for (const auto& [source, shown] : expected) {
        select_navigation(source);
        EXPECT_EQ(text(kCourseReadout), shown) << source_name(source);
    }
}

TEST_F(SituationPanel, BearingLabelsNameTheirSources) {
    const std::pair<int, const char*> expected[] = {
        {kVor1, "VOR 1"}, {kVor2, "VOR 2"}, {kGps, "GPS  "}, {kAdf, "ADF  "}, {kOff, "    "}};
    for (const auto& [source, shown] : expected) {
        select_bearing1(source);
        select_bearing2(source);
        EXPECT_EQ(text(kBearing1Label), shown) << source_name(source);
        EXPECT_EQ(text(kBearing2Label), shown) << source_name(source);
    }
}

}  // namespace
}  // namespace efdisplay_test
