// The radio stack at start, back at start after a reset, and the key events it does not know.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "radio_fixture.h"

namespace radio_test {
namespace {

struct TunedRadio {
    const char* name;
    uint32_t active;
    uint32_t standby;
    const Band* band;
};

TEST(RadiosAtStart, AreTunedToChannelsOfTheirBands) {
    const TunedRadio radios[] = {{"Com1", kCom1Active, kCom1Standby, &kComBand},
                                 {"Com2", kCom2Active, kCom2Standby, &kComBand},
                                 {"Nav1", kNav1Active, kNav1Standby, &kNavBand},
                                 {"Nav2", kNav2Active, kNav2Standby, &kNavBand}};
    Aircraft a;
    for (const TunedRadio& radio : radios) {
        SCOPED_TRACE(radio.name);
        EXPECT_TRUE(is_channel(*radio.band, a.word(radio.active)))
            << std::hex << a.word(radio.active);
        EXPECT_TRUE(is_channel(*radio.band, a.word(radio.standby)))
            << std::hex << a.word(radio.standby);
        EXPECT_NE(a.word(radio.active), a.word(radio.standby));
    }
}

TEST(TransponderAtStart, HoldsAnAssignedCode) {
    Aircraft a;
    const int32_t code = a.word(kTransponderCode);
    EXPECT_TRUE(is_transponder_code(code)) << std::hex << code;
    EXPECT_NE(code, 0x0000);
    for (int32_t emergency : {0x7500, 0x7600, 0x7700}) EXPECT_NE(code, emergency);
}

TEST(AudioPanelAtStart, SelectsOneComReceiverAndEverySwitchIsOnOrOff) {
    Aircraft a;
    for (uint32_t token : {kCom1Selected, kCom2Selected, kComSplit, kMarkerAudio, kNav1Ident,
                           kNav2Ident, kDmeAudio, kAdfAudio, kCourseSource}) {
        const double value = a.number(token);
        EXPECT_TRUE(value == 0.0 || value == 1.0) << std::hex << token << " " << value;
    }
    EXPECT_EQ(a.number(kCom1Selected) + a.number(kCom2Selected), 1.0);
    EXPECT_EQ(a.number(kComSplit), 0.0);
}

TEST(NavigationAtStart, HasADmeDistanceOrNoneAndAMarkerState) {
    Aircraft a;
    for (uint32_t token : {kDme1Distance, kDme2Distance}) {
        const double distance = a.number(token);
        EXPECT_TRUE(distance == -1.0 || distance > 0.0) << std::hex << token << " " << distance;
    }
    EXPECT_TRUE(a.number(kDme1Distance) > 0.0 || a.number(kDme2Distance) > 0.0);
    const double marker = a.number(kMarkerBeacon);
    EXPECT_TRUE(marker == 0.0 || marker == 1.0 || marker == 2.0 || marker == 3.0);
}

// Drives the radio stack through every kind of change it knows.
void change_everything(Aircraft& a) {
    for (uint32_t event :
         {kSwapCom1, kSwapCom2, kSwapNav1, kSwapNav2, kCom1Up, kNav2Down, kDigitUp[0],
          kDigitDown[3], kSelectCom2, kToggleSplit, kToggleMarkerAudio, kToggleNav1Ident,
          kToggleNav2Ident, kToggleDmeAudio, kToggleAdfAudio, kToggleCourseSource})
        a.send(event);
    a.send(kSetCom2, 0x3000);
    a.send(kSetCode, 0x7000);
    a.run_seconds(20 * 60);
}

TEST(Reset, BringsTheRadioStackBackToItsStart) {
    Aircraft a;
    const Aircraft fresh;
    change_everything(a);
    ASSERT_NE(a.waypoint() + std::to_string(a.number(kDistance)),
              fresh.waypoint() + std::to_string(fresh.number(kDistance)));
    a.aircraft.reset();
    for (uint32_t token : kWordTokens)
        EXPECT_EQ(a.word(token), fresh.word(token)) << std::hex << token;
    for (uint32_t token : kNumberTokens)
        EXPECT_EQ(a.number(token), fresh.number(token)) << std::hex << token;
    EXPECT_EQ(a.waypoint(), fresh.waypoint());

    // And it flies on from there as a fresh aircraft does.
    Aircraft twin;
    a.run_seconds(60);
    twin.run_seconds(60);
    for (uint32_t token : kNumberTokens)
        EXPECT_EQ(a.number(token), twin.number(token)) << std::hex << token;
}

class UnknownEvent : public ::testing::TestWithParam<uint32_t> {};

TEST_P(UnknownEvent, IsRefusedAndChangesNothing) {
    Aircraft with_event;
    Aircraft without_event;
    EXPECT_FALSE(with_event.send(GetParam(), 0x1234));
    for (uint32_t token : kWordTokens)
        EXPECT_EQ(with_event.word(token), without_event.word(token)) << std::hex << token;
    for (uint32_t token : kNumberTokens)
        EXPECT_EQ(with_event.number(token), without_event.number(token)) << std::hex << token;
}

// Neighbours of the radio stack's events, and the ADF identifier event the panel never uses.
INSTANTIATE_TEST_SUITE_P(Ids, UnknownEvent,
                         ::testing::Values(0x10072u, 0x10077u, 0x100b2u, 0x10131u, 0x10135u,
                                           0x10137u, 0x10342u, 0x10345u, 0x10346u, 0x10348u,
                                           0x10381u, 0x10384u, 0x10388u, 0x1038au, 0x10395u,
                                           0x10396u, 0x1039bu, 0x1039eu, 0x103a2u, 0x103acu,
                                           0x103aeu));

}  // namespace
}  // namespace radio_test
