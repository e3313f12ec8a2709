// The transponder code: set by its event, and stepped digit by digit within 0 to 7.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "radio_fixture.h"

namespace radio_test {
namespace {

constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();
constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();

struct SetCodeCase {
    const char* name;
    int32_t value;
    bool valid;
};

class SetCode : public ::testing::TestWithParam<SetCodeCase> {};

TEST_P(SetCode, TakesAFourDigitOctalCodeAndRefusesAnythingElse) {
    Aircraft a;
    const int32_t before = a.word(kTransponderCode);
    ASSERT_NE(before, GetParam().value);
    EXPECT_TRUE(a.send(kSetCode, GetParam().value));
    EXPECT_EQ(a.word(kTransponderCode), GetParam().valid ? GetParam().value : before);
}

INSTANTIATE_TEST_SUITE_P(
    Values, SetCode,
    ::testing::Values(SetCodeCase{"Vfr", 0x1200, true}, SetCodeCase{"Emergency", 0x7700, true},
                      SetCodeCase{"AllZero", 0x0000, true}, SetCodeCase{"AllSeven", 0x7777, true},
                      SetCodeCase{"EightInFirstDigit", 0x8000, false},
                      SetCodeCase{"EightInLastDigit", 0x1208, false},
                      SetCodeCase{"NineInThirdDigit", 0x1290, false},
                      SetCodeCase{"NotBcd", 0x12a0, false},
                      SetCodeCase{"GoodCodeWithBitsAbove16", 0x11200, false},
                      SetCodeCase{"MinusOne", -1, false}, SetCodeCase{"Int32Min", kInt32Min, false},
                      SetCodeCase{"Int32Max", kInt32Max, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct DigitStepCase {
    const char* name;
    int32_t from;
    int digit;      // 0 the first (leftmost) digit ... 3 the last
    int direction;  // +1 up, -1 down
    int32_t to;
};

class DigitStep : public ::testing::TestWithParam<DigitStepCase> {};

TEST_P(DigitStep, MovesOneDigitWithin0To7) {
    const DigitStepCase& c = GetParam();
    Aircraft a;
    a.store.set_integer(kTransponderCode, c.from);
    const uint32_t event = c.direction > 0 ? kDigitUp[c.digit] : kDigitDown[c.digit];
    EXPECT_TRUE(a.send(event, 99));  // the value plays no part
    EXPECT_EQ(a.word(kTransponderCode), c.to) << std::hex << "0x" << a.word(kTransponderCode);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DigitStep,
    ::testing::Values(DigitStepCase{"FirstUp", 0x4263, 0, +1, 0x5263},
                      DigitStepCase{"SecondUp", 0x4263, 1, +1, 0x4363},
                      DigitStepCase{"ThirdUp", 0x4263, 2, +1, 0x4273},
                      DigitStepCase{"FourthUp", 0x4263, 3, +1, 0x4264},
                      DigitStepCase{"FirstDown", 0x4263, 0, -1, 0x3263},
                      DigitStepCase{"SecondDown", 0x4263, 1, -1, 0x4163},
                      DigitStepCase{"ThirdDown", 0x4263, 2, -1, 0x4253},
                      DigitStepCase{"FourthDown", 0x4263, 3, -1, 0x4262},
                      DigitStepCase{"FirstUpFrom7WrapsTo0", 0x7263, 0, +1, 0x0263},
                      DigitStepCase{"SecondUpFrom7WrapsTo0", 0x1777, 1, +1, 0x1077},
                      DigitStepCase{"ThirdUpFrom7WrapsTo0", 0x7777, 2, +1, 0x7707},
                      DigitStepCase{"FourthUpFrom7WrapsTo0", 0x0007, 3, +1, 0x0000},
                      DigitStepCase{"FirstDownFrom0WrapsTo7", 0x0263, 0, -1, 0x7263},
                      DigitStepCase{"SecondDownFrom0WrapsTo7", 0x4063, 1, -1, 0x4763},
                      DigitStepCase{"ThirdDownFrom0WrapsTo7", 0x0000, 2, -1, 0x0070},
                      DigitStepCase{"FourthDownFrom0WrapsTo7", 0x4260, 3, -1, 0x4267},
                      DigitStepCase{"FromAnInvalidCodeStartsAt0000", 0x1890, 0, +1, 0x1000},
                      DigitStepCase{"FromNegativeStartsAt0000", -1, 3, -1, 0x0007},
                      DigitStepCase{"FromBitsAbove16StartsAt0000", 0x14263, 1, +1, 0x0100},
                      DigitStepCase{"FromInt32MaxStartsAt0000", kInt32Max, 2, +1, 0x0010}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DigitSteps, EightStepsUpOrDownComeBackAndEveryCodeBetweenIsValid) {
    for (int digit = 0; digit < 4; ++digit) {
        for (const uint32_t* events : {kDigitUp, kDigitDown}) {
            Aircraft a;
            const int32_t start = a.word(kTransponderCode);
            const int shift = 12 - 4 * digit;
            for (int i = 1; i <= 8; ++i) {
                a.send(events[digit]);
                const int32_t code = a.word(kTransponderCode);
                EXPECT_TRUE(is_transponder_code(code)) << std::hex << code;
                // Only the stepped digit differs from the start.
                EXPECT_EQ(code & ~(0xf << shift), start & ~(0xf << shift));
                EXPECT_EQ(code == start, i == 8) << "after " << i << " steps of digit " << digit;
            }
        }
    }
}

}  // namespace
}  // namespace radio_test
