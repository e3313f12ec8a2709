// VFR: from any code to 1200 and back to the code before it. The code to return to is the
// one VFR read from the simulator, or the one the gauge set before its last keyed code.
#include "xpndr_panel.h"

namespace navstack_xpndr_test {
namespace {

struct VfrCase {
    const char* name;
    int32_t code_before;
    const char* keys;  // digits, C for CLR, V for VFR
    Events sent;
    const char* shown_at_end;
};

std::ostream& operator<<(std::ostream& out, const VfrCase& c) { return out << c.name; }

class XpndrVfr : public XpndrPanel, public ::testing::WithParamInterface<VfrCase> {};

TEST_P(XpndrVfr, TogglesBetween1200AndTheCodeBefore) {
    const VfrCase& c = GetParam();
    set_code(c.code_before);
    frame();
    key_in(c.keys);
    EXPECT_EQ(take_events(), c.sent);
    EXPECT_EQ(shown(Text::code), c.shown_at_end);
}

INSTANTIATE_TEST_SUITE_P(
    Presses, XpndrVfr,
    ::testing::Values(
        VfrCase{"FromACodeTo1200AndBack", 0x4521, "VVV", set_code_events({0x1200, 0x4521, 0x1200}),
                "1200"},
        VfrCase{"At1200WithNothingSavedSendsZero", 0x1200, "V", set_code_events({0x0000}),
                "0000"},
        // Keying 1200 saves the code the gauge knew before it (none at start), not the
        // simulator's.
        VfrCase{"Keyed1200OverAnUnknownCodeReturnsToZero", 0x4521, "1200V",
                set_code_events({0x1200, 0x0000}), "0000"},
        VfrCase{"Keyed1200AfterAKeyedCodeReturnsToIt", 0x4521, "33331200V",
                set_code_events({0x3333, 0x1200, 0x3333}), "3333"},
        VfrCase{"KeyedCodeThenVfrThenVfr", 0x0000, "2345VV",
                set_code_events({0x2345, 0x1200, 0x2345}), "2345"},
        // Half-way through an entry VFR acts as usual; the entry stays and completes.
        VfrCase{"HalfWayThroughAnEntry", 0x4521, "45V67", set_code_events({0x1200, 0x4567}),
                "4567"},
        VfrCase{"AnEntryInProgressStaysOnTheDisplay", 0x4521, "45V", set_code_events({0x1200}),
                "4500"},
        VfrCase{"ClearAfterVfrStillTakesBackTheEntry", 0x4521, "45VCC",
                set_code_events({0x1200}), "1200"}),
    [](const auto& info) { return std::string(info.param.name); });

// VFR reads the code at each press, so a code the simulator changed by other means is the one
// it returns to.
TEST_F(XpndrPanel, VfrSavesTheCodeTheSimulatorReportsAtThePress) {
    set_code(0x1200);
    key_in("3333");
    set_code(0x5555);
    key_in("V");
    key_in("V");
    EXPECT_EQ(take_events(), set_code_events({0x3333, 0x1200, 0x5555}));
}

}  // namespace
}  // namespace navstack_xpndr_test
