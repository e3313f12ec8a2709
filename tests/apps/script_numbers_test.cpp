// Numbers as scripts write them: the edges of each form.
#include <gtest/gtest.h>

#include <optional>

#include "script_numbers.h"

namespace panel_runner {
namespace {

struct IntegerCase {
    const char* word;
    std::optional<int64_t> expected;
};

class ParsesInteger : public testing::TestWithParam<IntegerCase> {};

TEST_P(ParsesInteger, OrRejectsIt) { EXPECT_EQ(parse_integer(GetParam().word), GetParam().expected) << GetParam().word; }

INSTANTIATE_TEST_SUITE_P(
    Words, ParsesInteger,
    testing::Values(IntegerCase{"0", 0}, IntegerCase{"+5", 5}, IntegerCase{"-5", -5}, IntegerCase{"0x1F", 31},
                    IntegerCase{"0X1f", 31}, IntegerCase{"-0x10", -16}, IntegerCase{"007", 7},
                    IntegerCase{"9223372036854775807", INT64_MAX}, IntegerCase{"-0x8000000000000000", INT64_MIN},
                    IntegerCase{"0x8000000000000000", std::nullopt}, IntegerCase{"9223372036854775808", std::nullopt},
                    IntegerCase{"", std::nullopt}, IntegerCase{"-", std::nullopt}, IntegerCase{"--5", std::nullopt},
                    IntegerCase{"+-5", std::nullopt}, IntegerCase{"0x", std::nullopt}, IntegerCase{"0xg", std::nullopt},
                    IntegerCase{"5 ", std::nullopt}, IntegerCase{"1.0", std::nullopt}, IntegerCase{"1e3", std::nullopt}));

struct NumberCase {
    const char* word;
    std::optional<double> expected;
};

class ParsesNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(ParsesNumber, OrRejectsIt) { EXPECT_EQ(parse_number(GetParam().word), GetParam().expected) << GetParam().word; }

INSTANTIATE_TEST_SUITE_P(
    Words, ParsesNumber,
    testing::Values(NumberCase{"1234.9", 1234.9}, NumberCase{"-0.25", -0.25}, NumberCase{".5", 0.5},
                    NumberCase{"5.", 5.0}, NumberCase{"+2e3", 2000.0}, NumberCase{"1E-2", 0.01},
                    NumberCase{"0x10", 16.0}, NumberCase{"-0x10", -16.0}, NumberCase{"nan", std::nullopt},
                    NumberCase{"inf", std::nullopt}, NumberCase{"-infinity", std::nullopt},
                    NumberCase{"1e999", std::nullopt}, NumberCase{"0x1.8p1", std::nullopt},
                    NumberCase{"1,5", std::nullopt}, NumberCase{"e3", std::nullopt}, NumberCase{"", std::nullopt}));

struct BcdCase {
    const char* word;
    std::optional<int64_t> expected;
};

class ParsesBcd : public testing::TestWithParam<BcdCase> {};

TEST_P(ParsesBcd, OrRejectsIt) { EXPECT_EQ(parse_bcd(GetParam().word), GetParam().expected) << GetParam().word; }

INSTANTIATE_TEST_SUITE_P(
    Words, ParsesBcd,
    testing::Values(BcdCase{"0x1200", 0x1200}, BcdCase{"0x7", 7}, BcdCase{"0x12345678", 0x12345678},
                    BcdCase{"0x123456789", std::nullopt}, BcdCase{"0x12a0", std::nullopt},
                    BcdCase{"1200", std::nullopt}, BcdCase{"0x", std::nullopt}, BcdCase{"-0x12", std::nullopt}));

}  // namespace
}  // namespace panel_runner
