// The DIR knob's centre sets the selected VOR course to the bearing towards the navigation
// source.
#include "qp48_panel.h"

#include <cmath>
#include <limits>

namespace efdisplay_qp48_test {
namespace {

struct CourseDirect {
    const char* name;
    int nav_clicks;   // from source 1: 0 VOR 1, 1 VOR 2, 2 GPS, 3 ADF
    uint32_t bearing_token;
    double bearing;
    double heading;   // made the last refreshed heading by a heading sync first
    Sent expected;
};

std::ostream& operator<<(std::ostream& out, const CourseDirect& c) { return out << c.name; }

class Qp48CourseDirect : public Qp48Panel, public ::testing::WithParamInterface<CourseDirect> {};

TEST_P(Qp48CourseDirect, SendsTheCourseTowardsTheSource) {
    const CourseDirect& c = GetParam();
    set(kHeading, c.heading);
    press(kSyncCentre);
    take_events();
    press_times(kNavButton, c.nav_clicks);
    set(c.bearing_token, c.bearing);
    press(kDirCentre);
    EXPECT_EQ(take_events(), (Events{c.expected}));
}

INSTANTIATE_TEST_SUITE_P(
    Sources, Qp48CourseDirect,
    ::testing::Values(
        CourseDirect{"Vor1WrapsAbove360", 0, kVor1Bearing, 350.2, 20.0, {kSetVor1Course, 11}},
        CourseDirect{"Vor1AddsOneDegree", 0, kVor1Bearing, 45.0, 10.0, {kSetVor1Course, 56}},
        CourseDirect{"Vor1Sum360StaysAt360", 0, kVor1Bearing, 300.0, 59.0, {kSetVor1Course, 360}},
        CourseDirect{"Vor1SumJustBelow361", 0, kVor1Bearing, 300.0, 59.9, {kSetVor1Course, 360}},
        CourseDirect{"Vor1Sum361WrapsTo1", 0, kVor1Bearing, 300.0, 60.0, {kSetVor1Course, 1}},
        CourseDirect{"Vor1NegativeSumCountsAsAbove360", 0, kVor1Bearing, -100.0, 0.0,
                     {kSetVor1Course, -459}},
        CourseDirect{"Vor2SetsTheVor2Course", 1, kVor2Bearing, 350.2, 20.0, {kSetVor2Course, 11}},
        CourseDirect{"Vor2Sum360StaysAt360", 1, kVor2Bearing, 180.0, 179.0,
                     {kSetVor2Course, 360}},
        CourseDirect{"GpsFullCircleWrapsTo0", 2, kGpsBearing, 6.2832, 20.0, {kSetVor1Course, 0}},
        CourseDirect{"GpsIgnoresTheHeading", 2, kGpsBearing, 6.2, 20.0, {kSetVor1Course, 355}},
        CourseDirect{"GpsJustBelow360", 2, kGpsBearing, 6.283, 0.0, {kSetVor1Course, 359}},
        CourseDirect{"AdfAddsNoDegree", 3, kAdfBearing, 100.0, 20.0, {kSetVor1Course, 120}},
        CourseDirect{"AdfSum360StaysAt360", 3, kAdfBearing, 340.0, 20.0, {kSetVor1Course, 360}},
        CourseDirect{"AdfWrapsAbove360", 3, kAdfBearing, 350.0, 20.5, {kSetVor1Course, 10}},
        CourseDirect{"AfterAFullNavCycleVor1Again", 4, kVor1Bearing, 90.0, 0.0,
                     {kSetVor1Course, 91}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Qp48Panel, CourseDirectUsesHeadingZeroBeforeAnyRefresh) {
    set(kHeading, 200.0);
    set(kVor1Bearing, 30.0);
    press(kDirCentre);
    EXPECT_EQ(take_events(), (Events{{kSetVor1Course, 31}}));
}

TEST_F(Qp48Panel, CourseDirectUsesTheHeadingOfTheLastSync) {
    set(kHeading, 20.0);
    press(kSyncCentre);
    set(kHeading, 90.0);
    set(kVor1Bearing, 30.0);
    take_events();
    press(kDirCentre);
    EXPECT_EQ(take_events(), (Events{{kSetVor1Course, 51}}));
}

TEST_F(Qp48Panel, CourseDirectReadsTheBearingAtTheClick) {
    set(kVor1Bearing, 30.0);
    press(kDirCentre);
    set(kVor1Bearing, 40.0);
    press(kDirCentre);
    EXPECT_EQ(take_events(), (Events{{kSetVor1Course, 31}, {kSetVor1Course, 41}}));
}

TEST_F(Qp48Panel, CourseDirectSurvivesWildValues) {
    set(kVor1Bearing, std::numeric_limits<double>::quiet_NaN());
    press(kDirCentre);
    press_times(kNavButton, 2);
    set(kGpsBearing, 1e300);
    press(kDirCentre);
    const Events sent = take_events();
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0], (Sent{kSetVor1Course, 0})) << "NaN becomes 0";
    EXPECT_EQ(sent[1].id, kSetVor1Course);
}

}  // namespace
}  // namespace efdisplay_qp48_test
