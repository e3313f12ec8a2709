// The DME of each NAV receiver and the marker beacon receiver, as the aircraft flies.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "radio_fixture.h"

namespace radio_test {
namespace {

// A frequency with no DME station: 108.00 MHz, the band's lowest channel.
constexpr int32_t kNoStation = 0x0800;
constexpr double kFeetPerNm = 3.2808 / kNmPerMetre;

struct ReceiverCase {
    const char* name;
    uint32_t set_standby;
    uint32_t swap;
    uint32_t active;
    uint32_t distance;
    uint32_t speed;
};

constexpr ReceiverCase kReceivers[] = {
    {"Nav1", kSetNav1, kSwapNav1, kNav1Active, kDme1Distance, kDme1Speed},
    {"Nav2", kSetNav2, kSwapNav2, kNav2Active, kDme2Distance, kDme2Speed},
};

class Dme : public ::testing::TestWithParam<ReceiverCase> {};

TEST_P(Dme, FollowsTheAircraftWhileTheActiveFrequencyHasAStation) {
    const ReceiverCase& r = GetParam();
    Aircraft a;
    ASSERT_GT(a.number(r.distance), 0.0) << "the radios start tuned to a DME station";
    const double ground_speed_kt = a.number(kGroundSpeed) * kKnotsPerMps;
    for (int second = 0; second < 120; ++second) {
        SCOPED_TRACE(second);
        const double before = a.number(r.distance);
        a.run_seconds(1);
        const double after = a.number(r.distance);
        EXPECT_NE(after, before);
        // The speed is how fast the distance changes (the slant distance changes a little
        // slower than the distance over the ground).
        const double speed = a.number(r.speed);
        EXPECT_GE(speed, 0.0);
        EXPECT_LE(speed, ground_speed_kt + 1e-9);
        EXPECT_NEAR(std::abs(after - before) * 3600.0, speed, 0.05 * ground_speed_kt);
    }
}

TEST_P(Dme, ShowsNoDistanceOnAFrequencyWithoutAStationFromTheNextFrame) {
    const ReceiverCase& r = GetParam();
    Aircraft a;
    Aircraft stays_tuned;
    const int32_t station = a.word(r.active);
    a.send(r.set_standby, kNoStation);
    a.send(r.swap);
    ASSERT_EQ(a.word(r.active), kNoStation);
    a.run_frames(1);
    stays_tuned.run_frames(1);
    EXPECT_EQ(a.number(r.distance), -1.0);
    EXPECT_EQ(a.number(r.speed), 0.0);
    a.run_seconds(10);
    EXPECT_EQ(a.number(r.distance), -1.0);

    // Back on the station, it reads what a receiver that never left it reads.
    a.send(r.swap);
    ASSERT_EQ(a.word(r.active), station);
    a.run_frames(1);
    stays_tuned.run_seconds(10);
    stays_tuned.run_frames(1);
    EXPECT_EQ(a.number(r.distance), stays_tuned.number(r.distance));
    EXPECT_EQ(a.number(r.speed), stays_tuned.number(r.speed));
}

TEST_P(Dme, IsTheSlantDistanceFromTheAircraftsAltitude) {
    const ReceiverCase& r = GetParam();
    Aircraft low;
    Aircraft high;
    low.store.set_number(kAltitude, 2000.0);
    high.store.set_number(kAltitude, 20000.0);
    low.run_frames(1);
    high.run_frames(1);
    ASSERT_EQ(low.number(kAltitude), 2000.0);
    ASSERT_EQ(high.number(kAltitude), 20000.0);
    EXPECT_GT(high.number(r.distance), low.number(r.distance));
    // Over the same ground: the same distance across once the height is taken out.
    const auto across = [&](const Aircraft& a) {
        const double height_nm = a.number(kAltitude) / kFeetPerNm;
        return std::sqrt(a.number(r.distance) * a.number(r.distance) - height_nm * height_nm);
    };
    EXPECT_NEAR(across(high), across(low), 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Receivers, Dme, ::testing::ValuesIn(kReceivers),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DmeReceivers, BothOnOneStationReadTheSame) {
    Aircraft a;
    a.send(kSetNav2, a.word(kNav1Active));
    a.send(kSwapNav2);
    a.run_seconds(5);
    EXPECT_GT(a.number(kDme1Distance), 0.0);
    EXPECT_EQ(a.number(kDme2Distance), a.number(kDme1Distance));
    EXPECT_EQ(a.number(kDme2Speed), a.number(kDme1Speed));
}

struct MarkerPassage {
    int state;
    int frames;
    double distance_to_waypoint_nm;
};

TEST(MarkerBeacons, LightOuterMiddleInnerInTurnNearTheEndOfTheApproachLeg) {
    Aircraft a;
    EXPECT_EQ(a.number(kMarkerBeacon), 0.0);
    std::vector<MarkerPassage> passages;
    int quiet_frames = 0;
    const int ninety_minutes = 90 * 60 * panel_sim::kFramesPerSecond;
    for (int frame = 0; frame < ninety_minutes; ++frame) {
        a.run_frames(1);
        const double state = a.number(kMarkerBeacon);
        ASSERT_TRUE(state == 0.0 || state == 1.0 || state == 2.0 || state == 3.0) << state;
        if (state == 0.0) {
            ++quiet_frames;
            continue;
        }
        if (passages.empty() || passages.back().state != state || quiet_frames > 0)
            passages.push_back({static_cast<int>(state), 0, a.distance_nm()});
        ++passages.back().frames;
        quiet_frames = 0;
    }
    // Once round the flight plan: outer, middle, inner, each heard for a few seconds, all
    // within the last few miles before a waypoint, in that order of nearness.
    ASSERT_EQ(passages.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(passages[i].state, i + 1);
        EXPECT_GE(passages[i].frames, 1 * panel_sim::kFramesPerSecond);
        EXPECT_LE(passages[i].frames, 60 * panel_sim::kFramesPerSecond);
        EXPECT_LT(passages[i].distance_to_waypoint_nm, 6.0);
        if (i > 0) {
            EXPECT_LT(passages[i].distance_to_waypoint_nm, passages[i - 1].distance_to_waypoint_nm);
        }
    }
    EXPECT_GT(quiet_frames, 0);
}

}  // namespace
}  // namespace radio_test
