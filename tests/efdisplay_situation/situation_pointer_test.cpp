// The moving parts: compass card, course pointer and deviation bar, bearing pointers, heading
// bug, glideslope, wind arrow and the navigation source annunciator.
#include "situation_panel.h"

namespace efdisplay_test {
namespace {

constexpr double kMetresPerNm = 1.0 / 0.00054;

TEST_F(SituationPanel, CompassCardTurnsAgainstTheHeading) {
    set(kHeading, 30.0);
    frame();
    EXPECT_DOUBLE_EQ(part(kCompassCard).value, -30.0);
}

// The course pointer and the deviation bar turn by the course of the navigation source less
// the heading, the bar in the sprite's counterclockwise sense.
struct CourseCase {
    int source;
    double heading;
    double pointer;
};

std::ostream& operator<<(std::ostream& out, const CourseCase& c) {
    return out << source_name(c.source) << " at heading " << c.heading;
}

class SituationCourse : public SituationPanel, public ::testing::WithParamInterface<CourseCase> {
};

TEST_P(SituationCourse, PointerAndBarTurnTogether) {
    set(kVor1Course, 90.0);
    set(kVor2Course, 200.0);
    set(kHeading, GetParam().heading);
    select_navigation(GetParam().source);
    EXPECT_DOUBLE_EQ(part(kCoursePointer).value, GetParam().pointer);
    EXPECT_DOUBLE_EQ(part(kDeviationBar).sprite_rotation, -GetParam().pointer);
}

INSTANTIATE_TEST_SUITE_P(Cases, SituationCourse,
                         ::testing::Values(CourseCase{kVor1, 30.0, 60.5},
                                           CourseCase{kVor1, 90.0, 0.5},
                                           CourseCase{kVor2, 30.0, 170.5},
                                           CourseCase{kGps, 100.0, -9.5},
                                           CourseCase{kAdf, 0.0, 90.5}));

struct DeviationCase {
    int source;
    uint32_t token;
    double value;
    double bar_offset;  // pixels along the bar's axis
};

std::ostream& operator<<(std::ostream& out, const DeviationCase& c) {
    return out << source_name(c.source) << " " << c.value;
}

class SituationDeviation : public SituationPanel,
                           public ::testing::WithParamInterface<DeviationCase> {};

TEST_P(SituationDeviation, ShiftsTheBarAcrossThePointer) {
    // Every deviation source holds a value; only the selected one may move the bar.
    set(kVor1Deviation, 33.0);
    set(kVor2Deviation, -44.0);
    set(kGpsCrossTrack, 3000.0);
    set(GetParam().token, GetParam().value);
    select_navigation(GetParam().source);
    EXPECT_DOUBLE_EQ(part(kDeviationBar).sprite_x, GetParam().bar_offset);
    EXPECT_DOUBLE_EQ(part(kDeviationBar, cdu_).sprite_x, GetParam().bar_offset);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SituationDeviation,
    ::testing::Values(DeviationCase{kVor1, kVor1Deviation, 20.0, -8.0},
                      DeviationCase{kVor2, kVor2Deviation, -50.0, 20.0},
                      // 12 km is 6.48 NM, held at 5 NM: 127 units.
                      DeviationCase{kGps, kGpsCrossTrack, 12000.0, -50.8},
                      DeviationCase{kGps, kGpsCrossTrack, -12000.0, 50.8},
                      // 1 km is 0.54 NM: 13.716 units, truncated to 13.
                      DeviationCase{kGps, kGpsCrossTrack, 1000.0, -5.2},
                      DeviationCase{kGps, kGpsCrossTrack, 5.0 * kMetresPerNm * 0.999, -50.4},
                      DeviationCase{kAdf, kAdfBearing, 45.0, 0.0}));

struct BearingCase {
    int source;
    uint32_t token;
    double value;
    double heading;
    double pointer;
};

std::ostream& operator<<(std::ostream& out, const BearingCase& c) {
    return out << source_name(c.source) << " " << c.value;
}

class SituationBearing : public SituationPanel,
                         public ::testing::WithParamInterface<BearingCase> {};

TEST_P(SituationBearing, PointsBothPointersAtTheirSources) {
    const BearingCase& c = GetParam();
    set(kVor1Bearing, 11.0);
    set(kVor2Bearing, 22.0);
    set(kAdfBearing, 33.0);
    set(kGpsBearing, 44.0);
    set(kHeading, c.heading);
    set(c.token, c.value);
    select_bearing1(c.source);
    select_bearing2(c.source);
    for (Part pointer : {kBearing1Pointer, kBearing2Pointer}) {
        SCOPED_TRACE(pointer == kBearing1Pointer ? "pointer 1" : "pointer 2");
        EXPECT_FALSE(part(pointer).hidden);
        EXPECT_TRUE(part(pointer).drawn);
        EXPECT_DOUBLE_EQ(part(pointer).value, c.pointer);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SituationBearing,
    ::testing::Values(BearingCase{kVor1, kVor1Bearing, 100.0, 0.0, 10.0},
                      BearingCase{kVor2, kVor2Bearing, 45.0, 0.0, -45.0},
                      // The GPS bearing is a compass bearing: the heading comes off it.
                      BearingCase{kGps, kGpsBearing, 90.0, 30.0, -29.5},
                      BearingCase{kAdf, kAdfBearing, 270.0, 30.0, 180.0}));

TEST_F(SituationPanel, BearingPointersHideWhenSwitchedOffAgain) {
    select_bearing1(kAdf);
    select_bearing2(kVor2);
    EXPECT_FALSE(part(kBearing1Pointer).hidden);
    EXPECT_FALSE(part(kBearing2Pointer).hidden);
    select_bearing1(kOff);
    EXPECT_TRUE(part(kBearing1Pointer).hidden);
    EXPECT_FALSE(part(kBearing1Pointer).drawn);
    EXPECT_FALSE(part(kBearing2Pointer).hidden);
    EXPECT_EQ(text(kBearing1Distance), "      ");
}

TEST_F(SituationPanel, HeadingBugStandsAtTheTopOnTheHeading) {
    set(kHeading, 30.0);
    set(kSelectedHeading, 30.0);
    frame();
    EXPECT_DOUBLE_EQ(part(kHeadingBug).value, -89.5);
    set(kSelectedHeading, 120.0);
    frame();
    EXPECT_DOUBLE_EQ(part(kHeadingBug).value, 0.5);
}

struct WindCase {
    double heading;
    double wind_from;
    double arrow;
};

std::ostream& operator<<(std::ostream& out, const WindCase& c) {
    return out << "wind " << c.wind_from << " heading " << c.heading;
}

class SituationWind : public SituationPanel, public ::testing::WithParamInterface<WindCase> {};

TEST_P(SituationWind, ArrowTurnsWithTheWindRelativeToTheNose) {
    set(kHeading, GetParam().heading);
    set(kWindDirection, GetParam().wind_from);
    frame();
    EXPECT_DOUBLE_EQ(part(kWindArrow).value, GetParam().arrow);
}

INSTANTIATE_TEST_SUITE_P(Cases, SituationWind,
                         ::testing::Values(WindCase{350.0, 10.0, 110.0},
                                           WindCase{0.0, 90.0, 179.0},
                                           WindCase{90.0, 0.0, 0.0},  // truncate(-0.5) is 0: no wrap
                                           WindCase{91.0, 0.0, 359.0},
                                           WindCase{0.0, 0.0, 89.0}));

struct GlideslopeCase {
    const char* name;
    int source;
    int32_t vor1_flags;
    int32_t vor2_flags;
    bool shown;
    double pointer_offset;  // pixels down
};

std::ostream& operator<<(std::ostream& out, const GlideslopeCase& c) { return out << c.name; }

class SituationGlideslope : public SituationPanel,
                            public ::testing::WithParamInterface<GlideslopeCase> {};

TEST_P(SituationGlideslope, ScaleAndPointerShowOnlyWithAGlideslope) {
    const GlideslopeCase& c = GetParam();
    set(kVor1Flags, c.vor1_flags);
    set(kVor2Flags, c.vor2_flags);
    set(kVor1Glideslope, 10.0);
    set(kVor2Glideslope, -20.0);
    select_navigation(c.source);
    EXPECT_EQ(part(kGlideslopeScale).icon_case, c.shown ? 0 : -1);
    EXPECT_EQ(part(kGlideslopePointer).hidden, !c.shown);
    if (c.shown) {
        EXPECT_DOUBLE_EQ(part(kGlideslopePointer).slider_y, c.pointer_offset);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SituationGlideslope,
    ::testing::Values(
        GlideslopeCase{"vor1 with glideslope", kVor1, kGlideslopeBit, 0, true, 6.0},
        GlideslopeCase{"vor1 with localizer only", kVor1, kLocalizerBit, kGlideslopeBit, false, 0},
        GlideslopeCase{"vor2 with glideslope", kVor2, 0, kGlideslopeBit | kLocalizerBit, true,
                       -12.0},
        GlideslopeCase{"vor2 without", kVor2, kGlideslopeBit, 0, false, 0},
        GlideslopeCase{"gps", kGps, kGlideslopeBit, kGlideslopeBit, false, 0},
        GlideslopeCase{"adf", kAdf, kGlideslopeBit, kGlideslopeBit, false, 0}));

TEST_F(SituationPanel, GlideslopePointerHidesWhenTheGlideslopeIsLost) {
    set(kVor1Flags, kGlideslopeBit);
    frame();
    EXPECT_FALSE(part(kGlideslopePointer).hidden);
    set(kVor1Flags, 0);
    frame();
    EXPECT_TRUE(part(kGlideslopePointer).hidden);
    EXPECT_FALSE(part(kGlideslopePointer).drawn);
}

struct AnnunciatorCase {
    int source;
    int32_t vor1_flags;
    int32_t vor2_flags;
    int picture;
};

std::ostream& operator<<(std::ostream& out, const AnnunciatorCase& c) {
    return out << source_name(c.source) << " flags " << c.vor1_flags << "/" << c.vor2_flags;
}

class SituationAnnunciator : public SituationPanel,
                             public ::testing::WithParamInterface<AnnunciatorCase> {};

TEST_P(SituationAnnunciator, NamesTheNavigationSource) {
    set(kVor1Flags, GetParam().vor1_flags);
    set(kVor2Flags, GetParam().vor2_flags);
    select_navigation(GetParam().source);
    EXPECT_EQ(part(kAnnunciator).icon_case, GetParam().picture);
    EXPECT_EQ(part(kAnnunciator, cdu_).icon_case, GetParam().picture);
}

INSTANTIATE_TEST_SUITE_P(Cases, SituationAnnunciator,
                         ::testing::Values(AnnunciatorCase{kVor1, 0, kLocalizerBit, 0},
                                           AnnunciatorCase{kVor1, kLocalizerBit, 0, 1},
                                           AnnunciatorCase{kVor2, kLocalizerBit, 0, 2},
                                           AnnunciatorCase{kVor2, 0, kLocalizerBit, 3},
                                           AnnunciatorCase{kGps, kLocalizerBit, 0, 4},
                                           AnnunciatorCase{kAdf, kLocalizerBit, 0, 5}));

TEST_F(SituationPanel, AdfSourceCentresTheBarAndBlanksDistanceAndTime) {
    set(kVor1Course, 123.0);
    set(kVor1Deviation, 40.0);
    set(kVor1Flags, kGlideslopeBit);
    set(kDme1Distance, 10.0);
    set(kDme1Speed, 120.0);
    show_time_to_go();
    select_navigation(kAdf);
    EXPECT_DOUBLE_EQ(part(kDeviationBar).sprite_x, 0.0);
    EXPECT_EQ(text(kCourseReadout), "CRS 123");
    EXPECT_EQ(text(kNavigationDistance), "      ");
    EXPECT_EQ(text(kSpeedTimeReadout), "      ");
    EXPECT_EQ(part(kGlideslopeScale).icon_case, -1);
    EXPECT_TRUE(part(kGlideslopePointer).hidden);
}

}  // namespace
}  // namespace efdisplay_test
