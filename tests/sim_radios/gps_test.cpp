// The GPS: the active leg at start, how distance, bearing, track and cross-track error change
// as the aircraft flies, and the flight plan's waypoints becoming active in turn.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "radio_fixture.h"

namespace radio_test {
namespace {

constexpr double kPi = 3.14159265358979323846;

double ground_speed_kt(const Aircraft& a) { return a.number(kGroundSpeed) * kKnotsPerMps; }

// How the panel shows an angle token in radians: whole degrees, truncated.
unsigned shown_degrees(double radians) {
    return static_cast<unsigned>(radians * kDegreesPerRadian);
}

// The values of one frame must fit together as a GPS's do.
void expect_consistent_gps(const Aircraft& a) {
    for (uint32_t token :
         {kGroundSpeed, kTrack, kDistance, kBearing, kCrossTrack, kBearingDegrees, kDesiredTrack})
        ASSERT_TRUE(std::isfinite(a.number(token))) << std::hex << token;
    EXPECT_FALSE(a.waypoint().empty());
    EXPECT_LE(a.waypoint().size(), 5u);
    EXPECT_GE(a.number(kDistance), 0.0);
    for (uint32_t token : {kTrack, kBearing}) {
        EXPECT_GE(a.number(token), 0.0) << std::hex << token;
        EXPECT_LT(a.number(token), 2.0 * kPi) << std::hex << token;
        EXPECT_LT(shown_degrees(a.number(token)), 360u) << std::hex << token;
    }
    for (uint32_t token : {kDesiredTrack, kBearingDegrees}) {
        EXPECT_GE(a.number(token), 0.0) << std::hex << token;
        EXPECT_LT(a.number(token), 360.0) << std::hex << token;
    }
    // Bearing in degrees and in radians name the same direction.
    EXPECT_NEAR(a.number(kBearingDegrees), a.number(kBearing) * 180.0 / kPi, 1e-4);
    // The waypoint lies on the leg, so its offset across the desired track seen from the
    // aircraft is the cross-track error: positive when the aircraft is left of the leg and the
    // waypoint lies right of the desired track.
    const double off_track = (a.number(kBearingDegrees) - a.number(kDesiredTrack)) * kPi / 180.0;
    EXPECT_NEAR(a.distance_nm() * std::sin(off_track), a.cross_track_nm(), 1e-6);
}

TEST(GpsAtStart, FliesALegWithItsValuesInThePanelsUnits) {
    Aircraft a;
    expect_consistent_gps(a);
    EXPECT_GT(a.distance_nm(), 5.0);
    EXPECT_LT(a.distance_nm(), 100.0);
    EXPECT_GT(ground_speed_kt(a), 120.0);
    EXPECT_LT(ground_speed_kt(a), 250.0);
    // Off the leg, steering back toward it.
    EXPECT_NE(a.cross_track_nm(), 0.0);
    EXPECT_LT(std::abs(a.cross_track_nm()), 5.0);
    const double track_off_desired =
        std::remainder(a.number(kTrack) * 180.0 / kPi - a.number(kDesiredTrack), 360.0);
    EXPECT_GT(track_off_desired * a.cross_track_nm(), 0.0)
        << "the track should turn toward the leg: right when left of it";
}

TEST(GpsInFlight, DistanceFallsAtTheGroundSpeed) {
    Aircraft a;
    a.run_seconds(300);  // long enough to be established on the leg
    ASSERT_EQ(a.cross_track_nm(), 0.0);
    const std::string waypoint = a.waypoint();
    const double before_nm = a.distance_nm();
    a.run_seconds(60);
    ASSERT_EQ(a.waypoint(), waypoint);
    EXPECT_NEAR(before_nm - a.distance_nm(), ground_speed_kt(a) / 60.0, 1e-3);
    // The time to go, as the panel works it out, falls by the minute flown.
    EXPECT_NEAR(
        before_nm / ground_speed_kt(a) * 3600.0 - a.number(kDistance) / a.number(kGroundSpeed),
        60.0, 0.1);
}

TEST(GpsInFlight, CrossTrackErrorDiesAwayAndTrackAndBearingTurnToTheDesiredTrack) {
    Aircraft a;
    const double desired = a.number(kDesiredTrack);
    double previous_off = std::abs(a.cross_track_nm());
    const double bearing_at_start = a.number(kBearing);
    const double track_at_start = a.number(kTrack);
    for (int second = 1; second <= 300; ++second) {
        a.run_seconds(1);
        SCOPED_TRACE(second);
        expect_consistent_gps(a);
        ASSERT_EQ(a.number(kDesiredTrack), desired);
        const double off = std::abs(a.cross_track_nm());
        EXPECT_LE(off, previous_off);
        previous_off = off;
    }
    EXPECT_EQ(a.cross_track_nm(), 0.0);
    EXPECT_NE(a.number(kBearing), bearing_at_start);
    EXPECT_NE(a.number(kTrack), track_at_start);
    // On the leg the panel shows the same whole degree for track, bearing and desired track.
    const unsigned shown_desired = static_cast<unsigned>(desired);
    EXPECT_EQ(shown_degrees(a.number(kTrack)), shown_desired);
    EXPECT_EQ(shown_degrees(a.number(kBearing)), shown_desired);
}

TEST(GpsInFlight, TheNextWaypointBecomesActiveWhenTheAircraftGetsThere) {
    Aircraft a;
    const std::string first = a.waypoint();
    const double desired = a.number(kDesiredTrack);
    const double one_frame_nm = ground_speed_kt(a) / 3600.0 / panel_sim::kFramesPerSecond;
    double last_distance_nm = a.distance_nm();
    const int two_hours = 2 * 3600 * panel_sim::kFramesPerSecond;
    int frame = 0;
    for (; frame < two_hours && a.waypoint() == first; ++frame) {
        last_distance_nm = a.distance_nm();
        a.run_frames(1);
    }
    ASSERT_NE(a.waypoint(), first) << "no new waypoint within two hours";
    // It got to within a frame's flight of the waypoint, then the new leg began there.
    EXPECT_LE(last_distance_nm, one_frame_nm + 1e-9);
    EXPECT_GT(a.distance_nm(), 1.0);
    EXPECT_NE(a.number(kDesiredTrack), desired);
    EXPECT_LT(std::abs(a.cross_track_nm()), one_frame_nm);
    expect_consistent_gps(a);
}

TEST(GpsInFlight, FliesTheWholeFlightPlanAndStartsItAgain) {
    Aircraft a;
    std::vector<std::string> activated{a.waypoint()};
    std::vector<int> frames_active{0};
    int frames_on_a_leg = 0;
    const int two_hours = 2 * 3600 * panel_sim::kFramesPerSecond;
    for (int frame = 0; frame < two_hours; ++frame) {
        a.run_frames(1);
        if (a.waypoint() != activated.back()) {
            activated.push_back(a.waypoint());
            frames_active.push_back(0);
        }
        ++frames_active.back();
        if (frame % 100 == 0) expect_consistent_gps(a);
        // Along a leg the panel shows the desired track's whole degree for track and bearing.
        if (a.cross_track_nm() == 0.0) {
            ++frames_on_a_leg;
            const unsigned desired = static_cast<unsigned>(a.number(kDesiredTrack));
            EXPECT_EQ(shown_degrees(a.number(kTrack)), desired) << a.waypoint();
            EXPECT_EQ(shown_degrees(a.number(kBearing)), desired) << a.waypoint();
            EXPECT_EQ(static_cast<unsigned>(a.number(kBearingDegrees)), desired) << a.waypoint();
        }
        if (::testing::Test::HasFailure()) return;
    }
    EXPECT_GT(frames_on_a_leg, two_hours / 2);
    // The plan comes round again: its waypoints keep their order.
    ASSERT_GE(activated.size(), 8u);
    size_t plan_length = 1;
    while (plan_length < activated.size() && activated[plan_length] != activated[0]) ++plan_length;
    ASSERT_LT(plan_length, activated.size()) << "the first waypoint never came back";
    EXPECT_GE(plan_length, 3u);
    for (size_t i = plan_length; i < activated.size(); ++i)
        EXPECT_EQ(activated[i], activated[i - plan_length]) << i;
    // Every leg takes minutes to fly, none a single frame.
    for (size_t i = 1; i + 1 < frames_active.size(); ++i)
        EXPECT_GT(frames_active[i], 60 * panel_sim::kFramesPerSecond) << activated[i];
}

TEST(GpsInFlight, KeepsItsOwnStateWhateverIsWrittenIntoItsTokens) {
    Aircraft a;
    Aircraft untouched;
    for (uint32_t token :
         {kGroundSpeed, kTrack, kDistance, kBearing, kCrossTrack, kBearingDegrees, kDesiredTrack})
        a.store.set_number(token, std::numeric_limits<double>::quiet_NaN());
    a.store.set_text(kWaypoint, "XXXXX");
    a.run_frames(1);
    untouched.run_frames(1);
    for (uint32_t token :
         {kGroundSpeed, kTrack, kDistance, kBearing, kCrossTrack, kBearingDegrees, kDesiredTrack})
        EXPECT_EQ(a.number(token), untouched.number(token)) << std::hex << token;
    EXPECT_EQ(a.waypoint(), untouched.waypoint());
}

}  // namespace
}  // namespace radio_test
