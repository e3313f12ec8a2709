// The radio altitude readout and the marker beacon lights.
#include <limits>
#include <ostream>
#include <string>

#include "eadi_panel.h"

namespace efdisplay_test {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct AltitudeCase {
    double metres;
    const char* shown;
};

std::ostream& operator<<(std::ostream& out, const AltitudeCase& c) {
    return out << c.metres << " m";
}

class RadioAltitude : public EadiPanel, public ::testing::WithParamInterface<AltitudeCase> {};

TEST_P(RadioAltitude, ShowsFeetBelow2500AndBlanksAbove) {
    set(kRadioAltitude, GetParam().metres);
    frame();
    EXPECT_EQ(item(Item::radio_altitude).text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Heights, RadioAltitude,
    ::testing::Values(AltitudeCase{0.0, "   0"}, AltitudeCase{0.3, "   0"},
                      AltitudeCase{100.0, " 328"}, AltitudeCase{304.8, " 999"},
                      AltitudeCase{762.0, "2499"}, AltitudeCase{762.1, "    "},
                      AltitudeCase{5000.0, "    "},
                      // Negative heights wrap to large unsigned feet and show blanks.
                      AltitudeCase{-1.0, "    "}, AltitudeCase{-0.2, "   0"},
                      // 20000 m is 65616 ft, which wraps past 16 bits to 80 ft.
                      AltitudeCase{20000.0, "  80"},
                      AltitudeCase{1e12, "    "}, AltitudeCase{kNaN, "   0"}));

TEST_F(EadiPanel, RadioAltitudeBufferHoldsOnlyTheFourCharacters) {
    set(kRadioAltitude, 100.0);
    frame();
    const auto* text = reinterpret_cast<const panel_abi::TextString*>(
        item(Item::radio_altitude).element);
    ASSERT_NE(text->buffer, nullptr);
    EXPECT_STREQ(text->buffer, " 328");
    set(kRadioAltitude, 800.0);
    frame();
    EXPECT_STREQ(text->buffer, "    ");
}

struct MarkerCase {
    double state;
    int light;  // icon case: 0 outer, 1 middle, 2 inner, -1 none
};

std::ostream& operator<<(std::ostream& out, const MarkerCase& c) {
    return out << "marker state " << c.state;
}

class MarkerLights : public EadiPanel, public ::testing::WithParamInterface<MarkerCase> {};

TEST_P(MarkerLights, LightTheMarkerThatIsPassed) {
    set(kMarker, GetParam().state);
    frame();
    EXPECT_EQ(item(Item::marker_lights).icon_case, GetParam().light);
}

INSTANTIATE_TEST_SUITE_P(States, MarkerLights,
                         ::testing::Values(MarkerCase{0, -1}, MarkerCase{1, 0}, MarkerCase{2, 1},
                                           MarkerCase{3, 2}, MarkerCase{4, -1},
                                           MarkerCase{0.5, -1}, MarkerCase{2.9, 1}));

}  // namespace
}  // namespace efdisplay_test
