// The EFIS displays as the host draws them, compared with reviewed goldens: the situation
// display with each navigation source and both bearing pointers, the attitude display banked
// and pitched under the command bars with the radio altitude and a marker, the display control
// panel, and the situation display's card blanked by failure 5 beside the bezel display whose
// card stays. The selections are made as on the panel: with the buttons of the display
// control panel placed beside the display.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "display_snapshot.h"
#include "golden_files.h"
#include "picture_compare.h"

namespace golden {
namespace {

// Simulator tokens the displays read (degrees, NM and knots unless said otherwise).
constexpr uint32_t kPitchCompared = 0x4d;
constexpr uint32_t kPitchSphere = 0x4e;
constexpr uint32_t kBankScale = 0x4f;
constexpr uint32_t kBank = 0x50;
constexpr uint32_t kHeading = 0x51;
constexpr uint32_t kSelectedHeading = 0x6b;
constexpr uint32_t kDme1Distance = 0x1f;
constexpr uint32_t kDme2Distance = 0x23;
constexpr uint32_t kAdfBearing = 0x27;  // from the nose
constexpr uint32_t kVor1Deviation = 0x28;
constexpr uint32_t kVor1Glideslope = 0x29;
constexpr uint32_t kVor1Course = 0x2d;
constexpr uint32_t kVor1Flags = 0x2e;
constexpr uint32_t kVor2Deviation = 0x32;
constexpr uint32_t kVor2Course = 0x36;
constexpr uint32_t kVor2Flags = 0x37;
constexpr uint32_t kVor2Bearing = 0x3b;  // from the nose
constexpr uint32_t kVor1Bearing = 0x226;  // from the nose
constexpr uint32_t kWindSpeed = 0x157;
constexpr uint32_t kWindDirection = 0x158;
constexpr uint32_t kMarker = 0x162;  // 1 outer, 2 middle, 3 inner
constexpr uint32_t kRadioAltitude = 0x266;  // metres
constexpr uint32_t kDirectorOn = 0x318;
constexpr uint32_t kDirectorPitch = 0x319;
constexpr uint32_t kDirectorBank = 0x31a;
constexpr uint32_t kGpsGroundSpeed = 0x340;  // metres per second
constexpr uint32_t kGpsDistance = 0x343;     // metres
constexpr uint32_t kGpsCrossTrack = 0x345;   // metres
constexpr uint32_t kGpsBearing = 0x34e;      // compass bearing

constexpr double kGlideslopeAndLocalizer = 0x40 | 0x80;
constexpr uint32_t kCardFailure = 5;

// Controls of the display control panel, in gauge pixels.
struct Spot {
    int x;
    int y;
};
constexpr Spot kNavButton{229, 54};           // navigation source: VOR 1, VOR 2, GPS, ADF
constexpr Spot kSingleArrowButton{135, 100};  // bearing pointer 1: off, VOR 1, VOR 2, GPS, ADF
constexpr Spot kDoubleArrowButton{182, 100};  // bearing pointer 2, likewise
constexpr Spot kTstRefKnob{253, 19};          // ground speed or time to go

// Depths of the situation display's bearing pointers in its chain.
constexpr int kBearing1Pointer = 4;
constexpr int kBearing2Pointer = 5;

struct TokenValue {
    uint32_t token;
    double value;
};

// The gauges of one case on one host: what is drawn, and the control panel that selects.
struct Displays {
    DisplaySnapshot snapshot{"efdisplay"};
    std::vector<panel_host::InstanceId> drawn;
    panel_host::InstanceId control_panel = panel_host::kNoInstance;
};

// What the case does to its displays: the clicks on the control panel that select sources
// (from VOR 1 and both bearing pointers off, as the module starts), then the tokens.
struct Selections {
    int nav_clicks = 0;
    int bearing1_clicks = 0;
    int bearing2_clicks = 0;
    bool time_to_go = false;
};

struct EfdisplayCase {
    const char* name;   // also the golden's name
    const char* shows;  // what the reviewed picture shows
    std::vector<const char*> gauges;  // drawn left to right
    std::vector<TokenValue> tokens;
    Selections selections;
    uint32_t failure = 0;
    bool bearing_pointers_shown = false;  // on the situation display, the first gauge
};

void PrintTo(const EfdisplayCase& c, std::ostream* out) { *out << c.name; }

// A situation display in cruise: heading 060, heading bug on 090, wind from 300 at 15 kt.
std::vector<TokenValue> cruise(std::vector<TokenValue> more) {
    std::vector<TokenValue> tokens{{kHeading, 60.0},      {kSelectedHeading, 90.0},
                                   {kWindDirection, 300.0}, {kWindSpeed, 15.0},
                                   {kVor1Course, 85.0},    {kVor2Course, 200.0},
                                   {kVor1Bearing, 340.0},   {kVor2Bearing, -70.0},
                                   {kAdfBearing, 300.0},   {kGpsBearing, 120.0}};
    tokens.insert(tokens.end(), more.begin(), more.end());
    return tokens;
}

const EfdisplayCase kCases[] = {
    {"ehsi_vor1_localizer", "heading 060 with the bug on 090, VOR 1 on a localizer with "
     "glideslope: LOC 1 annunciated, CRS 085, the course pointer 25 degrees right of the "
     "lubber line, the deviation bar in its gap one dot right of it, the glideslope pointer "
     "below centre, 12.3 NM, 0 KT, bearing pointer 1 (single) on VOR 2 at 70 degrees left with "
     "0.0 NM, pointer 2 (double) on the ADF at 60 degrees left with no distance",
     {"qd42ehsi"},
     cruise({{kVor1Flags, kGlideslopeAndLocalizer}, {kVor1Deviation, -60.0},
             {kVor1Glideslope, 60.0}, {kDme1Distance, 12.34}}),
     {.nav_clicks = 0, .bearing1_clicks = 2, .bearing2_clicks = 4}, 0, true},
    {"ehsi_vor2", "VOR 2: VOR 2 annunciated, CRS 200, the course pointer 140 degrees right, "
     "the deviation bar in its gap 20 pixels to the pointer's left, no glideslope scale, "
     "45.7 NM, bearing pointer 1 on VOR 1 at 20 degrees left, pointer 2 on the GPS at 60 "
     "degrees right",
     {"qd42ehsi"},
     cruise({{kVor2Flags, 0.0}, {kVor2Deviation, 50.0}, {kDme2Distance, 45.67}}),
     {.nav_clicks = 1, .bearing1_clicks = 1, .bearing2_clicks = 3}, 0, true},
    {"ehsi_gps_time_to_go", "GPS: GPS annunciated, CRS 085, the deviation bar in the "
     "pointer's gap 16 pixels to its left for 1.6 NM of cross track, 2.4 NM, time to go 01:30 "
     "in place of the ground speed, bearing pointer 1 on the GPS at 60 degrees right with "
     "2.4 NM, pointer 2 on VOR 2 at 70 degrees left",
     {"qd42ehsi"},
     cruise({{kGpsDistance, 4500.0}, {kGpsGroundSpeed, 50.0}, {kGpsCrossTrack, 3000.0}}),
     {.nav_clicks = 2, .bearing1_clicks = 3, .bearing2_clicks = 2, .time_to_go = true}, 0,
     true},
    {"ehsi_adf", "ADF: ADF annunciated, CRS 085, the deviation bar centred in the course "
     "pointer's gap, no navigation distance, 0 KT, bearing pointer 1 on the ADF at 60 degrees "
     "left with no distance, pointer 2 on VOR 1 at 20 degrees left",
     {"qd42ehsi"},
     cruise({}),
     {.nav_clicks = 3, .bearing1_clicks = 4, .bearing2_clicks = 1}, 0, true},
    {"eadi_director_banked", "the sphere seen through the circle of its window, moved 20 "
     "pixels down for pitch 5 and turned 20 degrees clockwise for bank 20, the window's corners, "
     "aircraft symbol and sky pointer fixed, the bank scale turned 20 degrees clockwise, the "
     "green command bars over the sphere 5 pixels low for a 6 degree pitch error and turned 10 "
     "degrees counterclockwise for a 10 degree bank error, RA 328, the middle marker M lit",
     {"qd42eadi"},
     {{kPitchSphere, 5.0}, {kPitchCompared, 5.0}, {kBank, 20.0}, {kBankScale, 20.0},
      {kDirectorOn, 1.0}, {kDirectorPitch, 11.0}, {kDirectorBank, 30.0},
      {kRadioAltitude, 100.0}, {kMarker, 2.0}},
     {}},
    {"qp48_panel", "the display control panel: HSI, ARC, NAV, RING up and down, 1-2, the "
     "single and double arrow buttons, the DIR and SYNC knobs and the TST/REF and BRT knobs",
     {"qp48"}, {}, {}},
    {"ehsi_card_failed_beside_cdu", "failure 5 in cruise on VOR 1: the situation display "
     "(left) with its compass card blank and its pointers, readouts and annunciator lit, the "
     "bezel display (right) with its card as ever",
     {"qd42ehsi", "qd41cdu"},
     cruise({{kDme1Distance, 12.34}}), {}, kCardFailure},
};

void click_times(Displays& displays, const Spot& spot, int times) {
    for (int click = 0; click < times; ++click) {
        displays.snapshot.click(displays.control_panel, spot.x, spot.y);
        displays.snapshot.frame();
    }
}

// Places the case's gauges and the control panel, makes its selections, sets its tokens and
// runs the frames; false (with a failure reported) when a gauge cannot be placed.
bool prepare(const EfdisplayCase& c, Displays& displays) {
    DisplaySnapshot& snapshot = displays.snapshot;
    EXPECT_TRUE(snapshot.loaded()) << snapshot.error();
    if (!snapshot.loaded()) return false;
    for (const char* gauge : c.gauges) {
        displays.drawn.push_back(snapshot.place(gauge));
        EXPECT_NE(displays.drawn.back(), panel_host::kNoInstance)
            << gauge << ": " << snapshot.error();
        if (displays.drawn.back() == panel_host::kNoInstance) return false;
    }
    displays.control_panel = snapshot.place("qp48");
    EXPECT_NE(displays.control_panel, panel_host::kNoInstance) << snapshot.error();
    if (displays.control_panel == panel_host::kNoInstance) return false;
    for (const TokenValue& token : c.tokens) snapshot.set(token.token, token.value);
    snapshot.frame();
    click_times(displays, kNavButton, c.selections.nav_clicks);
    click_times(displays, kSingleArrowButton, c.selections.bearing1_clicks);
    click_times(displays, kDoubleArrowButton, c.selections.bearing2_clicks);
    click_times(displays, kTstRefKnob, c.selections.time_to_go ? 1 : 0);
    if (c.failure != 0) snapshot.fail(c.failure);
    snapshot.frame();
    return true;
}

Picture draw_case(const EfdisplayCase& c) {
    Displays displays;
    if (!prepare(c, displays)) return nullptr;
    if (displays.drawn.size() == 1) return displays.snapshot.draw(displays.drawn.front());
    return displays.snapshot.draw_side_by_side({displays.drawn[0], displays.drawn[1]});
}

class EfdisplayGolden : public ::testing::TestWithParam<EfdisplayCase> {};

TEST_P(EfdisplayGolden, MatchesTheReviewedPicture) {
    const EfdisplayCase& c = GetParam();
    const Picture drawn = draw_case(c);
    ASSERT_TRUE(drawn);
    const GoldenResult result = check_golden(c.name, drawn.get());
    if (result.outcome == Outcome::written || result.outcome == Outcome::kept)
        GTEST_SKIP() << result.message;
    EXPECT_EQ(result.outcome, Outcome::matched) << "expected: " << c.shows << "\n"
                                                << result.message;
}

INSTANTIATE_TEST_SUITE_P(Efdisplay, EfdisplayGolden, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The goldens of the situation display show both bearing pointers: the clicks on the control
// panel must have switched them on, or a picture without them could have been reviewed.
TEST(EfdisplayGoldenCases, TheSelectedBearingPointersAreDrawn) {
    for (const EfdisplayCase& c : kCases) {
        if (!c.bearing_pointers_shown) continue;
        Displays displays;
        ASSERT_TRUE(prepare(c, displays)) << c.name;
        int pointers = 0;
        for (const panel_host::ElementState& state :
             displays.snapshot.host().elements(displays.drawn.front())) {
            if (state.depth != kBearing1Pointer && state.depth != kBearing2Pointer) continue;
            ++pointers;
            EXPECT_TRUE(state.drawn) << c.name << ": pointer at depth " << state.depth;
        }
        EXPECT_EQ(pointers, 2) << c.name;
    }
}

bool same_gauges(const EfdisplayCase& a, const EfdisplayCase& b) {
    return std::vector<std::string>(a.gauges.begin(), a.gauges.end()) ==
           std::vector<std::string>(b.gauges.begin(), b.gauges.end());
}

// Two cases of the same gauges that the tolerance could not tell apart would let a wrong
// source, pointer or readout pass for another.
TEST(EfdisplayGoldenCases, EachCaseLooksDifferentFromTheOthersOfItsGauge) {
    std::vector<Picture> drawn;
    for (const EfdisplayCase& c : kCases) {
        drawn.push_back(draw_case(c));
        ASSERT_TRUE(drawn.back()) << c.name;
    }
    for (size_t a = 0; a < drawn.size(); ++a) {
        for (size_t b = a + 1; b < drawn.size(); ++b) {
            if (!same_gauges(kCases[a], kCases[b])) continue;
            const Comparison comparison = compare_pictures(drawn[a].get(), drawn[b].get());
            EXPECT_FALSE(comparison.matches()) << kCases[a].name << " and " << kCases[b].name
                                               << " pass for each other: "
                                               << describe(comparison);
        }
    }
}

}  // namespace
}  // namespace golden
