// Tuning the NAV/COM radios: setting the standby frequency, stepping its fraction by one
// channel, swapping it with the active frequency, and what odd values in the events or the
// tokens do.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <tuple>

#include "radio_fixture.h"

namespace radio_test {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

struct RadioCase {
    const char* name;
    uint32_t set;
    uint32_t down;
    uint32_t up;
    uint32_t swap;
    uint32_t active;
    uint32_t standby;
    const Band* band;
};

constexpr RadioCase kCom1{.name = "Com1",
                          .set = kSetCom1,
                          .down = kCom1Down,
                          .up = kCom1Up,
                          .swap = kSwapCom1,
                          .active = kCom1Active,
                          .standby = kCom1Standby,
                          .band = &kComBand};
constexpr RadioCase kCom2{.name = "Com2",
                          .set = kSetCom2,
                          .down = kCom2Down,
                          .up = kCom2Up,
                          .swap = kSwapCom2,
                          .active = kCom2Active,
                          .standby = kCom2Standby,
                          .band = &kComBand};
constexpr RadioCase kNav1{.name = "Nav1",
                          .set = kSetNav1,
                          .down = kNav1Down,
                          .up = kNav1Up,
                          .swap = kSwapNav1,
                          .active = kNav1Active,
                          .standby = kNav1Standby,
                          .band = &kNavBand};
constexpr RadioCase kNav2{.name = "Nav2",
                          .set = kSetNav2,
                          .down = kNav2Down,
                          .up = kNav2Up,
                          .swap = kSwapNav2,
                          .active = kNav2Active,
                          .standby = kNav2Standby,
                          .band = &kNavBand};
constexpr RadioCase kAllRadios[] = {kCom1, kCom2, kNav1, kNav2};

// Every frequency token but the radio's own two keeps its value.
void expect_other_radios_untouched(const Aircraft& a, const RadioCase& radio) {
    const Aircraft untouched;
    for (const RadioCase& other : kAllRadios) {
        if (other.active == radio.active) continue;
        EXPECT_EQ(a.word(other.active), untouched.word(other.active)) << other.name;
        EXPECT_EQ(a.word(other.standby), untouched.word(other.standby)) << other.name;
    }
}

template <typename Case>
std::string radio_and_case_name(const ::testing::TestParamInfo<std::tuple<RadioCase, Case>>& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
}

// --- Setting the standby frequency -----------------------------------------------------------

struct SetCase {
    const char* name;
    int32_t value;
    bool tunable;
};

class SetStandby : public ::testing::TestWithParam<std::tuple<RadioCase, SetCase>> {};

TEST_P(SetStandby, TakesAChannelOfTheBandAndRefusesAnythingElse) {
    const auto& [radio, c] = GetParam();
    Aircraft a;
    const int32_t active = a.word(radio.active);
    const int32_t standby = a.word(radio.standby);
    ASSERT_NE(standby, c.value);

    EXPECT_TRUE(a.send(radio.set, c.value));
    EXPECT_EQ(a.word(radio.standby), c.tunable ? c.value : standby);
    EXPECT_EQ(a.word(radio.active), active);
    expect_other_radios_untouched(a, radio);
    // The word the radio holds now is always one of its channels.
    EXPECT_TRUE(is_channel(*radio.band, a.word(radio.standby)));
}

constexpr SetCase kComSetCases[] = {
    {"Typical", 0x2345, true},
    {"BottomOfBand", 0x1800, true},
    {"TopOfBand", 0x3597, true},
    {"QuarterChannel", 0x2102, true},
    {"ThreeQuarterChannel", 0x2107, true},
    {"WrappedDownFrom118To135", 0x3550, true},
    {"WrappedUpFrom135To118", 0x1850, true},
    {"AboveBand", 0x3600, false},
    {"BelowBand", 0x1797, false},
    {"OffTheChannelGrid", 0x2346, false},
    {"OffTheChannelGridByOne", 0x2101, false},
    {"FractionNotBcd", 0x231a, false},
    {"MhzNotBcd", 0x1a00, false},
    {"ChannelWithBitsAbove16", 0x12345, false},
    {"Zero", 0, false},
    {"MinusOne", -1, false},
    {"Int32Min", kInt32Min, false},
    {"Int32Max", kInt32Max, false},
};

constexpr SetCase kNavSetCases[] = {
    {"Typical", 0x1340, true},
    {"BottomOfBand", 0x0800, true},
    {"TopOfBand", 0x1795, true},
    {"HalfChannel", 0x1125, true},
    {"WrappedDownFrom108To117", 0x1710, true},
    {"WrappedUpFrom117To108", 0x0810, true},
    {"AboveBand", 0x1800, false},
    {"BelowBand", 0x0795, false},
    {"ComOnlyChannel", 0x1012, false},
    {"OffTheChannelGrid", 0x1347, false},
    {"FractionNotBcd", 0x10a0, false},
    {"MhzNotBcd", 0x0a00, false},
    {"ChannelWithBitsAbove16", 0x10850, false},
    {"Zero", 0, false},
    {"MinusOne", -1, false},
    {"Int32Min", kInt32Min, false},
    {"Int32Max", kInt32Max, false},
};

INSTANTIATE_TEST_SUITE_P(Com, SetStandby,
                         ::testing::Combine(::testing::Values(kCom1, kCom2),
                                            ::testing::ValuesIn(kComSetCases)),
                         radio_and_case_name<SetCase>);
INSTANTIATE_TEST_SUITE_P(Nav, SetStandby,
                         ::testing::Combine(::testing::Values(kNav1, kNav2),
                                            ::testing::ValuesIn(kNavSetCases)),
                         radio_and_case_name<SetCase>);

// --- Stepping the fraction -------------------------------------------------------------------

struct StepCase {
    const char* name;
    int32_t from;
    int direction;  // +1 the up event, -1 the down event
    int32_t to;
};

class FractionStep : public ::testing::TestWithParam<std::tuple<RadioCase, StepCase>> {};

TEST_P(FractionStep, MovesTheStandbyOneChannelWithinItsMhz) {
    const auto& [radio, c] = GetParam();
    Aircraft a;
    const int32_t active = a.word(radio.active);
    a.store.set_integer(radio.standby, c.from);

    EXPECT_TRUE(a.send(c.direction > 0 ? radio.up : radio.down, 12345));  // the value plays no part
    EXPECT_EQ(a.word(radio.standby), c.to) << std::hex << "0x" << a.word(radio.standby);
    EXPECT_EQ(a.word(radio.active), active);
    expect_other_radios_untouched(a, radio);
}

constexpr StepCase kComSteps[] = {
    {"UpFromWholeMhz", 0x1800, +1, 0x1802},
    {"UpFromQuarter", 0x1802, +1, 0x1805},
    {"UpFromHalf", 0x1805, +1, 0x1807},
    {"UpFromThreeQuarters", 0x1807, +1, 0x1810},
    {"UpFromTopOfMhzWrapsToItsBottom", 0x1897, +1, 0x1800},
    {"DownFromBottomOfMhzWrapsToItsTop", 0x2300, -1, 0x2397},
    {"DownAcrossATenth", 0x2310, -1, 0x2307},
    {"DownFromHalf", 0x2455, -1, 0x2452},
    {"UpAtTopOfBandStaysIn135", 0x3597, +1, 0x3500},
    {"DownAtBottomOfBandStaysIn118", 0x1800, -1, 0x1897},
    {"UpFromNonBcdStartsAtBandBottom", 0x1a00, +1, 0x1802},
    {"DownFromOffGridStartsAtBandBottom", 0x2346, -1, 0x1897},
    {"UpFromAboveBandStartsAtBandBottom", 0x3600, +1, 0x1802},
    {"UpFromInt32Min", kInt32Min, +1, 0x1802},
    {"DownFromInt32Max", kInt32Max, -1, 0x1897},
};

constexpr StepCase kNavSteps[] = {
    {"UpFromWholeMhz", 0x0800, +1, 0x0805},
    {"UpFromHalf", 0x0805, +1, 0x0810},
    {"UpFromTopOfMhzWrapsToItsBottom", 0x1195, +1, 0x1100},
    {"DownFromBottomOfMhzWrapsToItsTop", 0x0800, -1, 0x0895},
    {"DownAcrossATenth", 0x1750, -1, 0x1745},
    {"UpAtTopOfBandStaysIn117", 0x1795, +1, 0x1700},
    {"UpFromNonBcdStartsAtBandBottom", 0x0a00, +1, 0x0805},
    {"UpFromComChannelStartsAtBandBottom", 0x1012, +1, 0x0805},
    {"DownFromInt32Min", kInt32Min, -1, 0x0895},
    {"UpFromMinusOne", -1, +1, 0x0805},
};

INSTANTIATE_TEST_SUITE_P(Com, FractionStep,
                         ::testing::Combine(::testing::Values(kCom1, kCom2),
                                            ::testing::ValuesIn(kComSteps)),
                         radio_and_case_name<StepCase>);
INSTANTIATE_TEST_SUITE_P(Nav, FractionStep,
                         ::testing::Combine(::testing::Values(kNav1, kNav2),
                                            ::testing::ValuesIn(kNavSteps)),
                         radio_and_case_name<StepCase>);

class EveryRadio : public ::testing::TestWithParam<RadioCase> {};

TEST_P(EveryRadio, StepsThroughEveryChannelOfTheMhzOnceAndBack) {
    const RadioCase& radio = GetParam();
    Aircraft a;
    const int32_t start = a.word(radio.standby);
    const int32_t mhz_bits = start & 0xff00;
    std::set<int32_t> channels_of_mhz;
    for (int32_t word : channels(*radio.band))
        if ((word & 0xff00) == mhz_bits) channels_of_mhz.insert(word);
    ASSERT_TRUE(channels_of_mhz.count(start));

    std::set<int32_t> visited;
    for (size_t i = 0; i < channels_of_mhz.size(); ++i) {
        const int32_t before = a.word(radio.standby);
        a.send(radio.up);
        visited.insert(a.word(radio.standby));
        // Down undoes up.
        a.send(radio.down);
        EXPECT_EQ(a.word(radio.standby), before);
        a.send(radio.up);
    }
    EXPECT_EQ(visited, channels_of_mhz);
    EXPECT_EQ(a.word(radio.standby), start);
}

TEST_P(EveryRadio, SwapExchangesActiveAndStandby) {
    const RadioCase& radio = GetParam();
    Aircraft a;
    const int32_t active = a.word(radio.active);
    const int32_t standby = a.word(radio.standby);
    ASSERT_NE(active, standby);

    EXPECT_TRUE(a.send(radio.swap, -7));  // the value plays no part
    EXPECT_EQ(a.word(radio.active), standby);
    EXPECT_EQ(a.word(radio.standby), active);
    expect_other_radios_untouched(a, radio);
    a.send(radio.swap);
    EXPECT_EQ(a.word(radio.active), active);
    EXPECT_EQ(a.word(radio.standby), standby);
}

TEST_P(EveryRadio, SwapsASetFrequencyIntoUse) {
    const RadioCase& radio = GetParam();
    Aircraft a;
    const int32_t wanted = radio.band == &kComBand ? 0x3272 : 0x1455;
    a.send(radio.set, wanted);
    a.send(radio.swap);
    EXPECT_EQ(a.word(radio.active), wanted);
}

// Odd words put into the tokens from outside: whatever the radio writes is a channel.
TEST_P(EveryRadio, NeverWritesAWordThatIsNoChannel) {
    const RadioCase& radio = GetParam();
    for (int32_t odd :
         {kInt32Min, kInt32Max, -1, 0, 0xffff, 0x10000, 0x9999, 0x1a1a, 0x3600, 0x0795}) {
        SCOPED_TRACE(odd);
        Aircraft a;
        for (uint32_t event : {radio.up, radio.down}) {
            a.store.set_integer(radio.standby, odd);
            a.send(event);
            EXPECT_TRUE(is_channel(*radio.band, a.word(radio.standby)));
        }
        a.store.set_integer(radio.standby, odd);
        a.store.set_integer(radio.active, odd);
        a.send(radio.swap);
        EXPECT_TRUE(is_channel(*radio.band, a.word(radio.active)));
        EXPECT_TRUE(is_channel(*radio.band, a.word(radio.standby)));

        // A set with the odd value leaves the channel the radio holds.
        const int32_t held = a.word(radio.standby);
        a.send(radio.set, odd);
        EXPECT_EQ(a.word(radio.standby), held);
    }
}

TEST_P(EveryRadio, SwapKeepsAGoodFrequencyWhenTheOtherIsOdd) {
    const RadioCase& radio = GetParam();
    Aircraft a;
    const int32_t standby = a.word(radio.standby);
    a.store.set_integer(radio.active, kInt32Max);
    a.send(radio.swap);
    EXPECT_EQ(a.word(radio.active), standby);
    EXPECT_EQ(a.word(radio.standby), *channels(*radio.band).begin());  // the band's lowest
}

INSTANTIATE_TEST_SUITE_P(Radios, EveryRadio, ::testing::ValuesIn(kAllRadios),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace radio_test
