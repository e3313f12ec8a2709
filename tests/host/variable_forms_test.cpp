// The forms a token's value takes: lookup_var fills a record that holds only its token with a
// double, a BCD integer (0x269) or a text pointer (0x347), and the variable store turns what
// it is given into the token's form.
#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "host_harness.h"

namespace host_test {
namespace {

using namespace fixture;
using panel_host::VariableStore;

// The first gauge's text shows "<0x269 in hex>|<0x347>|<0x210 with two decimals>", read
// with lookup_var from fresh records holding only their token.
struct FormsCase {
    const char* name;
    std::function<void(VariableStore&)> set;
    const char* shown;
};

// Cases print as their name in test listings.
void PrintTo(const FormsCase& c, std::ostream* out) { *out << c.name; }

const FormsCase kFormsCases[] = {
    {"each_form_in_its_field",
     [](VariableStore& store) {
         store.set_integer(token::kComStandby, 0x2345);
         store.set_text(token::kWaypointIdent, "KSEA");
         store.set_number(token::kFormsNumber, 3.5);
     },
     "2345|KSEA|3.50"},
    {"unset_tokens_read_as_zero_and_empty_text", [](VariableStore&) {}, "0||0.00"},
    {"number_to_the_integer_token_truncates",
     [](VariableStore& store) { store.set_number(token::kComStandby, 4660.9); },  // 0x1234
     "1234||0.00"},
    {"negative_number_truncates_toward_zero",
     [](VariableStore& store) { store.set_number(token::kComStandby, -2.7); },
     "FFFFFFFE||0.00"},
    {"integer_to_a_number_token",
     [](VariableStore& store) { store.set_integer(token::kFormsNumber, 42); }, "0||42.00"},
    {"text_refused_by_a_number_token",
     [](VariableStore& store) {
         store.set_number(token::kFormsNumber, 1.25);
         EXPECT_FALSE(store.set_text(token::kFormsNumber, "KSEA"));
     },
     "0||1.25"},
    {"text_refused_by_the_integer_token",
     [](VariableStore& store) {
         store.set_integer(token::kComStandby, 0x850);
         EXPECT_FALSE(store.set_text(token::kComStandby, "KSEA"));
     },
     "850||0.00"},
    {"number_refused_by_the_text_token_keeps_the_text",
     [](VariableStore& store) {
         store.set_text(token::kWaypointIdent, "KPDX");
         store.set_number(token::kWaypointIdent, 7.0);
     },
     "0|KPDX|0.00"},
};

class hostLookupVar : public ::testing::TestWithParam<FormsCase> {};

TEST_P(hostLookupVar, RecordHoldingOnlyItsTokenGetsTheValueInItsForm) {
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "first");
    GetParam().set(harness.store);
    harness.host->run_frame();
    EXPECT_EQ(harness.state(instance, kFormsText).text, GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(forms, hostLookupVar, ::testing::ValuesIn(kFormsCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(hostLookupVar, EveryCallReadsTheCurrentValue) {
    HostHarness harness;
    const auto instance = harness.place(kMiddleModule, "first");
    const struct {
        int32_t standby;
        const char* ident;
        double number;
        const char* shown;
    } frames[] = {
        {0x1800, "ABC", 1.0, "1800|ABC|1.00"},
        {0x3595, "WXYZ", -2.5, "3595|WXYZ|-2.50"},
        {0x0850, "", 0.0, "850||0.00"},
    };
    for (const auto& frame : frames) {
        harness.store.set_integer(token::kComStandby, frame.standby);
        harness.store.set_text(token::kWaypointIdent, frame.ident);
        harness.store.set_number(token::kFormsNumber, frame.number);
        harness.host->run_frame();
        EXPECT_EQ(harness.state(instance, kFormsText).text, frame.shown);
    }
}

// Only the text-form token takes a text.
TEST(hostVariableStore, TextGoesOnlyToTheTextToken) {
    const std::pair<uint32_t, bool> token_takes_text[] = {
        {token::kWaypointIdent, true},
        {token::kComStandby, false},
        {token::kFormsNumber, false},
        {0x01, false},
    };
    VariableStore store;
    for (auto [token, takes] : token_takes_text) {
        EXPECT_EQ(store.set_text(token, "KSEA"), takes) << std::hex << token;
        EXPECT_EQ(store.text(token), takes ? "KSEA" : "") << std::hex << token;
    }
}

}  // namespace
}  // namespace host_test
