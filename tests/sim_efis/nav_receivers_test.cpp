// The NAV receivers and the ADF as the aircraft flies: bearings, flags and deviations.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "efis_fixture.h"

namespace efis_test {
namespace {

// NAV 1 starts on the VOR at 113.40, NAV 2 on the airport's localizer at 110.30.
constexpr int32_t kVor = 0x1340;
constexpr int32_t kLocalizer = 0x1030;
constexpr int32_t kNoStation = 0x0800;  // 108.00: no station on the map

TEST(Receivers, StartOnAVorAndAFarLocalizer) {
    Aircraft a;
    ASSERT_EQ(a.store.integer(kNav1Active), kVor);
    ASSERT_EQ(a.store.integer(kNav2Active), kLocalizer);
    a.run_frames(1);
    EXPECT_EQ(a.flags(kVor1Flags) & (kLocalizerBit | kGlideslopeBit), 0);
    // Tens of miles out, the localizer is received but not yet its glideslope.
    EXPECT_EQ(a.flags(kVor2Flags) & (kLocalizerBit | kGlideslopeBit), kLocalizerBit);
    EXPECT_EQ(a.number(kVor2Glideslope), 0.0);
}

struct BearingCase {
    const char* name;
    uint32_t relative_bearing;
};

constexpr BearingCase kBearings[] = {
    {"Vor1", kVor1Bearing}, {"Vor2", kVor2Bearing}, {"Adf", kAdfBearing}};

class RelativeBearing : public ::testing::TestWithParam<BearingCase> {};

TEST_P(RelativeBearing, MovesAsTheAircraftFliesPastAndStaysWithinTheCircle) {
    Aircraft a;
    a.store.set_number(kHeadingMode, 0.0);  // a constant heading
    a.run_frames(1);
    const double start = a.number(GetParam().relative_bearing);
    double previous = start;
    int changes = 0;
    for (int second = 0; second < 600; ++second) {
        a.run_seconds(1);
        const double now = a.number(GetParam().relative_bearing);
        ASSERT_GE(now, 0.0);
        ASSERT_LT(now, 360.0);
        if (now != previous) ++changes;
        // A station miles away moves smoothly across the nose.
        ASSERT_LT(std::abs(angle_between(previous, now)), 10.0);
        previous = now;
    }
    EXPECT_EQ(changes, 600);
    EXPECT_GT(std::abs(angle_between(start, previous)), 5.0);
}

TEST_P(RelativeBearing, TurnsAgainstTheHeadingWhileTheStationStaysPut) {
    const uint32_t token = GetParam().relative_bearing;
    Aircraft a;
    a.run_frames(1);
    const double relative_before = a.number(token);
    const double compass_before = a.station_bearing(token);
    a.send(kSetHeading, 150);
    a.run_seconds(25);
    ASSERT_NEAR(a.number(kHeading), 150.0, 0.05);
    // 25 s of flight move the station's compass bearing a few degrees at most; the relative
    // bearing takes the 60 degree turn the other way on top of that.
    const double station_moved = angle_between(compass_before, a.station_bearing(token));
    EXPECT_LT(std::abs(station_moved), 8.0);
    EXPECT_NEAR(angle_between(relative_before, a.number(token)), station_moved - 60.0, 0.1);
}

INSTANTIATE_TEST_SUITE_P(Stations, RelativeBearing, ::testing::ValuesIn(kBearings));

struct DeviationCase {
    const char* name;
    double course_offset;  // selected course minus the bearing to the station, degrees
    double expected_units;
};

// Positive deviation: the aircraft lies left of the selected course. Full scale +-127 units
// at 10 degrees.
constexpr DeviationCase kDeviations[] = {
    {"OnCourseToTheStation", 0.0, 0.0},   {"CourseFiveRight", 5.0, -63.5},
    {"CourseFiveLeft", -5.0, 63.5},       {"CourseTwoRight", 2.0, -25.4},
    {"CourseFarRightPegs", 40.0, -127.0}, {"CourseFarLeftPegs", -60.0, 127.0},
    {"OnTheReciprocalFrom", 180.0, 0.0},  {"FromSideFiveRight", 185.0, 63.5},
    {"FromSideFiveLeft", 175.0, -63.5},
};

class VorDeviation : public ::testing::TestWithParam<DeviationCase> {};

TEST_P(VorDeviation, MeasuresTheSelectedCourseAgainstTheBearingToTheStation) {
    const DeviationCase& c = GetParam();
    Aircraft a;
    a.run_frames(1);
    const double bearing = a.station_bearing(kVor1Bearing);
    const double course = std::fmod(std::round(bearing + c.course_offset) + 720.0, 360.0);
    a.send(kSetVor1Course, static_cast<int32_t>(course));
    a.run_frames(1);
    // The course is whole degrees: expect the units for the offset actually set. Toward the
    // station the aircraft is left of the course when the course lies left of the bearing; on
    // the far side it is the reciprocal that counts.
    const double offset = angle_between(a.station_bearing(kVor1Bearing), course);
    const bool from_side = std::abs(c.course_offset) > 90.0;
    const double off_degrees = from_side ? angle_between(180.0, offset) : -offset;
    const double expected = std::clamp(off_degrees / 10.0 * 127.0, -127.0, 127.0);
    EXPECT_NEAR(a.number(kVor1Deviation), expected, 0.5);
    EXPECT_NEAR(a.number(kVor1Deviation), c.expected_units, 7.0);
}

INSTANTIATE_TEST_SUITE_P(Courses, VorDeviation, ::testing::ValuesIn(kDeviations));

struct TuningCase {
    const char* name;
    int32_t word;
    int flags;
};

constexpr TuningCase kTunings[] = {
    {"Vor", kVor, 0},
    {"Localizer", kLocalizer, kLocalizerBit},
    {"NoStation", kNoStation, 0},
};

class Nav1Tuning : public ::testing::TestWithParam<TuningCase> {};

TEST_P(Nav1Tuning, SetsTheFlagsFromTheNextFrame) {
    Aircraft a;
    a.tune_nav1(GetParam().word);
    ASSERT_EQ(a.store.integer(kNav1Active), GetParam().word);
    a.run_frames(1);
    EXPECT_EQ(a.flags(kVor1Flags) & (kLocalizerBit | kGlideslopeBit), GetParam().flags);
}

INSTANTIATE_TEST_SUITE_P(Frequencies, Nav1Tuning, ::testing::ValuesIn(kTunings));

TEST(Nav1Tuning, WithoutAStationTheReceiverIsCentredAndStill) {
    Aircraft a;
    a.send(kSetVor1Course, 200);  // far off: full scale while on the VOR
    a.run_frames(1);
    ASSERT_NE(a.number(kVor1Deviation), 0.0);
    a.tune_nav1(kNoStation);
    a.run_seconds(10);
    EXPECT_EQ(a.number(kVor1Deviation), 0.0);
    EXPECT_EQ(a.number(kVor1Glideslope), 0.0);
    EXPECT_EQ(a.number(kVor1Bearing), 0.0);
}

TEST(Nav1Tuning, ALocalizerIgnoresTheSelectedCourse) {
    Aircraft a;
    a.tune_nav1(kLocalizer);
    a.run_frames(1);
    const double deviation = a.number(kVor1Deviation);
    a.send(kSetVor1Course, 123);
    a.run_frames(1);
    EXPECT_NEAR(a.number(kVor1Deviation), deviation, 0.5);
    // The localizer's own deviation agrees with the second receiver on the same station.
    EXPECT_NEAR(a.number(kVor1Deviation), a.number(kVor2Deviation), 1e-9);
}

// Flies the flight plan until the localizer's glideslope comes in, at most two hours.
bool fly_to_the_glideslope(Aircraft& a) {
    for (int second = 0; second < 7200; ++second) {
        a.run_seconds(1);
        if (a.flags(kVor2Flags) & kGlideslopeBit) return true;
    }
    return false;
}

TEST(Approach, TheGlideslopeComesInInFrontOfTheLocalizerAndMeasuresTheHeight) {
    Aircraft a;
    ASSERT_TRUE(fly_to_the_glideslope(a));
    EXPECT_NE(a.flags(kVor2Flags) & kLocalizerBit, 0);
    // At 8500 ft and some 15 miles out the aircraft is far above the path: full fly-down.
    EXPECT_NEAR(a.number(kVor2Glideslope), 127.0, 1e-9);

    struct Height {
        const char* name;
        double degrees;  // the angle above the airport the aircraft is put at
        double expected_units;
    };
    constexpr Height kHeights[] = {{"OnThePath", 3.0, 0.0},
                                   {"HalfScaleHigh", 3.35, 63.5},
                                   {"HalfScaleLow", 2.65, -63.5},
                                   {"FarBelow", 1.0, -127.0}};
    for (const Height& h : kHeights) {
        SCOPED_TRACE(h.name);
        // The DME of the localizer gives the distance to the airport.
        const double distance_ft = a.number(kDme2Distance) * kFeetPerNm;
        const double height_ft = distance_ft * std::tan(h.degrees * M_PI / 180.0);
        a.store.set_number(kAltitude, kGroundElevationFt + height_ft);
        a.run_frames(1);
        ASSERT_NE(a.flags(kVor2Flags) & kGlideslopeBit, 0);
        EXPECT_NEAR(a.number(kVor2Glideslope), h.expected_units, 6.0);
    }
}

TEST(Approach, OnTheFinalLegTheLocalizerIsCentred) {
    Aircraft a;
    ASSERT_TRUE(fly_to_the_glideslope(a));
    // The flight plan's final leg runs along the localizer course; the GPS has the aircraft on
    // it by now.
    a.run_seconds(60);
    ASSERT_NE(a.flags(kVor2Flags) & kLocalizerBit, 0);
    EXPECT_LT(std::abs(a.number(kVor2Deviation)), 3.0);
}

}  // namespace
}  // namespace efis_test
