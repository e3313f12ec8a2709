// The course and heading selectors: each key event's effect, wrapping round the circle, and
// the events the EFIS side does not know.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "efis_fixture.h"

namespace efis_test {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

struct SelectorCase {
    const char* name;
    uint32_t token;      // the selector the event works on
    uint32_t set_event;  // sets that selector to `from` first
    int32_t from;
    uint32_t event;
    int32_t value;
    double expected;
};

constexpr SelectorCase kSelectorCases[] = {
    // Setting: whole degrees, any value wrapping onto 0 .. 359.
    {"SetVor1", kVor1Course, kSetVor1Course, 10, kSetVor1Course, 123, 123},
    {"SetVor1To360", kVor1Course, kSetVor1Course, 10, kSetVor1Course, 360, 0},
    {"SetVor1ToMinus1", kVor1Course, kSetVor1Course, 10, kSetVor1Course, -1, 359},
    {"SetVor1To725", kVor1Course, kSetVor1Course, 10, kSetVor1Course, 725, 5},
    {"SetVor1ToInt32Max", kVor1Course, kSetVor1Course, 10, kSetVor1Course, kInt32Max, 127},
    {"SetVor1ToInt32Min", kVor1Course, kSetVor1Course, 10, kSetVor1Course, kInt32Min, 232},
    {"SetVor2", kVor2Course, kSetVor2Course, 10, kSetVor2Course, 359, 359},
    {"SetVor2ToMinus360", kVor2Course, kSetVor2Course, 10, kSetVor2Course, -360, 0},
    {"SetHeading", kSelectedHeading, kSetHeading, 10, kSetHeading, 245, 245},
    {"SetHeadingTo1000", kSelectedHeading, kSetHeading, 10, kSetHeading, 1000, 280},
    {"SetHeadingToMinus90", kSelectedHeading, kSetHeading, 10, kSetHeading, -90, 270},
    // Stepping by one degree, through north either way.
    {"Vor1Up", kVor1Course, kSetVor1Course, 100, kVor1Up, 0, 101},
    {"Vor1UpThroughNorth", kVor1Course, kSetVor1Course, 359, kVor1Up, 0, 0},
    {"Vor1Down", kVor1Course, kSetVor1Course, 100, kVor1Down, 0, 99},
    {"Vor1DownThroughNorth", kVor1Course, kSetVor1Course, 0, kVor1Down, 0, 359},
    {"Vor2Up", kVor2Course, kSetVor2Course, 200, kVor2Up, 0, 201},
    {"Vor2UpThroughNorth", kVor2Course, kSetVor2Course, 359, kVor2Up, 0, 0},
    {"Vor2Down", kVor2Course, kSetVor2Course, 200, kVor2Down, 0, 199},
    {"Vor2DownThroughNorth", kVor2Course, kSetVor2Course, 0, kVor2Down, 0, 359},
    {"HeadingUp", kSelectedHeading, kSetHeading, 45, kHeadingUp, 0, 46},
    {"HeadingUpThroughNorth", kSelectedHeading, kSetHeading, 359, kHeadingUp, 0, 0},
    {"HeadingDown", kSelectedHeading, kSetHeading, 45, kHeadingDown, 0, 44},
    {"HeadingDownThroughNorth", kSelectedHeading, kSetHeading, 0, kHeadingDown, 0, 359},
    // The stepping events ignore the value they carry.
    {"Vor1UpIgnoresItsValue", kVor1Course, kSetVor1Course, 100, kVor1Up, 50, 101},
    {"HeadingDownIgnoresItsValue", kSelectedHeading, kSetHeading, 45, kHeadingDown, -7, 44},
    // The bezel's triangle buttons step the selected heading by ten degrees.
    {"CoarseHeadingUp", kSelectedHeading, kSetHeading, 100, kCoarseHeadingUp, 0, 110},
    {"CoarseHeadingUpThroughNorth", kSelectedHeading, kSetHeading, 355, kCoarseHeadingUp, 0, 5},
    {"CoarseHeadingDown", kSelectedHeading, kSetHeading, 100, kCoarseHeadingDown, 0, 90},
    {"CoarseHeadingDownThroughNorth", kSelectedHeading, kSetHeading, 5, kCoarseHeadingDown, 0, 355},
};

class SelectorEvent : public ::testing::TestWithParam<SelectorCase> {};

TEST_P(SelectorEvent, SetsOrStepsItsSelectorAloneWithinTheCircle) {
    const SelectorCase& c = GetParam();
    Aircraft a;
    ASSERT_TRUE(a.send(c.set_event, c.from));
    ASSERT_EQ(a.number(c.token), c.from);
    Aircraft untouched;
    ASSERT_TRUE(untouched.send(c.set_event, c.from));

    EXPECT_TRUE(a.send(c.event, c.value));
    EXPECT_EQ(a.number(c.token), c.expected);
    for (uint32_t other : kSelectors) {
        if (other != c.token) {
            EXPECT_EQ(a.number(other), untouched.number(other)) << std::hex << other;
        }
    }

    // The value stays what the event made it while the aircraft flies on.
    a.run_seconds(2);
    EXPECT_EQ(a.number(c.token), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Events, SelectorEvent, ::testing::ValuesIn(kSelectorCases));

TEST(SelectorEvent, AWholeTurnOfSteppingComesBackToTheStart) {
    struct Stepper {
        uint32_t token;
        uint32_t event;
        int steps;
    };
    constexpr Stepper kSteppers[] = {{kVor1Course, kVor1Up, 360},
                                     {kVor1Course, kVor1Down, 360},
                                     {kVor2Course, kVor2Up, 360},
                                     {kVor2Course, kVor2Down, 360},
                                     {kSelectedHeading, kHeadingUp, 360},
                                     {kSelectedHeading, kHeadingDown, 360},
                                     {kSelectedHeading, kCoarseHeadingUp, 36},
                                     {kSelectedHeading, kCoarseHeadingDown, 36}};
    for (const Stepper& s : kSteppers) {
        SCOPED_TRACE(s.event);
        Aircraft a;
        const double start = a.number(s.token);
        for (int i = 0; i < s.steps; ++i) {
            ASSERT_TRUE(a.send(s.event));
            const double now = a.number(s.token);
            ASSERT_GE(now, 0.0);
            ASSERT_LE(now, 359.0);
            ASSERT_EQ(now, static_cast<int>(now));
        }
        EXPECT_EQ(a.number(s.token), start);
    }
}

// Neighbours of the events the selectors answer, none of which any system of the aircraft
// knows.
class UnknownEvent : public ::testing::TestWithParam<uint32_t> {};

TEST_P(UnknownEvent, IsRefusedAndLeavesTheSelectorsAlone) {
    Aircraft a;
    const Aircraft fresh;
    EXPECT_FALSE(a.send(GetParam(), 123));
    for (uint32_t token : kEfisTokens)
        EXPECT_EQ(a.number(token), fresh.number(token)) << "token 0x" << std::hex << token;
}

INSTANTIATE_TEST_SUITE_P(Ids, UnknownEvent,
                         ::testing::Values(0x100b6u, 0x1007du, 0x10082u, 0x101f9u, 0x101fbu,
                                           0x10156u, 0x10159u, 0x10310u, 0x10313u));

}  // namespace
}  // namespace efis_test
