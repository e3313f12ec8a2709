// The radio stack as the host draws it, compared with reviewed goldens: the GPS/NAV/COM units
// in cruise (frequencies, NAV distance, the GPS page, the deviation bar, the course source
// after a CDI press) and at the edges of their readouts, the transponder's code and pages,
// the audio panel's lamps and marker strip, and each of them under an electrical failure.
// Each case sets the simulator's tokens, runs frames with the tick count past the refresh
// throttle, clicks the controls it names and draws.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "golden_files.h"
#include "picture_compare.h"
#include "radio_snapshot.h"

namespace golden {
namespace {

constexpr uint32_t kTick = 0x01;
constexpr uint32_t kElectricalFailure = 0x14;

// Two frames far enough apart in ticks that every throttled text is rebuilt in the second.
constexpr double kFirstTick = 100;
constexpr double kRefreshedTick = 1000;

struct Spot {
    int x;
    int y;
};

// --- GPS/NAV/COM units ---------------------------------------------------------------------

struct UnitRadios {
    uint32_t com_active;
    uint32_t com_standby;
    uint32_t nav_active;
    uint32_t nav_standby;
    uint32_t nav_distance;
};
constexpr UnitRadios kUnit1{0x17, 0x269, 0x18, 0x368, 0x1f};
constexpr UnitRadios kUnit2{0x366, 0x367, 0x1b, 0x369, 0x23};

// The one GPS both units show (metres, radians, degrees, m/s) and its course source.
constexpr uint32_t kGroundSpeed = 0x340;
constexpr uint32_t kTrack = 0x342;
constexpr uint32_t kGpsDistance = 0x343;
constexpr uint32_t kBearing = 0x344;
constexpr uint32_t kCrossTrack = 0x345;
constexpr uint32_t kWaypoint = 0x347;
constexpr uint32_t kDesiredTrack = 0x34f;
constexpr uint32_t kCourseSource = 0x350;  // 1.0 while the GPS drives the course
constexpr uint32_t kToggleCourseSource = 0x10347;
constexpr Spot kCdiButton{146, 192};

struct Frequencies {
    int64_t com_active;
    int64_t com_standby;
    int64_t nav_active;
    int64_t nav_standby;
};

struct GpsPage {
    double ground_speed;
    double track;
    double distance;
    double bearing;
    double cross_track;
    const char* waypoint;
    double desired_track;
};

void tune(RadioSnapshot& unit, const UnitRadios& radios, const Frequencies& f,
          double nav_distance) {
    unit.set_integer(radios.com_active, f.com_active);
    unit.set_integer(radios.com_standby, f.com_standby);
    unit.set_integer(radios.nav_active, f.nav_active);
    unit.set_integer(radios.nav_standby, f.nav_standby);
    unit.set(radios.nav_distance, nav_distance);
}

void show_gps(RadioSnapshot& unit, const GpsPage& page) {
    unit.set(kGroundSpeed, page.ground_speed);
    unit.set(kTrack, page.track);
    unit.set(kGpsDistance, page.distance);
    unit.set(kBearing, page.bearing);
    unit.set(kCrossTrack, page.cross_track);
    unit.set_text(kWaypoint, page.waypoint);
    unit.set(kDesiredTrack, page.desired_track);
}

// A frame, a CDI press that the simulator answers by giving the course to the GPS, and a
// frame a whole refresh period later.
void press_cdi_and_refresh(RadioSnapshot& unit) {
    unit.answer({kToggleCourseSource, kCourseSource, 1.0});
    unit.set(kTick, kFirstTick);
    unit.frame();
    unit.click(kCdiButton.x, kCdiButton.y);
    unit.set(kTick, kRefreshedTick);
    unit.frame();
}

constexpr GpsPage kCruisePage{72.0, 1.2, 45000.0, 1.25, 2778.0, "KSEA", 68.0};

void navcom1_cruise(RadioSnapshot& unit) {
    tune(unit, kUnit1, {0x2345, 0x1850, 0x1370, 0x0850}, 12.34);
    show_gps(unit, kCruisePage);
    press_cdi_and_refresh(unit);
}

void navcom1_failed(RadioSnapshot& unit) {
    navcom1_cruise(unit);
    unit.fail(kElectricalFailure);
    unit.frame();
}

void navcom2_edges(RadioSnapshot& unit) {
    tune(unit, kUnit2, {0x2190, 0x1975, 0x0890, 0x1165}, -1.0);
    GpsPage page = kCruisePage;
    page.ground_speed = 0.0;
    page.cross_track = -20000.0;
    page.waypoint = "PORTLAND";
    show_gps(unit, page);
    unit.set(kTick, kFirstTick);
    unit.frame();
    unit.set(kTick, kRefreshedTick);
    unit.frame();
}

// --- Transponder ---------------------------------------------------------------------------

constexpr uint32_t kSquawk = 0x26;            // BCD
constexpr uint32_t kPressureAltitude = 0x4a;  // feet
constexpr Spot kFuncButton{432, 33};
constexpr Spot kDigit6{306, 103};
constexpr Spot kDigit2{119, 103};

void xpndr_level(RadioSnapshot& xpndr) {
    xpndr.set_integer(kSquawk, 0x4521);
    xpndr.set(kPressureAltitude, 4550.0);
    xpndr.set(kTick, kFirstTick);
    xpndr.frame();
    xpndr.set(kTick, kRefreshedTick);
    xpndr.frame();
}

void xpndr_entry_on_flight_time(RadioSnapshot& xpndr) {
    xpndr_level(xpndr);
    for (const Spot& key : {kFuncButton, kDigit6, kDigit2}) {
        xpndr.click(key.x, key.y);
        xpndr.frame();
    }
    xpndr.set(kTick, 2 * kRefreshedTick);
    xpndr.frame();
}

void xpndr_failed(RadioSnapshot& xpndr) {
    xpndr_level(xpndr);
    xpndr.fail(kElectricalFailure);
    xpndr.frame();
}

// --- Audio panel ---------------------------------------------------------------------------

constexpr uint32_t kCom1Selected = 0x36a;
constexpr uint32_t kComSplit = 0x36c;
constexpr uint32_t kMarkerAudio = 0x371;
constexpr uint32_t kMarkerReceived = 0x162;  // 1 outer, 2 middle, 3 inner
constexpr Spot kNav1Button{278, 28};
constexpr Spot kAdfButton{402, 28};
constexpr Spot kTestButton{466, 23};

void audpnl_dark(RadioSnapshot& audpnl) { audpnl.frame(); }

void audpnl_listening(RadioSnapshot& audpnl) {
    audpnl.set(kCom1Selected, 1.0);
    audpnl.set(kMarkerAudio, 1.0);
    audpnl.set(kMarkerReceived, 1.0);
    for (const Spot& button : {kNav1Button, kAdfButton}) audpnl.click(button.x, button.y);
    audpnl.frame();
}

// The third TEST press lights the inner marker's lamp, A.
void audpnl_split_testing(RadioSnapshot& audpnl) {
    audpnl.set(kComSplit, 1.0);
    for (int press = 0; press < 3; ++press) {
        audpnl.click(kTestButton.x, kTestButton.y);
        audpnl.frame();
    }
}

void audpnl_failed(RadioSnapshot& audpnl) {
    audpnl_listening(audpnl);
    audpnl.fail(kElectricalFailure);
    audpnl.frame();
}

// --- Cases ---------------------------------------------------------------------------------

struct NavstackCase {
    const char* name;   // also the golden's name
    const char* gauge;
    const char* shows;  // what the reviewed picture shows
    void (*prepare)(RadioSnapshot&);
    // The case whose picture this one must match: a failure that blanks every lamp looks
    // like the panel with none lit. Empty when the picture must differ from every other
    // picture of its gauge.
    const char* same_as = "";
};

void PrintTo(const NavstackCase& c, std::ostream* out) { *out << c.name; }

const NavstackCase kCases[] = {
    {"navcom1_cruise", "navcom1",
     "COM 123.45 active / 118.50 standby, NAV 113.70 / 108.50, NAV distance 12.3, label GPS, "
     "GS 139, TRK 068, BRG 071, DTK 068, DIS 24.3, ETE 10:25, waypoint KSEA, and the "
     "deviation bar off centre",
     navcom1_cruise},
    {"navcom1_failed", "navcom1",
     "failure 0x14 in cruise: no text and no deviation bar, the face as ever", navcom1_failed},
    {"navcom2_edges", "navcom2",
     "COM 121.90 / 119.75, NAV 108.90 / 111.65, NAV distance ----, label NAV, GS 0, ETE 00:00, "
     "the waypoint PORTLAND cut to PORTL inside its box, the deviation bar at its stop",
     navcom2_edges},
    {"xpndr_flight_level", "xpndr", "code 4521, PRESSURE ALT page at FL 046, mode ALT",
     xpndr_level},
    {"xpndr_entry_on_flight_time", "xpndr",
     "an entry of 6 then 2 in progress over code 4521 (6200), on the FLIGHT TIME page at 00:00:00",
     xpndr_entry_on_flight_time},
    {"xpndr_failed", "xpndr", "failure 0x14: the display empty, the face as ever", xpndr_failed},
    {"audpnl_dark", "audpnl", "no lamp lit, the marker strip dark", audpnl_dark},
    {"audpnl_listening", "audpnl",
     "COM1, MKR MUTE, NAV1 and ADF lit, the outer marker's lamp O lit", audpnl_listening},
    {"audpnl_split_testing", "audpnl",
     "COM 1/2 lit alone with COM1 and COM2 dark, the marker test on the inner lamp A",
     audpnl_split_testing},
    {"audpnl_failed", "audpnl",
     "failure 0x14 over the listening state: every lamp and the marker strip dark, as on the "
     "dark panel",
     audpnl_failed, "audpnl_dark"},
};

Picture draw_case(const NavstackCase& navstack_case) {
    RadioSnapshot gauge("navstack", navstack_case.gauge);
    EXPECT_TRUE(gauge.placed()) << gauge.error();
    if (!gauge.placed()) return nullptr;
    navstack_case.prepare(gauge);
    return gauge.draw();
}

class NavstackGolden : public ::testing::TestWithParam<NavstackCase> {};

TEST_P(NavstackGolden, MatchesTheReviewedPicture) {
    const NavstackCase& navstack_case = GetParam();
    const Picture drawn = draw_case(navstack_case);
    ASSERT_TRUE(drawn);
    const GoldenResult result = check_golden(navstack_case.name, drawn.get());
    if (result.outcome == Outcome::written || result.outcome == Outcome::kept)
        GTEST_SKIP() << result.message;
    EXPECT_EQ(result.outcome, Outcome::matched)
        << "expected: " << navstack_case.shows << "\n" << result.message;
}

INSTANTIATE_TEST_SUITE_P(Navstack, NavstackGolden, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Two states of one gauge that the tolerance could not tell apart would let a wrong text or
// lamp pass; a state that must look like another must match it.
TEST(NavstackGoldenCases, EachStateOfAGaugeLooksDifferentFromItsOthers) {
    std::vector<Picture> drawn;
    for (const NavstackCase& navstack_case : kCases) {
        drawn.push_back(draw_case(navstack_case));
        ASSERT_TRUE(drawn.back()) << navstack_case.name;
    }
    for (size_t a = 0; a < drawn.size(); ++a) {
        for (size_t b = a + 1; b < drawn.size(); ++b) {
            if (std::string(kCases[a].gauge) != kCases[b].gauge) continue;
            const Comparison comparison = compare_pictures(drawn[a].get(), drawn[b].get());
            const bool alike = std::string(kCases[a].same_as) == kCases[b].name ||
                               std::string(kCases[b].same_as) == kCases[a].name;
            EXPECT_EQ(comparison.matches(), alike)
                << kCases[a].name << " and " << kCases[b].name
                << (alike ? " should look alike: " : " pass for each other: ")
                << describe(comparison);
        }
    }
}

// The CDI press reaches the simulator: without it the cruise golden could not show GPS.
TEST(NavstackGoldenCases, TheCdiPressAsksTheSimulatorForTheGps) {
    RadioSnapshot unit("navstack", "navcom1");
    ASSERT_TRUE(unit.placed()) << unit.error();
    navcom1_cruise(unit);
    EXPECT_EQ(unit.key_events(), std::vector<uint32_t>{kToggleCourseSource});
}

}  // namespace
}  // namespace golden
