// The marker strip shows the received beacon (1 O, 2 M, 3 A); TEST steps through the three
// lamps and back to the received beacon, overriding it while it runs.
#include "audpnl_panel.h"

namespace navstack_audpnl_test {
namespace {

struct Received {
    double beacon;
    Marker shown;
};

std::ostream& operator<<(std::ostream& out, const Received& r) {
    return out << "beacon " << r.beacon;
}

class AudpnlMarker : public AudpnlPanel, public ::testing::WithParamInterface<Received> {};

TEST_P(AudpnlMarker, ShowsTheReceivedBeacon) {
    set(kMarkerReceived, GetParam().beacon);
    frame();
    EXPECT_EQ(marker_shown(), GetParam().shown);
}

TEST_P(AudpnlMarker, TestStepsThroughTheLampsAndBack) {
    set(kMarkerReceived, GetParam().beacon);
    frame();
    std::vector<Marker> shown;
    for (int click = 0; click < 8; ++click) {
        press(kTestButton);
        frame();
        shown.push_back(marker_shown());
    }
    const Marker received = GetParam().shown;
    EXPECT_EQ(shown, (std::vector<Marker>{Marker::outer, Marker::middle, Marker::inner, received,
                                          Marker::outer, Marker::middle, Marker::inner, received}));
    EXPECT_TRUE(take_events().empty());
}

INSTANTIATE_TEST_SUITE_P(Beacons, AudpnlMarker,
                         ::testing::Values(Received{0, Marker::none}, Received{1, Marker::outer},
                                           Received{2, Marker::middle}, Received{3, Marker::inner},
                                           Received{4, Marker::none}, Received{-1, Marker::none}));

// While the test runs, a change of the received beacon does not show; once it ends it does.
TEST_F(AudpnlPanel, TheTestOverridesTheReceivedBeacon) {
    set(kMarkerReceived, 1);
    press(kTestButton);
    press(kTestButton);
    frame();
    EXPECT_EQ(marker_shown(), Marker::middle);
    set(kMarkerReceived, 3);
    frame();
    EXPECT_EQ(marker_shown(), Marker::middle);
    press(kTestButton);
    press(kTestButton);
    frame();
    EXPECT_EQ(marker_shown(), Marker::inner);
    set(kMarkerReceived, 0);
    frame();
    EXPECT_EQ(marker_shown(), Marker::none);
}

}  // namespace
}  // namespace navstack_audpnl_test
