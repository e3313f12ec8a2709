// JSON strings and numbers as the runner writes them.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "json_line.h"

namespace panel_runner {
namespace {

struct EscapeCase {
    std::string text;
    std::string json;
};

class EscapesString : public testing::TestWithParam<EscapeCase> {};

TEST_P(EscapesString, IntoAJsonLiteral) { EXPECT_EQ(json_string(GetParam().text), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(
    Texts, EscapesString,
    testing::Values(EscapeCase{"+12", R"("+12")"}, EscapeCase{"", R"("")"},
                    EscapeCase{"say \"hi\"", R"("say \"hi\"")"}, EscapeCase{"a\\b", R"("a\\b")"},
                    EscapeCase{"tab\there", R"("tab\there")"}, EscapeCase{"two\nlines\r", R"("two\nlines\r")"},
                    EscapeCase{"\b\f", R"("\b\f")"}, EscapeCase{std::string("nul\0!", 5), R"("nul\u0000!")"},
                    EscapeCase{"\x01\x1f\x7f", R"("\u0001\u001f\u007f")"},
                    // Valid UTF-8 passes through; stray bytes are taken as Latin-1.
                    EscapeCase{"15\xc2\xb0", "\"15\xc2\xb0\""}, EscapeCase{"15\xb0", R"("15\u00b0")"},
                    EscapeCase{"\xc0\x80", R"("\u00c0\u0080")"}, EscapeCase{"\xed\xa0\x80", R"("\u00ed\u00a0\u0080")"},
                    EscapeCase{"\xe2\x82", R"("\u00e2\u0082")"}, EscapeCase{"\xf0\x9f\x9b\xa9", "\"\xf0\x9f\x9b\xa9\""}));

struct NumberCase {
    double value;
    const char* json;
};

class WritesNumber : public testing::TestWithParam<NumberCase> {};

TEST_P(WritesNumber, InItsShortestForm) { EXPECT_EQ(json_number(GetParam().value), GetParam().json); }

INSTANTIATE_TEST_SUITE_P(
    Values, WritesNumber,
    testing::Values(NumberCase{10000.0, "10000"}, NumberCase{0.1, "0.1"}, NumberCase{-1234.5, "-1234.5"},
                    NumberCase{650.24, "650.24"}, NumberCase{-0.0, "0"}, NumberCase{1e300, "1e+300"},
                    NumberCase{std::numeric_limits<double>::quiet_NaN(), "null"},
                    NumberCase{-std::numeric_limits<double>::infinity(), "null"}));

TEST(JsonLine, WritesFieldsInOrderAfterTheType) {
    const std::string line = JsonLine("key_event")
                                 .integer("frame", 3)
                                 .hex("id", 0x101f4)
                                 .integer("value", -100)
                                 .number("angle", 12.5)
                                 .flag("hidden", false)
                                 .text("text", "\"x\"")
                                 .str();
    EXPECT_EQ(line, R"({"type":"key_event","frame":3,"id":"0x101f4","value":-100,"angle":12.5,"hidden":false,"text":"\"x\""})");
}

}  // namespace
}  // namespace panel_runner
