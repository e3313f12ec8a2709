// The audio panel's selections and the course indicator's source.
#include <gtest/gtest.h>

#include <string>

#include "radio_fixture.h"

namespace radio_test {
namespace {

// Every switch token, to check that an event changes its own and no other.
constexpr uint32_t kSwitchTokens[] = {kCom1Selected, kCom2Selected, kComSplit,
                                      kMarkerAudio,  kNav1Ident,    kNav2Ident,
                                      kDmeAudio,     kAdfAudio,     kCourseSource};

struct ToggleCase {
    const char* name;
    uint32_t event;
    uint32_t token;
};

class Toggle : public ::testing::TestWithParam<ToggleCase> {};

TEST_P(Toggle, FlipsItsTokenBetween0And1AndNothingElse) {
    const ToggleCase& c = GetParam();
    Aircraft a;
    const Aircraft untouched;
    const double at_start = a.number(c.token);
    ASSERT_TRUE(at_start == 0.0 || at_start == 1.0);

    EXPECT_TRUE(a.send(c.event));
    EXPECT_EQ(a.number(c.token), 1.0 - at_start);
    for (uint32_t token : kSwitchTokens) {
        if (token != c.token) {
            EXPECT_EQ(a.number(token), untouched.number(token)) << std::hex << token;
        }
    }

    EXPECT_TRUE(a.send(c.event, -3));  // the value plays no part
    EXPECT_EQ(a.number(c.token), at_start);
}

TEST_P(Toggle, TurnsAnOddValueOn) {
    // The panel lights a switch's lamp only for exactly 1.0, so anything else counts as off.
    for (double odd : {0.5, -1.0, 2.0}) {
        Aircraft a;
        a.store.set_number(GetParam().token, odd);
        a.send(GetParam().event);
        EXPECT_EQ(a.number(GetParam().token), 1.0) << odd;
    }
}

TEST_P(Toggle, LeavesTheRadiosAndTheGpsAlone) {
    Aircraft a;
    const Aircraft untouched;
    a.send(GetParam().event);
    for (uint32_t token : kWordTokens)
        EXPECT_EQ(a.word(token), untouched.word(token)) << std::hex << token;
    for (uint32_t token :
         {kDistance, kBearing, kTrack, kDme1Distance, kDme2Distance, kMarkerBeacon})
        EXPECT_EQ(a.number(token), untouched.number(token)) << std::hex << token;
}

INSTANTIATE_TEST_SUITE_P(
    Switches, Toggle,
    ::testing::Values(ToggleCase{"ComSplit", kToggleSplit, kComSplit},
                      ToggleCase{"MarkerAudio", kToggleMarkerAudio, kMarkerAudio},
                      ToggleCase{"Nav1Ident", kToggleNav1Ident, kNav1Ident},
                      ToggleCase{"Nav2Ident", kToggleNav2Ident, kNav2Ident},
                      ToggleCase{"DmeAudio", kToggleDmeAudio, kDmeAudio},
                      ToggleCase{"AdfAudio", kToggleAdfAudio, kAdfAudio},
                      ToggleCase{"CourseSource", kToggleCourseSource, kCourseSource}),
    [](const auto& info) { return std::string(info.param.name); });

struct SelectCase {
    const char* name;
    uint32_t event;
    uint32_t selected;
    uint32_t deselected;
};

class SelectCom : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectCom, SelectsThatReceiverAloneAndEndsTheSplit) {
    const SelectCase& c = GetParam();
    // From every combination of the three selections.
    for (int start = 0; start < 8; ++start) {
        SCOPED_TRACE(start);
        Aircraft a;
        a.store.set_number(c.selected, start & 1 ? 1.0 : 0.0);
        a.store.set_number(c.deselected, start & 2 ? 1.0 : 0.0);
        a.store.set_number(kComSplit, start & 4 ? 1.0 : 0.0);
        EXPECT_TRUE(a.send(c.event, 1));
        EXPECT_EQ(a.number(c.selected), 1.0);
        EXPECT_EQ(a.number(c.deselected), 0.0);
        EXPECT_EQ(a.number(kComSplit), 0.0);
        // Selecting again changes nothing.
        a.send(c.event);
        EXPECT_EQ(a.number(c.selected), 1.0);
        EXPECT_EQ(a.number(c.deselected), 0.0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Receivers, SelectCom,
    ::testing::Values(SelectCase{"Com1", kSelectCom1, kCom1Selected, kCom2Selected},
                      SelectCase{"Com2", kSelectCom2, kCom2Selected, kCom1Selected}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ComSplit, KeepsTheSelectionUnderItForWhenItEnds) {
    Aircraft a;
    a.send(kSelectCom2);
    a.send(kToggleSplit);
    EXPECT_EQ(a.number(kComSplit), 1.0);
    EXPECT_EQ(a.number(kCom2Selected), 1.0);
    a.send(kToggleSplit);
    EXPECT_EQ(a.number(kComSplit), 0.0);
    EXPECT_EQ(a.number(kCom2Selected), 1.0);
    EXPECT_EQ(a.number(kCom1Selected), 0.0);
}

TEST(Switches, KeepTheirStateAsFramesRun) {
    Aircraft a;
    for (uint32_t event : {kToggleSplit, kToggleMarkerAudio, kToggleNav1Ident, kToggleNav2Ident,
                           kToggleDmeAudio, kToggleAdfAudio, kToggleCourseSource})
        a.send(event);
    double after_events[std::size(kSwitchTokens)];
    for (size_t i = 0; i < std::size(kSwitchTokens); ++i)
        after_events[i] = a.number(kSwitchTokens[i]);
    a.run_seconds(30);
    for (size_t i = 0; i < std::size(kSwitchTokens); ++i)
        EXPECT_EQ(a.number(kSwitchTokens[i]), after_events[i]) << std::hex << kSwitchTokens[i];
}

}  // namespace
}  // namespace radio_test
