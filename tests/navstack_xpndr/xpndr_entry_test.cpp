// Keying a code: four digit keys set it; the display shows the entry with its missing digits
// as 0 until the fourth key, then the simulator's code again; CLR takes back the last digit.
#include <cstdio>

#include "xpndr_panel.h"

namespace navstack_xpndr_test {
namespace {

struct EntryCase {
    const char* name;
    int32_t code_before;
    const char* keys;
    std::vector<std::string> shown_after_each_key;
    Events sent;
};

std::ostream& operator<<(std::ostream& out, const EntryCase& c) { return out << c.name; }

class XpndrEntry : public XpndrPanel, public ::testing::WithParamInterface<EntryCase> {};

TEST_P(XpndrEntry, ShowsTheEntryAndSendsTheCodeOnTheFourthDigit) {
    const EntryCase& c = GetParam();
    set_code(c.code_before);
    frame();
    take_events();
    EXPECT_EQ(key_in(c.keys), c.shown_after_each_key);
    EXPECT_EQ(take_events(), c.sent);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, XpndrEntry,
    ::testing::Values(
        EntryCase{"SevenSevenZeroZero", 0x1200, "7700", {"7000", "7700", "7700", "7700"},
                  set_code_events({0x7700})},
        EntryCase{"EveryDigitInItsPlace", 0x0000, "1234", {"1000", "1200", "1230", "1234"},
                  set_code_events({0x1234})},
        EntryCase{"AllZerosOverAnotherCode", 0x7000, "0000", {"0000", "0000", "0000", "0000"},
                  set_code_events({0x0000})},
        EntryCase{"ClearTakesBackTheSecondDigit", 0x2000, "45C612",
                  {"4000", "4500", "4000", "4600", "4610", "4612"}, set_code_events({0x4612})},
        EntryCase{"ClearWithoutAnEntryDoesNothing", 0x3456, "C", {"3456"}, {}},
        EntryCase{"ClearingEveryDigitShowsTheSimulatorsCode", 0x3456, "123CCC",
                  {"1000", "1200", "1230", "1200", "1000", "3456"}, {}},
        EntryCase{"AfterAClearedEntryANewOneStartsAtTheFirstDigit", 0x3456, "1C2345",
                  {"1000", "3456", "2000", "2300", "2340", "2345"}, set_code_events({0x2345})},
        EntryCase{"FurtherClearsAfterTheLastDigitDoNothing", 0x0123, "5CC6",
                  {"5000", "0123", "0123", "6000"}, {}},
        EntryCase{"TwoCodesInARow", 0x1200, "45674567",
                  {"4000", "4500", "4560", "4567", "4000", "4500", "4560", "4567"},
                  set_code_events({0x4567, 0x4567})},
        EntryCase{"FuncLeavesTheEntryAlone", 0x1200, "3F3F33",
                  {"3000", "3000", "3300", "3300", "3330", "3333"}, set_code_events({0x3333})}),
    [](const auto& info) { return std::string(info.param.name); });

// While the simulator has not taken the new code, the display shows the code it reports,
// not the one keyed.
TEST_F(XpndrPanel, AfterTheFourthDigitTheDisplayShowsTheSimulatorsCode) {
    simulator_takes_codes_ = false;
    set_code(0x1200);
    frame();
    EXPECT_EQ(key_in("7700"), (std::vector<std::string>{"7000", "7700", "7700", "1200"}));
    EXPECT_EQ(take_events(), set_code_events({0x7700}));
}

TEST_F(XpndrPanel, CodeShowsTheSimulatorsCodeEveryFrame) {
    set_tick(500);
    for (int32_t code : {0x1200, 0x7654, 0x0001, 0x7777, 0x0000}) {
        set_code(code);
        frame();
        char expected[5];
        std::snprintf(expected, sizeof expected, "%04x", static_cast<unsigned>(code));
        EXPECT_EQ(shown(Text::code), expected);
    }
}

TEST_F(XpndrPanel, AnEntryInProgressHidesChangesOfTheSimulatorsCode) {
    set_code(0x1200);
    key_in("62");
    set_code(0x4444);
    frame();
    EXPECT_EQ(shown(Text::code), "6200");
    key_in("C");
    key_in("C");
    EXPECT_EQ(shown(Text::code), "4444");
}

TEST_F(XpndrPanel, TwoPlacedTranspondersShareOneEntry) {
    const panel_host::InstanceId other = place_another();
    press(kDigitButtons[5], other);
    press(kDigitButtons[3]);
    frame();
    EXPECT_EQ(shown(Text::code), "5300");
    EXPECT_EQ(state(Text::code, other).text, "5300");
    press(kDigitButtons[1], other);
    press(kDigitButtons[0]);
    EXPECT_EQ(take_events(), set_code_events({0x5310}));
}

}  // namespace
}  // namespace navstack_xpndr_test
